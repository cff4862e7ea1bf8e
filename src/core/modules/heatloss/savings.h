#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/modules/heatloss/heatlossresult.h"
#include "core/physics/physics.h"

namespace kelvora {

class CVarmeTapModul;
class Messages;

// What the report shows about one solve beside the heat flow itself: the object's total
// loss with its allowances, the bare object for comparison, the yearly energy and the
// amount of insulation. Flows are per metre, or per m² for planes; totals in W.
struct SavingsResult {
  float q = 0.0f;              // heat flow of the solve
  float qWithHangers = 0.0f;   // q with the hanger allowance (q itself when none applies)
  float transmittance = 0.0f;  // U = q / (Tm - Ta), before the hanger allowance; 0 when Tm == Ta
  float total = 0.0f;          // Q: qWithHangers times the length or the area
  float auxLength = 0.0f;      // Laux, m of equivalent pipe
  float bareQ = 0.0f;          // q0
  float auxLoss = 0.0f;        // Qaux = q0 Laux
  float bareTotal = 0.0f;      // Q0
  float savingPercent = 0.0f;  // (1 - qh / q0) 100; 0 when the bare object loses nothing
  float energy = 0.0f;         // E, kWh/year, with the equipment
  float bareEnergy = 0.0f;     // E0, kWh/year
  float cost = 0.0f;
  float bareCost = 0.0f;
  float co2Saved = 0.0f;  // kg/year
  // Outer surface of each layer used, m², inner layer first; empty for planes.
  std::vector<float> amounts;

  // The rows Qaux and Q + Qaux follow the total.
  bool ShowsAuxiliaryRows() const { return auxLoss > 0.0f; }
  float TotalWithAuxiliary() const { return total + auxLoss; }
};

// U = q / (Tm - Ta); 0 without a temperature difference, where the quotient has no value.
float Transmittance(float q, float tm, float ta);

// The heat flow `q` of an insulated build-up with the hanger allowance, where the module
// applies one (a given thickness with uninsulated hangers on a hanging kind).
float WithHangers(const CVarmeTapModul& module, const PhysicsInput& in, float q);

// Nothing when the bare object has no finite loss. `in` is the input the solve ran with;
// types 1-3 take the thickness found from `result`, type 0 the module's layers. The bare
// object is a duct narrowed by layer 1's thickness, as everywhere in the module.
std::optional<SavingsResult> ComputeTotals(const CVarmeTapModul& module, const PhysicsInput& in,
                                           const HeatLossResult& result);

// The limit on U of an indoor pipe of outside diameter `diameterMm`, in W/mK; nothing
// outside 10-220 mm.
std::optional<float> RegulationLimit(float diameterMm);

// The help page that states the limits and how the verdict is formed.
inline constexpr std::string_view kRegulationHelpTopic = "::/html/vyhlaska193.htm";

inline constexpr std::uint32_t kVerdictGreen = 0x008000;
inline constexpr std::uint32_t kVerdictRed = 0x000080;  // dark red, 0x00BBGGRR

// The two text items of the regulation check. `placed` is what the module's regulation
// text flag becomes; when it is false the report lacks both items.
struct RegulationVerdict {
  bool placed = false;
  std::string verdictCzech;
  std::string verdictEnglish;
  std::uint32_t colour = kVerdictGreen;
  std::string noteCzech;
  std::string noteEnglish;
  // Cold lines checked by thickness: the required thickness in mm, and whether its search
  // found it (a failed search shows 0 mm).
  std::optional<float> requiredThicknessMm;
  bool requiredThicknessFound = false;
};

// The check of a small indoor pipe against the heat-transmission limits, for the given
// `u` (W/mK, before the hanger allowance) and insulation thickness in mm. A cold line may
// need the required-thickness search, whose failures are told through `messages`.
RegulationVerdict RegulationCheck(const CVarmeTapModul& module, const PhysicsInput& in, float u,
                                  float thicknessMm, Messages& messages);

struct RequiredThickness {
  float mm = 0.0f;     // includes the factor 1.5 for cold lines; 0 when not found
  bool found = false;  // false: the search failed and its message was shown
};

// The single-layer thickness of layer 1's product at which the pipe loses (Tm - Ta) uLimit
// per metre, times 1.5. A search that steps past 2 m, whose start or step has no value, or
// that started beyond 2 m and found nothing, shows 62513; one that cannot settle shows 36.
// Either way it reports 0 mm, not found.
RequiredThickness RequiredThicknessForU(const CVarmeTapModul& module, const PhysicsInput& in, float uLimit,
                                        Messages& messages);

}  // namespace kelvora
