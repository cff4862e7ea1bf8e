#pragma once

#include <string_view>

namespace kelvora {

// A setting: where it lives and what it is when nothing is stored.
struct SettingKey {
  std::string_view section;
  std::string_view key;
  std::string_view fallback;
};

namespace settings {
inline constexpr SettingKey kDatabaseFile{"Files", "Database File", "kelvora.dat"};
inline constexpr SettingKey kUserDatabaseFile{"Files", "User Database File", "egendef.dat"};
inline constexpr SettingKey kClimateFile{"Files", "Climate File", "kelvora.cli"};
inline constexpr SettingKey kCostFile{"Files", "Cost File", "kelvora.cst"};
inline constexpr SettingKey kRegulationDocument{"Files", "V193", "Vyhlaska_193.pdf"};
inline constexpr SettingKey kHelpWindow{"Settings", "HelpWindow", "Yes"};
// "cs" or "en"; none stored yet: the system locale decides.
inline constexpr SettingKey kInterfaceLanguage{"Settings", "LANGUAGE", ""};
// None stored: the currency of the system locale.
inline constexpr SettingKey kCurrency{"Settings", "CURRENCY", ""};
// Written where the currency goes when a module dialog confirms it; never read back.
inline constexpr SettingKey kLegacyCurrency{"KELVORA", "CURRENCY", ""};

inline constexpr std::string_view kWindowSection = "Window";
inline constexpr std::string_view kWindowKeys[] = {"show",    "flags", "minposx", "minposy", "maxposx",
                                                   "maxposy", "left",  "top",     "right",   "bottom"};
}  // namespace settings

}  // namespace kelvora
