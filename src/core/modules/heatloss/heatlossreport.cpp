#include "core/modules/heatloss/heatlossreport.h"

#include <string>
#include <vector>

#include "core/framework/cformat.h"
#include "core/framework/moduleindex.h"
#include "core/framework/stringtable.h"
#include "core/modules/common/objectrows.h"
#include "core/modules/heatloss/calculationtypes.h"
#include "core/modules/heatloss/savings.h"
#include "core/modules/heatloss/thicknesscurve.h"
#include "core/modules/heatloss/varmetapmodul.h"
#include "core/report/curveset.h"
#include "core/report/pagemodel.h"
#include "core/report/reportlists.h"
#include "core/report/tablerows.h"

namespace kelvora {

namespace {

constexpr float kLeft = 20.0f;        // mm
constexpr float kResultsTop = 65.0f;  // mm, also the top of a continued page
constexpr float kInputTop = 20.0f;    // mm
constexpr float kColumnGap = 4.0f;
constexpr float kRowGap = 2.0f;
constexpr float kMinWidth = 170.0f;
constexpr float kVerdictGap = 5.0f;
constexpr float kItemGap = 10.0f;
constexpr float kGraphPlotHeight = 40.0f;  // mm

constexpr int kResultTitles[] = {ids::kHlTitle, ids::kHlResults, 0};
constexpr int kStandardTitles[] = {ids::kHlTitle, ids::kHlThicknessNeededHeading, ids::kHlStandardHeading, 0};
constexpr int kInputTitles[] = {ids::kHlTitle, ids::kHlInput, 0};

constexpr Colour kCurveColour = Rgb(0, 0, 255);
constexpr Colour kThicknessColour = Rgb(0, 128, 0);
constexpr Colour kStandardColour = Rgb(255, 128, 0);
constexpr Colour kRequirementColour = Rgb(192, 0, 0);
constexpr int kThicknessParts = 10;
constexpr int kValueParts = 8;
constexpr const char* kGraphHelpTopic = "::/html/varmetap_graf.htm";

bool IsDuct(int kind) { return kind >= 1 && kind <= 3; }
bool IsPlaneKind(int kind) { return kind == 4 || kind == 5; }

const char* FlowFormat(int kind) { return IsPlaneKind(kind) ? "%.1f W/m2" : "%.1f W/m"; }
const char* TransmittanceFormat(int kind) { return IsPlaneKind(kind) ? "%.2f W/m2K" : "%.2f W/mK"; }
int TransmittanceLabel(int kind) {
  return IsPlaneKind(kind) ? ids::kHlTransmittancePlane : ids::kHlTransmittancePipe;
}

float LambdaOfLayer1(const CVarmeTapModul& m, float t) {
  const CIsoProdukt* product = m.layers[0].Product();
  return product ? product->LambdaAt(t) : 0.0f;
}

// The bare object's loss, its label carrying the emissivity it was computed with.
void AddBareRow(TableRows& rows, const CVarmeTapModul& m, const std::vector<std::string>& cells) {
  rows.AddLabelled(FormatC(Cz(ids::kHlBare), {m.bareEmissivity}),
                   FormatC(En(ids::kHlBare), {m.bareEmissivity}), cells, cells);
}

void AddCostRow(TableRows& rows, int label, const CVarmeTapModul& m, float cost) {
  rows.Add(label, rows.Repeat(FormatC(Cz(ids::kFormatCostPerYear), {cost, m.currency})),
           rows.Repeat(FormatC(En(ids::kFormatCostPerYear), {cost, m.currency})));
}

void GivenThicknessRows(TableRows& rows, const CVarmeTapModul& m, const HeatLossResult& r,
                        const SavingsResult& s) {
  const int kind = m.objectKind;
  const int layerCount = 1 + (m.layer2On ? 1 : 0) + (m.layer3On ? 1 : 0);
  const HeatFlowSolution& f = r.flow;
  rows.Add(ids::kHlSurfaceTemperature, "%.1f °C", f.ts);
  if (layerCount >= 2) rows.Add(ids::kHlTemperature12, "%.1f °C", f.t12);
  if (layerCount == 3) rows.Add(ids::kHlTemperature23, "%.1f °C", f.t23);
  rows.Add(ids::kHlHeatLoss, FlowFormat(kind), s.qWithHangers);
  rows.Add(TransmittanceLabel(kind), TransmittanceFormat(kind), s.transmittance);
  if (layerCount == 1) {
    rows.Add(ids::kHlLambda, "%.3f W/mK", LambdaOfLayer1(m, (f.ti + f.ts) / 2.0f));
  } else {
    constexpr int kLambdas[] = {ids::kHlLambda1, ids::kHlLambda2, ids::kHlLambda3};
    for (int k = 0; k < layerCount; ++k)
      rows.Add(kLambdas[k], "%.3f W/mK", f.lambdas[static_cast<std::size_t>(k)]);
  }
  rows.Add(ids::kHlOuterCoefficient, "%.1f W/m2K", f.ho);
  if (IsDuct(kind)) {
    rows.Add(ids::kHlInnerCoefficient, "%.1f W/m2K", f.hi);
    rows.Add(ids::kHlInnerSurfaceTemperature, "%.1f °C", f.ti);
  }
  rows.Add(ids::kHlTotal, "%.0f W", s.total);
  if (s.ShowsAuxiliaryRows()) {
    rows.Add(ids::kHlAuxiliary, "%.0f W", s.auxLoss);
    rows.Add(ids::kHlTotalWithAuxiliary, "%.0f W", s.TotalWithAuxiliary());
  }
  if (m.energyCalculationOn) {
    rows.Add(ids::kHlEnergy, ids::kFormatEnergyPerYear, s.energy);
    AddCostRow(rows, ids::kHlEnergyCost, m, s.cost);
  }
  AddBareRow(rows, m, rows.Repeat(FormatC(FlowFormat(kind), {s.bareQ})));
  rows.Add(ids::kHlBareTotal, "%.0f W", s.bareTotal);
  rows.Add(ids::kHlSaving, "%.0f %%", s.savingPercent);
  if (!IsPlaneKind(kind)) {
    if (layerCount == 1) {
      rows.Add(ids::kHlAmount, "%.2f m2", s.amounts.empty() ? 0.0f : s.amounts[0]);
    } else {
      constexpr int kAmounts[] = {ids::kHlAmount1, ids::kHlAmount2, ids::kHlAmount3};
      for (std::size_t k = 0; k < s.amounts.size() && k < 3; ++k)
        rows.Add(kAmounts[k], "%.2f m2", s.amounts[k]);
    }
  }
  if (m.energyCalculationOn) {
    rows.Add(ids::kHlBareEnergy, ids::kFormatEnergyPerYear, s.bareEnergy);
    AddCostRow(rows, ids::kHlBareEnergyCost, m, s.bareCost);
    rows.Add(ids::kHlCo2Saved, ids::kFormatKgPerYear, s.co2Saved);
  }
}

void FoundThicknessRows(TableRows& rows, const CVarmeTapModul& m, const HeatLossResult& r,
                        const SavingsResult& s) {
  const int kind = m.objectKind;
  const HeatFlowSolution& f = r.flow;
  rows.Add(ids::kHlThicknessNeeded, "%.1f mm", r.thickness * 1000.0f);
  if (r.standardRow) rows.AddTexts(ids::kHlClosestStandard, ids::kLargerThanMaxStandardThickness);
  rows.Add(ids::kHlHeatLoss, FlowFormat(kind), f.q);
  rows.Add(TransmittanceLabel(kind), TransmittanceFormat(kind), s.transmittance);
  rows.Add(ids::kHlOuterCoefficient, "%.1f W/m2K", f.ho);
  if (IsDuct(kind)) {
    rows.Add(ids::kHlInnerCoefficient, "%.1f W/m2K", f.hi);
    rows.Add(ids::kHlInnerSurfaceTemperature, "%.1f °C", f.ti);
  }
  if (r.thickness > 0.0f) {
    rows.Add(ids::kHlLambda, "%.3f W/mK", LambdaOfLayer1(m, (m.mediumTemperature + f.ts) / 2.0f));
  }
  AddBareRow(rows, m, rows.Repeat(FormatC(FlowFormat(kind), {s.bareQ})));
}

// The found thickness beside the product's next standard one.
void StandardThicknessRows(TableRows& rows, const CVarmeTapModul& m, const HeatLossResult& r,
                           const SavingsResult& s) {
  const int kind = m.objectKind;
  const HeatFlowSolution& f = r.flow;
  const HeatFlowSolution& st = *r.atStandardThickness;
  const auto both = [&](int label, std::string_view format, float found, float standard) {
    const std::vector<std::string> cells{FormatC(format, {found}), FormatC(format, {standard})};
    rows.Add(label, cells, cells);
  };
  const auto saving = [&](float q) { return s.bareQ != 0.0f ? (1.0f - q / s.bareQ) * 100.0f : 0.0f; };
  both(ids::kHlThickness, "%.1f mm", r.thickness * 1000.0f, *r.standardThickness);
  both(ids::kHlSurfaceTemperature, "%.1f °C", f.ts, st.ts);
  both(ids::kHlHeatLoss, FlowFormat(kind), f.q, st.q);
  both(TransmittanceLabel(kind), TransmittanceFormat(kind),
       Transmittance(f.q, m.mediumTemperature, m.ambientTemperature),
       Transmittance(st.q, m.mediumTemperature, m.ambientTemperature));
  both(ids::kHlLambda, "%.3f W/mK", LambdaOfLayer1(m, (f.ti + f.ts) / 2.0f),
       LambdaOfLayer1(m, (st.ti + st.ts) / 2.0f));
  both(ids::kHlOuterCoefficient, "%.1f W/m2K", f.ho, st.ho);
  if (IsDuct(kind)) {
    both(ids::kHlInnerCoefficient, "%.1f W/m2K", st.hi, st.hi);
    both(ids::kHlInnerSurfaceTemperature, "%.1f °C", f.ti, st.ti);
  }
  AddBareRow(rows, m, {FormatC(FlowFormat(kind), {s.bareQ}), "-"});
  both(ids::kHlSaving, "%.0f %%", saving(f.q), saving(st.q));
  if (IsDuct(kind)) both(ids::kHlInnerCoefficient, "%.1f W/m2K", st.hi, st.hi);
}

// Degree-hours below the first band: the bare object.
void NoRequirementRows(TableRows& rows, const CVarmeTapModul& m, const HeatLossResult& r,
                       const SavingsResult& s) {
  rows.Add(ids::kHlSurfaceTemperature, "%.1f °C", m.mediumTemperature);
  rows.Add(ids::kHlThicknessNeeded, "%.1f mm", 0.0f);
  rows.Add(ids::kHlOuterCoefficient, "%.1f W/m2K", r.flow.ho);
  rows.Add(ids::kHlTotal, "%.0f W", s.bareTotal);
  rows.Add(ids::kHlEnergy, ids::kFormatEnergyPerYear, s.bareEnergy);
  if (m.energyCalculationOn) AddCostRow(rows, ids::kHlEnergyCost, m, s.bareCost);
  if (IsDuct(m.objectKind)) rows.Add(ids::kHlInnerCoefficient, "%.1f W/m2K", r.flow.hi);
}

void InputRows(TableRows& rows, const CVarmeTapModul& m) {
  const int kind = std::clamp(m.objectKind, 0, 5);
  ObjectRows(rows, ids::kHlObjectType, kind, m.diameter, m.height, m.width);
  if (IsPlaneKind(kind)) {
    rows.Add(kind == 4 ? ids::kHlArea : ids::kHlAreaInside, "%.2f m2", m.area);
  } else {
    rows.Add(LengthLabel(kind), "%.2f m", m.length);
  }
  switch (m.calculationType) {
    case 0: {
      rows.AddTexts(ids::kHlCalculationType, ids::kHlGivenThickness);
      rows.Add(ids::kHlLayer1Thickness, "%.1f mm", m.layers[0].Thickness());
      if (m.layer2On) rows.Add(ids::kHlLayer2Thickness, "%.1f mm", m.layers[1].Thickness());
      if (m.layer3On) rows.Add(ids::kHlLayer3Thickness, "%.1f mm", m.layers[2].Thickness());
      break;
    }
    case 1:
      rows.AddTexts(ids::kHlCalculationType, ids::kHlGivenSurfaceTemperature);
      rows.Add(ids::kHlMaxSurfaceTemperature, "%.1f °C", m.surfaceTemperature);
      break;
    case 2: {
      rows.AddTexts(ids::kHlCalculationType, ids::kHlGivenHeatLoss);
      const bool perSquareMetre = m.heatLossUnit == 1;
      rows.Add(ids::kHlMaxHeatLoss, perSquareMetre ? "%.1f W/m2" : "%.1f W/m",
               perSquareMetre ? m.maxHeatLossPerSquareMetre : m.maxHeatLossPerMetre);
      break;
    }
    default:
      rows.AddTexts(ids::kHlCalculationType, ids::kHlDegreeHours);
      break;
  }
  rows.AddTexts(ids::kHlProduct1, m.layers[0].Description(false), m.layers[0].Description(true));
  if (m.calculationType == 0) {
    if (m.layer2On)
      rows.AddTexts(ids::kHlProduct2, m.layers[1].Description(false), m.layers[1].Description(true));
    if (m.layer3On)
      rows.AddTexts(ids::kHlProduct3, m.layers[2].Description(false), m.layers[2].Description(true));
  }
  if (m.environment != 2) {
    if (m.surfaceMode == 1 || !m.Surface()) {
      rows.AddTexts(ids::kHlOuterSurface, ids::kHlUserSurface);
    } else {
      rows.AddTexts(ids::kHlOuterSurface, m.Surface()->name, m.Surface()->secondName);
    }
    rows.Add(ids::kHlEmissivity, "%.2f", ModulePhysicsInput(m).emissivity);
  }
  if ((kind == 3 || kind == 5) && m.innerSurfaceOn && m.InnerSurface()) {
    rows.AddTexts(ids::kHlInnerSurface, m.InnerSurface()->name, m.InnerSurface()->secondName);
  }
  rows.Add(ids::kHlMediumTemperature, "%.1f °C", m.mediumTemperature);
  rows.Add(ids::kHlAmbientTemperature, "%.1f °C", m.ambientTemperature);
  switch (m.environment) {
    case 0:
      rows.AddTexts(ids::kHlSurroundings, ids::kHlIndoors);
      break;
    case 1:
      rows.AddTexts(ids::kHlSurroundings, ids::kHlOutdoors);
      rows.Add(ids::kHlWindSpeed, "%.1f m/s", m.windSpeed);
      break;
    default:
      rows.AddTexts(ids::kHlSurroundings, ids::kHlUserCoefficient);
      rows.Add(ids::kHlCoefficient, "%.1f", m.userSurfaceCoefficient);
      break;
  }
  if (kind == 0 && m.equipmentOn && m.calculationType == 0) {
    for (const auto& entry : m.equipment) rows.AddTexts(ids::kHlEquipment, entry->name, entry->EnglishName());
  }
  if (m.energyCalculationOn || m.calculationType == 3) {
    rows.Add(ids::kHlOperatingHours, ids::kFormatHoursPerYear, m.operatingHours);
  }
  if (m.energyCalculationOn) {
    rows.Add(ids::kHlEnergyPrice, PricePerKwh(m.energyPrice, m.currency));
    rows.Add(ids::kHlCo2Emission, "%.0f g/kWh", m.co2Factor);
    rows.Add(ids::kHlCurrency, m.currency);
  }
  if (kind == 1 || kind == 2) {
    constexpr const char* kFlowFormats[] = {"%.0f m3/h", "%.0f l/s", "%.2f m/s"};
    rows.Add(ids::kHlAirFlow, kFlowFormats[std::clamp(m.flowUnit, 0, 2)], m.flowValue);
  }
  rows.AddTexts(HangersLabel(kind), m.hangersOn ? ids::kYes : ids::kNo);
}

// Both graphs mark the thickness computed (or given) and the next standard one.
void AddThicknessMarks(CurveSet& curves, const CVarmeTapModul& m, const ThicknessCurve& c) {
  curves.AddVertical(m.calculationType == 0 ? ids::kHlGraphGivenThickness : ids::kHlGraphComputedThickness,
                     kThicknessColour, c.marked, "%.1f");
  if (c.standard) curves.AddVertical(ids::kHlGraphStandardThickness, kStandardColour, *c.standard, "%.1f");
}

// The bare object's value runs far off the scale of the insulated ones: the range starts at a
// quarter of the marked thickness, and the legend gives the value at none. Both graphs share
// a page.
GraphLook ThicknessLook(const int (&texts)[3], const ThicknessCurve& c) {
  GraphLook look{texts};
  look.plotHeightMm = kGraphPlotHeight;
  look.yRangeFromX = c.marked / 4.0f;
  look.keptAboveLowestFifthAtX = c.marked;
  return look;
}

void AddBareValue(CurveSet& curves, const ThicknessCurve& c, const std::vector<float>& values,
                  const char* format) {
  if (c.thicknesses.empty() || c.thicknesses.front() != 0.0f) return;
  const auto in = [&](Language language) {
    return FormatC(LoadResourceString(ids::kGraphNoInsulation, language),
                   {NumberText(format, values.front(), language)});
  };
  curves.AddNote({in(Language::Czech), in(Language::English)}, kCurveColour);
}

void FillLossGraph(CGraph& graph, const CVarmeTapModul& m, const ThicknessCurve& c) {
  const bool plane = IsPlaneKind(m.objectKind);
  const int texts[] = {ids::kHlGraphLossTitle,
                       plane ? ids::kHlGraphAxisPerSquareMetre : ids::kHlGraphAxisPerMetre,
                       ids::kHlGraphAxisThickness};
  CurveSet curves;
  curves.Add(ids::kHlHeatLoss, kCurveColour, c.thicknesses, c.heatLoss);
  AddThicknessMarks(curves, m, c);
  AddBareValue(curves, c, c.heatLoss, plane ? "%.1f W/m2" : "%.1f W/m");
  curves.Into(graph, ThicknessLook(texts, c), kThicknessParts, kValueParts);
}

void FillSurfaceGraph(CGraph& graph, const CVarmeTapModul& m, const ThicknessCurve& c) {
  const int texts[] = {ids::kHlGraphSurfaceTitle, ids::kHlGraphAxisSurfaceTemperature,
                       ids::kHlGraphAxisThickness};
  CurveSet curves;
  curves.Add(ids::kHlSurfaceTemperature, kCurveColour, c.thicknesses, c.surfaceTemperatures);
  AddThicknessMarks(curves, m, c);
  if (m.calculationType == 1) {
    curves.AddLevel(ids::kHlGraphMaxSurfaceTemperature, kRequirementColour, m.surfaceTemperature, "%.1f",
                    kLevelReach);
  }
  AddBareValue(curves, c, c.surfaceTemperatures, "%.1f °C");
  curves.Into(graph, ThicknessLook(texts, c), kThicknessParts, kValueParts);
}

}  // namespace

HeatLossReport::HeatLossReport(const PageModel& pageModel)
    : results(pageModel),
      verdict(pageModel),
      note(pageModel),
      input(pageModel),
      clearance(pageModel),
      lossGraph(pageModel),
      surfaceGraph(pageModel),
      page(pageModel) {
  results.helpTopic = "::/html/varmetap_restabell.htm";
  input.helpTopic = "::/html/varmetap_inputtabell.htm";
  verdict.helpTopic = kRegulationHelpTopic;
  note.helpTopic = kRegulationHelpTopic;
  lossGraph.helpTopic = kGraphHelpTopic;
  surfaceGraph.helpTopic = kGraphHelpTopic;
}

void HeatLossReport::Reset(ReportLists* lists) {
  const std::span<const int> none;
  const std::span<const float> noValues;
  results.Setup(kLeft, kResultsTop, kColumnGap, kRowGap, "%.1f", kResultTitles, none, kResultTitles, none,
                noValues, kMinWidth);
  input.Setup(kLeft, kInputTop, kColumnGap, kRowGap, "%.1f", kInputTitles, none, kInputTitles, none, noValues,
              kMinWidth);
  clearance.SetPosition(kLeft, kResultsTop);
  Hide(lists);
}

template <class Item>
void HeatLossReport::PlaceBelow(Item& item, float x, float top) {
  item.SetPosition(x, top);
  if (item.GetBottomMm() + kItemGap > static_cast<float>(page.PageHeightMm())) {
    item.SetPosition(x + static_cast<float>(page.PageWidthMm()), kResultsTop);
  }
}

void HeatLossReport::Show(const CVarmeTapModul& m, const HeatLossResult& result, const SavingsResult& savings,
                          const RegulationVerdict& check, ReportLists* lists) {
  const bool threeColumns = result.standardRow && result.standardThickness && result.atStandardThickness;
  TableRows rows(threeColumns ? 3 : 2);
  if (m.calculationType == 0) {
    GivenThicknessRows(rows, m, result, savings);
  } else if (result.noRequirement) {
    NoRequirementRows(rows, m, result, savings);
  } else if (threeColumns) {
    StandardThicknessRows(rows, m, result, savings);
  } else {
    FoundThicknessRows(rows, m, result, savings);
  }
  rows.Into(results,
            threeColumns ? std::span<const int>(kStandardTitles) : std::span<const int>(kResultTitles));
  results.SetPosition(kLeft, kResultsTop);

  float below = results.GetBottomMm();
  if (check.placed) {
    verdict.SetContent(check.verdictCzech, check.verdictEnglish, check.colour, kLeft, below + kVerdictGap);
    note.SetContent(check.noteCzech, check.noteEnglish, kReportTextColour, kLeft,
                    verdict.GetBottomMm() + kVerdictGap);
    below = note.GetBottomMm();
  }

  TableRows inputRows(2);
  InputRows(inputRows, m);
  inputRows.Into(input, kInputTitles);
  PlaceBelow(input, kLeft, below + kItemGap);

  const bool withClearance = m.objectKind >= 0 && m.objectKind <= 2;
  if (withClearance) {
    const ObjectGeometry& g = result.atStandardThickness ? result.standardGeometry : result.geometry;
    const float outer = m.objectKind == 2 ? std::max(g.outerWidth, g.outerHeight) : g.outerDiameter;
    clearance.SetData(m.objectKind, outer, g.outerWidth, g.outerHeight);
    PlaceBelow(clearance, input.x, input.GetBottomMm() + kItemGap);
  }

  const auto curve = ThicknessCurveOf(m, result);
  if (curve) {
    FillLossGraph(lossGraph, m, *curve);
    FillSurfaceGraph(surfaceGraph, m, *curve);
    if (withClearance) {
      PlaceBelow(lossGraph, clearance.x, clearance.GetBottomMm() + kItemGap);
    } else {
      PlaceBelow(lossGraph, input.x, input.GetBottomMm() + kItemGap);
    }
    PlaceBelow(surfaceGraph, lossGraph.x, lossGraph.GetBottomMm() + kItemGap);
  }

  Hide(lists);
  if (!lists) return;
  lists->AddItem(ModuleIndex::HeatLoss, results);
  if (check.placed) {
    lists->AddItem(ModuleIndex::HeatLoss, verdict);
    lists->AddItem(ModuleIndex::HeatLoss, note);
  }
  lists->AddItem(ModuleIndex::HeatLoss, input);
  if (withClearance) lists->AddItem(ModuleIndex::HeatLoss, clearance);
  if (curve) {
    lists->AddItem(ModuleIndex::HeatLoss, lossGraph);
    lists->AddItem(ModuleIndex::HeatLoss, surfaceGraph);
  }
}

void HeatLossReport::Hide(ReportLists* lists) {
  if (!lists) return;
  const CGraphicsItem* const items[] = {&results,   &verdict,   &note,        &input,
                                        &clearance, &lossGraph, &surfaceGraph};
  for (const CGraphicsItem* item : items) lists->RemoveItem(ModuleIndex::HeatLoss, *item);
}

}  // namespace kelvora
