#include <QApplication>
#include <QElapsedTimer>

#include "ui/framework/qorapp.h"

int main(int argc, char* argv[]) {
  QElapsedTimer clock;
  clock.start();
  QApplication application(argc, argv);
  kelvora::AppOptions options;
  options.arguments = QApplication::arguments().mid(1);
  // Hidden: a picture of the main window for the documentation, and the start-up time.
  if (const auto at = options.arguments.indexOf(QStringLiteral("--screenshot"));
      at >= 0 && at + 1 < options.arguments.size()) {
    options.screenshot = options.arguments.takeAt(at + 1);
    options.arguments.removeAt(at);
    options.clock = clock;
    // The picture is taken with the title dialog up; waiting for it would never end.
    options.modelessTitle = true;
  }
  kelvora::CQorApp app(std::move(options));
  app.Start();
  return QApplication::exec();
}
