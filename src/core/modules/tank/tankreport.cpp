#include "core/modules/tank/tankreport.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/framework/moduleindex.h"
#include "core/modules/common/outerrows.h"
#include "core/modules/tank/tanktempmodul.h"
#include "core/report/reportlists.h"
#include "core/report/tablerows.h"

namespace kelvora {

namespace {

constexpr float kGraphTop = 110.0f;  // mm, before the first calculation
constexpr float kGraphWidth = 125.0f;
constexpr float kGraphHeight = 70.0f;
constexpr Colour kCurveColour = 0xFF0000;

constexpr int kGraphTexts[] = {ids::kTankGraphTitle, ids::kTankGraphAxisTemperature, ids::kGraphAxisTime};
constexpr int kCurves[] = {ids::kTankCurve, 0};
constexpr Colour kCurveColours[] = {kCurveColour, 0};

constexpr int kResultTitles[] = {ids::kTankTitle, ids::kHlResults, 0};
constexpr int kInputTitles[] = {ids::kTankTitle, ids::kHlInput, 0};

void SetUp(CTabell& table, std::span<const int> titles) {
  table.Setup(kTableLeft, kTableTop, kTableColumnGap, kTableRowGap, "%.1f", titles, {}, titles, {}, {},
              kTableMinWidth);
}

// Tick steps of the time axis by the end of the curve (h).
float TimeStep(float end) {
  constexpr std::pair<float, float> kSteps[] = {{20, 1},   {40, 2},     {80, 5},     {160, 10},  {320, 20},
                                                {640, 50}, {1280, 100}, {2540, 200}, {5080, 500}};
  for (const auto& [below, step] : kSteps) {
    if (end < below) return step;
  }
  return 1000.0f;
}

// Tick steps of the temperature axis by the range the curve spans (K).
float TemperatureStep(float range) {
  constexpr std::pair<float, float> kSteps[] = {{20, 2}, {50, 5}, {100, 10}, {200, 20}, {500, 50}};
  for (const auto& [below, step] : kSteps) {
    if (range < below) return step;
  }
  return 100.0f;
}

void FillGraph(CGraph& graph, const TankResult& r) {
  const float end = r.curveTimes.back();
  const auto [low, high] = std::minmax_element(r.curveTemperatures.begin(), r.curveTemperatures.end());
  const float yStep = TemperatureStep(*high - *low);
  graph.SetScale(TimeStep(end), yStep, 1, 1);
  const GraphRanges ranges{0.0f, (std::trunc(*low / yStep) - 1.0f) * yStep, 1.125f * end,
                           (std::trunc(*high / yStep) + 1.0f) * yStep};
  const int counts[] = {static_cast<int>(r.curveTimes.size())};
  const std::vector<float> xs[] = {{r.curveTimes.begin(), r.curveTimes.end()}};
  const std::vector<float> ys[] = {{r.curveTemperatures.begin(), r.curveTemperatures.end()}};
  graph.SetData(ranges, counts, xs, ys);
}

void ResultRows(TableRows& rows, const CTankTempModul& m, const TankResult& r) {
  if (m.mode == static_cast<std::int32_t>(TankMode::GivenEndTemperature)) {
    rows.Add(ids::kTankStorageTime, "%.1f h", r.coolingTime);
  } else {
    rows.Add(ids::kTankEndTemperature, "%.1f °C", r.endTemperature);
  }
  rows.Add(ids::kTankSurfaceTemperature, "%.1f °C", r.surfaceTemperature);
  rows.Add(ids::kHlOuterCoefficient, "%.1f W/m2K", r.outerCoefficient);
  rows.Add(ids::kTankArea, "%.2f m2", r.shell.area);
  rows.Add(ids::kTankVolume, "%.3f m3", r.shell.volume);
  rows.Add(ids::kTankEnergy, "%.1f kWh", r.energy);
  rows.Add(ids::kTankInitialHeatLoss, "%.0f W", r.initialHeatLoss);
  if (r.freezingTime) rows.Add(ids::kTankFreezingReachedAfter, "%.1f h", *r.freezingTime);
}

void InputRows(TableRows& rows, const CTankTempModul& m) {
  switch (static_cast<TankShape>(m.shape)) {
    case TankShape::Cylindrical:
      rows.AddTexts(ids::kTankShape, ids::kTankCylindrical);
      rows.Add(ids::kTankDiameter, "%.2f m", m.diameter);
      rows.Add(ids::kTankLength, "%.2f m", m.length);
      break;
    case TankShape::Spherical:
      rows.AddTexts(ids::kTankShape, ids::kTankSpherical);
      rows.Add(ids::kTankDiameter, "%.2f m", m.diameter);
      break;
    default:
      rows.AddTexts(ids::kTankShape, ids::kTankRectangular);
      rows.Add(ids::kTankHeight, "%.2f m", m.height);
      rows.Add(ids::kTankWidth, "%.2f m", m.width);
      rows.Add(ids::kTankDepth, "%.2f m", m.depth);
      break;
  }
  rows.AddTexts(ids::kRunProduct, m.insulation.Description(false), m.insulation.Description(true));
  rows.Add(ids::kHlThickness, "%.1f mm", m.insulation.Thickness());
  OuterSurfaceRows(rows, m.environment, m.userEmissivityOn ? nullptr : m.Surface(), m.userEmissivity);
  const CVeske* liquid = m.userDefinedLiquid ? nullptr : m.Liquid();
  if (liquid) {
    rows.AddTexts(ids::kRunMedium, liquid->name, liquid->secondName);
  } else {
    rows.AddTexts(ids::kRunMedium, ids::kRunUserMedium);
  }
  rows.Add(ids::kRunDensity, "%.0f kg/m3", liquid ? liquid->density : m.liquidDensity);
  rows.Add(ids::kRunHeatCapacity, "%.0f J/kgK", liquid ? liquid->heatCapacity : m.liquidHeatCapacity);
  rows.Add(ids::kRunFreezingPoint, "%.1f °C", liquid ? liquid->freezingPoint : m.liquidFreezingPoint);
  rows.Add(ids::kTankStartTemperature, "%.1f °C", m.startTemperature);
  if (m.mode == static_cast<std::int32_t>(TankMode::GivenEndTemperature)) {
    rows.Add(ids::kTankGivenEndTemperature, "%.1f °C", m.endTemperature);
  } else {
    rows.Add(ids::kTankCoolingTime, "%.1f h", m.storageTime);
  }
  rows.Add(ids::kHlAmbientTemperature, "%.1f °C", m.ambientTemperature);
  SurroundingsRows(rows, m.environment, m.windSpeed, m.userOuterCoefficient);
}

}  // namespace

TankReport::TankReport(const PageModel& pageModel)
    : results(pageModel), graph(pageModel), input(pageModel), page(pageModel) {}

void TankReport::Reset(ReportLists* lists) {
  Hide(lists);
  SetUp(results, kResultTitles);
  SetUp(input, kInputTitles);
  graph.Setup(kTableLeft, kGraphTop, kGraphWidth, kGraphHeight, kGraphTexts, kGraphTexts, kCurves, kCurves,
              kCurveColours, GraphFormats{"%.0f", "%.0f", "%.1f", "%.1f"}, true);
  results.helpTopic = "::/html/tank_rapport.htm";
  graph.helpTopic = "::/html/tank_rapport.htm";
  input.helpTopic = "::/html/tank_inputtabell.htm";
}

void TankReport::Show(const CTankTempModul& m, const TankResult& result, ReportLists* lists) {
  Hide(lists);
  TableRows resultRows(2);
  ResultRows(resultRows, m, result);
  resultRows.Into(results, kResultTitles);
  results.SetPosition(kTableLeft, kTableTop);

  const bool withGraph = m.mode != static_cast<std::int32_t>(TankMode::GivenEndTemperature);
  if (withGraph) {
    FillGraph(graph, result);
    graph.SetPosition(kTableLeft, results.GetBottomMm() + kReportItemGap);
  }

  TableRows inputRows(2);
  InputRows(inputRows, m);
  inputRows.Into(input, kInputTitles);
  // Below where the graph was last laid out, shown or not.
  float x = kTableLeft;
  PlaceBelow(input, page, x, graph.GetBottomMm() + kReportItemGap, kTableTop);

  if (!lists) return;
  lists->AddItem(ModuleIndex::Tank, results);
  if (withGraph) lists->AddItem(ModuleIndex::Tank, graph);
  lists->AddItem(ModuleIndex::Tank, input);
}

void TankReport::Hide(ReportLists* lists) {
  if (!lists) return;
  lists->RemoveItem(ModuleIndex::Tank, results);
  lists->RemoveItem(ModuleIndex::Tank, graph);
  lists->RemoveItem(ModuleIndex::Tank, input);
}

}  // namespace kelvora
