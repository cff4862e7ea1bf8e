#include "core/modules/economics/economicsreport.h"

#include <cmath>
#include <string>
#include <vector>

#include "core/framework/moduleindex.h"
#include "core/modules/common/outerrows.h"
#include "core/modules/economics/okonomimodul.h"
#include "core/report/reportlists.h"
#include "core/report/tablerows.h"

namespace kelvora {

namespace {

constexpr float kInputTop = 110.0f;  // before the first calculation

constexpr int kHeatLossTitles[] = {ids::kEcoInsulation, ids::kEcoHeatLoss, ids::kEcoOuterCoefficient, 0};
constexpr int kCostTitles[] = {ids::kEcoInsulation, ids::kEcoEnergyCost, ids::kEcoInvestment, ids::kEcoTotal,
                               0};
constexpr int kInputTitles[] = {ids::kTitleEconomics, ids::kHlInput, 0};

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

TableRows CostRows(const COkonomiModul& m, const EconomicsResult& r) {
  const std::string format = PerSquareMetre(m) ? "%.2f %s/m2" : "%.2f %s/m";
  const auto cost = [&](float value) { return FormatC(format, {value, m.currency}); };
  return CandidateRows(m, r, 4, [&](const EconomicsCandidate& c) {
    return std::vector<std::string>{cost(c.energyCost), cost(c.investment), cost(c.total)};
  });
}

void ObjectRows(TableRows& rows, const COkonomiModul& m) {
  constexpr int kKinds[] = {ids::kHlKindPipe,        ids::kHlKindCircular,
                            ids::kHlKindRectangular, ids::kHlKindRectangularInside,
                            ids::kHlKindPlane,       ids::kEcoKindPlaneInside};
  rows.AddTexts(ids::kHlObjectType, kKinds[m.objectKind]);
  if (m.objectKind == 0 || m.objectKind == 1) rows.Add(ids::kHlDiameter, "%.1f mm", m.diameter);
  if (m.objectKind == 2 || m.objectKind == 3) {
    rows.Add(ids::kHlHeight, "%.1f mm", m.height);
    rows.Add(ids::kHlWidth, "%.1f mm", m.width);
  }
}

TableRows InputRows(const COkonomiModul& m) {
  TableRows rows(2);
  ObjectRows(rows, m);
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
    : heatLoss(pageModel), energyCost(pageModel), input(pageModel), page(pageModel) {}

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
  PlaceBelow(input, page, x, next, kTableTop);
  if (!lists) return;
  lists->AddItem(ModuleIndex::Economics, heatLoss);
  lists->AddItem(ModuleIndex::Economics, energyCost);
  lists->AddItem(ModuleIndex::Economics, input);
}

void EconomicsReport::Hide(ReportLists* lists) {
  if (!lists) return;
  lists->RemoveItem(ModuleIndex::Economics, heatLoss);
  lists->RemoveItem(ModuleIndex::Economics, energyCost);
  lists->RemoveItem(ModuleIndex::Economics, input);
}

}  // namespace kelvora
