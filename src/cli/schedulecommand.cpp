#include "cli/schedulecommand.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <unistd.h>

#include <cstdio>

#include "cli/cliplatform.h"
#include "cli/jsontext.h"
#include "core/document/document.h"
#include "core/framework/cformat.h"
#include "core/framework/fileio.h"
#include "core/framework/stringtable.h"
#include "ui/framework/qtsettingsstore.h"

namespace kelvora::cli {
namespace {

constexpr const char* kUsage =
    "usage: kelvora-cli schedule LINES.csv [--output FILE] [--format csv|json] [--english] [--documents "
    "DIR] ";
constexpr std::size_t kLongList = 1000;
constexpr std::size_t kProgressStep = 500;

// The list in the spreadsheet's own form: its separator, a decimal comma where the
// separator leaves the comma free, and its byte order mark.
std::string OutcomesCsv(const std::vector<LineOutcome>& outcomes, const LineList& list) {
  const bool decimalComma = list.separator != ',';
  std::string csv = list.byteOrderMark ? "\xEF\xBB\xBF" : "";
  csv += WriteCsvLine(OutcomeHeader(), list.separator);
  for (const LineOutcome& outcome : outcomes)
    csv += WriteCsvLine(OutcomeFields(outcome, decimalComma), list.separator);
  return csv;
}

// A file name that any file system takes, from the line's place and identifier.
std::filesystem::path DocumentName(std::size_t index, std::string_view id) {
  std::string name = FormatC("%04d-", {static_cast<long long>(index + 1)});
  for (const char c : id) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '_' || c == '.';
    name += plain ? c : '_';
  }
  return name + ".vtp";
}

class Progress {
 public:
  explicit Progress(std::size_t total) : total(total), shown(total >= kLongList && isatty(STDERR_FILENO)) {}
  ~Progress() {
    if (shown) std::fputc('\n', stderr);
  }
  void Step(std::size_t done) const {
    if (shown && (done % kProgressStep == 0 || done == total))
      std::fprintf(stderr, "\rkelvora-cli: %zu / %zu", done, total);
  }

 private:
  std::size_t total;
  bool shown;
};

}  // namespace

std::string OutcomesJson(const std::vector<LineOutcome>& outcomes) {
  const std::vector<std::string> keys = OutcomeHeader();
  JsonText json;
  json.Key("lines");
  json.Open('[');
  for (const LineOutcome& outcome : outcomes) {
    const std::vector<std::string> fields = OutcomeFields(outcome, false);
    json.Element();
    json.Open('{', true);
    for (std::size_t k = 0; k < keys.size(); ++k) {
      json.Key(keys[k]);
      const std::string& field = fields[k];
      // Identifiers and messages stay texts even where they read as numbers.
      if (k == 0 || k + 1 == keys.size() || (!field.empty() && !ParseCellNumber(field))) {
        json.String(field);
      } else {
        json.Literal(field.empty() ? "null" : field);
      }
    }
    json.Key("computed");
    json.Literal(outcome.figures ? "true" : "false");
    json.Close('}');
  }
  json.Close(']');
  return json.Finish();
}

ScheduleExit RunSchedule(const ScheduleRequest& request, SettingsStore& settings,
                         const DataFolders& folders) {
  const auto bytes = ReadWholeFile(request.lines);
  if (!bytes) {
    PrintError(UnreadableFileText(request.lines));
    return kScheduleUsageOrFile;
  }
  const auto list = ReadLineList(*bytes);
  if (!list) {
    PrintError(request.lines.string() +
               Say(": chybí řádek s názvy sloupců", ": no header line of column names"));
    return kScheduleUsageOrFile;
  }
  if (!request.documents.empty()) {
    std::error_code error;
    std::filesystem::create_directories(request.documents, error);
    if (error) {
      PrintError(request.documents.string() +
                 Say(": složku nelze vytvořit", ": the folder cannot be created"));
      return kScheduleUsageOrFile;
    }
  }

  CollectedMessages messages;
  StderrChooser chooser;
  CQorDoc doc(DocumentServices{messages, chooser, settings, RunLocale(), folders.program, folders.user});
  // What reading the reference data had to say concerns every line.
  for (const std::string& text : messages.texts) PrintError(text);
  if (request.english) doc.englishResults = 1;

  Schedule schedule(doc, messages, list->header);
  for (const std::string& name : schedule.UnknownColumns()) {
    PrintError(Say("sloupec „", "column \"") + name + Say("“ se přeskakuje", "\" is skipped"));
  }
  std::vector<LineOutcome> outcomes;
  outcomes.reserve(list->records.size());
  const Progress progress(list->records.size());
  for (const LineList::Record& record : list->records) {
    outcomes.push_back(schedule.Compute(record));
    if (!request.documents.empty() && outcomes.back().figures) {
      // A failed save was told through the messages; the line's figures stand.
      messages.texts.clear();
      if (!doc.Save(request.documents / DocumentName(outcomes.size() - 1, outcomes.back().id))) {
        for (const std::string& text : messages.texts) PrintError(text);
      }
    }
    progress.Step(outcomes.size());
  }

  const std::string text =
      request.format == ScheduleFormat::Json ? OutcomesJson(outcomes) : OutcomesCsv(outcomes, *list);
  if (!WriteOutput(text, request.output)) {
    PrintError(Say("nelze zapsat ", "cannot write ") +
               (request.output.empty() ? std::string("stdout") : request.output.string()));
    return kScheduleUsageOrFile;
  }
  const bool every = std::all_of(outcomes.begin(), outcomes.end(),
                                 [](const LineOutcome& o) { return o.figures.has_value(); });
  return every ? kEveryLineComputed : kSomeLinesNotComputed;
}

int RunScheduleCommand(QCommandLineParser& parser, const QCoreApplication& app) {
  parser.clearPositionalArguments();
  parser.addPositionalArgument(QStringLiteral("schedule"),
                               QStringLiteral("Compute the heat loss of every line of a line list."),
                               QStringLiteral("schedule"));
  parser.addPositionalArgument(QStringLiteral("LINES"),
                               QStringLiteral("The line list: CSV with a header row of column names."));
  const QCommandLineOption templateOption(
      QStringLiteral("template"),
      QStringLiteral("Print a header with every column and three example lines."));
  const QCommandLineOption outputOption(QStringLiteral("output"),
                                        QStringLiteral("The file to write; stdout without it."),
                                        QStringLiteral("FILE"));
  const QCommandLineOption formatOption(
      QStringLiteral("format"), QStringLiteral("csv (the list's separator and decimal mark) or json."),
      QStringLiteral("csv|json"), QStringLiteral("csv"));
  const QCommandLineOption englishOption(QStringLiteral("english"),
                                         QStringLiteral("Messages, and the documents' reports, in English."));
  const QCommandLineOption documentsOption(
      QStringLiteral("documents"), QStringLiteral("Also write each computed line as a document into DIR."),
      QStringLiteral("DIR"));
  parser.addOptions({templateOption, outputOption, formatOption, englishOption, documentsOption});
  const DataFileOptions fileOptions(parser);
  parser.process(app);

  const QtSettingsStore stored;
  OverlaidSettings settings(stored);
  fileOptions.Apply(parser, settings);
  SpeakTheUsersLanguage(settings);
  const bool english = parser.isSet(englishOption);
  if (english) SetDisplayLanguage(Language::English);

  const QStringList arguments = parser.positionalArguments();
  if (parser.isSet(templateOption) && arguments.size() == 1) {
    const bool czech = DisplayLanguage() == Language::Czech;
    return WriteOutput(ScheduleTemplate(czech ? ';' : ',', czech), PathArgument(parser.value(outputOption)))
               ? kEveryLineComputed
               : kScheduleUsageOrFile;
  }
  const std::string usage = std::string(kUsage) + DataFileOptions::kUsage;
  if (arguments.size() != 2) return Fail(usage, kScheduleUsageOrFile);
  ScheduleRequest request;
  request.lines = PathArgument(arguments[1]);
  if (parser.isSet(outputOption)) request.output = PathArgument(parser.value(outputOption));
  const QString format = parser.value(formatOption);
  if (format == QLatin1String("json")) {
    request.format = ScheduleFormat::Json;
  } else if (format != QLatin1String("csv")) {
    return Fail("--format takes csv or json", kScheduleUsageOrFile);
  }
  request.english = english;
  if (parser.isSet(documentsOption)) request.documents = PathArgument(parser.value(documentsOption));
  return RunSchedule(request, settings,
                     {PathArgument(QCoreApplication::applicationDirPath()), UserDataFolder()});
}

}  // namespace kelvora::cli
