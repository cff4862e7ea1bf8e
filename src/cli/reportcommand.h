#pragma once

// kelvora-cli report DOC: a module's report as plain text, as the printed pages in a PDF or
// as JSON.

#include <filesystem>
#include <optional>
#include <string>

#include "core/framework/datafile.h"

class QCommandLineParser;

namespace kelvora {
class SettingsStore;
}

namespace kelvora::cli {

enum ReportExit : int {
  kReported = 0,
  kNotCalculated = 1,
  kReportUsageOrFile = 2,
};

enum class ReportFormat { Text, Pdf, Json };

struct ReportRequest {
  std::filesystem::path document;
  std::optional<int> module;  // the document's current module when not given
  bool english = false;
  ReportFormat format = ReportFormat::Text;
  std::filesystem::path output;  // stdout for text and JSON when empty
};

// Reads the document against the reference data the settings name and writes the report
// of the module. Messages the program would show in a box go to stderr.
ReportExit WriteReport(const ReportRequest& request, SettingsStore& settings, const DataFolders& folders);

// Runs "report …" under a QGuiApplication (fonts and PDF need one). Returns the exit code.
int RunReportCommand(QCommandLineParser& parser);

}  // namespace kelvora::cli
