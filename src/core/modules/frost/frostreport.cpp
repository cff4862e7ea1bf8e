#include "core/modules/frost/frostreport.h"

#include "core/framework/moduleindex.h"
#include "core/modules/common/outerrows.h"
#include "core/modules/frost/frostmodul.h"
#include "core/report/curveset.h"
#include "core/report/reportlists.h"
#include "core/report/tablerows.h"

namespace kelvora {

namespace {

constexpr float kInputTop = 120.0f;  // mm, before the first calculation
constexpr int kMatInsulation = 0;    // the clearance drawing of a pipe

constexpr int kResultTitles[] = {ids::kFrostTitle, ids::kHlResults, 0};
constexpr int kInputTitles[] = {ids::kFrostTitle, ids::kHlInput, 0};
constexpr int kGraphTexts[] = {ids::kFrostGraphTitle, ids::kFrostGraphAxisTemperature, ids::kGraphAxisTime};
// Points of the cooling phase; the freezing plateau adds its end.
constexpr int kCoolingSteps = 20;
constexpr Colour kCurveColour = Rgb(0, 0, 255);
constexpr Colour kCoolingEndColour = Rgb(0, 128, 0);
constexpr Colour kDamageRiskColour = Rgb(192, 0, 0);
constexpr Colour kAmbientColour = Rgb(128, 128, 128);

void SetUp(CTabell& table, std::span<const int> titles, float top) {
  table.Setup(kTableLeft, top, kTableColumnGap, kTableRowGap, "%.1f", titles, {}, titles, {}, {},
              kTableMinWidth);
}

void ResultRows(TableRows& rows, const FrostResult& r) {
  rows.Add(ids::kFrostCoolingTime, "%.1f h", r.coolingTime);
  rows.Add(ids::kFrostFreezingTime, "%.1f h", r.freezingTime);
  rows.Add(ids::kFrostTotalTime, "%.1f h", r.TotalTime());
  rows.Add(ids::kFrostHeating, "%.1f W/m", r.heating);
  rows.Add(ids::kRunOuterCoefficient, "%.1f W/m2K", r.outerCoefficient);
  rows.Add(ids::kHlLambda, "%.3f W/mK", r.lambda);
}

void InputRows(TableRows& rows, const CFrostModul& m) {
  rows.Add(ids::kFrostPipeDiameter, "%.1f mm", m.pipeDiameter);
  rows.Add(ids::kFrostWallThickness, "%.1f mm", m.wallThickness);
  rows.AddTexts(ids::kRunProduct, m.insulation.Description(false), m.insulation.Description(true));
  rows.Add(ids::kHlThickness, "%.1f mm", m.insulation.Thickness());
  OuterSurfaceRows(rows, m.environment, m.ownEmissivity ? nullptr : m.Surface(), m.emissivity);
  rows.Add(ids::kTankStartTemperature, "%.1f °C", m.startTemperature);
  rows.Add(ids::kFrostPercentageFrozen, "%.0f %%", m.percentageFrozen);
  rows.Add(ids::kHlAmbientTemperature, "%.1f °C", m.ambientTemperature);
  SurroundingsRows(rows, m.environment, m.windSpeed, m.userCoefficient);
}

void FillGraph(CGraph& graph, const CFrostModul& m, const FrostResult& r) {
  std::vector<float> hours;
  std::vector<float> temperatures;
  const int steps = r.coolingTime > 0.0f ? kCoolingSteps : 0;
  for (int i = 0; i <= steps; ++i) {
    const float t = i == steps ? r.coolingTime : r.coolingTime * static_cast<float>(i) / kCoolingSteps;
    hours.push_back(t);
    temperatures.push_back(WaterTemperature(m, r, t));
  }
  if (r.TotalTime() > r.coolingTime) {
    hours.push_back(r.TotalTime());
    temperatures.push_back(WaterTemperature(m, r, r.TotalTime()));
  }
  CurveSet curves;
  curves.Add(ids::kFrostGraphCurve, kCurveColour, std::move(hours), std::move(temperatures));
  curves.AddVertical(ids::kFrostGraphCoolingEnd, kCoolingEndColour, r.coolingTime, "%.1f");
  curves.AddVertical(ids::kFrostGraphDamageRisk, kDamageRiskColour, r.TotalTime(), "%.1f");
  curves.AddLevel(ids::kFrostGraphAmbient, kAmbientColour, m.ambientTemperature, "%.1f");
  curves.Into(graph, {kGraphTexts}, 10, 8);
}

}  // namespace

FrostReport::FrostReport(const PageModel& pageModel)
    : resultTable(pageModel), inputTable(pageModel), clearance(pageModel), graph(pageModel), page(pageModel) {
  resultTable.helpTopic = "::/html/frost_restabell.htm";
  inputTable.helpTopic = "::/html/frost_inputtabell.htm";
  graph.helpTopic = "::/html/frost_graf.htm";
}

void FrostReport::Reset(ReportLists* lists) {
  Hide(lists);
  SetUp(resultTable, kResultTitles, kTableTop);
  SetUp(inputTable, kInputTitles, kInputTop);
  clearance.SetPosition(kTableLeft, kTableTop);
}

void FrostReport::Show(const CFrostModul& m, const FrostResult& result, ReportLists* lists) {
  Hide(lists);
  TableRows resultRows(2);
  ResultRows(resultRows, result);
  resultRows.Into(resultTable, kResultTitles);
  resultTable.SetPosition(kTableLeft, kTableTop);

  TableRows inputRows(2);
  InputRows(inputRows, m);
  inputRows.Into(inputTable, kInputTitles);
  float x = kTableLeft;
  const float below = PlaceBelow(inputTable, page, x, resultTable.GetBottomMm() + kReportItemGap, kTableTop);
  clearance.SetData(kMatInsulation, result.outerDiameter, 0.0f, 0.0f);
  const float belowClearance = PlaceBelow(clearance, page, x, below, kTableTop);
  FillGraph(graph, m, result);
  PlaceBelow(graph, page, x, belowClearance, kTableTop);

  if (!lists) return;
  lists->AddItem(ModuleIndex::Frost, resultTable);
  lists->AddItem(ModuleIndex::Frost, inputTable);
  lists->AddItem(ModuleIndex::Frost, clearance);
  lists->AddItem(ModuleIndex::Frost, graph);
}

void FrostReport::Hide(ReportLists* lists) {
  if (!lists) return;
  lists->RemoveItem(ModuleIndex::Frost, resultTable);
  lists->RemoveItem(ModuleIndex::Frost, inputTable);
  lists->RemoveItem(ModuleIndex::Frost, clearance);
  lists->RemoveItem(ModuleIndex::Frost, graph);
}

}  // namespace kelvora
