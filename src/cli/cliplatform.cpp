#include "cli/cliplatform.h"

#include <QCommandLineParser>
#include <QFile>

#include <charconv>
#include <cstdio>

#include "core/framework/fileio.h"
#include "core/framework/settingskeys.h"
#include "core/framework/stringtable.h"
#include "ui/framework/interfacelanguage.h"
#include "ui/framework/qtsystemlocale.h"

namespace kelvora::cli {
namespace {

std::string Key(std::string_view section, std::string_view key) {
  std::string joined(section);
  joined += '/';
  joined += key;
  return joined;
}

// The core's texts end some sentences with a space.
std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\n')) text.remove_suffix(1);
  return text;
}

}  // namespace

void PrintError(std::string_view text) {
  text = Trimmed(text);
  std::fprintf(stderr, "kelvora-cli: %.*s\n", static_cast<int>(text.size()), text.data());
}

int Fail(std::string_view text, int exitCode) {
  PrintError(text);
  return exitCode;
}

std::filesystem::path PathArgument(const QString& argument) {
  return std::filesystem::path(QFile::encodeName(argument).toStdString());
}

std::string UnreadableFileText(const std::filesystem::path& path) {
  switch (WhyUnreadable(path)) {
    case UnreadableFile::Missing:
      return path.string() + ": no such file";
    case UnreadableFile::Directory:
      return path.string() + ": is a directory, not a file";
    case UnreadableFile::NotARegularFile:
      return path.string() + ": is not a regular file";
    case UnreadableFile::TooLarge:
      return path.string() + ": is too large for a document or data file (over " +
             std::to_string(kMaxReadBytes >> 20) + " MB)";
    case UnreadableFile::ReadError:
      break;
  }
  return path.string() + ": cannot be read";
}

void SpeakTheUsersLanguage(const SettingsStore& settings) {
  const bool english = ChosenInterfaceLanguage(settings, QLocale::system()) == InterfaceLanguage::English;
  SetDisplayLanguage(english ? Language::English : Language::Czech);
}

const SystemLocale& RunLocale() {
  static const QtSystemLocale locale;
  return locale;
}

bool WriteOutput(std::string_view text, const std::filesystem::path& output) {
  if (output.empty()) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0;
  }
  return WriteFileReplacing(output, text);
}

std::string Say(std::string_view czech, std::string_view english) {
  return std::string(DisplayLanguage() == Language::English ? english : czech);
}

bool UnansweredMessages::AskOkCancel(std::string_view text) {
  Show(text);
  return false;
}

bool UnansweredMessages::AskYesNo(std::string_view text) {
  Show(text);
  return false;
}

void StderrMessages::Show(std::string_view text) {
  PrintError(text);
  said.emplace_back(Trimmed(text));
}

std::optional<std::size_t> StderrChooser::Choose(MissingEntrySource source, std::string_view text,
                                                 const std::vector<std::string>&) {
  // For the user database the core hands over the bare name.
  if (source == MissingEntrySource::UserDatabase) {
    PrintError("the user database holds no product \"" + std::string(text) + "\"");
  } else {
    PrintError(text);
  }
  return std::nullopt;
}

std::string OverlaidSettings::GetString(std::string_view section, std::string_view key,
                                        std::string_view fallback) const {
  const auto it = values.find(Key(section, key));
  return it != values.end() ? it->second : base.GetString(section, key, fallback);
}

void OverlaidSettings::SetString(std::string_view section, std::string_view key, std::string_view value) {
  values[Key(section, key)] = std::string(value);
}

int OverlaidSettings::GetInt(std::string_view section, std::string_view key, int fallback) const {
  const auto it = values.find(Key(section, key));
  if (it == values.end()) return base.GetInt(section, key, fallback);
  int value = 0;
  const std::string& text = it->second;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : fallback;
}

void OverlaidSettings::SetInt(std::string_view section, std::string_view key, int value) {
  values[Key(section, key)] = std::to_string(value);
}

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

DataFileOptions::DataFileOptions(QCommandLineParser& parser) {
  for (const DataFileOption& option : kDataFileOptions) {
    options.emplace_back(QCommandLineOption(QString::fromLatin1(option.name),
                                            QString::fromLatin1(option.description), QStringLiteral("FILE")),
                         &option.key);
    parser.addOption(options.back().first);
  }
}

void DataFileOptions::Apply(const QCommandLineParser& parser, SettingsStore& settings) const {
  for (const auto& [option, key] : options) {
    if (!parser.isSet(option)) continue;
    // Taken from the working directory, as any file named on the command line.
    const auto file = std::filesystem::absolute(PathArgument(parser.value(option)));
    settings.SetString(key->section, key->key, file.string());
  }
}

}  // namespace kelvora::cli
