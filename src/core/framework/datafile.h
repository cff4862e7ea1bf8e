#pragma once

#include <filesystem>

namespace kelvora {

class CItem;
class ClassRegistry;
class Messages;
class SettingsStore;
struct SettingKey;

// The file a reference-data container reads and writes: the name the settings give (or
// the default), found as `LocateDataFile` says.
std::filesystem::path DataFilePath(const SettingsStore& settings, const SettingKey& key,
                                   const std::filesystem::path& programDir);

// How a reference-data container tells the user about its file.
struct DataFileTexts {
  int readError;       // string id, %1 the file name
  int writeError;      // string id, %1 the file name
  bool reportMissing;  // a missing file is worth a message
};

// Reads `path` into `container` through its Serialize. A file that cannot be opened is
// reported when `reportMissing`; a damaged one always, with what is wrong, and what was
// read before the damage stays. True when the whole file was read.
bool LoadDataFile(const std::filesystem::path& path, CItem& container, const ClassRegistry& classes,
                  Messages& messages, const DataFileTexts& texts);

// Writes `container` to `path` without ever destroying the previous file; reports and
// returns false when the write failed.
bool SaveDataFile(const std::filesystem::path& path, CItem& container, Messages& messages,
                  const DataFileTexts& texts);

}  // namespace kelvora
