#include "core/database/kostnad.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "core/framework/archive.h"
#include "core/framework/cformat.h"
#include "core/framework/datafile.h"

namespace kelvora {
namespace {

constexpr DataFileTexts kCostTexts{ids::kCostReadError, ids::kCostWriteError, true};

struct ShippedCostName {
  std::string_view czech;
  std::string_view english;
};

#include "shippedcostnames.inc"

}  // namespace

const ClassRegistry& CostClasses() {
  static const ClassRegistry registry{&CIsoKostnad::classInfo};
  return registry;
}

bool CIsoKostnad::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CIsoKostnad*>(&other);
  return o && o->price == price;
}

void CIsoKostnad::Serialize(CArchive& ar) { ar.Exchange(name, label, price); }

void CIsoKostnad::UpdateLabel(std::string_view currency, std::string_view unit) {
  label = name + FormatC("\t%.1f %s/%s", {price, currency, unit});
}

std::string_view CIsoKostnad::ShownName(Language language) const {
  if (language == Language::English) {
    const auto* shipped = std::find_if(kShippedCostNames.begin(), kShippedCostNames.end(),
                                       [this](const ShippedCostName& n) { return n.czech == name; });
    if (shipped != kShippedCostNames.end()) return shipped->english;
  }
  return name;
}

std::string_view CIsoKostnad::LabelUnit() const {
  // name, a tab, the price, a blank, then currency and unit
  const std::string_view line = label;
  if (!line.starts_with(name) || !line.substr(name.size()).starts_with('\t')) return {};
  const std::string_view rest = line.substr(name.size() + 1);
  const std::size_t blank = rest.find(' ');
  float number = 0;
  const char* numberEnd = rest.data() + std::min(blank, rest.size());
  if (blank == std::string_view::npos || std::from_chars(rest.data(), numberEnd, number).ptr != numberEnd)
    return {};
  return rest.substr(blank + 1);
}

std::string PriceText(float price) {
  std::array<char, 64> text;
  const auto end = std::to_chars(text.data(), text.data() + text.size(), price, std::chars_format::fixed).ptr;
  return std::string(text.data(), end);
}

void CKostnad::Load(Messages& messages) {
  LoadDataFile(file.Path(), *this, CostClasses(), messages, kCostTexts);
}

bool CKostnad::Save(Messages& messages) { return file.Save(*this, messages, kCostTexts); }

void CKostnad::Serialize(CArchive& ar) { ar.ExchangeList(presets); }

}  // namespace kelvora
