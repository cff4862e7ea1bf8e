#include "core/modules/run/runinputcheck.h"

#include <cmath>
#include <limits>

#include "core/framework/fieldchecks.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/modules/common/modulecontext.h"
#include "core/modules/run/kanaltempmodul.h"
#include "core/modules/run/segment.h"

namespace kelvora {

namespace {

bool IsChoice(std::int32_t value, std::int32_t last) { return value >= 0 && value <= last; }

template <class Fault, class Input>
std::optional<Fault> Range(Input input, int nameId, float value, float min, float max) {
  return RangeFault<Fault>(input, nameId, value, min, max);
}

using RunResult = std::optional<RunFault>;
using SectionResult = std::optional<SectionFault>;

RunResult CheckMedium(const CKanalTempModul& m) {
  float freezingPoint = m.liquidFreezingPoint;
  if (m.userDefinedLiquid) {
    if (RunResult fault =
            Range<RunFault>(RunInput::Density, ids::kFieldDensity, m.liquidDensity, 0.1f, 4200.0f))
      return fault;
    if (RunResult fault = Range<RunFault>(RunInput::HeatCapacity, ids::kFieldHeatCapacity,
                                          m.liquidHeatCapacity, 1.0f, 5000.0f)) {
      return fault;
    }
    if (RunResult fault = Range<RunFault>(RunInput::FreezingPoint, ids::kFieldFreezingPoint,
                                          m.liquidFreezingPoint, -273.0f, 200.0f)) {
      return fault;
    }
  } else {
    const CVeske* liquid = m.Liquid();
    if (!liquid) return RunFault{MessageText(ids::kChooseLiquid), RunInput::Liquid};
    freezingPoint = liquid->freezingPoint;
  }
  return Range<RunFault>(RunInput::InletTemperature, ids::kFieldInletTemperature, m.inletTemperature,
                         freezingPoint + 0.1f, 2000.0f);
}

// A layer in use needs a product with a thickness; the product is asked whether it
// stands the surroundings.
SectionResult CheckLayer(const CSegment& s, const CIsolasjon& layer, SectionInput input,
                         const WarningAnswer& answer) {
  const CIsoProdukt* product = layer.Product();
  if (!product) return SectionFault{MessageText(ids::kChooseInsulationProduct), input};
  if (!layer.ThicknessPossible())
    return FieldFault<SectionFault>(input, ids::kFieldLayerThickness, layer.Thickness(),
                                    product->minThickness, product->maxThickness);
  if (product->maxTemperature >= s.ambientTemperature || answer(MessageText(ids::kAmbientAboveProductLimit)))
    return std::nullopt;
  return SectionFault{};
}

SectionResult CheckSizes(const CSegment& s) {
  if (s.kind == CSegment::kPipe || s.kind == CSegment::kCircularDuct)
    return Range<SectionFault>(SectionInput::Diameter, ids::kFieldDiameter, s.diameter, 1.0f, 20000.0f);
  if (SectionResult fault =
          Range<SectionFault>(SectionInput::Height, ids::kFieldHeight, s.height, 1.0f, 5000.0f))
    return fault;
  if (SectionResult fault =
          Range<SectionFault>(SectionInput::Width, ids::kFieldWidth, s.width, 1.0f, 5000.0f))
    return fault;
  // The lining narrows the duct also while "bare" is ticked: unticking it brings it back.
  const float lining = 2.0f * s.layer1.Thickness();
  if (s.kind == CSegment::kRectDuctInternal && !(s.width > lining && s.height > lining))
    return SectionFault{MessageText(ids::kInsulationTooThickForDuct), SectionInput::Width};
  return std::nullopt;
}

SectionResult CheckFlow(const CSegment& s) {
  constexpr float kMax[] = {360000.0f, 100000.0f, 50.0f};
  const float min = s.flowUnit == static_cast<std::int32_t>(FlowUnit::MetresPerSecond) ? 0.001f : 0.01f;
  return Range<SectionFault>(SectionInput::Flow, ids::kFieldFlow, s.flow, min,
                             kMax[static_cast<std::size_t>(s.flowUnit)]);
}

SectionResult CheckSurroundings(const CSegment& s) {
  if (s.environment != 2) {
    if (s.userEmissivityOn) {
      if (SectionResult fault = Range<SectionFault>(SectionInput::UserEmissivity, ids::kFieldEmissivity,
                                                    s.userEmissivity, 0.0f, 1.0f)) {
        return fault;
      }
    } else if (!s.Surface()) {
      return SectionFault{MessageText(ids::kChooseSurface), SectionInput::Surface};
    }
  }
  if (s.environment == 1) {
    if (SectionResult fault =
            Range<SectionFault>(SectionInput::WindSpeed, ids::kFieldWindSpeed, s.windSpeed, 0.1f, 50.0f)) {
      return fault;
    }
  }
  if (s.environment == 2) {
    if (SectionResult fault = Range<SectionFault>(SectionInput::OuterCoefficient, ids::kFieldOuterCoefficient,
                                                  s.userOuterCoefficient, 0.1f, 10000.0f)) {
      return fault;
    }
  }
  if (!s.userInnerCoefficientOn) return std::nullopt;
  // A coefficient of 0 would let no heat through the inner surface.
  return Range<SectionFault>(SectionInput::InnerCoefficient, ids::kFieldInnerCoefficient,
                             s.userInnerCoefficient, 0.1f, 10000.0f);
}

bool FlowsIn(const CKanalTempModul& m, const CSegment& s) {
  return m.isAir ? s.kind != CSegment::kPipe : s.kind == CSegment::kPipe;
}

}  // namespace

std::optional<RunFault> FirstRunFault(const CKanalTempModul& m) {
  if (!IsChoice(m.isAir, CSegment::kRectDuctInternal))
    return RunFault{MessageText(ids::kCalculationInterrupted), RunInput::Medium};
  if (!IsChoice(m.userDefinedLiquid, 1))
    return RunFault{MessageText(ids::kCalculationInterrupted), RunInput::LiquidMode};
  const NumberRange<RunInput> fields[] = {
      {RunInput::Density, ids::kFieldDensity, m.liquidDensity},
      {RunInput::HeatCapacity, ids::kFieldHeatCapacity, m.liquidHeatCapacity},
      {RunInput::FreezingPoint, ids::kFieldFreezingPoint, m.liquidFreezingPoint},
      {RunInput::InletTemperature, ids::kFieldInletTemperature, m.inletTemperature},
      {RunInput::OperatingHours, ids::kFieldOperatingHours, m.operatingHours},
      {RunInput::EnergyPrice, ids::kFieldEnergyPrice, m.energyPrice},
      {RunInput::Humidity, ids::kFieldHumidity, m.relativeHumidity, 1.0f, 99.0f},
  };
  if (RunResult fault = FirstFieldFault<RunFault, RunInput>(fields)) return fault;
  if (m.sections.empty()) return RunFault{MessageText(ids::kSectionListEmpty), RunInput::Sections};
  if (m.energyCostOn) {
    if (RunResult fault =
            Range<RunFault>(RunInput::EnergyPrice, ids::kFieldEnergyPrice, m.energyPrice, 0.01f, 200.0f)) {
      return fault;
    }
    if (RunResult fault = Range<RunFault>(RunInput::OperatingHours, ids::kFieldOperatingHours,
                                          m.operatingHours, 1.0f, 8760.0f)) {
      return fault;
    }
  }
  // Air needs no properties, and any inlet temperature the field takes.
  if (m.isAir) return std::nullopt;
  return CheckMedium(m);
}

std::optional<SectionFault> FirstSectionFault(const CSegment& s, const WarningAnswer& answer) {
  const struct {
    SectionInput input;
    std::int32_t value;
    std::int32_t last;
  } choices[] = {
      {SectionInput::Kind, s.kind, CSegment::kRectDuctInternal},
      {SectionInput::Orientation, s.vertical, 1},
      {SectionInput::Environment, s.environment, 2},
      {SectionInput::EmissivityMode, s.userEmissivityOn, 1},
      {SectionInput::FlowUnit, s.flowUnit, 2},
  };
  for (const auto& choice : choices) {
    if (!IsChoice(choice.value, choice.last))
      return SectionFault{MessageText(ids::kCalculationInterrupted), choice.input};
  }
  const NumberRange<SectionInput> fields[] = {
      {SectionInput::Height, ids::kFieldHeight, s.height},
      {SectionInput::Width, ids::kFieldWidth, s.width},
      {SectionInput::Diameter, ids::kFieldDiameter, s.diameter},
      {SectionInput::Length, ids::kFieldLength, s.length, 0.1f, 20000.0f},
      {SectionInput::AmbientTemperature, ids::kFieldAmbientTemperature, s.ambientTemperature, -60.0f, 500.0f},
      {SectionInput::WindSpeed, ids::kFieldWindSpeed, s.windSpeed},
      {SectionInput::OuterCoefficient, ids::kFieldOuterCoefficient, s.userOuterCoefficient},
      {SectionInput::InnerCoefficient, ids::kFieldInnerCoefficient, s.userInnerCoefficient},
      {SectionInput::UserEmissivity, ids::kFieldEmissivity, s.userEmissivity},
      {SectionInput::Flow, ids::kFieldFlow, s.flow},
  };
  if (SectionResult fault = FirstFieldFault<SectionFault, SectionInput>(fields)) return fault;
  if (!s.bare) {
    if (SectionResult fault = CheckLayer(s, s.layer1, SectionInput::Layer1, answer)) return fault;
    if (s.secondLayerOn) {
      if (SectionResult fault = CheckLayer(s, s.layer2, SectionInput::Layer2, answer)) return fault;
    }
  }
  if (SectionResult fault = CheckSizes(s)) return fault;
  if (SectionResult fault = CheckFlow(s)) return fault;
  return CheckSurroundings(s);
}

bool StoredRunInputsPass(const CKanalTempModul& m) {
  std::string message;
  if (const RunResult fault = FirstRunFault(m)) {
    message = fault->message;
  } else if (m.sections.size() > CKanalTempModul::kMaxSections) {
    message = MessageText(ids::kCalculationInterrupted);
  } else {
    for (const auto& section : m.sections) {
      if (!FlowsIn(m, *section)) {
        message = MessageText(ids::kCalculationInterrupted);
        break;
      }
      if (const SectionResult fault = FirstSectionFault(*section, [](std::string_view) { return true; })) {
        message = fault->message;
        break;
      }
    }
  }
  if (message.empty()) return true;
  if (m.Context()) m.Context()->Messenger().Show(message);
  return false;
}

}  // namespace kelvora
