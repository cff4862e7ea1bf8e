#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/database/mantling.h"
#include "core/framework/item.h"
#include "core/modules/condensation/internalcondensationreport.h"
#include "core/physics/isolasjon.h"

namespace kelvora {

// The duct's inputs that are plain values, with their defaults: copied and reset whole.
struct InternalCondensationInputs {
  float diameter = 50.0f;             // mm, circular duct
  float height = 200.0f;              // mm, rectangular duct
  float width = 200.0f;               // mm, rectangular duct
  float length = 10.0f;               // m
  float inletTemperature = 40.0f;     // °C
  float relativeHumidity = 50.0f;     // % of the air in the duct
  float flow = 100.0f;                // in flowUnit
  std::int32_t flowUnit = 0;          // 0 m³/h, 1 l/s, 2 m/s
  float ambientTemperature = 20.0f;   // °C
  std::int32_t environment = 0;       // 0 indoors, 1 outdoors, 2 user coefficient
  float windSpeed = 2.0f;             // m/s
  float userOuterCoefficient = 5.0f;  // W/m²K
  std::int32_t userInnerCoefficientOn = 0;
  float userInnerCoefficient = 10.0f;  // W/m²K
  std::int32_t userEmissivityOn = 0;
  float userEmissivity = 0.94f;
  // Uninsulated suspensions lengthen the duct that exchanges heat.
  std::int32_t suspensionsOn = 0;
  std::int32_t rectangular = 0;
  std::int32_t vertical = 0;
};

// The insulation thickness that keeps the inner surface of a duct carrying warm, humid
// air above the dew point of that air up to the outlet.
class CInnvendigKondensModul : public CQorModul, public InternalCondensationInputs {
 public:
  explicit CInnvendigKondensModul(ModuleContext* owner = nullptr);
  // The module is registered with its records by address.
  CInnvendigKondensModul(const CInnvendigKondensModul&) = delete;
  CInnvendigKondensModul& operator=(const CInnvendigKondensModul&) = delete;
  ~CInnvendigKondensModul() override;

  // The module's dialog; confirmed, the module is calculated again.
  int Edit() override;
  void Serialize(CArchive& ar) override;
  void ReplaceReference(CItem& replacement) override;
  void Reset() override;
  // Takes the inputs of another module of its kind: the values and the records they refer to.
  void AssignInputs(const CInnvendigKondensModul& other);
  // Shows the report, or hides it and tells the user why there is no result.
  void Recalculate() override;
  std::string GetSymbol(SymbolInfo& symbol) const override;

  const InternalCondensationReport& Report() const { return *report; }

  ModuleContext* Context() const { return context; }
  CMantling* Surface() const { return surface; }
  void SetSurface(CMantling* record) { SetReference(*this, surface, record); }

  // Its product is an input; its thickness is the result.
  CIsolasjon insulation;

 private:
  ReportLists* Lists() const;

  CMantling* surface = nullptr;
  std::unique_ptr<InternalCondensationReport> report;
};

}  // namespace kelvora
