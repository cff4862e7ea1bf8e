#pragma once

#include <concepts>
#include <filesystem>
#include <functional>
#include <utility>

namespace kelvora {

class CItem;
class ClassRegistry;
class Messages;
class SettingsStore;
struct SettingKey;

// How a reference-data container tells the user about its file.
struct DataFileTexts {
  int readError;       // string id, %1 the file name
  int writeError;      // string id, %1 the file name
  bool reportMissing;  // a missing file is worth a message
};

// Where the program keeps its reference data: beside the executable in a build tree, in
// the installation's share/kelvora beside its bin folder, and in the user's data folder,
// which holds the edited copies of shipped files.
struct DataFolders {
  std::filesystem::path program;
  std::filesystem::path user;

  std::filesystem::path Shipped() const;
};

// One reference-data file: where it is read, and where saving it writes. A file read from
// the installation is never written there: the first save writes the user's copy, which is
// the file from then on, and `remember` is told its path for the settings.
class DataFileLocation {
 public:
  // Read and written as named.
  template <class Path>
  requires std::constructible_from<std::filesystem::path, Path> DataFileLocation(Path&& path)
      : path(std::forward<Path>(path)) {}
  DataFileLocation(std::filesystem::path path, std::filesystem::path userCopy,
                   std::function<void(const std::filesystem::path&)> remember);

  const std::filesystem::path& Path() const { return path; }
  // Writes `container` through its Serialize, never destroying the previous file; reports
  // and returns false when the write failed.
  bool Save(CItem& container, Messages& messages, const DataFileTexts& texts);

 private:
  std::filesystem::path path;
  std::filesystem::path userCopy;  // none: saves go to `path`
  std::function<void(const std::filesystem::path&)> remember;
};

// The file of `key`. A name the settings give is used as named (a relative one as
// `LocateDataFile` says). Without one, a build tree finds the default name as
// `LocateDataFile` says; an installed program reads the user's copy when there is one, else
// the shipped file, and creates a file the installation does not ship in the user's folder.
DataFileLocation ReferenceFile(SettingsStore& settings, const SettingKey& key, const DataFolders& folders);

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
