#include "core/framework/datafile.h"

#include <utility>

#include "core/framework/archive.h"
#include "core/framework/cformat.h"
#include "core/framework/fileio.h"
#include "core/framework/platform.h"
#include "core/framework/settingskeys.h"

namespace kelvora {
namespace {

std::string FileMessage(int id, const std::filesystem::path& path) {
  return FormatMessage(MessageText(id), {path.string()});
}

bool Exists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

}  // namespace

std::filesystem::path DataFolders::Shipped() const {
  if (program.empty()) return {};
  return (program / ".." / "share" / "kelvora").lexically_normal();
}

DataFileLocation::DataFileLocation(std::filesystem::path path, std::filesystem::path userCopy,
                                   std::function<void(const std::filesystem::path&)> remember)
    : path(std::move(path)), userCopy(std::move(userCopy)), remember(std::move(remember)) {}

bool DataFileLocation::Save(CItem& container, Messages& messages, const DataFileTexts& texts) {
  const std::filesystem::path target = userCopy.empty() ? path : userCopy;
  std::error_code ignored;
  if (!userCopy.empty()) std::filesystem::create_directories(userCopy.parent_path(), ignored);
  if (!SaveDataFile(target, container, messages, texts)) return false;
  if (!userCopy.empty()) {
    path = std::exchange(userCopy, {});
    if (remember) remember(path);
  }
  return true;
}

DataFileLocation ReferenceFile(SettingsStore& settings, const SettingKey& key, const DataFolders& folders) {
  const std::string named = settings.GetString(key.section, key.key, "");
  if (!named.empty()) return LocateDataFile(named, folders.program);
  const std::filesystem::path name(key.fallback);
  const std::filesystem::path shipped = folders.Shipped();
  // A build tree: the working directory, then beside the program.
  if (shipped.empty() || folders.user.empty() || !Exists(shipped))
    return LocateDataFile(name, folders.program);
  const std::filesystem::path userCopy = folders.user / name;
  if (Exists(userCopy)) return userCopy;
  const std::filesystem::path shippedFile = shipped / name;
  return DataFileLocation(Exists(shippedFile) ? shippedFile : userCopy, userCopy,
                          [&settings, key](const std::filesystem::path& copy) {
                            settings.SetString(key.section, key.key, copy.string());
                          });
}

bool LoadDataFile(const std::filesystem::path& path, CItem& container, const ClassRegistry& classes,
                  Messages& messages, const DataFileTexts& texts) {
  auto bytes = ReadWholeFile(path);
  if (!bytes) {
    if (texts.reportMissing) messages.Show(FileMessage(texts.readError, path));
    return false;
  }
  try {
    CArchive ar(std::move(*bytes), classes);
    container.Serialize(ar);
    return true;
  } catch (const ArchiveException& e) {
    messages.Show(FileMessage(texts.readError, path) + "\n" +
                  std::string(ArchiveErrorText(e.error, DisplayLanguage())));
    return false;
  }
}

bool SaveDataFile(const std::filesystem::path& path, CItem& container, Messages& messages,
                  const DataFileTexts& texts) {
  CArchive ar;
  container.Serialize(ar);
  if (WriteFileReplacing(path, ar.Data())) return true;
  messages.Show(FileMessage(texts.writeError, path));
  return false;
}

}  // namespace kelvora
