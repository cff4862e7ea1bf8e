#include "cli/reportcommand.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <fstream>

#include "cli/cliplatform.h"
#include "cli/reportjson.h"
#include "core/document/document.h"
#include "core/framework/fileio.h"
#include "core/framework/stringtable.h"
#include "core/report/reporttext.h"
#include "ui/framework/pdfexport.h"
#include "ui/framework/qpaintersurface.h"
#include "ui/framework/qtpicturesource.h"
#include "ui/framework/qtsettingsstore.h"

namespace kelvora::cli {
namespace {

constexpr const char* kUsage =
    "usage: kelvora-cli report DOC [--module N] [--english] [--format text|pdf|json] [--output FILE] ";

}  // namespace

ReportExit WriteReport(const ReportRequest& request, SettingsStore& settings, const DataFolders& folders) {
  if (!ReadWholeFile(request.document)) {
    PrintError(UnreadableFileText(request.document));
    return kReportUsageOrFile;
  }
  StderrMessages messages;
  StderrChooser chooser;
  CQorDoc doc(DocumentServices{messages, chooser, settings, RunLocale(), folders.program, folders.user});
  ScreenMeasuringSurface measuring;
  const QtPictureSource pictures;
  PageModel& page = doc.reports.Page();
  page.SetScreenSurface(&measuring);
  page.SetPictureSource(&pictures);
  page.UseDefaultPrinter(PdfPrintableArea());
  if (!doc.Open(request.document)) return kReportUsageOrFile;

  const int module = request.module.value_or(doc.currentModule);
  doc.currentModule = module;
  if (request.english) doc.englishResults = 1;
  doc.Refresh(kLayoutChangedHint);
  if (!doc.Module(module).calculated) {
    PrintError("module " + std::to_string(module) + " of " + request.document.string() +
               " is not calculated, or its calculation failed");
    return kNotCalculated;
  }
  if (request.format != ReportFormat::Pdf) {
    const auto index = static_cast<ModuleIndex>(module);
    const std::string text = request.format == ReportFormat::Json ? ReportJson(doc, index, messages.said)
                                                                  : ReportCopyText(doc.reports, index);
    if (WriteOutput(text, request.output)) return kReported;
    PrintError("cannot write " +
               (request.output.empty() ? std::string("the report") : request.output.string()));
    return kReportUsageOrFile;
  }
  QString error;
  if (!ExportReportPdf(doc.reports, QString::fromStdString(request.output.string()), QPageSize(QPageSize::A4),
                       &error)) {
    PrintError(error.toStdString());
    return kReportUsageOrFile;
  }
  return kReported;
}

int RunReportCommand(QCommandLineParser& parser) {
  parser.clearPositionalArguments();
  parser.addPositionalArgument(QStringLiteral("report"), QStringLiteral("Write the report of a document."),
                               QStringLiteral("report"));
  parser.addPositionalArgument(QStringLiteral("DOC"), QStringLiteral("The document file (.vtp) to read."));
  const QCommandLineOption moduleOption(
      QStringLiteral("module"),
      QStringLiteral("The module 0-7 whose report to write (default: the document's)."), QStringLiteral("N"));
  const QCommandLineOption englishOption(QStringLiteral("english"),
                                         QStringLiteral("Report texts and messages in English."));
  const QCommandLineOption formatOption(
      QStringLiteral("format"),
      QStringLiteral("text (the copy text of every table and text), pdf "
                     "(the printed pages, A4) or json (every item with its "
                     "numbers, and the messages; see docs/report-json.md)."),
      QStringLiteral("text|pdf|json"), QStringLiteral("text"));
  const QCommandLineOption outputOption(
      QStringLiteral("output"), QStringLiteral("The file to write; text and JSON go to stdout without it."),
      QStringLiteral("FILE"));
  parser.addOptions({moduleOption, englishOption, formatOption, outputOption});
  const DataFileOptions fileOptions(parser);
  if (!parser.parse(QCoreApplication::arguments())) {
    return Fail(parser.errorText().toStdString(), kReportUsageOrFile);
  }
  if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);

  const std::string usage = std::string(kUsage) + DataFileOptions::kUsage;
  const QStringList arguments = parser.positionalArguments();
  if (arguments.size() != 2) return Fail(usage, kReportUsageOrFile);
  ReportRequest request;
  request.document = PathArgument(arguments[1]);
  if (parser.isSet(moduleOption)) {
    bool number = false;
    const int module = parser.value(moduleOption).toInt(&number);
    if (!number || module < 0 || module >= kModuleCount) {
      return Fail("--module takes a module number 0-7", kReportUsageOrFile);
    }
    request.module = module;
  }
  request.english = parser.isSet(englishOption);
  const QString format = parser.value(formatOption);
  if (format == QLatin1String("pdf")) {
    request.format = ReportFormat::Pdf;
  } else if (format == QLatin1String("json")) {
    request.format = ReportFormat::Json;
  } else if (format != QLatin1String("text")) {
    return Fail("--format takes text, pdf or json", kReportUsageOrFile);
  }
  if (parser.isSet(outputOption)) request.output = PathArgument(parser.value(outputOption));
  if (request.format == ReportFormat::Pdf && request.output.empty()) {
    return Fail("a PDF needs --output FILE", kReportUsageOrFile);
  }
  const QtSettingsStore stored;
  OverlaidSettings settings(stored);
  fileOptions.Apply(parser, settings);
  SpeakTheUsersLanguage(settings);
  if (request.english) SetDisplayLanguage(Language::English);
  return WriteReport(request, settings,
                     {PathArgument(QCoreApplication::applicationDirPath()), UserDataFolder()});
}

}  // namespace kelvora::cli
