#include <QCommandLineParser>
#include <QCoreApplication>

#include "cli/cliplatform.h"
#include "cli/convertcommand.h"
#include "cli/dbcommand.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
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
                                              "(kelvora-cli convert --help)."));
  // A first pass only finds the command; the command adds its options and checks them all.
  parser.parse(QCoreApplication::arguments());
  const QString command = parser.positionalArguments().value(0);
  if (command == QLatin1String("db")) return kelvora::cli::RunDbCommand(parser, app);
  if (command == QLatin1String("convert")) return kelvora::cli::RunConvertCommand(parser, app);

  parser.process(app);
  if (!command.isEmpty()) {
    return kelvora::cli::Fail("unknown command \"" + command.toStdString() + "\"");
  }
  parser.showHelp(1);  // no command given
}
