#include <QApplication>
#include <QTest>
#include <memory>

#include "uitests.h"

std::vector<std::function<QObject*()>>& UiTestFactories() {
  static std::vector<std::function<QObject*()>> factories;
  return factories;
}

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  int failures = 0;
  for (const auto& make : UiTestFactories()) {
    std::unique_ptr<QObject> test(make());
    failures += QTest::qExec(test.get(), argc, argv);
  }
  return failures == 0 ? 0 : 1;
}
