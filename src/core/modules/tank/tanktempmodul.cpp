#include "core/modules/tank/tanktempmodul.h"

#include <algorithm>

#include "core/database/references.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/modules/common/modulecontext.h"
#include "core/modules/tank/tankcalculation.h"
#include "core/modules/tank/tankinputcheck.h"
#include "core/report/reportlists.h"

namespace kelvora {

namespace {

constexpr std::int32_t kLastShape = static_cast<std::int32_t>(TankShape::Spherical);

}  // namespace

CTankTempModul::CTankTempModul(ModuleContext* owner)
    : CQorModul(owner), report(std::make_unique<TankReport>(ReportPageOf(owner))) {
  CTankTempModul::Reset();
}

CTankTempModul::~CTankTempModul() {
  report->Hide(Lists());
  SetSurface(nullptr);
  SetLiquid(nullptr);
}

ReportLists* CTankTempModul::Lists() const { return context ? &context->Reports() : nullptr; }

void CTankTempModul::Reset() {
  calculated = 0;
  static_cast<TankInputs&>(*this) = TankInputs{};
  // The thickness of a tank's insulation is always an input.
  insulation.Reset(kTankObjectKind, 1);
  SetSurface(nullptr);
  SetLiquid(nullptr);
  report->Reset(Lists());
}

void CTankTempModul::AssignInputs(const CTankTempModul& other) {
  static_cast<TankInputs&>(*this) = other;
  insulation.Assign(other.insulation);
  SetSurface(other.Surface());
  SetLiquid(other.Liquid());
}

void CTankTempModul::Recalculate() {
  calculated = 0;
  report->Hide(Lists());
  // Also on loading and after a database edit, where no dialog has checked the inputs.
  if (!StoredTankInputsPass(*this)) return;
  Messages* messages = context ? &context->Messenger() : nullptr;
  const auto show = [&](int id) {
    if (messages) messages->Show(MessageText(id));
  };
  const TankOutcome outcome = ComputeTank(*this);
  if (!outcome.result) {
    switch (outcome.stop) {
      case TankStop::EndTemperatureOutside:
        show(ids::kTankEndNotBetween);
        break;
      case TankStop::EndNeverReached:
        show(ids::kTankEndNeverReached);
        break;
      case TankStop::NotFinite:
        show(ids::kCalculationInterrupted);
        break;
    }
    return;
  }
  if (outcome.result->freezingTime) show(ids::kTankFreezingReached);
  report->Show(*this, *outcome.result, Lists());
  calculated = 1;
}

void CTankTempModul::ReplaceReference(CItem& replacement) {
  if (auto* record = dynamic_cast<CMantling*>(&replacement)) {
    RepointReference(*this, surface, *record);
  } else if (auto* record = dynamic_cast<CVeske*>(&replacement)) {
    RepointReference(*this, liquid, *record);
  }
}

std::string CTankTempModul::GetSymbol(SymbolInfo& symbol) const {
  if (!calculated) return "TANKTYPEX0";
  symbol.words[0] = 0x00FFFF;
  symbol.words[1] = insulation.FillColour();
  symbol.words[2] = 0xFF0000;
  symbol.words[3] = (userEmissivityOn || !surface) ? 0x00C0C0C0 : surface->colour;
  return "TANKTYPE" + std::to_string(shape);
}

int CTankTempModul::Edit() {
  if (!CQorModul::Edit()) return 0;
  Recalculate();
  return 1;
}

void CTankTempModul::Serialize(CArchive& ar) {
  insulation.Serialize(ar);
  ExchangeReference(ar, *this, surface, DbList::OuterFinishes);
  ExchangeReference(ar, *this, liquid, DbList::Liquids);
  ar.ExchangeWord(shape);
  ar.Exchange(ambientTemperature, diameter, width, height, depth, length);
  ar.ExchangeWord(environment);
  ar.Exchange(windSpeed, userOuterCoefficient);
  ar.ExchangeWord(userEmissivityOn);
  ar.Exchange(userEmissivity);
  ar.ExchangeWord(userDefinedLiquid);
  ar.Exchange(liquidHeatCapacity, liquidDensity, startTemperature);
  ar.Exchange(liquidFreezingPoint, storageTime);
  ar.ExchangeWord(calculated);
  ar.Exchange(mode);
  if (ar.IsLoading()) {
    // The shape picks the geometry and the picture; a damaged file must not take it
    // out of range.
    shape = std::clamp(shape, 0, kLastShape);
    endTemperature = TankInputs{}.endTemperature;
    if (calculated) {
      Recalculate();
    } else {
      report->Hide(Lists());
    }
  }
}

}  // namespace kelvora
