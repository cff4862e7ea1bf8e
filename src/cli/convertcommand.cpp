#include "cli/convertcommand.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <memory>
#include <utility>
#include <vector>

#include "cli/cliplatform.h"
#include "core/framework/document.h"
#include "core/framework/fileio.h"
#include "core/framework/settingskeys.h"
#include "ui/framework/qtsettingsstore.h"

namespace kelvora::cli {
namespace {

struct DataFileOption {
  const char* name;
  const char* description;
  const SettingKey& key;
};

const DataFileOption kDataFileOptions[] = {
    {"database", "Read the standard database from FILE instead of the file the settings name.",
     settings::kDatabaseFile},
    {"user-database", "Read the user database from FILE instead of the file the settings name.",
     settings::kUserDatabaseFile},
    {"climate", "Read the climate data from FILE instead of the file the settings name.",
     settings::kClimateFile},
    {"costs", "Read the insulation costs from FILE instead of the file the settings name.",
     settings::kCostFile},
};

}  // namespace

ConvertExit ConvertDocument(const std::filesystem::path& in, const std::filesystem::path& out,
                            SettingsStore& settings, const std::filesystem::path& programDir) {
  // Checked first so that a mistyped name is not buried under the reference data's messages.
  if (!ReadWholeFile(in)) {
    PrintError(UnreadableFileText(in));
    return kUnreadableDocument;
  }
  StderrMessages messages;
  StderrChooser chooser;
  // A reference-data file that is missing or damaged is reported here but does not stop
  // the conversion: only the records a document names are needed, and those are checked.
  CQorDoc doc(DocumentServices{messages, chooser, settings, programDir});
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
  std::vector<std::pair<QCommandLineOption, const SettingKey*>> fileOptions;
  for (const DataFileOption& option : kDataFileOptions) {
    fileOptions.emplace_back(
        QCommandLineOption(QString::fromLatin1(option.name), QString::fromLatin1(option.description),
                           QStringLiteral("FILE")),
        &option.key);
    parser.addOption(fileOptions.back().first);
  }
  parser.process(app);

  const QStringList arguments = parser.positionalArguments();
  if (arguments.size() != 3) {
    return Fail(
        "usage: kelvora-cli convert IN OUT [--database FILE] [--user-database FILE] "
        "[--climate FILE] [--costs FILE]",
        kUsageError);
  }
  const QtSettingsStore stored;
  OverlaidSettings settings(stored);
  for (const auto& [option, key] : fileOptions) {
    if (!parser.isSet(option)) continue;
    // Taken from the working directory, as any file named on the command line.
    const auto file = std::filesystem::absolute(PathArgument(parser.value(option)));
    settings.SetString(key->section, key->key, file.string());
  }
  return ConvertDocument(PathArgument(arguments[1]), PathArgument(arguments[2]), settings,
                         PathArgument(QCoreApplication::applicationDirPath()));
}

}  // namespace kelvora::cli
