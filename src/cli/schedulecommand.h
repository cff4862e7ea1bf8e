#pragma once

// kelvora-cli schedule LINES.csv: a line list through the heat-loss calculation.

#include <filesystem>
#include <string>
#include <vector>

#include "cli/schedule.h"
#include "core/framework/datafile.h"

class QCommandLineParser;
class QCoreApplication;

namespace kelvora {
class SettingsStore;
}

namespace kelvora::cli {

enum ScheduleExit : int {
  kEveryLineComputed = 0,
  kSomeLinesNotComputed = 1,
  kScheduleUsageOrFile = 2,
};

enum class ScheduleFormat { Csv, Json };

struct ScheduleRequest {
  std::filesystem::path lines;
  std::filesystem::path output;  // stdout when empty
  ScheduleFormat format = ScheduleFormat::Csv;
  bool english = false;  // the documents' reports in English
  // Each computed line also as a document there, to be opened in the desktop program.
  std::filesystem::path documents{};
};

// Computes every line of the list and writes one output line each, in input order.
ScheduleExit RunSchedule(const ScheduleRequest& request, SettingsStore& settings, const DataFolders& folders);

// The results as JSON: the output columns as keys, numbers as numbers, null where empty.
std::string OutcomesJson(const std::vector<LineOutcome>& outcomes);

int RunScheduleCommand(QCommandLineParser& parser, const QCoreApplication& app);

}  // namespace kelvora::cli
