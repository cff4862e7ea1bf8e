#include "core/thermal/kanaltempmodul.h"

#include "core/database/references.h"
#include "core/framework/archive.h"
#include "core/framework/cformat.h"
#include "core/document/document.h"
#include "core/framework/platform.h"
#include "core/framework/settingskeys.h"
#include "core/framework/stringtable.h"

namespace kelvora {

CKanalTempModul::CKanalTempModul(CQorDoc* owner) : CQorModul(owner) { CKanalTempModul::Reset(); }

CKanalTempModul::~CKanalTempModul() { SetLiquid(nullptr); }

void CKanalTempModul::Reset() {
  userDefinedLiquid = 0;
  liquidHeatCapacity = 4180.0f;
  liquidDensity = 999.0f;
  liquidFreezingPoint = 0.0f;
  inletTemperature = 40.0f;
  energyCostOn = 0;
  operatingHours = 8760.0f;
  energyPrice = 0.6f;
  const std::string_view fallback = LoadResourceString(ids::kCurrency, Language::Czech);
  currency =
      document ? document->settings.GetString(settings::kCurrency.section, settings::kCurrency.key, fallback)
               : std::string(fallback);
  DeleteAll(sections);
  SetLiquid(nullptr);
  isAir = 0;
  dewPointCheckOn = 0;
  relativeHumidity = 60.0f;
  nextSectionNumber = 1;
  calculated = 0;
}

int CKanalTempModul::Edit() {
  if (!CQorModul::Edit()) return 0;
  if (document) {
    // Written for older programs that read it; this program never reads it back.
    const SettingKey& key = settings::kLegacyCurrency;
    document->settings.SetString(key.section, key.key, currency);
  }
  Recalculate();
  return 1;
}

void CKanalTempModul::ReplaceReference(CItem& replacement) {
  if (auto* record = dynamic_cast<CVeske*>(&replacement)) RepointReference(*this, liquid, *record);
}

std::string CKanalTempModul::GetSymbol(SymbolInfo& symbol) const {
  // A file may claim results for a run without sections; there is no first section then.
  if (!calculated || sections.empty()) return "KANALRORX0";
  const CSegment& first = *sections.front();
  if (first.bare) return FormatC("KANALRORX%d", {first.kind});

  const CIsolasjon& layer = first.layer1;
  const CMantling* surface = first.Surface();
  const std::uint32_t outer = !first.userEmissivityOn && surface ? surface->colour : 0x00C0C0C0;
  auto& w = symbol.words;
  if (first.kind == CSegment::kRectDuctInternal) {
    const CMantling* facing = first.facingOn ? first.Facing() : nullptr;
    w = {0x008080, layer.FillColour(), 0x00FFFF, facing ? facing->colour : layer.SecondColour(), 0xFF0000,
         outer};
  } else {
    w[0] = 0x008080;
    w[1] = layer.FillColour();
    w[2] = 0x00FFFF;
    w[3] = outer;
  }
  return FormatC("KANALROR%d", {first.kind});
}

void CKanalTempModul::Serialize(CArchive& ar) {
  if (ar.IsLoading()) DeleteAll(sections);
  ar.ExchangeList(sections);
  ExchangeReference(ar, *this, liquid, DbList::Liquids);
  ar.Exchange(dewPointCheckOn, relativeHumidity);
  ar.ExchangeWord(isAir);
  ar.ExchangeWord(userDefinedLiquid);
  ar.ExchangeWord(nextSectionNumber);
  ar.Exchange(liquidHeatCapacity, liquidDensity, liquidFreezingPoint);
  ar.Exchange(inletTemperature, operatingHours, energyPrice);
  ar.ExchangeWord(energyCostOn);
  ar.ExchangeWord(calculated);
  ar.Exchange(currency);
  if (ar.IsLoading() && calculated) Recalculate();
}

}  // namespace kelvora
