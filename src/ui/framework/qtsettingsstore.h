#pragma once

#include <QSettings>

#include <filesystem>

#include "core/framework/platform.h"

namespace kelvora {

// The settings in the per-user INI file of organisation "Mirelta", application "Kelvora®".
class QtSettingsStore : public SettingsStore {
 public:
  QtSettingsStore();

  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view fallback) const override;
  void SetString(std::string_view section, std::string_view key, std::string_view value) override;
  int GetInt(std::string_view section, std::string_view key, int fallback) const override;
  void SetInt(std::string_view section, std::string_view key, int value) override;

  QString FileName() const { return settings.fileName(); }

 private:
  mutable QSettings settings;
};

// The program's folder in the user's data (~/.local/share/Mirelta/Kelvora®): an installed
// program keeps there the reference data the user changed.
std::filesystem::path UserDataFolder();

}  // namespace kelvora
