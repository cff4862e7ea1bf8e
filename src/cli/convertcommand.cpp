#include "cli/convertcommand.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <memory>
#include <utility>
#include <vector>

#include "cli/cliplatform.h"
#include "core/document/document.h"
#include "core/framework/fileio.h"
#include "core/framework/settingskeys.h"
#include "ui/framework/qtsettingsstore.h"

namespace kelvora::cli {

ConvertExit ConvertDocument(const std::filesystem::path& in, const std::filesystem::path& out,
                            SettingsStore& settings, const DataFolders& folders) {
  // Checked first so that a mistyped name is not buried under the reference data's messages.
  if (!ReadWholeFile(in)) {
    PrintError(UnreadableFileText(in));
    return kUnreadableDocument;
  }
  StderrMessages messages;
  StderrChooser chooser;
  // A reference-data file that is missing or damaged is reported here but does not stop
  // the conversion: only the records a document names are needed, and those are checked.
  CQorDoc doc(DocumentServices{messages, chooser, settings, RunLocale(), folders.program, folders.user});
  if (!doc.Open(in)) return kUnreadableDocument;
  if (!doc.Save(out)) return kUnwritableOutput;
  return kConverted;
}

int RunConvertCommand(QCommandLineParser& parser, const QCoreApplication& app) {
  parser.clearPositionalArguments();
  parser.addPositionalArgument(QStringLiteral("convert"),
                               QStringLiteral("Write the document IN to OUT in the current file layout."),
                               QStringLiteral("convert"));
  parser.addPositionalArgument(QStringLiteral("IN"), QStringLiteral("The document file to read."));
  parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("The document file to write."));
  const DataFileOptions fileOptions(parser);
  parser.process(app);

  const QStringList arguments = parser.positionalArguments();
  if (arguments.size() != 3) {
    return Fail(std::string("usage: kelvora-cli convert IN OUT ") + DataFileOptions::kUsage, kUsageError);
  }
  const QtSettingsStore stored;
  OverlaidSettings settings(stored);
  fileOptions.Apply(parser, settings);
  SpeakTheUsersLanguage(settings);
  return ConvertDocument(PathArgument(arguments[1]), PathArgument(arguments[2]), settings,
                         {PathArgument(QCoreApplication::applicationDirPath()), UserDataFolder()});
}

}  // namespace kelvora::cli
