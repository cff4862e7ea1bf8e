#include "core/modules/condensation/condensationinputcheck.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <span>

#include "core/framework/fieldchecks.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/modules/common/modulecontext.h"
#include "core/modules/condensation/innvendigkondensmodul.h"
#include "core/modules/condensation/utvendigkondensmodul.h"

namespace kelvora {

namespace {

using Result = std::optional<CondensationFault>;
using Input = CondensationInput;

// The least length the dialog takes; a stored length of 0 is still calculated.
constexpr float kLeastEnteredLength = 0.01f;  // m

Result Range(Input input, int nameId, float value, float min, float max) {
  return RangeFault<CondensationFault>(input, nameId, value, min, max);
}

using Field = NumberRange<Input>;

// What the dialog's number fields can read, in the order it reads them.
Result CheckFields(std::initializer_list<Field> fields) {
  return FirstFieldFault<CondensationFault, Input>(std::span<const Field>(fields.begin(), fields.size()));
}

// Choices a damaged file could take out of what the dialog offers.
Result CheckChoice(Input input, std::int32_t value, std::int32_t last) {
  if (value >= 0 && value <= last) return std::nullopt;
  return CondensationFault{MessageText(ids::kCalculationInterrupted), input};
}

// A standard product is asked whether it stands the medium, or else the surroundings.
Result CheckProduct(const CIsolasjon& layer, float medium, float ambient, const WarningAnswer& answer) {
  const CIsoProdukt* product = layer.Product();
  if (!product) return CondensationFault{MessageText(ids::kChooseInsulationProduct), Input::Product};
  if (!layer.IsStandard()) return std::nullopt;
  int warning = 0;
  if (medium > product->maxTemperature)
    warning = ids::kMediumAboveProductLimit;
  else if (ambient > product->maxTemperature)
    warning = ids::kAmbientAboveProductLimit;
  if (warning == 0 || answer(MessageText(warning))) return std::nullopt;
  return CondensationFault{};
}

Result CheckSurface(std::int32_t environment, std::int32_t userEmissivityOn, float userEmissivity,
                    const CMantling* surface) {
  if (environment == 2) return std::nullopt;
  if (userEmissivityOn)
    return Range(Input::UserEmissivity, ids::kFieldEmissivity, userEmissivity, 0.0f, 1.0f);
  if (!surface) return CondensationFault{MessageText(ids::kChooseSurface), Input::Surface};
  return std::nullopt;
}

Result CheckSurroundings(std::int32_t environment, float windSpeed, float userOuterCoefficient) {
  if (environment == 1) return Range(Input::WindSpeed, ids::kFieldWindSpeed, windSpeed, 0.1f, 50.0f);
  if (environment == 2)
    return Range(Input::OuterCoefficient, ids::kFieldOuterCoefficient, userOuterCoefficient, 0.1f, 10000.0f);
  return std::nullopt;
}

// Sizes by kind. A vertical plane convects over its height, which must be a size too.
Result CheckExternalSizes(const CUtvendigKondensModul& m) {
  switch (m.kind) {
    case 0:
      return Range(Input::Diameter, ids::kFieldDiameter, m.diameter, 1.0f, 1500.0f);
    case 1:
      return Range(Input::Diameter, ids::kFieldDiameter, m.diameter, 1.0f, 3000.0f);
    case 2:
    case 3: {
      if (Result fault = Range(Input::Height, ids::kFieldHeight, m.height, 1.0f, 5000.0f)) return fault;
      if (Result fault = Range(Input::Width, ids::kFieldWidth, m.width, 1.0f, 5000.0f)) return fault;
      // The thickness is the module's result; only a given one can be judged here.
      const float lining = 2.0f * m.insulation.Thickness();
      if (m.kind == 3 && m.insulation.thicknessGiven && (m.width <= lining || m.height <= lining))
        return CondensationFault{MessageText(ids::kInsulationTooThickForDuct), Input::Width};
      return std::nullopt;
    }
    default:
      if (!m.vertical) return std::nullopt;
      return Range(Input::Height, ids::kFieldHeight, m.height, 1.0f, 5000.0f);
  }
}

Result CheckFlow(const CInnvendigKondensModul& m) {
  constexpr float kMin[] = {0.01f, 0.01f, 0.001f};
  constexpr float kMax[] = {360000.0f, 100000.0f, 50.0f};
  const auto unit = static_cast<std::size_t>(m.flowUnit);
  return Range(Input::Flow, ids::kFieldFlow, m.flow, kMin[unit], kMax[unit]);
}

Result InternalFault(const CInnvendigKondensModul& m, const WarningAnswer& answer, float leastLength) {
  for (const Result& fault :
       {CheckChoice(Input::Environment, m.environment, 2), CheckChoice(Input::FlowUnit, m.flowUnit, 2)}) {
    if (fault) return fault;
  }
  if (Result fault = CheckFields({
          {Input::Diameter, ids::kFieldDiameter, m.diameter},
          {Input::Height, ids::kFieldHeight, m.height},
          {Input::Width, ids::kFieldWidth, m.width},
          {Input::Length, ids::kFieldLength, m.length, leastLength, 20000.0f},
          {Input::AmbientTemperature, ids::kFieldAmbientTemperature, m.ambientTemperature, -60.0f, 500.0f},
          {Input::WindSpeed, ids::kFieldWindSpeed, m.windSpeed},
          {Input::OuterCoefficient, ids::kFieldOuterCoefficient, m.userOuterCoefficient},
          {Input::InnerCoefficient, ids::kFieldInnerCoefficient, m.userInnerCoefficient},
          {Input::Flow, ids::kFieldFlow, m.flow},
          {Input::InletTemperature, ids::kFieldInletTemperature, m.inletTemperature, 0.1f, 100.0f},
          {Input::Humidity, ids::kFieldHumidity, m.relativeHumidity, 1.0f, 99.0f},
          {Input::UserEmissivity, ids::kFieldEmissivity, m.userEmissivity},
      }))
    return fault;
  if (Result fault = CheckProduct(m.insulation, m.inletTemperature, m.ambientTemperature, answer))
    return fault;
  if (m.rectangular) {
    if (Result fault = Range(Input::Height, ids::kFieldHeight, m.height, 1.0f, 5000.0f)) return fault;
    if (Result fault = Range(Input::Width, ids::kFieldWidth, m.width, 1.0f, 5000.0f)) return fault;
  } else if (Result fault = Range(Input::Diameter, ids::kFieldDiameter, m.diameter, 1.0f, 3000.0f)) {
    return fault;
  }
  if (Result fault = CheckSurface(m.environment, m.userEmissivityOn, m.userEmissivity, m.Surface()))
    return fault;
  if (Result fault = CheckFlow(m)) return fault;
  if (Result fault = CheckSurroundings(m.environment, m.windSpeed, m.userOuterCoefficient)) return fault;
  if (m.userInnerCoefficientOn) {
    if (Result fault = Range(Input::InnerCoefficient, ids::kFieldInnerCoefficient, m.userInnerCoefficient,
                             0.1f, 10000.0f))
      return fault;
  }
  if (std::fabs(m.inletTemperature - m.ambientTemperature) < 0.1f)
    return CondensationFault{MessageText(ids::kCondInletNearAmbient), Input::None};
  return std::nullopt;
}

bool Tell(const Result& fault, ModuleContext* context) {
  if (!fault) return true;
  if (context) context->Messenger().Show(fault->message);
  return false;
}

bool PassAll(std::string_view) { return true; }

}  // namespace

std::optional<CondensationFault> FirstExternalCondensationFault(const CUtvendigKondensModul& m,
                                                                const WarningAnswer& answer) {
  for (const Result& fault :
       {CheckChoice(Input::Kind, m.kind, 5), CheckChoice(Input::Environment, m.environment, 2)}) {
    if (fault) return fault;
  }
  if (Result fault = CheckFields({
          {Input::Diameter, ids::kFieldDiameter, m.diameter},
          {Input::Height, ids::kFieldHeight, m.height},
          {Input::Width, ids::kFieldWidth, m.width},
          {Input::AmbientTemperature, ids::kFieldAmbientTemperature, m.ambientTemperature, -60.0f, 500.0f},
          {Input::Humidity, ids::kFieldHumidity, m.relativeHumidity, 1.0f, 99.0f},
          {Input::WindSpeed, ids::kFieldWindSpeed, m.windSpeed},
          {Input::OuterCoefficient, ids::kFieldOuterCoefficient, m.userOuterCoefficient},
          {Input::MediumTemperature, ids::kFieldMediumTemperature, m.mediumTemperature, -273.0f, 50.0f},
          {Input::UserEmissivity, ids::kFieldEmissivity, m.userEmissivity},
      }))
    return fault;
  if (Result fault = CheckProduct(m.insulation, m.mediumTemperature, m.ambientTemperature, answer))
    return fault;
  if (Result fault = CheckExternalSizes(m)) return fault;
  if (Result fault = CheckSurface(m.environment, m.userEmissivityOn, m.userEmissivity, m.Surface()))
    return fault;
  return CheckSurroundings(m.environment, m.windSpeed, m.userOuterCoefficient);
}

std::optional<CondensationFault> FirstInternalCondensationFault(const CInnvendigKondensModul& m,
                                                                const WarningAnswer& answer) {
  return InternalFault(m, answer, kLeastEnteredLength);
}

bool StoredExternalCondensationInputsPass(const CUtvendigKondensModul& m) {
  return Tell(FirstExternalCondensationFault(m, PassAll), m.Context());
}

bool StoredInternalCondensationInputsPass(const CInnvendigKondensModul& m) {
  return Tell(InternalFault(m, PassAll, 0.0f), m.Context());
}

}  // namespace kelvora
