#include "core/modules/heatloss/varmetapmodul.h"

#include <algorithm>

#include "core/database/references.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/modules/common/modulecontext.h"
#include "core/modules/heatloss/calculationtypes.h"
#include "core/modules/heatloss/inputcheck.h"
#include "core/report/reportlists.h"

namespace kelvora {

namespace {

constexpr std::int32_t kLastKind = 5;
constexpr std::int32_t kLastEnvironment = 2;

}  // namespace

CVarmeTapModul::CVarmeTapModul(ModuleContext* owner)
    : CQorModul(owner), report(std::make_unique<HeatLossReport>(ReportPageOf(owner))) {
  Reset();
}

CVarmeTapModul::~CVarmeTapModul() {
  report->Hide(Lists());
  SetSurface(nullptr);
  SetInnerSurface(nullptr);
}

void CVarmeTapModul::Reset() {
  static_cast<HeatLossInputs&>(*this) = HeatLossInputs{};
  currency = ResetCurrency(context);
  calculated = 0;
  for (CIsolasjon& layer : layers) layer.Reset(0, 1);
  SetSurface(nullptr);
  SetInnerSurface(nullptr);
  DeleteAll(equipment);
  regulationTextShown = 0;
  ForgetResults();
  report->Reset(Lists());
}

int CVarmeTapModul::Edit() {
  if (!CQorModul::Edit()) return 0;
  if (context) context->RememberCurrency(currency);
  Recalculate();
  return 1;
}

void CVarmeTapModul::AssignInputs(const CVarmeTapModul& other) {
  static_cast<HeatLossInputs&>(*this) = other;
  for (std::size_t i = 0; i < layers.size(); ++i) layers[i].Assign(other.layers[i]);
  SetSurface(other.surface);
  SetInnerSurface(other.innerSurface);
  CopyList(equipment, other.equipment);
}

ReportLists* CVarmeTapModul::Lists() const { return context ? &context->Reports() : nullptr; }

void CVarmeTapModul::Recalculate() {
  regulationTextShown = 0;
  ForgetResults();
  std::optional<HeatLossResult> result;
  switch (calculationType) {
    case 0:
      result = SolveGivenThickness(*this);
      break;
    case 1:
      result = SolveForSurfaceTemperature(*this);
      break;
    case 2:
      result = SolveForHeatLoss(*this);
      break;
    case 3:
      result = SolveDegreeHourLimit(*this);
      break;
    default:
      // A type this program does not know solves nothing and fails nothing.
      calculated = 1;
      report->Hide(Lists());
      return;
  }
  if (result) EvaluateSavings(*result);
  calculated = lastSavings ? 1 : 0;
  if (calculated) {
    report->Show(*this, *lastResult, *lastSavings, lastVerdict, Lists());
  } else {
    report->Hide(Lists());
  }
}

void CVarmeTapModul::EvaluateSavings(const HeatLossResult& result) {
  const PhysicsInput in = ModulePhysicsInput(*this);
  lastSavings = ComputeTotals(*this, in, result);
  if (!lastSavings) {
    // The bare object has no finite loss to compare with: no figures to report.
    context->Messenger().Show(MessageText(ids::kCalculationInterrupted));
    return;
  }
  lastResult = result;
  // Without a requirement there is nothing to judge. A standard thickness is what gets
  // installed, so the verdict judges it rather than the thickness computed.
  if (!result.noRequirement) {
    const bool standard = result.standardThickness && result.atStandardThickness;
    const float u =
        standard ? Transmittance(result.atStandardThickness->q, in.mediumTemperature, in.ambientTemperature)
                 : lastSavings->transmittance;
    const float mm = standard ? *result.standardThickness : result.thickness * 1000.0f;
    lastVerdict = RegulationCheck(*this, in, u, mm, context->Messenger());
  }
  regulationTextShown = lastVerdict.placed ? 1 : 0;
}

void CVarmeTapModul::ForgetResults() {
  lastResult.reset();
  lastSavings.reset();
  lastVerdict = RegulationVerdict();
}

void CVarmeTapModul::ReplaceReference(CItem& replacement) {
  if (auto* record = dynamic_cast<CMantling*>(&replacement))
    RepointSurface(*this, *record, surface, innerSurface);
}

std::string CVarmeTapModul::GetSymbol(SymbolInfo& symbol) const {
  if (!calculated) return "MATERIALTYPEX0";
  const CIsolasjon& first = layers[0];
  const std::uint32_t outer = (surfaceMode == 1 || !surface) ? 0x00C0C0C0 : surface->colour;
  symbol.words[0] = 0x008080;
  symbol.words[1] = first.FillColour();
  symbol.words[2] = 0x00FFFF;
  if (InsulatedInside()) {
    symbol.words[3] = (innerSurfaceOn && innerSurface) ? innerSurface->colour : first.SecondColour();
    symbol.words[4] = 0xFF0000;
    symbol.words[5] = outer;
  } else {
    symbol.words[3] = outer;
  }
  // A stored flag may hold any nonzero value; the pictures exist for 0 and 1 only.
  return "MATERIALTYPE" + std::to_string((orientation ? 6 : 0) + objectKind);
}

void CVarmeTapModul::Serialize(CArchive& ar) {
  for (CIsolasjon& layer : layers) layer.Serialize(ar);
  // Opening a file into a module that already holds entries must not add to them.
  if (ar.IsLoading()) DeleteAll(equipment);
  ar.ExchangeList(equipment);
  ar.ExchangeWord(energyCalculationOn);
  ar.ExchangeWord(calculationType);
  ar.ExchangeWord(objectKind);
  ar.Exchange(mediumTemperature);
  ar.ExchangeWord(equipmentOn);
  ar.Exchange(ambientTemperature, surfaceTemperature, diameter);
  ar.Exchange(width, height, length, area);
  ar.ExchangeWord(layer2On);
  ar.ExchangeWord(environment);
  ar.Exchange(windSpeed, userSurfaceCoefficient);
  ar.ExchangeWord(surfaceMode);
  ar.Exchange(userEmissivity);
  ar.Exchange(operatingHours, energyPrice, heatLossUnit, maxHeatLossPerMetre, maxHeatLossPerSquareMetre);
  ar.ExchangeWord(calculated);
  ar.ExchangeWord(innerSurfaceOn);
  ar.Exchange(currency);
  ar.Exchange(flowUnit, flowValue, orientation, layer3On, co2Factor);
  ar.Exchange(hangersOn, bareEmissivity);
  if (ar.IsLoading()) {
    // The kind picks lists, pictures and formulas, the surroundings the surface
    // coefficient; a damaged file must not take either out of range.
    objectKind = std::clamp(objectKind, 0, kLastKind);
    environment = std::clamp(environment, 0, kLastEnvironment);
    regulationTextShown = 0;
  }
  ExchangeReference(ar, *this, surface, InsulatedInside() ? DbList::PipeSurfaces : DbList::OuterFinishes);
  ExchangeReference(ar, *this, innerSurface, DbList::InnerFacings);
  if (ar.IsLoading()) {
    // A file may hold what the input dialog never lets through.
    if (calculated && StoredHeatLossInputsPass(*this)) {
      Recalculate();
    } else {
      calculated = 0;
      report->Hide(Lists());
    }
  }
}

}  // namespace kelvora
