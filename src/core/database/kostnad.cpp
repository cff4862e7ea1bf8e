#include "core/database/kostnad.h"

#include "core/framework/archive.h"
#include "core/framework/cformat.h"
#include "core/framework/datafile.h"

namespace kelvora {
namespace {

constexpr DataFileTexts kCostTexts{ids::kCostReadError, ids::kCostWriteError, true};

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

void CKostnad::Load(Messages& messages) {
  LoadDataFile(file.Path(), *this, CostClasses(), messages, kCostTexts);
}

bool CKostnad::Save(Messages& messages) { return file.Save(*this, messages, kCostTexts); }

void CKostnad::Serialize(CArchive& ar) { ar.ExchangeList(presets); }

}  // namespace kelvora
