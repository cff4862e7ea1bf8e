#include "core/modules/heatloss/varmetapmodul.h"

#include <algorithm>

#include "core/database/references.h"
#include "core/framework/platform.h"
#include "core/framework/settingskeys.h"
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
  const SettingKey& key = settings::kCurrency;
  currency =
      context ? context->Settings().GetString(key.section, key.key, key.fallback) : std::string(key.fallback);
  calculated = 0;
  calculationType = 0;
  objectKind = 0;
  mediumTemperature = 50.0f;
  ambientTemperature = 20.0f;
  surfaceTemperature = 30.0f;
  diameter = 50.0f;
  width = 200.0f;
  height = 200.0f;
  length = 1.0f;
  area = 10.0f;
  layer2On = 0;
  layer3On = 0;
  for (CIsolasjon& layer : layers) layer.Reset(0, 1);
  environment = 0;
  windSpeed = 2.0f;
  userSurfaceCoefficient = 5.0f;
  surfaceMode = 0;
  SetSurface(nullptr);
  userEmissivity = 0.94f;
  innerSurfaceOn = 0;
  SetInnerSurface(nullptr);
  operatingHours = 8760.0f;
  energyPrice = 0.6f;
  energyCalculationOn = 0;
  co2Factor = 750.0f;
  maxHeatLossPerMetre = 10.0f;
  maxHeatLossPerSquareMetre = 50.0f;
  heatLossUnit = 0;
  orientation = 0;
  flowUnit = 0;
  flowValue = 10.0f;
  equipmentOn = 0;
  DeleteAll(equipment);
  hangersOn = 0;
  bareEmissivity = 0.5f;
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
  calculationType = other.calculationType;
  objectKind = other.objectKind;
  mediumTemperature = other.mediumTemperature;
  ambientTemperature = other.ambientTemperature;
  surfaceTemperature = other.surfaceTemperature;
  diameter = other.diameter;
  width = other.width;
  height = other.height;
  length = other.length;
  area = other.area;
  layer2On = other.layer2On;
  layer3On = other.layer3On;
  for (std::size_t i = 0; i < layers.size(); ++i) layers[i].Assign(other.layers[i]);
  environment = other.environment;
  windSpeed = other.windSpeed;
  userSurfaceCoefficient = other.userSurfaceCoefficient;
  surfaceMode = other.surfaceMode;
  SetSurface(other.surface);
  userEmissivity = other.userEmissivity;
  innerSurfaceOn = other.innerSurfaceOn;
  SetInnerSurface(other.innerSurface);
  operatingHours = other.operatingHours;
  energyPrice = other.energyPrice;
  energyCalculationOn = other.energyCalculationOn;
  co2Factor = other.co2Factor;
  currency = other.currency;
  maxHeatLossPerMetre = other.maxHeatLossPerMetre;
  maxHeatLossPerSquareMetre = other.maxHeatLossPerSquareMetre;
  heatLossUnit = other.heatLossUnit;
  orientation = other.orientation;
  flowUnit = other.flowUnit;
  flowValue = other.flowValue;
  equipmentOn = other.equipmentOn;
  CopyList(equipment, other.equipment);
  hangersOn = other.hangersOn;
  bareEmissivity = other.bareEmissivity;
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
    context->Messenger().Show(LoadResourceString(ids::kCalculationInterrupted, Language::Czech));
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
