#include <QApplication>
#include <QTest>
#include <memory>

#include "uitests.h"

std::vector<std::function<QObject*()>>& UiTestFactories() {
  static std::vector<std::function<QObject*()>> factories;
  return factories;
}

// KELVORA_UI_TEST=ClassName runs that class alone; the arguments then pick its functions.
int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QByteArray only = qgetenv("KELVORA_UI_TEST");
  int failures = 0;
  for (const auto& make : UiTestFactories()) {
    std::unique_ptr<QObject> test(make());
    if (!only.isEmpty() && only != test->metaObject()->className()) continue;
    failures += QTest::qExec(test.get(), argc, argv);
  }
  return failures == 0 ? 0 : 1;
}
