#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>

#include <cstdio>

#include "ui/framework/qorapp.h"

int main(int argc, char* argv[]) {
  QElapsedTimer clock;
  clock.start();
  using Request = kelvora::CommandLine::Request;
  // Usage and version need no screen, so they are answered before the application starts;
  // Qt's own options are still among the arguments then, and only their answer counts.
  QStringList given;
  for (int i = 1; i < argc; ++i) given << QString::fromLocal8Bit(argv[i]);
  if (const auto first = kelvora::ParseCommandLine(given);
      first.request == Request::Usage || first.request == Request::Version) {
    std::fputs(qPrintable(first.text), stdout);
    return 0;
  }
  QApplication application(argc, argv);
  // The desktop matches the windows to the installed entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("kelvora"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/desktop/kelvora.svg")));
  kelvora::CommandLine line = kelvora::ParseCommandLine(QApplication::arguments().mid(1));
  if (line.request == Request::Mistake) {
    std::fputs(qPrintable(line.text), stderr);
    return 2;
  }
  if (!line.options.screenshot.isEmpty()) line.options.clock = clock;
  kelvora::CQorApp app(std::move(line.options));
  app.Start();
  return QApplication::exec();
}
