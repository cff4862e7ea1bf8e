#pragma once

#include <sys/syscall.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>

#include "core/framework/fileio.h"

namespace kelvora::testing {

// A fresh folder for one test, removed afterwards.
class TempDir {
 public:
  TempDir() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("kelvora-test-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline std::string FileBytes(const std::filesystem::path& path) {
  return ReadWholeFile(path).value_or("<missing>");
}

// Makes folder permissions bind even when the tests run as root, by dropping the
// capabilities that let root ignore them, for the life of the object.
class WithoutPermissionOverride {
 public:
  WithoutPermissionOverride() {
    Header header{kVersion3, 0};
    syscall(SYS_capget, &header, saved_);
    Data reduced[2] = {saved_[0], saved_[1]};
    reduced[0].effective &= ~((1u << kDacOverride) | (1u << kDacReadSearch) | (1u << kFowner));
    syscall(SYS_capset, &header, reduced);
  }
  ~WithoutPermissionOverride() {
    Header header{kVersion3, 0};
    syscall(SYS_capset, &header, saved_);
  }
  WithoutPermissionOverride(const WithoutPermissionOverride&) = delete;
  WithoutPermissionOverride& operator=(const WithoutPermissionOverride&) = delete;

 private:
  struct Header {
    std::uint32_t version;
    int pid;
  };
  struct Data {
    std::uint32_t effective, permitted, inheritable;
  };
  static constexpr std::uint32_t kVersion3 = 0x20080522;
  static constexpr int kDacOverride = 1, kDacReadSearch = 2, kFowner = 3;
  Data saved_[2]{};
};

}  // namespace kelvora::testing
