#include "core/modules/economics/economicsinputcheck.h"

#include <cmath>
#include <cstdint>

#include "core/framework/fieldchecks.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/modules/common/modulecontext.h"
#include "core/modules/economics/okonomimodul.h"

namespace kelvora {

namespace {

using Result = std::optional<EconomicsFault>;

Result Range(EconomicsInput input, int nameId, float value, float min, float max) {
  return RangeFault<EconomicsFault>(input, nameId, value, min, max);
}

// What the dialog's number fields can read, in the order it reads them.
Result CheckFields(const COkonomiModul& m) {
  const NumberRange<EconomicsInput> fields[] = {
      {EconomicsInput::Diameter, ids::kFieldDiameter, m.diameter},
      {EconomicsInput::Height, ids::kFieldHeight, m.height},
      {EconomicsInput::Width, ids::kFieldWidth, m.width},
      {EconomicsInput::BareEmissivity, ids::kFieldEmissivity, m.bareEmissivity, 0.0f, 1.0f},
      {EconomicsInput::MediumTemperature, ids::kFieldMediumTemperature, m.mediumTemperature, -273.0f,
       2000.0f},
      {EconomicsInput::Flow, ids::kFieldFlow, m.flow, 0.0f, 1000000.0f},
      {EconomicsInput::AmbientTemperature, ids::kFieldAmbientTemperature, m.ambientTemperature, -60.0f,
       500.0f},
      {EconomicsInput::WindSpeed, ids::kFieldWindSpeed, m.windSpeed},
      {EconomicsInput::UserCoefficient, ids::kFieldOuterCoefficient, m.userCoefficient},
      {EconomicsInput::EnergyPrice, ids::kFieldEnergyPrice, m.energyPrice, 0.01f, 200.0f},
      {EconomicsInput::OperatingHours, ids::kFieldOperatingHours, m.operatingHours, 1.0f, 8760.0f},
      {EconomicsInput::LifeSpan, ids::kFieldLifeSpan, m.lifeSpan, 0.1f, 100.0f},
      {EconomicsInput::EnergyInflation, ids::kFieldEnergyInflation, m.energyInflation, 0.0f, 100.0f},
      {EconomicsInput::InterestRate, ids::kFieldInterestRate, m.interestRate, 0.0f, 100.0f},
  };
  return FirstFieldFault<EconomicsFault>(std::span<const NumberRange<EconomicsInput>>(fields));
}

// Asked of every alternative with a product: whether it stands the medium, or else the
// surroundings; whether a duct lined inside keeps a free section.
Result CheckAlternatives(const COkonomiModul& m, const WarningAnswer& answer) {
  if (m.alternatives.empty())
    return EconomicsFault{MessageText(ids::kEcoNeedAlternative), EconomicsInput::Alternatives};
  for (const auto& a : m.alternatives) {
    const CIsoProdukt* product = a->Product();
    if (!product) continue;
    int warning = 0;
    if (product->maxTemperature < m.mediumTemperature)
      warning = ids::kMediumAboveProductLimit;
    else if (product->maxTemperature < m.ambientTemperature)
      warning = ids::kAmbientAboveProductLimit;
    if (warning != 0 && !answer(MessageText(warning)))
      return EconomicsFault{{}, EconomicsInput::Alternatives};
    const float twice = 2.0f * a->Thickness();
    if (m.objectKind == 3 && (twice >= m.width || twice >= m.height))
      return EconomicsFault{MessageText(ids::kInsulationTooThickForDuct), EconomicsInput::Alternatives};
  }
  return std::nullopt;
}

// A vertical plane's height sets its free convection, so it is checked like a duct's.
Result CheckSizes(const COkonomiModul& m) {
  switch (m.objectKind) {
    case 0:
      return Range(EconomicsInput::Diameter, ids::kFieldDiameter, m.diameter, 1.0f, 1500.0f);
    case 1:
      return Range(EconomicsInput::Diameter, ids::kFieldDiameter, m.diameter, 1.0f, 3000.0f);
    case 2:
    case 3:
      if (Result fault = Range(EconomicsInput::Height, ids::kFieldHeight, m.height, 1.0f, 5000.0f))
        return fault;
      return Range(EconomicsInput::Width, ids::kFieldWidth, m.width, 1.0f, 5000.0f);
    default:
      if (!m.vertical) return std::nullopt;
      return Range(EconomicsInput::Height, ids::kFieldHeight, m.height, 1.0f, 5000.0f);
  }
}

Result CheckSurroundings(const COkonomiModul& m) {
  if (m.environment == 1)
    return Range(EconomicsInput::WindSpeed, ids::kFieldWindSpeed, m.windSpeed, 0.1f, 50.0f);
  if (m.environment == 2)
    return Range(EconomicsInput::UserCoefficient, ids::kFieldOuterCoefficient, m.userCoefficient, 0.1f,
                 10000.0f);
  return std::nullopt;
}

}  // namespace

std::optional<EconomicsFault> FirstEconomicsFault(const COkonomiModul& m, const WarningAnswer& answer) {
  const struct {
    EconomicsInput input;
    std::int32_t value;
    std::int32_t last;
  } choices[] = {
      {EconomicsInput::ObjectKind, m.objectKind, 5},
      {EconomicsInput::Environment, m.environment, 2},
      {EconomicsInput::FlowUnit, m.flowUnit, 2},
  };
  for (const auto& choice : choices) {
    if (choice.value < 0 || choice.value > choice.last)
      return EconomicsFault{MessageText(ids::kCalculationInterrupted), choice.input};
  }
  if (Result fault = CheckFields(m)) return fault;
  if (Result fault = CheckAlternatives(m, answer)) return fault;
  if (Result fault = CheckSizes(m)) return fault;
  if (Result fault = CheckSurroundings(m)) return fault;
  if (!(std::fabs(m.mediumTemperature - m.ambientTemperature) >= 0.1f))
    return EconomicsFault{MessageText(ids::kTemperatureDifferenceTooSmall),
                          EconomicsInput::MediumTemperature};
  return std::nullopt;
}

std::optional<AlternativeFault> FirstAlternativeFault(const COkoIsolasjon& a) {
  const CIsoProdukt* product = a.Product();
  if (!product)
    return AlternativeFault{MessageText(ids::kChooseInsulationProduct), AlternativeInput::Product};
  // A product may allow a thickness of 0, which insulates nothing and is no alternative.
  const float thickness = a.Thickness();
  if (!Within(thickness, product->minThickness, product->maxThickness) || !(thickness > 0.0f))
    return FieldFault<AlternativeFault>(AlternativeInput::Thickness, ids::kFieldLayerThickness, thickness,
                                        product->minThickness, product->maxThickness);
  if (a.ownEmissivity) {
    if (!Within(a.emissivity, 0.0f, 1.0f))
      return FieldFault<AlternativeFault>(AlternativeInput::Emissivity, ids::kFieldEmissivity, a.emissivity,
                                          0.0f, 1.0f);
  } else if (!a.OuterSurface()) {
    return AlternativeFault{MessageText(ids::kChooseSurface), AlternativeInput::Surface};
  }
  if (!Within(a.price, 1.0f, 100000.0f))
    return FieldFault<AlternativeFault>(AlternativeInput::Price, ids::kEcoFieldPrice, a.price, 1.0f,
                                        100000.0f);
  return std::nullopt;
}

bool StoredEconomicsInputsPass(const COkonomiModul& m) {
  std::optional<std::string> message;
  for (const auto& a : m.alternatives) {
    if (auto fault = FirstAlternativeFault(*a)) {
      message = fault->message;
      break;
    }
  }
  if (!message) {
    if (auto fault = FirstEconomicsFault(m, [](std::string_view) { return true; })) message = fault->message;
  }
  if (!message) return true;
  if (m.Context()) m.Context()->Messenger().Show(*message);
  return false;
}

}  // namespace kelvora
