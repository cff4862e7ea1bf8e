#include "core/framework/fileio.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

namespace kelvora {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}

std::filesystem::path LocateDataFile(const std::filesystem::path& name,
                                     const std::filesystem::path& programDir) {
  if (name.is_absolute() || programDir.empty()) return name;
  std::error_code error;
  if (std::filesystem::exists(name, error)) return name;
  const std::filesystem::path beside = programDir / name;
  return std::filesystem::exists(beside, error) ? beside : name;
}

}  // namespace kelvora
