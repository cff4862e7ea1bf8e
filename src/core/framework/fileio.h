#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

// No document, reference-data file or line list comes near this size.
inline constexpr std::uintmax_t kMaxReadBytes = std::uintmax_t{256} << 20;

// Why a file cannot be read whole.
enum class UnreadableFile { Missing, Directory, NotARegularFile, TooLarge, ReadError };

// The whole content of a regular file of at most kMaxReadBytes, or nothing: a directory, a
// device (/dev/zero never ends) or a failed read is no content.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);
// Why ReadWholeFile gives nothing for `path`.
UnreadableFile WhyUnreadable(const std::filesystem::path& path);

// Writes `bytes` to a temporary file beside `path` and renames it over `path`, so a
// failed write leaves the previous file as it was. False when anything failed.
bool WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes);

// Where a reference-data file named in the settings is read and written: a relative name
// is taken in the working directory; when it is not there but beside the program (as
// after an installation started from a desktop menu), that copy is used.
std::filesystem::path LocateDataFile(const std::filesystem::path& name,
                                     const std::filesystem::path& programDir);

}  // namespace kelvora
