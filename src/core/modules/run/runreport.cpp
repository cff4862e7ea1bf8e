#include "core/modules/run/runreport.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>

#include "core/framework/moduleindex.h"
#include "core/modules/common/objectrows.h"
#include "core/modules/common/outerrows.h"
#include "core/modules/run/kanaltempmodul.h"
#include "core/report/curveset.h"
#include "core/report/pagemodel.h"
#include "core/report/reportlists.h"
#include "core/report/tablerows.h"

namespace kelvora {

namespace {

constexpr int kLiquidResultTitles[] = {ids::kRunSectionName, ids::kRunOutletTemperature, ids::kHlHeatLoss,
                                       ids::kRunOuterCoefficient, 0};
constexpr int kAirResultTitles[] = {ids::kRunSectionName,      ids::kRunOutletTemperature, ids::kHlHeatLoss,
                                    ids::kRunOuterCoefficient, ids::kHlInnerCoefficient,   0};
constexpr int kEnergyTitles[] = {ids::kRunEnergyTitle, ids::kHlResults, 0};
constexpr int kHeatLossTitles[] = {ids::kRunHeatLossTitle, ids::kHlResults, 0};
constexpr int kInsulationTitles[] = {ids::kRunSectionName, ids::kRunRequiredInsulation, 0};
constexpr int kInputTitles[] = {ids::kRunInputTitle, ids::kHlInput, 0};
constexpr int kSectionTitles[] = {ids::kRunSectionTitle, ids::kHlInput, 0};

constexpr const char* kResultsTopic = "::/html/kanal_rapport.htm";
constexpr const char* kInputTopic = "::/html/kanal_inputtabell.htm";
constexpr const char* kGraphTopic = "::/html/kanal_graf.htm";

constexpr float kGraphWidth = 125.0f;  // mm
constexpr float kGraphHeight = 70.0f;
// Lines along a section; its exponential bends little between them.
constexpr int kPartsPerSection = 10;
// The medium temperatures are shown over at least this many kelvins.
constexpr float kLeastTemperatureSpan = 1.0f;
// Sections take these in turn, so that neighbours differ; the level is grey.
constexpr Colour kSectionColours[] = {Rgb(220, 0, 0),   Rgb(0, 130, 0),   Rgb(0, 0, 220),  Rgb(200, 0, 200),
                                      Rgb(230, 130, 0), Rgb(0, 150, 150), Rgb(130, 70, 0), Rgb(100, 0, 160)};
constexpr Colour kLevelColour = Rgb(128, 128, 128);

void SetUp(CTabell& table, std::span<const int> titles, float y) {
  table.Setup(kTableLeft, y, kTableColumnGap, kTableRowGap, "%.1f", titles, {}, titles, {}, {},
              kTableMinWidth);
}

void ResultRows(TableRows& rows, const CKanalTempModul& m, std::span<const RunSectionResult> results) {
  for (std::size_t i = 0; i < results.size(); ++i) {
    const RunSectionResult& r = results[i];
    // No outer coefficient is worked out where the medium stays at the ambient temperature.
    std::vector<std::string> cells{FormatC("%.1f °C", {r.outlet}), FormatC("%.1f W", {r.heatLoss}),
                                   r.outerCoefficient ? FormatC("%.1f W/m2K", {*r.outerCoefficient}) : "-"};
    if (m.isAir) cells.push_back(FormatC("%.1f W/m2K", {r.innerCoefficient}));
    const std::string& name = m.sections[i]->name;
    rows.AddLabelled(name, name, cells, cells);
  }
}

void EnergyRows(TableRows& rows, const CKanalTempModul& m, float total, float length) {
  rows.Add(ids::kRunTotalHeatLoss, "%.0f W", total);
  rows.Add(ids::kRunAverageHeatLoss, "%.1f W/m", length > 0.0f ? total / length : 0.0f);
  if (!m.energyCostOn) return;
  const float energy = total * m.operatingHours / 1000.0f;
  rows.Add(ids::kRunEnergyLoss, ids::kFormatEnergyPerYear, energy);
  const float cost = energy * m.energyPrice;
  rows.AddTexts(ids::kRunEnergyCost, FormatC(Cz(ids::kFormatCostPerYear), {cost, m.currency}),
                FormatC(En(ids::kFormatCostPerYear), {cost, m.currency}));
}

void InsulationRows(TableRows& rows, const CKanalTempModul& m) {
  float total = 0.0f;
  const auto add = [&](const std::string& cz, const std::string& en, float area) {
    rows.AddLabelled(cz, en, rows.Repeat(FormatC("%.2f m2", {area})),
                     rows.Repeat(FormatC("%.2f m2", {area})));
    total += area;
  };
  for (const auto& s : m.sections) {
    if (s->HasTwoLayers()) {
      add(s->name + Cz(ids::kRunLayer1Suffix), s->name + En(ids::kRunLayer1Suffix), s->InsulationArea(1));
      add(s->name + Cz(ids::kRunLayer2Suffix), s->name + En(ids::kRunLayer2Suffix), s->InsulationArea(2));
    } else {
      add(s->name, s->name, s->InsulationArea(1));
    }
  }
  rows.Add(ids::kRunTotalInsulation, FormatC("%.2f m2", {total}));
}

void ModuleInputRows(TableRows& rows, const CKanalTempModul& m) {
  if (m.isAir) {
    rows.AddTexts(ids::kRunMedium, ids::kRunAir);
  } else {
    const CVeske* liquid = m.userDefinedLiquid ? nullptr : m.Liquid();
    if (liquid) {
      rows.AddTexts(ids::kRunMedium, liquid->name, liquid->secondName);
    } else {
      rows.AddTexts(ids::kRunMedium, ids::kRunUserMedium);
    }
    rows.Add(ids::kRunDensity, "%.0f kg/m3", liquid ? liquid->density : m.liquidDensity);
    rows.Add(ids::kRunHeatCapacity, "%.0f J/kgK", liquid ? liquid->heatCapacity : m.liquidHeatCapacity);
    rows.Add(ids::kRunFreezingPoint, "%.1f °C", m.CheckedFreezingPoint().value_or(m.liquidFreezingPoint));
  }
  rows.Add(m.isAir ? ids::kRunInletTemperature : ids::kRunLiquidInletTemperature, "%.1f °C",
           m.inletTemperature);
  if (m.energyCostOn) {
    rows.Add(ids::kRunEnergyPrice, PricePerKwh(m.energyPrice, m.currency));
    rows.Add(ids::kRunOperatingHours, ids::kFormatHoursPerYear, m.operatingHours);
  }
}

void SectionInputRows(TableRows& rows, const CSegment& s) {
  const std::int32_t kind = std::clamp(s.kind, 0, 3);
  rows.Add(ids::kRunSectionName, s.name);
  ObjectRows(rows, ids::kRunKind, kind, s.diameter, s.height, s.width);
  rows.Add(LengthLabel(kind), "%.2f m", s.length);
  const bool pipe = s.kind == CSegment::kPipe;
  if (s.bare) {
    rows.Add(pipe ? ids::kRunBarePipe : ids::kRunBare, "-/-");
  } else if (s.HasTwoLayers()) {
    rows.AddTexts(ids::kRunProduct1, s.layer1.Description(false), s.layer1.Description(true));
    rows.Add(ids::kRunThickness1, "%.1f mm", s.layer1.Thickness());
    rows.AddTexts(ids::kRunProduct2, s.layer2.Description(false), s.layer2.Description(true));
    rows.Add(ids::kRunThickness2, "%.1f mm", s.layer2.Thickness());
  } else {
    rows.AddTexts(ids::kRunProduct, s.layer1.Description(false), s.layer1.Description(true));
    rows.Add(ids::kRunThickness1, "%.1f mm", s.layer1.Thickness());
  }
  OuterSurfaceRows(rows, s.environment, s.userEmissivityOn ? nullptr : s.Surface(), s.userEmissivity);
  if (s.kind == CSegment::kRectDuctInternal && s.facingOn && s.Facing()) {
    rows.AddTexts(ids::kHlInnerSurface, s.Facing()->name, s.Facing()->secondName);
  }
  rows.Add(ids::kHlAmbientTemperature, "%.1f °C", s.ambientTemperature);
  SurroundingsRows(rows, s.environment, s.windSpeed, s.userOuterCoefficient);
  if (s.HasEquipment() && s.kind != CSegment::kRectDuctInternal) {
    for (const auto& entry : s.auxEquipment)
      rows.AddTexts(ids::kHlEquipment, entry->name, entry->EnglishName());
  }
  constexpr const char* kPipeFlow[] = {"%.2f m3/h", "%.2f l/s", "%.2f m/s"};
  constexpr const char* kDuctFlow[] = {"%.0f m3/h", "%.0f l/s", "%.2f m/s"};
  const auto unit = static_cast<std::size_t>(std::clamp(s.flowUnit, 0, 2));
  rows.Add(pipe ? ids::kRunLiquidFlow : ids::kRunFlow, pipe ? kPipeFlow[unit] : kDuctFlow[unit], s.flow);
  rows.AddTexts(HangersLabel(kind), s.HasSuspensions() ? ids::kYes : ids::kNo);
}

// The dew-point check as the run made it: the humidity and dew point of the inlet air, then
// each section's outlet air against the dew point, naming the sections where it falls below.
std::string DewPointNote(const CKanalTempModul& m, float dewPoint, std::span<const RunSectionResult> results,
                         Language language) {
  const auto text = [language](int id) { return LoadResourceString(id, language); };
  const auto number = [language](float value) { return NumberText("%.1f", value, language); };
  std::string note = FormatC(text(ids::kRunDewPointHeading), {number(m.relativeHumidity), number(dewPoint)});
  std::string atRisk;
  for (std::size_t i = 0; i < results.size() && i < m.sections.size(); ++i) {
    const std::string& name = m.sections[i]->name;
    const bool below = dewPoint > results[i].outlet;
    note += '\n';
    note += FormatC(text(below ? ids::kRunDewPointBelow : ids::kRunDewPointAbove),
                    {name, number(results[i].outlet)});
    if (below) atRisk += (atRisk.empty() ? "" : ", ") + name;
  }
  note += '\n';
  note += atRisk.empty() ? std::string(text(ids::kRunDewPointNoRisk))
                         : FormatC(text(ids::kRunDewPointAtRisk), {atRisk});
  return note;
}

// The medium along each section from its inlet to its outlet, the equipment's drop at its
// end, and the level the run checks across the whole run.
void FillGraph(CGraph& graph, const CKanalTempModul& m, std::span<const RunSectionResult> results,
               float totalLength, std::optional<float> level, float xMm, float yMm) {
  std::vector<GraphCurve> curves;
  std::vector<std::vector<float>> xs;
  std::vector<std::vector<float>> ys;
  float start = 0.0f;
  float inlet = m.inletTemperature;
  ValueRange medium;
  medium.Take(inlet);
  for (std::size_t i = 0; i < results.size() && i < m.sections.size(); ++i) {
    const CSegment& s = *m.sections[i];
    const RunSectionResult& r = results[i];
    curves.push_back({{s.name, s.name}, kSectionColours[i % std::size(kSectionColours)]});
    std::vector<float>& x = xs.emplace_back();
    std::vector<float>& y = ys.emplace_back();
    for (int k = 0; k <= kPartsPerSection; ++k) {
      const float fraction = static_cast<float>(k) / kPartsPerSection;
      x.push_back(start + fraction * s.length);
      y.push_back(TemperatureAlong(r, inlet, s.ambientTemperature, fraction));
    }
    if (r.outlet != r.beforeEquipment) {
      x.push_back(start + s.length);
      y.push_back(r.outlet);
    }
    for (float t : y) medium.Take(t);
    start += s.length;
    inlet = r.outlet;
  }
  // A drop of a few tenths of a kelvin still shows as a slope.
  ValueRange shown = medium.AtLeast(kLeastTemperatureSpan);
  if (level) {
    const bool near = shown.Near(*level, kLevelReach);
    const ReportText legend =
        ValueLegend(m.isAir ? ids::kRunGraphDewPoint : ids::kRunGraphFreezingPoint, "%.1f", *level);
    curves.push_back({near ? legend : OutsideRange(legend), kLevelColour, true, !near});
    xs.push_back({0.0f, totalLength});
    ys.push_back({*level, *level});
    if (near) shown.Take(*level);
  }
  const float low = shown.low;
  const float high = shown.high;
  const float xStep = RoundStep(totalLength, 8);
  const float yStep = RoundStep(high - low, 6);
  const std::string xTicks = TickFormat(xStep);
  SetUpGraph(graph, xMm, yMm, kGraphWidth, kGraphHeight, {Cz(ids::kRunGraphTitle), En(ids::kRunGraphTitle)},
             {Cz(ids::kRunGraphAxisTemperature), En(ids::kRunGraphAxisTemperature)},
             {Cz(ids::kRunGraphAxisLength), En(ids::kRunGraphAxisLength)}, curves,
             GraphFormats{xTicks, TickFormat(yStep), "%.2f", "%.1f"}, false);
  graph.SetScale(xStep, yStep, 1, 1);
  const AxisRange y = AxisAround(low, high, yStep);
  std::vector<int> counts;
  for (const auto& points : xs) counts.push_back(static_cast<int>(points.size()));
  graph.SetData({0.0f, y.low, AxisAround(0.0f, totalLength, xStep).high, y.high}, counts, xs, ys);
}

}  // namespace

RunReport::RunReport(const PageModel& pageModel)
    : results(pageModel),
      dewPointNote(pageModel),
      energy(pageModel),
      insulation(pageModel),
      input(pageModel),
      temperatures(pageModel),
      page(pageModel) {
  for (CTabell* table : {&results, &energy, &insulation}) table->helpTopic = kResultsTopic;
  dewPointNote.helpTopic = kResultsTopic;
  input.helpTopic = kInputTopic;
  temperatures.helpTopic = kGraphTopic;
}

void RunReport::Reset(ReportLists* lists) {
  Hide(lists);
  sectionInputs.clear();
  SetUp(results, kLiquidResultTitles, kTableTop);
  SetUp(energy, kHeatLossTitles, kTableTop);
  SetUp(insulation, kInsulationTitles, kTableTop);
  SetUp(input, kInputTitles, kTableTop);
}

template <class Item>
float RunReport::PlaceBelow(Item& item, float& x, float top) {
  return kelvora::PlaceBelow(item, page, x, top, kTableTop);
}

void RunReport::Show(const CKanalTempModul& m, std::span<const RunSectionResult> sectionResults,
                     float totalHeatLoss, float totalLength, ReportLists* lists) {
  Hide(lists);
  const std::span<const int> resultTitles =
      m.isAir ? std::span<const int>(kAirResultTitles) : std::span<const int>(kLiquidResultTitles);
  SetUp(results, resultTitles, kTableTop);
  TableRows resultRows(m.isAir ? 5 : 4);
  ResultRows(resultRows, m, sectionResults);
  resultRows.Into(results, resultTitles);
  results.SetPosition(kTableLeft, kTableTop);

  float x = kTableLeft;
  float y = results.GetBottomMm() + kReportItemGap;
  const std::optional<float> dewPoint = m.CheckedDewPoint();
  if (dewPoint) {
    dewPointNote.SetContent(DewPointNote(m, *dewPoint, sectionResults, Language::Czech),
                            DewPointNote(m, *dewPoint, sectionResults, Language::English), kReportTextColour,
                            x, y);
    y = PlaceBelow(dewPointNote, x, y);
  }
  const std::span<const int> energyTitles =
      m.energyCostOn ? std::span<const int>(kEnergyTitles) : std::span<const int>(kHeatLossTitles);
  SetUp(energy, energyTitles, kTableTop);
  TableRows energyRows(2);
  EnergyRows(energyRows, m, totalHeatLoss, totalLength);
  energyRows.Into(energy, energyTitles);
  y = PlaceBelow(energy, x, y);

  TableRows insulationRows(2);
  InsulationRows(insulationRows, m);
  insulationRows.Into(insulation, kInsulationTitles);
  y = PlaceBelow(insulation, x, y);

  TableRows inputRows(2);
  ModuleInputRows(inputRows, m);
  inputRows.Into(input, kInputTitles);
  y = PlaceBelow(input, x, y);

  while (sectionInputs.size() < m.sections.size()) {
    sectionInputs.push_back(std::make_unique<CTabell>(page));
    sectionInputs.back()->helpTopic = kInputTopic;
    SetUp(*sectionInputs.back(), kSectionTitles, kTableTop);
  }
  sectionInputs.resize(m.sections.size());
  for (std::size_t i = 0; i < m.sections.size(); ++i) {
    TableRows rows(2);
    SectionInputRows(rows, *m.sections[i]);
    rows.Into(*sectionInputs[i], kSectionTitles);
    y = PlaceBelow(*sectionInputs[i], x, y);
  }
  const std::optional<float> level = m.isAir ? dewPoint : m.CheckedFreezingPoint();
  FillGraph(temperatures, m, sectionResults, totalLength, level, x, y);
  PlaceBelow(temperatures, x, y);

  if (!lists) return;
  lists->AddItem(ModuleIndex::PipeRun, results);
  if (dewPoint) lists->AddItem(ModuleIndex::PipeRun, dewPointNote);
  for (CTabell* table : {&energy, &insulation, &input}) lists->AddItem(ModuleIndex::PipeRun, *table);
  for (const auto& table : sectionInputs) lists->AddItem(ModuleIndex::PipeRun, *table);
  lists->AddItem(ModuleIndex::PipeRun, temperatures);
}

void RunReport::Hide(ReportLists* lists) {
  if (!lists) return;
  for (const CGraphicsItem* item :
       std::initializer_list<const CGraphicsItem*>{&results, &dewPointNote, &energy, &insulation, &input})
    lists->RemoveItem(ModuleIndex::PipeRun, *item);
  for (const auto& table : sectionInputs) lists->RemoveItem(ModuleIndex::PipeRun, *table);
  lists->RemoveItem(ModuleIndex::PipeRun, temperatures);
}

}  // namespace kelvora
