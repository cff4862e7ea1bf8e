#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/database/mantling.h"
#include "core/framework/item.h"
#include "core/modules/condensation/externalcondensationreport.h"
#include "core/physics/isolasjon.h"

namespace kelvora {

// The cold object's inputs that are plain values, with their defaults: copied and reset whole.
struct ExternalCondensationInputs {
  float mediumTemperature = 0.0f;     // °C
  float ambientTemperature = 20.0f;   // °C
  float relativeHumidity = 50.0f;     // %
  float diameter = 50.0f;             // mm
  float height = 200.0f;              // mm; also the wall height of a vertical plane
  float width = 200.0f;               // mm
  std::int32_t environment = 0;       // 0 indoors, 1 outdoors, 2 user coefficient
  float windSpeed = 2.0f;             // m/s
  float userOuterCoefficient = 5.0f;  // W/m²K
  std::int32_t userEmissivityOn = 0;
  float userEmissivity = 0.94f;
  std::int32_t facingOn = 0;
  std::int32_t kind = 0;  // object kind 0-5
  std::int32_t vertical = 0;
};

// The insulation thickness that keeps the outer surface of a cold pipe, duct or wall at
// the dew point of the surrounding air, so that no moisture condenses on it.
class CUtvendigKondensModul : public CQorModul, public ExternalCondensationInputs {
 public:
  explicit CUtvendigKondensModul(ModuleContext* owner = nullptr);
  // The module is registered with its records by address.
  CUtvendigKondensModul(const CUtvendigKondensModul&) = delete;
  CUtvendigKondensModul& operator=(const CUtvendigKondensModul&) = delete;
  ~CUtvendigKondensModul() override;

  // The module's dialog; confirmed, the module is calculated again.
  int Edit() override;
  void Serialize(CArchive& ar) override;
  // A facing (inner finish) replaces the facing, any other surface the outer surface.
  void ReplaceReference(CItem& replacement) override;
  void Reset() override;
  // Takes the inputs of another module of its kind: the values and the records they refer to.
  void AssignInputs(const CUtvendigKondensModul& other);
  // Shows the report, or hides it and tells the user why there is no result.
  void Recalculate() override;
  std::string GetSymbol(SymbolInfo& symbol) const override;

  const ExternalCondensationReport& Report() const { return *report; }
  ModuleContext* Context() const { return context; }
  CMantling* Surface() const { return surface; }
  CMantling* Facing() const { return facing; }
  void SetSurface(CMantling* record) { SetReference(*this, surface, record); }
  void SetFacing(CMantling* record) { SetReference(*this, facing, record); }
  // Kinds insulated on the inside take their surface from the pipe-surface list.
  bool InsulatedInside() const { return kind == 3 || kind == 5; }

  // Its product is an input; its thickness is the result.
  CIsolasjon insulation;

 private:
  ReportLists* Lists() const;

  CMantling* surface = nullptr;
  CMantling* facing = nullptr;
  std::unique_ptr<ExternalCondensationReport> report;
};

}  // namespace kelvora
