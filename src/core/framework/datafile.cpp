#include "core/framework/datafile.h"

#include "core/framework/archive.h"
#include "core/framework/cformat.h"
#include "core/framework/fileio.h"
#include "core/framework/platform.h"

namespace kelvora {
namespace {

std::string FileMessage(int id, const std::filesystem::path& path) {
  return FormatMessage(LoadResourceString(id, Language::Czech), {path.string()});
}

}  // namespace

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
                  std::string(ArchiveErrorText(e.error, Language::Czech)));
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
