#include <QCommandLineParser>
#include <QCoreApplication>

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("kelvora-cli"));
  QCoreApplication::setApplicationVersion(QStringLiteral(KELVORA_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Kelvora: insulation calculations of pipes, ducts, tanks and plane surfaces."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.process(app);
  parser.showHelp(1);  // no command given
}
