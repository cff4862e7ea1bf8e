#pragma once

// What the commands share: error lines on stderr, file arguments, and the platform
// services a document asks for, answered without a user to ask.

#include <QCommandLineOption>
#include <QString>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/framework/platform.h"

class QCommandLineParser;

namespace kelvora {
struct SettingKey;
}

namespace kelvora::cli {

// Writes "kelvora-cli: `text`" as a line on stderr.
void PrintError(std::string_view text);

// Prints `text` and returns `exitCode`, for `return Fail(…)`.
int Fail(std::string_view text, int exitCode = 1);

// `text` to the file `output`, never leaving it half written, or to stdout when `output`
// is empty. False when that failed.
bool WriteOutput(std::string_view text, const std::filesystem::path& output);

// A file named on the command line, in the file system's encoding.
std::filesystem::path PathArgument(const QString& argument);

// Why `path` could not be read: "PATH: no such file" or "PATH: cannot be read".
std::string UnreadableFileText(const std::filesystem::path& path);

// The program's messages in the language the desktop program speaks: the user's choice,
// before any choice Czech for a Czech locale and English otherwise.
void SpeakTheUsersLanguage(const SettingsStore& settings);

// The system locale of the run, which gives a new document its currency as it does in the
// desktop program.
const SystemLocale& RunLocale();

// Nobody is there to answer: a question is shown like any message and answered no (or
// cancel).
class UnansweredMessages : public Messages {
 public:
  bool AskOkCancel(std::string_view text) override;
  bool AskYesNo(std::string_view text) override;

  // Every text shown or asked, in order, as printed.
  std::vector<std::string> said;
};

// The tool's own texts, in the language of the program's messages.
std::string Say(std::string_view czech, std::string_view english);

// Messages go to stderr.
class StderrMessages : public UnansweredMessages {
 public:
  void Show(std::string_view text) override;

  // Every text shown or asked, in order, as printed.
  std::vector<std::string> said;
};

// Nobody can pick a replacement for a missing record: the text naming it goes to stderr
// and the answer is none, which ends the read.
class StderrChooser : public MissingEntryChooser {
 public:
  std::optional<std::size_t> Choose(MissingEntrySource source, std::string_view text,
                                    const std::vector<std::string>& names) override;
};

// The user's settings as read from `base`, with values set for this run laid over them.
// Nothing is ever written to `base`: a script's choice of files must not change what the
// desktop program opens next time.
class OverlaidSettings : public SettingsStore {
 public:
  explicit OverlaidSettings(const SettingsStore& base) : base(base) {}

  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view fallback) const override;
  void SetString(std::string_view section, std::string_view key, std::string_view value) override;
  int GetInt(std::string_view section, std::string_view key, int fallback) const override;
  void SetInt(std::string_view section, std::string_view key, int value) override;

 private:
  const SettingsStore& base;
  std::map<std::string, std::string> values;
};

// --database, --user-database, --climate and --costs: reference-data files for this run
// instead of those the settings name.
class DataFileOptions {
 public:
  explicit DataFileOptions(QCommandLineParser& parser);
  // The files given, taken from the working directory, laid over `settings`.
  void Apply(const QCommandLineParser& parser, SettingsStore& settings) const;
  static constexpr const char* kUsage =
      "[--database FILE] [--user-database FILE] [--climate FILE] [--costs FILE]";

 private:
  std::vector<std::pair<QCommandLineOption, const SettingKey*>> options;
};

}  // namespace kelvora::cli
