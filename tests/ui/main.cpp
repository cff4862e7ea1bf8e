#include <QApplication>
#include <QTest>
#include <cstdio>
#include <memory>

#include "uitests.h"

std::vector<std::function<QObject*()>>& UiTestFactories() {
  static std::vector<std::function<QObject*()>> factories;
  return factories;
}

namespace {

// CTest runs each class as an entry of its own; a class missing from its list would never
// run there.
int ReportUnlisted(const QByteArray& listed) {
  const QList<QByteArray> names = listed.split(',');
  int unlisted = 0;
  for (const auto& make : UiTestFactories()) {
    const std::unique_ptr<QObject> test(make());
    const char* name = test->metaObject()->className();
    if (names.contains(name)) continue;
    std::fprintf(stderr, "Qt test class %s is not registered with CTest (tests/ui/CMakeLists.txt)\n", name);
    ++unlisted;
  }
  return unlisted == 0 ? 0 : 1;
}

}  // namespace

// KELVORA_UI_TEST=ClassName runs that class alone; the arguments then pick its functions.
int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QByteArray listed = qgetenv("KELVORA_UI_TEST_LISTED");
  if (!listed.isEmpty()) return ReportUnlisted(listed);
  const QByteArray only = qgetenv("KELVORA_UI_TEST");
  int failures = 0;
  bool ran = false;
  for (const auto& make : UiTestFactories()) {
    std::unique_ptr<QObject> test(make());
    if (!only.isEmpty() && only != test->metaObject()->className()) continue;
    ran = true;
    failures += QTest::qExec(test.get(), argc, argv);
  }
  if (!ran) {
    std::fprintf(stderr, "no Qt test class named %s\n", only.constData());
    return 1;
  }
  return failures == 0 ? 0 : 1;
}
