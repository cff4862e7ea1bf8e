#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/database/mantling.h"
#include "core/framework/item.h"
#include "core/modules/heatloss/heatlossreport.h"
#include "core/modules/heatloss/heatlossresult.h"
#include "core/modules/heatloss/savings.h"
#include "core/physics/isolasjon.h"

namespace kelvora {

// The inputs that are plain values, with their defaults: copied and reset whole.
struct HeatLossInputs {
  std::int32_t calculationType = 0;  // 0 given thickness, 1 surface temperature, 2 heat loss, 3 degree-hours
  std::int32_t objectKind = 0;       // 0-5
  float mediumTemperature = 50.0f;   // °C
  float ambientTemperature = 20.0f;  // °C
  float surfaceTemperature = 30.0f;  // °C, target of type 1
  float diameter = 50.0f;            // mm
  float width = 200.0f;              // mm
  float height = 200.0f;             // mm
  float length = 1.0f;               // m
  float area = 10.0f;                // m²
  std::int32_t layer2On = 0;
  std::int32_t layer3On = 0;
  std::int32_t environment = 0;         // 0 indoors, 1 outdoors, 2 user coefficient
  float windSpeed = 2.0f;               // m/s
  float userSurfaceCoefficient = 5.0f;  // W/m²K
  std::int32_t surfaceMode = 0;         // 0 finish from the database, 1 user emissivity
  float userEmissivity = 0.94f;
  std::int32_t innerSurfaceOn = 0;
  float operatingHours = 8760.0f;  // h/year
  float energyPrice = 0.6f;        // per kWh
  std::int32_t energyCalculationOn = 0;
  float co2Factor = 750.0f;  // g/kWh
  std::string currency;
  float maxHeatLossPerMetre = 10.0f;        // W/m, target of type 2
  float maxHeatLossPerSquareMetre = 50.0f;  // W/m², target of type 2
  std::int32_t heatLossUnit = 0;            // 0 W/m, 1 W/m²
  std::int32_t orientation = 0;             // 0 horizontal, 1 vertical
  std::int32_t flowUnit = 0;                // 0 m³/h, 1 l/s, 2 m/s
  float flowValue = 10.0f;
  std::int32_t equipmentOn = 0;
  std::int32_t hangersOn = 0;
  float bareEmissivity = 0.5f;
};

// Heat loss and surface temperature of an insulated pipe, duct or plane, or the thickness
// that meets a surface-temperature, heat-loss or degree-hour target.
class CVarmeTapModul : public CQorModul, public HeatLossInputs {
 public:
  explicit CVarmeTapModul(ModuleContext* owner = nullptr);
  // Records know the module by address.
  CVarmeTapModul(const CVarmeTapModul&) = delete;
  CVarmeTapModul& operator=(const CVarmeTapModul&) = delete;
  ~CVarmeTapModul() override;

  void Serialize(CArchive& ar) override;
  // Runs the input dialog, which takes the inputs back on OK; the currency then also goes
  // to the legacy profile and the module recalculates.
  int Edit() override;
  // Every input of `other`: values, layers, surfaces and clones of its equipment entries.
  // Results and report items stay as they are.
  void AssignInputs(const CVarmeTapModul& other);
  // An inner facing replaces the inner surface, any other surface the outer one.
  void ReplaceReference(CItem& replacement) override;
  // Solves by the calculation type; `calculated` tells whether it succeeded.
  void Recalculate() override;
  void Reset() override;
  std::string GetSymbol(SymbolInfo& symbol) const override;

  CMantling* Surface() const { return surface; }
  CMantling* InnerSurface() const { return innerSurface; }
  void SetSurface(CMantling* record) { SetReference(*this, surface, record); }
  void SetInnerSurface(CMantling* record) { SetReference(*this, innerSurface, record); }
  // Kinds insulated on the inside show the duct or wall itself outside, so their outer
  // surface comes from the pipe-surface list.
  bool InsulatedInside() const { return objectKind == 3 || objectKind == 5; }
  // What the last successful solve found; nothing after a failure, or for a calculation
  // type that solves nothing.
  const std::optional<HeatLossResult>& LastResult() const { return lastResult; }
  // The totals, energy and savings of that solve, and the regulation verdict.
  const std::optional<SavingsResult>& LastSavings() const { return lastSavings; }
  const RegulationVerdict& LastVerdict() const { return lastVerdict; }
  // The solvers tell the user through the document's messages.
  ModuleContext* Context() const { return context; }
  const HeatLossReport& Report() const { return *report; }

  // Layer 1 lies next to the medium.
  std::array<CIsolasjon, 3> layers;
  ItemList<CTilleggsutstyr> equipment;
  // Set when the regulation check placed its texts; never stored.
  std::int32_t regulationTextShown = 0;

 private:
  CMantling* surface = nullptr;
  CMantling* innerSurface = nullptr;
  void EvaluateSavings(const HeatLossResult& result);
  void ForgetResults();
  ReportLists* Lists() const;

  std::unique_ptr<HeatLossReport> report;
  std::optional<HeatLossResult> lastResult;
  std::optional<SavingsResult> lastSavings;
  RegulationVerdict lastVerdict;
};

}  // namespace kelvora
