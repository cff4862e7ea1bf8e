#include "core/modules/frostmodul.h"

#include "core/database/references.h"
#include "core/framework/archive.h"

namespace kelvora {

namespace {
constexpr std::int32_t kPipe = 0;
constexpr std::int32_t kThicknessGiven = 1;
}  // namespace

CFrostModul::CFrostModul(CQorDoc* owner) : CQorModul(owner) { CFrostModul::Reset(); }

CFrostModul::~CFrostModul() { SetSurface(nullptr); }

void CFrostModul::Reset() {
  pipeDiameter = 100.0f;
  wallThickness = 4.0f;
  startTemperature = 20.0f;
  ambientTemperature = -20.0f;
  percentageFrozen = 25.0f;
  insulation.Reset(kPipe, kThicknessGiven);
  environment = 0;
  windSpeed = 2.0f;
  userCoefficient = 5.0f;
  ownEmissivity = 0;
  SetSurface(nullptr);
  emissivity = 0.94f;
  vertical = 0;
  calculated = 0;
}

void CFrostModul::ReplaceReference(CItem& replacement) {
  if (auto* record = dynamic_cast<CMantling*>(&replacement)) RepointReference(*this, surface, *record);
}

std::string CFrostModul::GetSymbol(SymbolInfo& symbol) const {
  if (!calculated) return "RORX0";
  auto& w = symbol.words;
  w[0] = 0x008080;
  w[1] = insulation.FillColour();
  w[2] = 0x00FFFF;
  w[3] = !ownEmissivity && surface ? surface->colour : 0xC0C0C0;
  return vertical ? "ROR1" : "ROR0";
}

void CFrostModul::Serialize(CArchive& ar) {
  insulation.Serialize(ar);
  ExchangeReference(ar, *this, surface, DbList::OuterFinishes);
  ar.Exchange(wallThickness, ambientTemperature, percentageFrozen);
  ar.Exchange(pipeDiameter, startTemperature);
  ar.ExchangeWord(environment);
  ar.ExchangeWord(calculated);
  ar.Exchange(windSpeed, userCoefficient);
  ar.ExchangeWord(ownEmissivity);
  ar.Exchange(emissivity, vertical);
  if (ar.IsLoading() && calculated) Recalculate();
}

}  // namespace kelvora
