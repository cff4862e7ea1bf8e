#include "core/database/klima.h"

#include "core/framework/archive.h"
#include "core/framework/cformat.h"
#include "core/framework/datafile.h"
#include "core/framework/stringtable.h"

namespace kelvora {
namespace {

constexpr DataFileTexts kClimateTexts{ids::kClimateReadError, ids::kClimateWriteError, true};

}  // namespace

const ClassRegistry& ClimateClasses() {
  static const ClassRegistry registry{&CKlimasted::classInfo};
  return registry;
}

bool CKlimasted::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CKlimasted*>(&other);
  return o && o->temperature == temperature && o->windSpeed == windSpeed;
}

void CKlimasted::Serialize(CArchive& ar) {
  CListItem::Serialize(ar);
  ar.Exchange(displayText, temperature, windSpeed);
}

void CKlimasted::UpdateDisplayText() {
  displayText = FormatC("%s\t%.1f\t%.1f", {name, temperature, windSpeed});
}

std::string CKlimasted::ShownText() const {
  const std::size_t tab = displayText.find('\t');
  if (DisplayLanguage() != Language::English || secondName.empty() || tab == std::string::npos)
    return displayText;
  return secondName + displayText.substr(tab);
}

void CKlima::Load(Messages& messages) {
  LoadDataFile(file.Path(), *this, ClimateClasses(), messages, kClimateTexts);
}

bool CKlima::Save(Messages& messages) { return file.Save(*this, messages, kClimateTexts); }

void CKlima::Serialize(CArchive& ar) { ar.ExchangeList(locations); }

}  // namespace kelvora
