#include "core/modules/tank/tankinputcheck.h"

#include <cmath>
#include <cstdint>

#include "core/framework/fieldchecks.h"
#include "core/framework/platform.h"
#include "core/framework/rangetexts.h"
#include "core/framework/stringtable.h"
#include "core/modules/common/modulecontext.h"
#include "core/modules/tank/tanktempmodul.h"

namespace kelvora {

namespace {

using Result = std::optional<TankFault>;

Result Range(TankInput input, int nameId, float value, float min, float max) {
  return RangeFault<TankFault>(input, nameId, value, min, max);
}

// What the dialog's number fields can read, in the order it reads them.
Result CheckFields(const CTankTempModul& m) {
  const NumberRange<TankInput> fields[] = {
      {TankInput::Diameter, ids::kFieldDiameter, m.diameter},
      {TankInput::Length, ids::kFieldLength, m.length},
      {TankInput::Width, ids::kFieldWidth, m.width},
      {TankInput::Height, ids::kFieldHeight, m.height},
      {TankInput::Depth, ids::kFieldDepth, m.depth},
      {TankInput::AmbientTemperature, ids::kFieldAmbientTemperature, m.ambientTemperature, -60.0f, 500.0f},
      {TankInput::WindSpeed, ids::kFieldWindSpeed, m.windSpeed},
      {TankInput::OuterCoefficient, ids::kFieldOuterCoefficient, m.userOuterCoefficient},
      {TankInput::Density, ids::kFieldDensity, m.liquidDensity},
      {TankInput::HeatCapacity, ids::kFieldHeatCapacity, m.liquidHeatCapacity},
      {TankInput::FreezingPoint, ids::kFieldFreezingPoint, m.liquidFreezingPoint},
      {TankInput::StartTemperature, ids::kFieldStartTemperature, m.startTemperature},
      {TankInput::StorageTime, ids::kFieldStorageTime, m.storageTime, 1.0f, 8760.0f},
      {TankInput::EndTemperature, ids::kFieldEndTemperature, m.endTemperature},
      {TankInput::UserEmissivity, ids::kFieldEmissivity, m.userEmissivity},
  };
  return FirstFieldFault<TankFault>(std::span<const NumberRange<TankInput>>(fields));
}

// A user product is the user's own business; a standard one is asked whether it stands the
// start temperature, or else the surroundings.
Result CheckProduct(const CTankTempModul& m, const WarningAnswer& answer) {
  const CIsoProdukt* product = m.insulation.Product();
  if (!product) return TankFault{MessageText(ids::kChooseInsulationProduct), TankInput::Product};
  // No layer dialog gives less than nothing, or more than any product may allow.
  const float mm = m.insulation.Thickness();
  if (!(mm >= 0.0f && mm <= CIsolasjon::kMaxThickness)) {
    return FieldFault<TankFault>(TankInput::Product, ids::kFieldLayerThickness, mm, product->minThickness,
                                 product->maxThickness);
  }
  if (!m.insulation.IsStandard()) return std::nullopt;
  int warning = 0;
  if (m.startTemperature > product->maxTemperature)
    warning = ids::kMediumAboveProductLimit;
  else if (m.ambientTemperature > product->maxTemperature)
    warning = ids::kAmbientAboveProductLimit;
  if (warning == 0 || answer(MessageText(warning))) return std::nullopt;
  return TankFault{};
}

Result CheckSizes(const CTankTempModul& m) {
  constexpr float kMin = 0.1f;
  constexpr float kMax = 100.0f;
  const struct {
    std::int32_t shape;
    TankInput input;
    int nameId;
    float value;
  } sizes[] = {
      {1, TankInput::Diameter, ids::kFieldDiameter, m.diameter},
      {1, TankInput::Length, ids::kFieldLength, m.length},
      {2, TankInput::Diameter, ids::kFieldDiameter, m.diameter},
      {0, TankInput::Height, ids::kFieldHeight, m.height},
      {0, TankInput::Width, ids::kFieldWidth, m.width},
      {0, TankInput::Depth, ids::kFieldDepth, m.depth},
  };
  for (const auto& size : sizes) {
    if (size.shape != m.shape) continue;
    if (Result fault = Range(size.input, size.nameId, size.value, kMin, kMax)) return fault;
  }
  return std::nullopt;
}

Result CheckSurroundings(const CTankTempModul& m) {
  if (m.environment != 2) {
    if (m.userEmissivityOn) {
      if (Result fault =
              Range(TankInput::UserEmissivity, ids::kFieldEmissivity, m.userEmissivity, 0.0f, 1.0f))
        return fault;
    } else if (!m.Surface()) {
      return TankFault{MessageText(ids::kChooseSurface), TankInput::Surface};
    }
  }
  if (m.environment == 1) return Range(TankInput::WindSpeed, ids::kFieldWindSpeed, m.windSpeed, 0.1f, 50.0f);
  // A coefficient of 0 is taken: the tank then only loses heat by radiation.
  if (m.environment == 2)
    return Range(TankInput::OuterCoefficient, ids::kFieldOuterCoefficient, m.userOuterCoefficient, 0.0f,
                 10000.0f);
  return std::nullopt;
}

// The liquid's properties, then the temperatures, which may reach its freezing point.
Result CheckLiquid(const CTankTempModul& m) {
  float freezingPoint = m.liquidFreezingPoint;
  if (m.userDefinedLiquid) {
    if (Result fault = Range(TankInput::Density, ids::kFieldDensity, m.liquidDensity, 1.0f, 2500.0f))
      return fault;
    if (Result fault =
            Range(TankInput::HeatCapacity, ids::kFieldHeatCapacity, m.liquidHeatCapacity, 1.0f, 5000.0f))
      return fault;
    if (Result fault =
            Range(TankInput::FreezingPoint, ids::kFieldFreezingPoint, m.liquidFreezingPoint, -273.0f, 200.0f))
      return fault;
  } else {
    const CVeske* liquid = m.Liquid();
    if (!liquid) return TankFault{MessageText(ids::kChooseLiquid), TankInput::Liquid};
    freezingPoint = liquid->freezingPoint;
  }
  if (Result fault = Range(TankInput::StartTemperature, ids::kFieldStartTemperature, m.startTemperature,
                           freezingPoint, 2000.0f))
    return fault;
  if (m.mode != 1) return std::nullopt;
  if (Result fault = Range(TankInput::EndTemperature, ids::kFieldEndTemperature, m.endTemperature,
                           freezingPoint, 2000.0f))
    return fault;
  if (m.startTemperature <= m.endTemperature)
    return TankFault{MessageText(ids::kStartNotAboveEnd), TankInput::StartTemperature};
  return std::nullopt;
}

}  // namespace

std::optional<TankFault> FirstTankFault(const CTankTempModul& m, const WarningAnswer& answer) {
  const struct {
    TankInput input;
    std::int32_t value;
    std::int32_t last;
  } choices[] = {
      {TankInput::Shape, m.shape, 2},
      {TankInput::Mode, m.mode, 1},
      {TankInput::Environment, m.environment, 2},
      {TankInput::EmissivityMode, m.userEmissivityOn, 1},
      {TankInput::LiquidMode, m.userDefinedLiquid, 1},
  };
  for (const auto& choice : choices) {
    if (choice.value < 0 || choice.value > choice.last)
      return TankFault{MessageText(ids::kCalculationInterrupted), choice.input};
  }
  if (Result fault = CheckFields(m)) return fault;
  if (Result fault = CheckProduct(m, answer)) return fault;
  if (Result fault = CheckSizes(m)) return fault;
  if (Result fault = CheckSurroundings(m)) return fault;
  return CheckLiquid(m);
}

bool StoredTankInputsPass(const CTankTempModul& m) {
  const Result fault = FirstTankFault(m, [](std::string_view) { return true; });
  if (!fault) return true;
  if (m.Context()) m.Context()->Messenger().Show(fault->message);
  return false;
}

}  // namespace kelvora
