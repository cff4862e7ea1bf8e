#include "core/framework/fileio.h"

#include <cstdio>
#include <fstream>
#include <system_error>

namespace kelvora {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kMaxReadBytes) return std::nullopt;
  // The stream reports a failed read by throwing from its buffer, whatever its mask says.
  try {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
  } catch (const std::ios_base::failure&) {
    return std::nullopt;
  }
}

UnreadableFile WhyUnreadable(const std::filesystem::path& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) return UnreadableFile::Missing;
  if (std::filesystem::is_directory(status)) return UnreadableFile::Directory;
  if (!std::filesystem::is_regular_file(status)) return UnreadableFile::NotARegularFile;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > kMaxReadBytes) return UnreadableFile::TooLarge;
  return UnreadableFile::ReadError;
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
