#include "core/modules/condensation/internalcondensationreport.h"

#include <algorithm>
#include <span>

#include "core/framework/moduleindex.h"
#include "core/modules/common/objectrows.h"
#include "core/modules/common/outerrows.h"
#include "core/modules/condensation/innvendigkondensmodul.h"
#include "core/report/reportlists.h"
#include "core/report/tablerows.h"

namespace kelvora {

namespace {

constexpr float kInputTop = 110.0f;  // mm, before the first calculation

constexpr int kResultTitles[] = {ids::kTitleInternalCondensation, ids::kHlResults, 0};
constexpr int kStandardTitles[] = {ids::kTitleInternalCondensation, ids::kHlThicknessNeededHeading,
                                   ids::kHlStandardHeading, 0};
constexpr int kInputTitles[] = {ids::kTitleInternalCondensation, ids::kHlInput, 0};

void RequiredRows(TableRows& rows, const InternalCondensationResult& r) {
  const DuctCondensationState& s = r.required;
  rows.Add(ids::kHlThicknessNeeded, "%.1f mm", s.thickness * 1000.0f);
  if (r.standardRow) rows.AddTexts(ids::kHlClosestStandard, r.standardTextCz, r.standardTextEn);
  rows.Add(ids::kRunOuterCoefficient, "%.1f W/m2K", s.ho);
  rows.Add(ids::kHlInnerCoefficient, "%.1f W/m2K", r.hi);
  rows.Add(ids::kCondDewPoint, "%.1f °C", r.dewPoint);
  rows.Add(ids::kHlHeatLoss, "%.1f W/m", s.heatLoss);
  rows.Add(ids::kCondOutletTemperature, "%.1f °C", s.outlet);
  if (!r.bare) rows.Add(ids::kCondInnerSurfaceAtOutlet, "%.1f °C", s.innerSurface);
}

// The required thickness beside the nearest standard one.
void StandardRows(TableRows& rows, const InternalCondensationResult& r) {
  const DuctCondensationState& s = r.required;
  const DuctCondensationState& st = *r.atStandard;
  rows.AddPair(ids::kHlThickness, "%.1f mm", s.thickness * 1000.0f, r.standardMm);
  rows.AddPair(ids::kRunOuterCoefficient, "%.1f W/m2K", s.ho, st.ho);
  rows.AddPair(ids::kHlInnerCoefficient, "%.1f W/m2K", r.hi, r.hi);
  rows.AddPair(ids::kCondDewPoint, "%.1f °C", r.dewPoint, r.dewPoint);
  rows.AddPair(ids::kHlHeatLoss, "%.1f W/m", s.heatLoss, st.heatLoss);
  rows.AddPair(ids::kCondOutletTemperature, "%.1f °C", s.outlet, st.outlet);
  rows.AddPair(ids::kCondInnerSurfaceAtOutlet, "%.1f °C", s.innerSurface, st.innerSurface);
}

void InputRows(TableRows& rows, const CInnvendigKondensModul& m) {
  constexpr std::int32_t kCircular = 1;
  constexpr std::int32_t kRectangular = 2;
  ObjectRows(rows, ids::kCondDuctType, m.rectangular ? kRectangular : kCircular, m.diameter, m.height,
             m.width);
  rows.Add(ids::kDuctLength, "%.2f m", m.length);
  rows.AddTexts(ids::kRunProduct, m.insulation.Description(false), m.insulation.Description(true));
  OuterSurfaceRows(rows, m.environment, m.userEmissivityOn ? nullptr : m.Surface(), m.userEmissivity);
  rows.Add(ids::kHlAmbientTemperature, "%.1f °C", m.ambientTemperature);
  SurroundingsRows(rows, m.environment, m.windSpeed, m.userOuterCoefficient, ids::kRunOuterCoefficient);
  if (m.userInnerCoefficientOn) rows.Add(ids::kHlInnerCoefficient, "%.1f", m.userInnerCoefficient);
  constexpr const char* kFlowFormats[] = {"%.0f m3/h", "%.0f l/s", "%.2f m/s"};
  rows.Add(ids::kRunFlow, kFlowFormats[std::clamp(m.flowUnit, 0, 2)], m.flow);
  rows.Add(ids::kRunInletTemperature, "%.1f °C", m.inletTemperature);
  rows.Add(ids::kCondHumidity, "%.1f %%", m.relativeHumidity);
  rows.AddTexts(ids::kDuctHangers, m.suspensionsOn ? ids::kYes : ids::kNo);
}

}  // namespace

InternalCondensationReport::InternalCondensationReport(const PageModel& pageModel)
    : results(pageModel), input(pageModel), page(pageModel) {
  results.helpTopic = "::/html/innvkondens_rapport.htm";
  input.helpTopic = "::/html/innvkondens_rapport.htm";
}

void InternalCondensationReport::Reset(ReportLists* lists) {
  Hide(lists);
  SetUpModuleTable(results, kTableTop, kResultTitles);
  SetUpModuleTable(input, kInputTop, kInputTitles);
}

void InternalCondensationReport::Show(const CInnvendigKondensModul& m, const InternalCondensationResult& r,
                                      ReportLists* lists) {
  Hide(lists);
  const bool twoColumns = r.atStandard.has_value();
  TableRows resultRows(twoColumns ? 3 : 2);
  if (twoColumns) {
    StandardRows(resultRows, r);
  } else {
    RequiredRows(resultRows, r);
  }
  resultRows.Into(results,
                  twoColumns ? std::span<const int>(kStandardTitles) : std::span<const int>(kResultTitles));
  results.SetPosition(kTableLeft, kTableTop);

  TableRows inputRows(2);
  InputRows(inputRows, m);
  inputRows.Into(input, kInputTitles);
  float x = kTableLeft;
  PlaceBelow(input, page, x, results.GetBottomMm() + kReportItemGap, kTableTop);

  if (!lists) return;
  lists->AddItem(ModuleIndex::InternalCondensation, results);
  lists->AddItem(ModuleIndex::InternalCondensation, input);
}

void InternalCondensationReport::Hide(ReportLists* lists) {
  if (!lists) return;
  lists->RemoveItem(ModuleIndex::InternalCondensation, results);
  lists->RemoveItem(ModuleIndex::InternalCondensation, input);
}

}  // namespace kelvora
