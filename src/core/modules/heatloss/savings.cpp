#include "core/modules/heatloss/savings.h"

#include <cmath>

#include "core/framework/cformat.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/modules/heatloss/calculationtypes.h"
#include "core/modules/heatloss/varmetapmodul.h"

namespace kelvora {
namespace {

constexpr float kColdLine = 5.0f;  // °C
constexpr float kColdLineFactor = 1.5f;

bool Hanging(ObjectKind kind) {
  return kind == ObjectKind::Pipe || kind == ObjectKind::CircularDuct || kind == ObjectKind::RectDuctExternal;
}

float HangerFactor(Environment environment) { return environment == Environment::Outdoors ? 1.25f : 1.15f; }

// The thicknesses in m of the layers a solve used, inner first.
std::vector<float> UsedThicknesses(const CVarmeTapModul& module, const HeatLossResult& result) {
  if (module.calculationType != 0) return {result.thickness};
  std::vector<float> d{module.layers[0].Thickness() / 1000.0f};
  if (module.layer2On) d.push_back(module.layers[1].Thickness() / 1000.0f);
  if (module.layer3On) d.push_back(module.layers[2].Thickness() / 1000.0f);
  return d;
}

// Each layer's outer surface: its own outer size, that is the build-up's outer size less
// the layers outside it.
std::vector<float> Amounts(ObjectKind kind, const ObjectGeometry& g, const std::vector<float>& thicknesses,
                           float length) {
  std::vector<float> amounts;
  if (IsPlane(kind)) return amounts;
  for (std::size_t k = 0; k < thicknesses.size(); ++k) {
    float outside = 0.0f;
    for (std::size_t j = k + 1; j < thicknesses.size(); ++j) outside += thicknesses[j];
    if (IsCylindrical(kind)) {
      amounts.push_back(kPi * (g.outerDiameter - 2.0f * outside) * length);
    } else {
      amounts.push_back((2.0f * (g.outerHeight - 2.0f * outside) + 2.0f * (g.outerWidth - 2.0f * outside)) *
                        length);
    }
  }
  return amounts;
}

std::string Text(int id, Language language, float a, float b) {
  return FormatC(LoadResourceString(id, language), {a, b});
}

std::string Text(int id, Language language) { return std::string(LoadResourceString(id, language)); }

}  // namespace

float Transmittance(float q, float tm, float ta) {
  const float dT = tm - ta;
  return dT != 0.0f ? q / dT : 0.0f;
}

float WithHangers(const CVarmeTapModul& module, const PhysicsInput& in, float q) {
  const bool allowance = module.calculationType == 0 && module.hangersOn && Hanging(in.kind);
  return allowance ? q * HangerFactor(in.environment) : q;
}

std::optional<SavingsResult> ComputeTotals(const CVarmeTapModul& module, const PhysicsInput& in,
                                           const HeatLossResult& result) {
  const ObjectKind kind = in.kind;
  const bool typeZero = module.calculationType == 0;
  const std::vector<float> thicknesses = UsedThicknesses(module, result);
  const auto bare = BareSurfaceLoss(in, module.layers[0].Thickness() / 1000.0f);
  if (!bare) return std::nullopt;

  SavingsResult s;
  s.q = result.flow.q;
  s.qWithHangers = WithHangers(module, in, s.q);
  s.transmittance = Transmittance(s.q, in.mediumTemperature, in.ambientTemperature);
  const float extent = IsPlane(kind) ? module.area : module.length;
  s.total = s.qWithHangers * extent;
  if (typeZero && kind == ObjectKind::Pipe && module.equipmentOn) {
    for (const auto& entry : module.equipment) s.auxLength += entry->EquivalentLength(module.diameter);
  }
  s.bareQ = bare->q;
  s.auxLoss = s.bareQ * s.auxLength;
  s.bareTotal = s.bareQ * extent;
  s.savingPercent = s.bareQ != 0.0f ? (1.0f - s.qWithHangers / s.bareQ) * 100.0f : 0.0f;
  s.energy = (s.total + s.auxLoss) * module.operatingHours / 1000.0f;
  s.bareEnergy = s.bareTotal * module.operatingHours / 1000.0f;
  s.cost = s.energy * module.energyPrice;
  s.bareCost = s.bareEnergy * module.energyPrice;
  s.co2Saved = (s.bareEnergy - s.energy) * module.co2Factor / 1000.0f;
  s.amounts = Amounts(kind, result.geometry, thicknesses, module.length);
  return s;
}

std::optional<float> RegulationLimit(float diameterMm) {
  const float d = diameterMm;
  if (d < 10.0f || d > 220.0f) return std::nullopt;
  if (d < 22.0f) return 0.15f;
  if (d <= 43.0f) return 0.18f;
  if (d <= 80.0f) return 0.27f;
  if (d <= 150.0f) return 0.34f;
  return 0.40f;
}

RegulationVerdict RegulationCheck(const CVarmeTapModul& module, const PhysicsInput& in, float u,
                                  float thicknessMm, Messages& messages) {
  RegulationVerdict v;
  const auto limit = RegulationLimit(module.diameter);
  const float tm = in.mediumTemperature;
  // Without a temperature difference U has no value to compare.
  if (in.kind != ObjectKind::Pipe || !limit || in.environment == Environment::Outdoors ||
      tm == in.ambientTemperature || !std::isfinite(u)) {
    return v;
  }

  const bool cold = tm < kColdLine;
  const int layerCount = 1 + (module.layer2On ? 1 : 0) + (module.layer3On ? 1 : 0);
  if (cold && (module.calculationType != 0 || layerCount == 1)) {
    const RequiredThickness required = RequiredThicknessForU(module, in, *limit, messages);
    v.requiredThicknessMm = required.mm;
    v.requiredThicknessFound = required.found;
    v.verdictCzech =
        FormatC(LoadResourceString(ids::kRegulationRequiredThickness, Language::Czech), {required.mm});
    v.verdictEnglish =
        FormatC(LoadResourceString(ids::kRegulationRequiredThickness, Language::English), {required.mm});
    // A search that found nothing shows 0 mm, which no thickness may be said to meet.
    v.colour = required.found && thicknessMm > required.mm ? kVerdictGreen : kVerdictRed;
  } else {
    const bool complies = u <= *limit;
    const int id = complies ? ids::kRegulationComplies : ids::kRegulationFails;
    v.verdictCzech = Text(id, Language::Czech, u, *limit);
    v.verdictEnglish = Text(id, Language::English, u, *limit);
    v.colour = complies ? kVerdictGreen : kVerdictRed;
  }

  const int note = in.environment == Environment::UserCoefficient ? ids::kRegulationNoteIndoorsOnly
                   : cold                                         ? ids::kRegulationNoteCold
                                                                  : ids::kRegulationNoteWarm;
  v.noteCzech = Text(note, Language::Czech);
  v.noteEnglish = Text(note, Language::English);
  v.placed = true;
  return v;
}

RequiredThickness RequiredThicknessForU(const CVarmeTapModul& module, const PhysicsInput& in, float uLimit,
                                        Messages& messages) {
  const CIsoProdukt* product = module.layers[0].Product();
  if (!product) {
    messages.Show(MessageText(ids::kCalculationInterrupted));
    return {};
  }
  PhysicsInput pipe = in;
  pipe.kind = ObjectKind::Pipe;
  const float target = (in.mediumTemperature - in.ambientTemperature) * uLimit;
  const auto bare = BareSurfaceLoss(pipe, 0.0f);
  if (!bare) {
    messages.Show(MessageText(ids::kCalculationInterrupted));
    return {};
  }
  if (BareMeetsLimit(pipe, *bare, target, false)) return {0.0f, true};
  const auto found = SearchForHeatLoss(pipe, product->Polynomial(), target, false, &messages);
  if (!found) return {};
  return {found->thickness * 1000.0f * kColdLineFactor, true};
}

}  // namespace kelvora
