#include "core/modules/economics/economicsreport.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "core/framework/moduleindex.h"
#include "core/modules/common/objectrows.h"
#include "core/modules/common/outerrows.h"
#include "core/modules/economics/okonomimodul.h"
#include "core/report/curveset.h"
#include "core/report/reportlists.h"
#include "core/report/tablerows.h"

namespace kelvora {

namespace {

constexpr float kInputTop = 110.0f;  // before the first calculation

constexpr int kHeatLossTitles[] = {ids::kEcoInsulation, ids::kEcoHeatLoss, ids::kEcoOuterCoefficient, 0};
constexpr int kCostTitles[] = {ids::kEcoInsulation, ids::kEcoEnergyCost, ids::kEcoInvestment, ids::kEcoTotal,
                               0};
constexpr int kInputTitles[] = {ids::kTitleEconomics, ids::kHlInput, 0};

constexpr const char* kGraphTopic = "::/html/okoiso_graf.htm";
constexpr float kGraphWidth = 125.0f;  // mm
constexpr float kGraphHeight = 70.0f;
constexpr Colour kTotalColour = Rgb(220, 0, 0);
constexpr Colour kEnergyColour = Rgb(0, 0, 220);
constexpr Colour kInsulationColour = Rgb(0, 130, 0);
constexpr Colour kCheapestColour = Rgb(0, 0, 0);
// The bare object's cost is plotted up to this multiple of the dearest alternative's.
constexpr float kBareShownUpTo = 1.5f;

void SetUp(CTabell& table, float y, std::span<const int> titles) {
  table.Setup(kTableLeft, y, kTableColumnGap, kTableRowGap, "%.2f", titles, {}, titles, {}, {},
              kTableMinWidth);
}

bool PerSquareMetre(const COkonomiModul& m) { return m.objectKind == 4 || m.objectKind == 5; }

// One row per candidate: the uninsulated object, then the alternatives by their names.
template <class Cells>
TableRows CandidateRows(const COkonomiModul& m, const EconomicsResult& r, int columns, Cells cells) {
  TableRows rows(columns);
  const float bareEmissivity = m.bareEmissivity;
  for (std::size_t k = 0; k < r.candidates.size(); ++k) {
    const std::vector<std::string> values = cells(r.candidates[k]);
    if (k == 0) {
      rows.AddLabelled(FormatC(Cz(ids::kEcoBare), {bareEmissivity}),
                       FormatC(En(ids::kEcoBare), {bareEmissivity}), values, values);
    } else {
      const COkoIsolasjon& a = *m.alternatives[k - 1];
      rows.AddLabelled(a.name, a.secondName, values, values);
    }
  }
  return rows;
}

TableRows HeatLossRows(const COkonomiModul& m, const EconomicsResult& r) {
  const char* loss = PerSquareMetre(m) ? "%.1f W/m2" : "%.1f W/m";
  return CandidateRows(m, r, 3, [&](const EconomicsCandidate& c) {
    return std::vector<std::string>{FormatC(loss, {c.heatLoss}), FormatC("%.1f W/m2K", {c.outerCoefficient})};
  });
}

// The currency per metre, or per square metre of a plane.
std::string CostUnit(const COkonomiModul& m) {
  return FormatC(PerSquareMetre(m) ? "%s/m2" : "%s/m", {m.currency});
}

TableRows CostRows(const COkonomiModul& m, const EconomicsResult& r) {
  const std::string unit = CostUnit(m);
  const auto cost = [&](float value) { return FormatC("%.2f %s", {value, unit}); };
  return CandidateRows(m, r, 4, [&](const EconomicsCandidate& c) {
    return std::vector<std::string>{cost(c.energyCost), cost(c.investment), cost(c.total)};
  });
}

TableRows InputRows(const COkonomiModul& m) {
  TableRows rows(2);
  ObjectRows(rows, ids::kHlObjectType, m.objectKind, m.diameter, m.height, m.width);
  rows.Add(ids::kHlMediumTemperature, "%.1f °C", m.mediumTemperature);
  rows.Add(ids::kHlAmbientTemperature, "%.1f °C", m.ambientTemperature);
  SurroundingsRows(rows, m.environment, m.windSpeed, m.userCoefficient);
  rows.Add(ids::kHlCurrency, m.currency);
  rows.Add(ids::kHlOperatingHours, ids::kFormatHoursPerYear, m.operatingHours);
  rows.Add(ids::kHlEnergyPrice, PricePerKwh(m.energyPrice, m.currency));
  rows.AddTexts(ids::kEcoLifeSpan, YearsText(m.lifeSpan, Language::Czech),
                YearsText(m.lifeSpan, Language::English));
  rows.Add(ids::kEcoInflation, "%.2f %%", m.energyInflation);
  rows.Add(ids::kEcoInterest, "%.2f %%", m.interestRate);
  return rows;
}

// The thickness of each candidate: none for the bare object, then the alternatives'.
std::vector<float> CandidateThicknesses(const COkonomiModul& m, const EconomicsResult& r) {
  std::vector<float> thickness(r.candidates.size(), 0.0f);
  for (std::size_t k = 1; k < r.candidates.size(); ++k) thickness[k] = m.alternatives[k - 1]->Thickness();
  return thickness;
}

// A whole number with its thousands set apart by spaces, as both languages print costs.
std::string Grouped(float value) {
  const std::string digits = FormatC("%.0f", {value});
  std::string grouped;
  std::size_t left = digits.size() - digits.find_first_of("0123456789");
  for (char c : digits) {
    grouped += c;
    if (std::isdigit(static_cast<unsigned char>(c)) && --left > 0 && left % 3 == 0) grouped += ' ';
  }
  return grouped;
}

// Lines join the alternatives only: nothing is known of the costs between the bare object and
// the thinnest insulation. The bare object's cost is a point of its own, or, where it would
// squeeze the alternatives into the bottom of the plot, a value in the legend.
void FillGraph(CGraph& graph, const COkonomiModul& m, const EconomicsResult& r, float xMm, float yMm) {
  const std::vector<float> thickness = CandidateThicknesses(m, r);
  // Along the thickness axis; alternatives of one thickness keep their order.
  std::vector<std::size_t> order(r.candidates.size() - 1);
  std::iota(order.begin(), order.end(), std::size_t{1});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return thickness[a] < thickness[b]; });
  std::vector<float> xs;
  std::vector<float> totals;
  std::vector<float> energy;
  std::vector<float> investment;
  ValueRange costs;
  for (std::size_t k : order) {
    const EconomicsCandidate& c = r.candidates[k];
    xs.push_back(thickness[k]);
    totals.push_back(c.total);
    energy.push_back(c.energyCost);
    investment.push_back(c.investment);
    for (float v : {c.total, c.energyCost, c.investment}) costs.Take(v);
  }
  const float bare = r.candidates[0].total;
  const bool bareShown = bare <= kBareShownUpTo * costs.high;
  if (bareShown) costs.Take(bare);
  const float cheapest = thickness[r.optimum];
  const std::string unit = CostUnit(m);
  const auto bareLegend = [&](Language language) {
    return FormatC(LoadResourceString(ids::kEcoGraphBare, language), {Grouped(bare), unit});
  };
  const GraphCurve curves[] = {{{Cz(ids::kEcoTotal), En(ids::kEcoTotal)}, kTotalColour},
                               {{Cz(ids::kEcoEnergyCost), En(ids::kEcoEnergyCost)}, kEnergyColour},
                               {{Cz(ids::kEcoInvestment), En(ids::kEcoInvestment)}, kInsulationColour},
                               {ValueLegend(ids::kEcoGraphCheapest, "%.1f", cheapest), kCheapestColour},
                               {{bareLegend(Language::Czech), bareLegend(Language::English)}, kTotalColour}};
  const float thickest = *std::max_element(xs.begin(), xs.end());
  const float xStep = RoundStep(thickest, 8);
  RoundAxis y = costs.Axis(6, true);
  // Costs are never below nothing.
  if (costs.low >= 0.0f) y.low = std::max(y.low, 0.0f);
  const auto axis = [&](Language language) {
    return FormatC(LoadResourceString(ids::kEcoGraphAxisCost, language), {unit});
  };
  SetUpGraph(graph, xMm, yMm, kGraphWidth, kGraphHeight, {Cz(ids::kEcoGraphTitle), En(ids::kEcoGraphTitle)},
             {axis(Language::Czech), axis(Language::English)},
             {Cz(ids::kEcoGraphAxisThickness), En(ids::kEcoGraphAxisThickness)}, curves,
             GraphFormats{TickFormat(xStep), y.format, "%.1f", "%.2f"}, true);
  graph.SetScale(xStep, y.step, 1, 1);
  const std::vector<float> xArrays[] = {xs, xs, xs, {cheapest}, {0.0f}};
  const std::vector<float> yArrays[] = {totals, energy, investment, {r.candidates[r.optimum].total}, {bare}};
  const int count = static_cast<int>(xs.size());
  const int counts[] = {count, count, count, 1, bareShown ? 1 : 0};
  graph.SetData({0.0f, y.low, AxisAround(0.0f, thickest, xStep).high, y.high}, counts, xArrays, yArrays);
}

// When the cheapest is an insulated alternative at an end of the thicknesses offered, the
// text that says the optimum may lie beyond them; else none.
int OptimumNote(const COkonomiModul& m, const EconomicsResult& r) {
  if (r.optimum == 0) return 0;
  const std::vector<float> thickness = CandidateThicknesses(m, r);
  const auto [thinnest, thickest] = std::minmax_element(thickness.begin() + 1, thickness.end());
  const float cheapest = thickness[r.optimum];
  if (*thinnest == *thickest) return ids::kEcoOptimumAroundOnlyThickness;
  if (cheapest == *thickest) return ids::kEcoOptimumAboveThickest;
  if (cheapest == *thinnest) return ids::kEcoOptimumBelowThinnest;
  return 0;
}

}  // namespace

std::string YearsText(float years, Language language) {
  const std::string number = FormatC("%.1f", {years});
  const auto text = [&](int id, std::string_view shown) {
    return FormatC(LoadResourceString(id, language), {shown});
  };
  if (!number.ends_with(".0")) return text(ids::kEcoYearsFraction, number);
  const std::string_view whole = std::string_view(number).substr(0, number.size() - 2);
  const double count = std::round(years);
  if (count == 1.0) return text(ids::kEcoYearOne, whole);
  return text(count >= 2.0 && count <= 4.0 ? ids::kEcoYearsFew : ids::kEcoYearsMany, whole);
}

EconomicsReport::EconomicsReport(const PageModel& pageModel)
    : heatLoss(pageModel),
      energyCost(pageModel),
      input(pageModel),
      costs(pageModel),
      optimumNote(pageModel),
      page(pageModel) {
  costs.helpTopic = kGraphTopic;
  optimumNote.helpTopic = kGraphTopic;
}

void EconomicsReport::Reset(ReportLists* lists) {
  Hide(lists);
  SetUp(heatLoss, kTableTop, kHeatLossTitles);
  SetUp(energyCost, kTableTop, kCostTitles);
  SetUp(input, kInputTop, kInputTitles);
  heatLoss.helpTopic = "::/html/okoiso_varmetaptabell.htm";
  energyCost.helpTopic = "::/html/okoiso_energikosttabell.htm";
  input.helpTopic = "::/html/okoiso_tabell.htm";
}

void EconomicsReport::Show(const COkonomiModul& m, const EconomicsResult& result, ReportLists* lists) {
  Hide(lists);
  HeatLossRows(m, result).Into(heatLoss, kHeatLossTitles);
  heatLoss.SetPosition(kTableLeft, kTableTop);
  CostRows(m, result).Into(energyCost, kCostTitles);
  energyCost.highlightRow = static_cast<std::int32_t>(result.optimum) + 1;
  float x = kTableLeft;
  const float next = PlaceBelow(energyCost, page, x, heatLoss.GetBottomMm() + kReportItemGap, kTableTop);
  InputRows(m).Into(input, kInputTitles);
  const float belowInput = PlaceBelow(input, page, x, next, kTableTop);
  FillGraph(costs, m, result, x, belowInput);
  const float belowGraph = PlaceBelow(costs, page, x, belowInput, kTableTop);
  const int note = OptimumNote(m, result);
  if (note) {
    optimumNote.SetContent(Cz(note), En(note), kReportTextColour, x, belowGraph);
    PlaceBelow(optimumNote, page, x, belowGraph, kTableTop);
  }
  if (!lists) return;
  lists->AddItem(ModuleIndex::Economics, heatLoss);
  lists->AddItem(ModuleIndex::Economics, energyCost);
  lists->AddItem(ModuleIndex::Economics, input);
  lists->AddItem(ModuleIndex::Economics, costs);
  if (note) lists->AddItem(ModuleIndex::Economics, optimumNote);
}

void EconomicsReport::Hide(ReportLists* lists) {
  if (!lists) return;
  lists->RemoveItem(ModuleIndex::Economics, heatLoss);
  lists->RemoveItem(ModuleIndex::Economics, energyCost);
  lists->RemoveItem(ModuleIndex::Economics, input);
  lists->RemoveItem(ModuleIndex::Economics, costs);
  lists->RemoveItem(ModuleIndex::Economics, optimumNote);
}

}  // namespace kelvora
