#include "core/framework/stringtable.h"

#include <algorithm>
#include <array>

#include "core/framework/cformat.h"

namespace kelvora {
namespace {

template <std::size_t N>
constexpr std::array<StringEntry, N> SortedById(std::array<StringEntry, N> entries) {
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
  return entries;
}

constexpr auto kEntries = SortedById(std::array{
    StringEntry{ids::kDocumentTemplate, "Kelvora®\nNový\nKelvoraDoc\nKelvoraDoc (*.vtp)\n.vtp",
                "Kelvora®\nNew\nKelvoraDoc\nKelvoraDoc (*.vtp)\n.vtp"},
    StringEntry{ids::kFormatEnergyPerYear, "%.0f kWh/rok", "%.0f kWh/year"},
    StringEntry{ids::kArchiveEndOfFile, "Soubor končí dříve, než obsah, který popisuje.",
                "The file ends before the content it describes."},
    StringEntry{ids::kArchiveBadSchema, "Soubor obsahuje objekt neznámé verze.",
                "The file holds an object of an unknown version."},
    StringEntry{ids::kArchiveBadClass, "Soubor obsahuje objekt neznámého druhu.",
                "The file holds an object of an unknown kind."},
    StringEntry{ids::kArchiveBadIndex, "Soubor obsahuje neplatný odkaz na objekt.",
                "The file holds an invalid object reference."},
    StringEntry{ids::kArchiveWrongClass,
                "Soubor obsahuje objekt jiného druhu, než je na tomto místě očekáván.",
                "The file holds an object of another kind than expected at this place."},
    StringEntry{ids::kArchiveTooDeep, "Soubor obsahuje příliš hluboko vnořené objekty.",
                "The file holds objects nested too deeply."},
    StringEntry{ids::kArchiveReadOnly, "Do souboru otevřeného pro čtení nelze zapisovat.",
                "A file opened for reading cannot be written."},
    StringEntry{ids::kArchiveWriteOnly, "Ze souboru otevřeného pro zápis nelze číst.",
                "A file opened for writing cannot be read."},
    StringEntry{ids::kAppTitle, "Kelvora®", ""},
    StringEntry{ids::kCurrency, "Kč", ""},
});

constexpr bool IdsAreUnique() {
  for (std::size_t i = 1; i < kEntries.size(); ++i) {
    if (kEntries[i - 1].id == kEntries[i].id) return false;
  }
  return true;
}
static_assert(IdsAreUnique(), "two string-table entries share an id");

}  // namespace

std::span<const StringEntry> StringTable() { return kEntries; }

std::string_view LoadResourceString(int id, Language language) {
  const auto it = std::lower_bound(kEntries.begin(), kEntries.end(), id,
                                   [](const StringEntry& e, int key) { return e.id < key; });
  if (it == kEntries.end() || it->id != id) return {};
  return language == Language::English && !it->english.empty() ? it->english : it->czech;
}

std::string FormatWithResource(int id, float value, Language language) {
  return FormatC(LoadResourceString(id, language), {static_cast<double>(value)});
}

}  // namespace kelvora
