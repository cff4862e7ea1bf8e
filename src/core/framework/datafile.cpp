#include "core/framework/datafile.h"

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

}  // namespace

std::filesystem::path DataFilePath(const SettingsStore& settings, const SettingKey& key,
                                   const std::filesystem::path& programDir) {
  return LocateDataFile(settings.GetString(key.section, key.key, key.fallback), programDir);
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
