#pragma once

#include <map>
#include <string>

#include "core/framework/platform.h"

namespace kelvora::testing {

// Settings held in memory, so tests never touch a user's settings.
class MemorySettings : public SettingsStore {
 public:
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view fallback) const override {
    const auto it = values.find(Key(section, key));
    return it == values.end() ? std::string(fallback) : it->second;
  }
  void SetString(std::string_view section, std::string_view key, std::string_view value) override {
    values[Key(section, key)] = std::string(value);
  }
  int GetInt(std::string_view section, std::string_view key, int fallback) const override {
    const auto it = values.find(Key(section, key));
    return it == values.end() ? fallback : std::stoi(it->second);
  }
  void SetInt(std::string_view section, std::string_view key, int value) override {
    values[Key(section, key)] = std::to_string(value);
  }

  std::map<std::string, std::string> values;

 private:
  static std::string Key(std::string_view section, std::string_view key) {
    return std::string(section) + "/" + std::string(key);
  }
};

}  // namespace kelvora::testing
