#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "cli/cliplatform.h"
#include "cli/convertcommand.h"
#include "cli/dbcommand.h"
#include "cli/reportcommand.h"
#include "cli/schedulecommand.h"

namespace {

// The first argument that is not an option names the command.
const char* CommandOf(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (argv[i][0] != '-') return argv[i];
  }
  return "";
}

// Reports measure text and draw pages, which needs the GUI module; a script has no screen.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char* argv[]) {
  if (std::strcmp(CommandOf(argc, argv), "report") != 0)
    return std::make_unique<QCoreApplication>(argc, argv);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  return std::make_unique<QGuiApplication>(argc, argv);
}

// stderr carries the tool's own messages only: what Qt remarks on the session it runs in
// (no runtime folder for a script started as a service, a platform plugin's limits) is no
// concern of the script's. Errors Qt cannot recover from still get through.
QtMessageHandler qtOutput = nullptr;

void KeepQtQuiet(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if ((type == QtCriticalMsg || type == QtFatalMsg) && qtOutput) qtOutput(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
  qtOutput = qInstallMessageHandler(KeepQtQuiet);
  const auto application = MakeApplication(argc, argv);
  QCoreApplication& app = *application;
  QCoreApplication::setApplicationName(QStringLiteral("kelvora-cli"));
  QCoreApplication::setApplicationVersion(QStringLiteral(KELVORA_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Kelvora: insulation calculations of pipes, ducts, tanks and plane surfaces."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("command"),
                               QStringLiteral("db: reference-data files as JSON (kelvora-cli db --help).\n"
                                              "convert: a document in the current file layout "
                                              "(kelvora-cli convert --help).\n"
                                              "report: a module's report as text, PDF or JSON "
                                              "(kelvora-cli report --help).\n"
                                              "schedule: a line list through the heat-loss calculation "
                                              "(kelvora-cli schedule --help)."));
  // A first pass only finds the command; the command adds its options and checks them all.
  parser.parse(QCoreApplication::arguments());
  const QString command = parser.positionalArguments().value(0);
  if (command == QLatin1String("db")) return kelvora::cli::RunDbCommand(parser, app);
  if (command == QLatin1String("convert")) return kelvora::cli::RunConvertCommand(parser, app);
  if (command == QLatin1String("report")) return kelvora::cli::RunReportCommand(parser);
  if (command == QLatin1String("schedule")) return kelvora::cli::RunScheduleCommand(parser, app);

  parser.process(app);
  if (!command.isEmpty()) {
    return kelvora::cli::Fail("unknown command \"" + command.toStdString() + "\"");
  }
  parser.showHelp(1);  // no command given
}
