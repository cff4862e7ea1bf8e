#pragma once

// kelvora-cli convert IN OUT: a document file written again in the current layout.

#include <filesystem>

#include "core/framework/datafile.h"

class QCommandLineParser;
class QCoreApplication;

namespace kelvora {
class SettingsStore;
}

namespace kelvora::cli {

enum ConvertExit : int {
  kConverted = 0,
  kUsageError = 1,
  kUnreadableDocument = 2,
  kUnwritableOutput = 3,
};

// Reads the document `in` against the reference data the settings name (relative names
// are found as the desktop program finds them, in `folders`) and writes it to `out`.
// Messages go to stderr. Every record the document names must be found: a missing one
// ends the conversion rather than leaving the reference out of `out`.
ConvertExit ConvertDocument(const std::filesystem::path& in, const std::filesystem::path& out,
                            SettingsStore& settings, const DataFolders& folders);

// Runs "convert …": `parser` holds the program's common options, the command adds its own.
// Returns the exit code.
int RunConvertCommand(QCommandLineParser& parser, const QCoreApplication& app);

}  // namespace kelvora::cli
