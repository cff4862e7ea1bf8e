#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/database/mantling.h"
#include "core/framework/item.h"
#include "core/modules/run/runreport.h"
#include "core/modules/run/segment.h"

namespace kelvora {

// The run's inputs that are plain values, with their defaults: copied and reset whole; its sections are
// copied on their own.
struct RunInputs {
  std::int32_t userDefinedLiquid = 0;
  float liquidHeatCapacity = 4180.0f;  // J/kgK
  float liquidDensity = 999.0f;        // kg/m3
  float liquidFreezingPoint = 0.0f;    // °C
  float inletTemperature = 40.0f;      // °C
  std::int32_t energyCostOn = 0;
  float operatingHours = 8760.0f;  // h/year
  float energyPrice = 0.6f;        // per kWh
  std::string currency;
  // Nonzero for air; then it also remembers the duct kind the run dialog showed last.
  std::int32_t isAir = 0;
  std::int32_t dewPointCheckOn = 0;
  float relativeHumidity = 60.0f;  // %, of the inlet air
  // Names new sections; kept in the file so numbering goes on after loading.
  std::int32_t nextSectionNumber = 1;
};

// Follows a liquid through pipes, or air through ducts, along a run of sections: how its
// temperature changes from section to section and what the run loses.
class CKanalTempModul : public CQorModul, public RunInputs {
 public:
  explicit CKanalTempModul(ModuleContext* owner);
  CKanalTempModul(const CKanalTempModul&) = delete;
  CKanalTempModul& operator=(const CKanalTempModul&) = delete;
  ~CKanalTempModul() override;

  void Reset() override;
  // Takes the inputs of another module of its kind: the values and the records they refer to.
  void AssignInputs(const CKanalTempModul& other);
  // The run dialog; on OK the run is calculated again.
  int Edit() override;
  // Follows the medium section by section. Stops, with the report hidden and the inputs
  // kept, when the user cancels at a warning, the liquid freezes or a section has no
  // physical answer; `calculated` tells whether it got through.
  void Recalculate() override;
  std::string GetSymbol(SymbolInfo& symbol) const override;
  void Serialize(CArchive& ar) override;
  void ReplaceReference(CItem& replacement) override;

  ModuleContext* Context() const { return context; }
  const RunReport& Report() const { return *report; }
  // Each section's result, in list order, of the last run that got through; else empty.
  const std::vector<RunSectionResult>& Results() const { return results; }
  // The dew point of the inlet air when the run checks for it (air with the check on).
  std::optional<float> CheckedDewPoint() const;
  // The freezing point of the liquid, which the run checks after every section; none for air.
  std::optional<float> CheckedFreezingPoint() const;
  CVeske* Liquid() const { return liquid; }
  void SetLiquid(CVeske* record) { SetReference(*this, liquid, record); }

  static constexpr std::size_t kMaxSections = 25;

  ItemList<CSegment> sections;  // in flow order

 private:
  ReportLists* Lists() const;
  // Follows the medium along the sections; false when the calculation stops.
  bool FollowRun(float& totalHeatLoss, float& totalLength);

  CVeske* liquid = nullptr;
  std::unique_ptr<RunReport> report;
  std::vector<RunSectionResult> results;
};

}  // namespace kelvora
