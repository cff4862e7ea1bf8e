#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/database/mantling.h"
#include "core/framework/item.h"
#include "core/modules/frost/frostreport.h"
#include "core/physics/isolasjon.h"

namespace kelvora {

// The water pipe's inputs that are plain values, with their defaults: copied and reset whole.
struct FrostInputs {
  float pipeDiameter = 100.0f;        // mm, outside, bare pipe
  float wallThickness = 4.0f;         // mm
  float startTemperature = 20.0f;     // °C, when the flow stops
  float ambientTemperature = -20.0f;  // °C
  float percentageFrozen = 25.0f;     // % of the water that may freeze before damage
  std::int32_t environment = 0;       // 0 indoors, 1 outdoors, 2 user coefficient
  float windSpeed = 2.0f;             // m/s
  float userCoefficient = 5.0f;       // W/m2K
  std::int32_t ownEmissivity = 0;
  float emissivity = 0.94f;
  std::int32_t vertical = 0;
};

// How long an insulated water pipe in frost may stand still before the water in it
// freezes far enough to risk damage, and what heating keeps it from freezing.
class CFrostModul : public CQorModul, public FrostInputs {
 public:
  explicit CFrostModul(ModuleContext* owner);
  CFrostModul(const CFrostModul&) = delete;
  CFrostModul& operator=(const CFrostModul&) = delete;
  ~CFrostModul() override;

  // The frost dialog; confirmed, the pipe is calculated again.
  int Edit() override;
  void Reset() override;
  // Takes the inputs of another module of its kind: the values and the records they refer to.
  void AssignInputs(const CFrostModul& other);
  // Shows the report, or hides it and tells the user the pipe has no result.
  void Recalculate() override;
  std::string GetSymbol(SymbolInfo& symbol) const override;
  void Serialize(CArchive& ar) override;
  void ReplaceReference(CItem& replacement) override;

  const FrostReport& Report() const { return *report; }
  CMantling* Surface() const { return surface; }
  void SetSurface(CMantling* record) { SetReference(*this, surface, record); }

  CIsolasjon insulation;

 private:
  ReportLists* Lists() const;

  CMantling* surface = nullptr;
  std::unique_ptr<FrostReport> report;
};

}  // namespace kelvora
