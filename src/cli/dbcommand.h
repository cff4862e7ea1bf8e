#pragma once

// kelvora-cli db dump FILE [--kind KIND] and kelvora-cli db build JSON OUT.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "cli/dbjson.h"

class QCommandLineParser;
class QCoreApplication;

namespace kelvora::cli {

struct LoadedData {
  DataKind kind;
  std::unique_ptr<CItem> container;
};

// Reads a reference-data file as `kind`, or, without one, as the kind whose container
// reads the whole file and leaves nothing over. Only a file of empty lists can read as
// more than one kind: a file holding just an empty list ("00 00") is taken as climate
// data when named *.cli, cost presets when named *.cst, and a user database otherwise
// (a standard database always holds eight counts). On failure `error` names the file
// and what is wrong.
std::optional<LoadedData> ReadDataFile(const std::filesystem::path& path, std::optional<DataKind> kind,
                                       std::string& error);

// The JSON text of a reference-data file; nothing, with `error` set, on failure.
std::optional<std::string> DumpDataFile(const std::filesystem::path& path, std::optional<DataKind> kind,
                                        std::string& error);

// Writes the binary file `out` from the JSON file `json`; false, with `error` set, on
// failure, and then a previous `out` is left as it was.
bool BuildDataFile(const std::filesystem::path& json, const std::filesystem::path& out, std::string& error);

// Runs "db …": `parser` holds the program's common options, the command adds its own.
// Returns the exit code.
int RunDbCommand(QCommandLineParser& parser, const QCoreApplication& app);

}  // namespace kelvora::cli
