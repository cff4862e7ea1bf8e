#include "core/modules/heatloss/inputcheck.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/framework/fieldchecks.h"
#include "core/framework/platform.h"
#include "core/framework/rangetexts.h"
#include "core/framework/stringtable.h"
#include "core/modules/common/modulecontext.h"
#include "core/modules/heatloss/varmetapmodul.h"
#include "core/physics/physics.h"

namespace kelvora {

namespace {

using Fault = std::optional<HeatLossFault>;

constexpr std::array kLayerInputs = {HeatLossInput::Layer1, HeatLossInput::Layer2, HeatLossInput::Layer3};

Fault Refuse(int id, HeatLossInput input) { return HeatLossFault{MessageText(id), input}; }

Fault Range(HeatLossInput input, int nameId, float value, float min, float max) {
  return RangeFault<HeatLossFault>(input, nameId, value, min, max);
}

ObjectKind Kind(const CVarmeTapModul& m) { return static_cast<ObjectKind>(m.objectKind); }

// A choice is refused only where its radios stand, so that the user can make it.
Fault CheckChoices(const CVarmeTapModul& m) {
  struct Choice {
    HeatLossInput input;
    std::int32_t value;
    std::int32_t last;
    bool used;
  };
  const Choice choices[] = {
      {HeatLossInput::CalculationType, m.calculationType, 3, true},
      {HeatLossInput::Orientation, m.orientation, 1, true},
      {HeatLossInput::SurfaceMode, m.surfaceMode, 1, true},
      {HeatLossInput::HeatLossUnit, m.heatLossUnit, 1, m.calculationType == 2},
      {HeatLossInput::FlowUnit, m.flowUnit, 2, HasAirFlow(Kind(m))},
  };
  for (const Choice& choice : choices) {
    if (choice.used && (choice.value < 0 || choice.value > choice.last))
      return Refuse(ids::kCalculationInterrupted, choice.input);
  }
  return std::nullopt;
}

// The dialog's number fields in the order it reads them, each within the range it reads
// it in; a value that is no finite number is what the dialog cannot read.
Fault CheckNumbers(const CVarmeTapModul& m) {
  const NumberRange<HeatLossInput> numbers[] = {
      {HeatLossInput::MediumTemperature, ids::kFieldMediumTemperature, m.mediumTemperature, -273.0f, 2000.0f},
      {HeatLossInput::AmbientTemperature, ids::kFieldAmbientTemperature, m.ambientTemperature, -60.0f,
       500.0f},
      {HeatLossInput::Diameter, ids::kFieldDiameter, m.diameter},
      {HeatLossInput::Height, ids::kFieldHeight, m.height},
      {HeatLossInput::Width, ids::kFieldWidth, m.width},
      {HeatLossInput::Length, ids::kFieldPipeLength, m.length},
      {HeatLossInput::Area, ids::kFieldArea, m.area},
      {HeatLossInput::BareEmissivity, ids::kFieldEmissivity, m.bareEmissivity},
      {HeatLossInput::WindSpeed, ids::kFieldWindSpeed, m.windSpeed},
      {HeatLossInput::UserCoefficient, ids::kFieldOuterCoefficient, m.userSurfaceCoefficient},
      {HeatLossInput::UserEmissivity, ids::kFieldEmissivity, m.userEmissivity},
      {HeatLossInput::SurfaceTemperature, ids::kFieldSurfaceTemperature, m.surfaceTemperature},
      {HeatLossInput::MaxHeatLossPerMetre, ids::kFieldHeatLoss, m.maxHeatLossPerMetre},
      {HeatLossInput::MaxHeatLossPerSquareMetre, ids::kFieldHeatLoss, m.maxHeatLossPerSquareMetre},
      {HeatLossInput::OperatingHours, ids::kFieldOperatingHours, m.operatingHours},
      {HeatLossInput::EnergyPrice, ids::kFieldEnergyPrice, m.energyPrice},
      {HeatLossInput::Co2Factor, ids::kFieldCo2Factor, m.co2Factor, 0.0f, 5000.0f},
      {HeatLossInput::FlowValue, ids::kFieldFlow, m.flowValue, 0.0f, 1000000.0f},
  };
  return FirstFieldFault<HeatLossFault, HeatLossInput>(numbers);
}

std::size_t OutermostLayer(const CVarmeTapModul& m) {
  if (m.calculationType == 0) {
    if (m.layer3On) return 2;
    if (m.layer2On) return 1;
  }
  return 0;
}

// A layer needs a product; a standard product is also asked whether it stands `limit`.
Fault CheckProduct(const CVarmeTapModul& m, std::size_t layer, int warning, float limit,
                   const WarningAnswer& answer) {
  const CIsolasjon& checked = m.layers[layer];
  const CIsoProdukt* product = checked.Product();
  if (!product) return Refuse(ids::kChooseInsulationProduct, kLayerInputs[layer]);
  if (!checked.IsStandard() || product->maxTemperature >= limit || answer(MessageText(warning)))
    return std::nullopt;
  return HeatLossFault{};
}

// The given thicknesses, and layer 1's of a duct lined inside, whose free section it
// narrows in every calculation type. A fault says what the layer's dialog will ask for.
Fault CheckThicknesses(const CVarmeTapModul& m) {
  const bool given = m.calculationType == 0;
  const bool used[] = {given || Kind(m) == ObjectKind::RectDuctInternal, given && m.layer2On,
                       given && m.layer3On};
  for (std::size_t k = 0; k < m.layers.size(); ++k) {
    if (!used[k] || m.layers[k].ThicknessPossible()) continue;
    const CIsoProdukt* product = m.layers[k].Product();
    if (!product) return Refuse(ids::kChooseInsulationProduct, kLayerInputs[k]);
    return FieldFault<HeatLossFault>(kLayerInputs[k], ids::kFieldLayerThickness, m.layers[k].Thickness(),
                                     product->minThickness, product->maxThickness);
  }
  return std::nullopt;
}

Fault CheckSizes(const CVarmeTapModul& m) {
  const int kind = m.objectKind;
  if (kind == 2 || kind == 3) {
    if (Fault fault = Range(HeatLossInput::Height, ids::kFieldHeight, m.height, 1.0f, 20000.0f)) return fault;
    if (Fault fault = Range(HeatLossInput::Width, ids::kFieldWidth, m.width, 1.0f, 20000.0f)) return fault;
    if (kind == 3) {
      float lining = m.layers[0].Thickness();
      if (m.layer2On && m.calculationType == 0) lining += m.layers[1].Thickness();
      if (!(m.width > 2.0f * lining && 2.0f * lining < m.height))
        return Refuse(ids::kInsulationTooThickForDuct, HeatLossInput::Width);
    }
  } else if (kind == 0 || kind == 1) {
    if (Fault fault = Range(HeatLossInput::Diameter, ids::kFieldDiameter, m.diameter, 1.0f, 20000.0f))
      return fault;
  }
  if (IsPlane(Kind(m))) return Range(HeatLossInput::Area, ids::kFieldArea, m.area, 0.1f, 5000.0f);
  // The loss over the length is reported for a given thickness, and by the degree-hour type
  // when it finds no requirement.
  if (m.calculationType != 0 && m.calculationType != 3) return std::nullopt;
  return Range(HeatLossInput::Length, ids::kFieldPipeLength, m.length, 0.1f, 20000.0f);
}

// The entries of a pipe add their lengths; each within what the equipment dialog takes.
Fault CheckEquipment(const CVarmeTapModul& m) {
  if (m.objectKind != 0 || !m.equipmentOn || m.calculationType != 0) return std::nullopt;
  for (const auto& entry : m.equipment) {
    if (entry->userDefined) {
      if (Fault fault = Range(HeatLossInput::Equipment, ids::kFieldAddedLength, entry->equivalentLength, 0.0f,
                              CTilleggsutstyr::kMaxEquivalentLength))
        return fault;
    }
    if (Fault fault = Range(HeatLossInput::Equipment, ids::kFieldCount, static_cast<float>(entry->count),
                            0.0f, static_cast<float>(CTilleggsutstyr::kMaxCount)))
      return fault;
  }
  return std::nullopt;
}

Fault CheckOptions(const CVarmeTapModul& m) {
  const int type = m.calculationType;
  if (m.surfaceMode == 1) {
    if (Fault fault =
            Range(HeatLossInput::UserEmissivity, ids::kFieldEmissivity, m.userEmissivity, 0.0f, 1.0f))
      return fault;
  }
  if (m.energyCalculationOn) {
    if (Fault fault = Range(HeatLossInput::EnergyPrice, ids::kFieldEnergyPrice, m.energyPrice, 0.01f, 200.0f))
      return fault;
  }
  if (m.energyCalculationOn || type == 3) {
    if (Fault fault = Range(HeatLossInput::OperatingHours, ids::kFieldOperatingHours, m.operatingHours, 1.0f,
                            8760.0f)) {
      return fault;
    }
  }
  if (m.environment == 1) {
    if (Fault fault = Range(HeatLossInput::WindSpeed, ids::kFieldWindSpeed, m.windSpeed, 0.1f, 50.0f))
      return fault;
  }
  if (m.environment == 2) {
    if (Fault fault = Range(HeatLossInput::UserCoefficient, ids::kFieldOuterCoefficient,
                            m.userSurfaceCoefficient, 0.1f, 10000.0f)) {
      return fault;
    }
  }
  const float tm = m.mediumTemperature;
  const float ta = m.ambientTemperature;
  if (type == 1) {
    if (Fault fault = Range(HeatLossInput::SurfaceTemperature, ids::kFieldSurfaceTemperature,
                            m.surfaceTemperature, std::min(tm, ta) + 0.1f, std::max(tm, ta) - 0.1f)) {
      return fault;
    }
  }
  if (type == 2 || type == 3) {
    const bool perMetre = m.heatLossUnit == 0;
    if (Fault fault =
            Range(perMetre ? HeatLossInput::MaxHeatLossPerMetre : HeatLossInput::MaxHeatLossPerSquareMetre,
                  ids::kFieldHeatLoss, perMetre ? m.maxHeatLossPerMetre : m.maxHeatLossPerSquareMetre,
                  -500.0f, 500.0f)) {
      return fault;
    }
  }
  if (!(std::fabs(tm - ta) >= 0.1f))
    return Refuse(ids::kTemperatureDifferenceTooSmall, HeatLossInput::MediumTemperature);
  return std::nullopt;
}

Fault CheckSurface(const CVarmeTapModul& m) {
  if (m.environment == 2 || m.surfaceMode == 1 || m.Surface())
    return Range(HeatLossInput::BareEmissivity, ids::kFieldEmissivity, m.bareEmissivity, 0.0f, 1.0f);
  return Refuse(ids::kChooseSurface, HeatLossInput::Surface);
}

}  // namespace

std::optional<HeatLossFault> FirstHeatLossFault(const CVarmeTapModul& m, const WarningAnswer& answer) {
  if (Fault fault = CheckChoices(m)) return fault;
  if (Fault fault = CheckNumbers(m)) return fault;
  if (Fault fault = CheckProduct(m, 0, ids::kMediumAboveProductLimit, m.mediumTemperature, answer))
    return fault;
  if (Fault fault =
          CheckProduct(m, OutermostLayer(m), ids::kAmbientAboveProductLimit, m.ambientTemperature, answer))
    return fault;
  if (Fault fault = CheckThicknesses(m)) return fault;
  if (Fault fault = CheckSizes(m)) return fault;
  if (Fault fault = CheckEquipment(m)) return fault;
  if (Fault fault = CheckOptions(m)) return fault;
  return CheckSurface(m);
}

bool StoredHeatLossInputsPass(const CVarmeTapModul& m) {
  const Fault fault = FirstHeatLossFault(m, [](std::string_view) { return true; });
  if (!fault) return true;
  if (m.Context()) m.Context()->Messenger().Show(fault->message);
  return false;
}

}  // namespace kelvora
