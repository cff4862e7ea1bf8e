#include "core/modules/frost/frostinputcheck.h"

#include "core/framework/fieldchecks.h"
#include "core/modules/frost/frostmodul.h"

namespace kelvora {

namespace {

using Result = std::optional<FrostFault>;

Result Range(FrostInput input, int nameId, float value, float min, float max) {
  return RangeFault<FrostFault>(input, nameId, value, min, max);
}

// What the dialog's number fields can read, in the order it reads them. The ambient
// temperature stays below 0 °C, which the frost formulas divide by.
Result CheckFields(const CFrostModul& m) {
  const NumberRange<FrostInput> fields[] = {
      {FrostInput::PipeDiameter, ids::kFieldDiameter, m.pipeDiameter, 1.0f, 20000.0f},
      {FrostInput::WallThickness, ids::kFieldWallThickness, m.wallThickness, 0.1f, 100.0f},
      {FrostInput::AmbientTemperature, ids::kFieldAmbientTemperature, m.ambientTemperature, -60.0f, -0.1f},
      {FrostInput::WindSpeed, ids::kFieldWindSpeed, m.windSpeed},
      {FrostInput::OuterCoefficient, ids::kFieldOuterCoefficient, m.userCoefficient},
      {FrostInput::StartTemperature, ids::kFieldStartTemperature, m.startTemperature, 0.0f, 100.0f},
      {FrostInput::PercentageFrozen, ids::kFieldPercentageFrozen, m.percentageFrozen, 0.0f, 100.0f},
      {FrostInput::Emissivity, ids::kFieldEmissivity, m.emissivity},
  };
  if (Result fault = FirstFieldFault<FrostFault, FrostInput>(fields)) return fault;
  // A wall of half the diameter leaves no water to freeze.
  if (!(2.0f * m.wallThickness < m.pipeDiameter))
    return FrostFault{MessageText(ids::kFrostWallTooThick), FrostInput::WallThickness};
  return std::nullopt;
}

Result CheckProduct(const CFrostModul& m, const WarningAnswer& answer) {
  const CIsoProdukt* product = m.insulation.Product();
  if (!product) return FrostFault{MessageText(ids::kChooseInsulationProduct), FrostInput::Product};
  if (!(product->maxTemperature < m.startTemperature) || answer(MessageText(ids::kMediumAboveProductLimit)))
    return std::nullopt;
  return FrostFault{};
}

// A user coefficient replaces the surface.
Result CheckSurroundings(const CFrostModul& m) {
  if (m.environment != 2) {
    if (m.ownEmissivity) {
      if (Result fault = Range(FrostInput::Emissivity, ids::kFieldEmissivity, m.emissivity, 0.0f, 1.0f))
        return fault;
    } else if (!m.Surface()) {
      return FrostFault{MessageText(ids::kChooseSurface), FrostInput::Surface};
    }
  }
  if (m.environment == 1) return Range(FrostInput::WindSpeed, ids::kFieldWindSpeed, m.windSpeed, 0.1f, 50.0f);
  if (m.environment == 2)
    return Range(FrostInput::OuterCoefficient, ids::kFieldOuterCoefficient, m.userCoefficient, 0.1f,
                 10000.0f);
  return std::nullopt;
}

}  // namespace

std::optional<FrostFault> FirstFrostFault(const CFrostModul& m, const WarningAnswer& answer) {
  if (Result fault = CheckFields(m)) return fault;
  if (Result fault = CheckProduct(m, answer)) return fault;
  return CheckSurroundings(m);
}

bool StoredFrostInputsPass(const CFrostModul& m) {
  return !FirstFrostFault(m, [](std::string_view) { return true; });
}

}  // namespace kelvora
