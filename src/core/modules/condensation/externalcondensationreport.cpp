#include "core/modules/condensation/externalcondensationreport.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "core/framework/moduleindex.h"
#include "core/modules/common/objectrows.h"
#include "core/modules/common/outerrows.h"
#include "core/modules/condensation/utvendigkondensmodul.h"
#include "core/report/reportlists.h"
#include "core/report/tablerows.h"

namespace kelvora {

namespace {

constexpr float kInputTop = 110.0f;  // mm, before the first calculation

constexpr int kResultTitles[] = {ids::kCondExternalHeading, ids::kHlResults, 0};
constexpr int kStandardTitles[] = {ids::kCondExternalHeading, ids::kHlThicknessNeededHeading,
                                   ids::kHlStandardHeading, 0};
constexpr int kInputTitles[] = {ids::kCondExternalHeading, ids::kHlInput, 0};

bool IsPlaneKind(std::int32_t kind) { return kind == 4 || kind == 5; }

const char* FlowFormat(std::int32_t kind) { return IsPlaneKind(kind) ? "%.1f W/m2" : "%.1f W/m"; }

float LambdaAt(const CUtvendigKondensModul& m, float t) { return m.insulation.Product()->LambdaAt(t); }

void RequiredRows(TableRows& rows, const CUtvendigKondensModul& m, const ExternalCondensationResult& r) {
  const CondensationState& s = r.required;
  rows.Add(ids::kHlThicknessNeeded, "%.1f mm", s.thickness * 1000.0f);
  if (r.standardRow) rows.AddTexts(ids::kHlClosestStandard, r.standardTextCz, r.standardTextEn);
  rows.Add(ids::kCondDewPoint, "%.1f °C", r.dewPoint);
  if (!r.bare) rows.Add(ids::kHlLambda, "%.3f W/mK", LambdaAt(m, (m.mediumTemperature + r.dewPoint) / 2.0f));
  rows.Add(ids::kHlOuterCoefficient, "%.1f W/m2K", s.ho);
  rows.Add(ids::kHlHeatLoss, FlowFormat(m.kind), s.q);
}

// The required thickness beside the nearest standard one.
void StandardRows(TableRows& rows, const CUtvendigKondensModul& m, const ExternalCondensationResult& r) {
  const CondensationState& s = r.required;
  const CondensationState& st = *r.atStandard;
  const float tm = m.mediumTemperature;
  rows.AddPair(ids::kHlThickness, "%.1f mm", s.thickness * 1000.0f, r.standardMm);
  rows.AddPair(ids::kHlSurfaceTemperature, "%.1f °C", r.dewPoint, st.ts);
  rows.AddPair(ids::kCondDewPoint, "%.1f °C", r.dewPoint, r.dewPoint);
  rows.AddPair(ids::kHlLambda, "%.3f W/mK", LambdaAt(m, (r.dewPoint + tm) / 2.0f),
               LambdaAt(m, (tm + st.ts) / 2.0f));
  rows.AddPair(ids::kHlOuterCoefficient, "%.1f W/m2K", s.ho, st.ho);
  rows.AddPair(ids::kHlHeatLoss, FlowFormat(m.kind), s.q, st.q);
}

void InputRows(TableRows& rows, const CUtvendigKondensModul& m) {
  ObjectRows(rows, ids::kHlObjectType, m.kind, m.diameter, m.height, m.width);
  rows.AddTexts(ids::kRunProduct, m.insulation.Description(false), m.insulation.Description(true));
  OuterSurfaceRows(rows, m.environment, m.userEmissivityOn ? nullptr : m.Surface(), m.userEmissivity);
  if (m.InsulatedInside() && m.facingOn && m.Facing())
    rows.AddTexts(ids::kHlInnerSurface, m.Facing()->name, m.Facing()->secondName);
  rows.Add(ids::kHlMediumTemperature, "%.1f °C", m.mediumTemperature);
  rows.Add(ids::kHlAmbientTemperature, "%.1f °C", m.ambientTemperature);
  rows.Add(ids::kCondHumidity, "%.1f %%", m.relativeHumidity);
  SurroundingsRows(rows, m.environment, m.windSpeed, m.userOuterCoefficient);
}

}  // namespace

ExternalCondensationReport::ExternalCondensationReport(const PageModel& pageModel)
    : results(pageModel), input(pageModel), space(pageModel), page(pageModel) {
  results.helpTopic = "::/html/utvkondens_rapport.htm";
  input.helpTopic = "::/html/utvkondens_rapport.htm";
}

void ExternalCondensationReport::Reset(ReportLists* lists) {
  Hide(lists);
  SetUpModuleTable(results, kTableTop, kResultTitles);
  SetUpModuleTable(input, kInputTop, kInputTitles);
  space.SetPosition(kTableLeft, kTableTop);
}

void ExternalCondensationReport::Show(const CUtvendigKondensModul& m, const ExternalCondensationResult& r,
                                      ReportLists* lists) {
  Hide(lists);
  const bool twoColumns = r.atStandard.has_value();
  TableRows resultRows(twoColumns ? 3 : 2);
  if (twoColumns) {
    StandardRows(resultRows, m, r);
  } else {
    RequiredRows(resultRows, m, r);
  }
  resultRows.Into(results,
                  twoColumns ? std::span<const int>(kStandardTitles) : std::span<const int>(kResultTitles));
  results.SetPosition(kTableLeft, kTableTop);

  TableRows inputRows(2);
  InputRows(inputRows, m);
  inputRows.Into(input, kInputTitles);
  float x = kTableLeft;
  const float below = PlaceBelow(input, page, x, results.GetBottomMm() + kReportItemGap, kTableTop);

  // The clearances of the thickness the results show last.
  const bool withSpace = m.kind >= 0 && m.kind <= 2;
  if (withSpace) {
    const ObjectGeometry& g = twoColumns ? r.atStandard->geometry : r.required.geometry;
    space.SetData(m.kind, g.outerDiameter, g.outerWidth, g.outerHeight);
    PlaceBelow(space, page, x, below, kTableTop);
  }

  if (!lists) return;
  lists->AddItem(ModuleIndex::ExternalCondensation, results);
  lists->AddItem(ModuleIndex::ExternalCondensation, input);
  if (withSpace) lists->AddItem(ModuleIndex::ExternalCondensation, space);
}

void ExternalCondensationReport::Hide(ReportLists* lists) {
  if (!lists) return;
  lists->RemoveItem(ModuleIndex::ExternalCondensation, results);
  lists->RemoveItem(ModuleIndex::ExternalCondensation, input);
  lists->RemoveItem(ModuleIndex::ExternalCondensation, space);
}

}  // namespace kelvora
