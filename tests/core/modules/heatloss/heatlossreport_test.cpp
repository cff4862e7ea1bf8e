#include "core/modules/heatloss/heatlossreport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/modules/heatloss/savings.h"
#include "core/modules/heatloss/thicknesscurve.h"
#include "core/modules/heatloss/varmetapmodul.h"
#include "core/report/reporttext.h"
#include "support/golden.h"
#include "support/graphrules.h"
#include "support/modulefixtures.h"
#include "support/recordingsurface.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::ExpectGolden;
using testing::ModuleOf;
using testing::Record;
using testing::RecordingSurface;
using testing::TestDocument;
using testing::UserProduct;

class HeatLossReportTest : public ::testing::Test {
 protected:
  HeatLossReportTest() : m(ModuleOf<CVarmeTapModul>(*doc, ModuleIndex::HeatLoss)) {
    doc->reports.Page().SetScreenSurface(&measure);
    m.layers[0].Set(0, &Record<CIsoProdukt>(*doc, DbList::Products), 50, nullptr, 50);
    m.SetSurface(&Record<CMantling>(*doc, DbList::OuterFinishes));
    m.diameter = 60.3f;
    m.mediumTemperature = 150;
  }

  std::string Text(bool english) {
    doc->englishResults = english ? 1 : 0;
    doc->Refresh(kLayoutChangedHint);
    return ReportCopyText(doc->reports, ModuleIndex::HeatLoss);
  }

  RecordingSurface measure;
  TestDocument doc;
  CVarmeTapModul& m;
};

struct ReportCase {
  const char* name;
  std::function<void(CQorDoc&, CVarmeTapModul&)> setup;
};

// One case per table form: the given thickness in one, two and three layers (pipe, duct,
// plane), a found thickness with and without a standard one, a heat-loss limit per m² and
// the degree-hour type with and without a requirement.
const ReportCase kForms[] = {
    ReportCase{"given_pipe",
               [](CQorDoc& doc, CVarmeTapModul& m) {
                 m.energyCalculationOn = 1;
                 m.hangersOn = 1;
                 m.equipmentOn = 1;
                 auto entry = std::make_unique<CTilleggsutstyr>();
                 entry->SetEquipment(&Record<CTillegg2>(doc, DbList::Equipment));
                 entry->count = 2;
                 entry->UpdateNames("");
                 m.equipment.push_back(std::move(entry));
               }},
    ReportCase{"given_duct_two_layers",
               [](CQorDoc& doc, CVarmeTapModul& m) {
                 m.objectKind = 2;
                 m.width = 400;
                 m.height = 300;
                 m.layer2On = 1;
                 m.layers[1].Set(1, nullptr, 30, &UserProduct(doc, "Pěna"), 30);
               }},
    ReportCase{"given_plane_three_layers",
               [](CQorDoc& doc, CVarmeTapModul& m) {
                 m.objectKind = 4;
                 m.environment = 1;
                 m.layer2On = 1;
                 m.layer3On = 1;
                 m.layers[1].Set(0, &Record<CIsoProdukt>(doc, DbList::Products), 40, nullptr, 40);
                 m.layers[2].Set(0, &Record<CIsoProdukt>(doc, DbList::Products), 30, nullptr, 30);
               }},
    ReportCase{"surface_temperature_standard",
               [](CQorDoc&, CVarmeTapModul& m) {
                 m.calculationType = 1;
                 m.surfaceTemperature = 35;
               }},
    ReportCase{"surface_temperature_user_product_inside_duct",
               [](CQorDoc& doc, CVarmeTapModul& m) {
                 m.calculationType = 1;
                 m.objectKind = 3;
                 m.width = 800;
                 m.height = 600;
                 m.surfaceTemperature = 40;
                 m.layers[0].Set(1, nullptr, 0, &UserProduct(doc, "Pěna"), 0);
                 m.SetSurface(&Record<CMantling>(doc, DbList::PipeSurfaces));
                 m.innerSurfaceOn = 1;
                 m.SetInnerSurface(&Record<CMantling>(doc, DbList::InnerFacings));
               }},
    ReportCase{"heat_loss_per_square_metre",
               [](CQorDoc&, CVarmeTapModul& m) {
                 m.calculationType = 2;
                 m.heatLossUnit = 1;
                 m.maxHeatLossPerSquareMetre = 40;
                 m.environment = 2;
               }},
    ReportCase{"degree_hours_without_requirement",
               [](CQorDoc&, CVarmeTapModul& m) {
                 m.calculationType = 3;
                 m.objectKind = 1;
                 m.mediumTemperature = 30;
                 m.operatingHours = 1000;
                 m.energyCalculationOn = 1;
               }},
    ReportCase{"degree_hours_larger_than_standard", [](CQorDoc&, CVarmeTapModul& m) {
                 m.calculationType = 3;
                 m.mediumTemperature = 400;
                 m.diameter = 219;
               }}};

std::string FormName(const ::testing::TestParamInfo<ReportCase>& info) { return info.param.name; }

class HeatLossReportGolden : public HeatLossReportTest, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(HeatLossReportGolden, CopyTextInBothLanguages) {
  GetParam().setup(*doc, m);
  m.Recalculate();
  ASSERT_EQ(m.calculated, 1) << ::testing::PrintToString(doc.messages.shown);
  ExpectGolden(std::string("heatloss_") + GetParam().name + ".cz.txt", Text(false));
  ExpectGolden(std::string("heatloss_") + GetParam().name + ".en.txt", Text(true));
}

INSTANTIATE_TEST_SUITE_P(Forms, HeatLossReportGolden, ::testing::ValuesIn(kForms), FormName);

class HeatLossGraphs : public HeatLossReportTest, public ::testing::WithParamInterface<ReportCase> {};

// Both graphs draw the curve of layer 1's thickness, which meets the results table where the
// table has a thickness: the one computed or given, the standard one and, bare, none.
TEST_P(HeatLossGraphs, MeetTheResultsTableWhereItHasAThickness) {
  GetParam().setup(*doc, m);
  m.Recalculate();
  ASSERT_EQ(m.calculated, 1);
  const HeatLossResult& r = *m.LastResult();
  const SavingsResult& s = *m.LastSavings();
  const HeatLossReport& report = m.Report();
  const auto& list = doc->reports.List(ModuleIndex::HeatLoss);
  const auto curve = ThicknessCurveOf(m, r);
  if (r.noRequirement) {
    EXPECT_FALSE(curve);
    EXPECT_EQ(std::find(list.begin(), list.end(), &report.lossGraph), list.end());
    EXPECT_EQ(std::find(list.begin(), list.end(), &report.surfaceGraph), list.end());
    return;
  }
  ASSERT_TRUE(curve);
  const std::vector<float>& x = curve->thicknesses;
  ASSERT_GT(x.size(), static_cast<std::size_t>(kThicknessCurveSteps));
  EXPECT_EQ(x.front(), 0.0f);
  EXPECT_GE(x.back(), 2.0f * curve->marked);
  EXPECT_EQ(std::adjacent_find(x.begin(), x.end(), std::greater_equal<float>()), x.end()) << "rising";
  const auto at = [&](float mm) {
    const auto found = std::find(x.begin(), x.end(), mm);
    EXPECT_NE(found, x.end()) << mm << " mm";
    return static_cast<std::size_t>(found - x.begin());
  };
  const std::size_t k = at(curve->marked);
  EXPECT_EQ(curve->marked, m.calculationType == 0 ? m.layers[0].Thickness() : r.thickness * 1000.0f);
  EXPECT_EQ(curve->heatLoss[k], s.qWithHangers);
  EXPECT_EQ(curve->surfaceTemperatures[k], r.flow.ts);
  EXPECT_EQ(curve->standard.has_value(), r.atStandardThickness.has_value());
  if (r.atStandardThickness) {
    const std::size_t j = at(*r.standardThickness);
    EXPECT_EQ(curve->heatLoss[j], r.atStandardThickness->q);
    EXPECT_EQ(curve->surfaceTemperatures[j], r.atStandardThickness->ts);
  }
  if (!m.layer2On || m.calculationType != 0) {
    EXPECT_EQ(curve->heatLoss[0], s.bareQ);
  }
  // More insulation loses less: every insulated point lies between the thinnest and the
  // thickest. Not point by point: free convection changes its form at L³·dT = 10, where the
  // loss may jump a little. Nor against the bare object, whose surface is not the insulation's.
  const auto loss = [&](std::size_t i) { return std::fabs(curve->heatLoss[i]); };
  EXPECT_LT(loss(x.size() - 1), loss(1));
  for (std::size_t i = 1; i < x.size(); ++i) {
    EXPECT_LE(loss(i), loss(1)) << x[i] << " mm";
    EXPECT_GE(loss(i), loss(x.size() - 1)) << x[i] << " mm";
  }

  EXPECT_EQ(list.end()[-2], &report.lossGraph);
  EXPECT_EQ(list.end()[-1], &report.surfaceGraph);
  EXPECT_EQ(report.lossGraph.Curve(0).xValues, x);
  EXPECT_EQ(report.lossGraph.Curve(0).yValues, curve->heatLoss);
  EXPECT_EQ(report.surfaceGraph.Curve(0).yValues, curve->surfaceTemperatures);
  for (const CGraph* graph : {&report.lossGraph, &report.surfaceGraph}) {
    EXPECT_EQ(graph->Curve(1).xValues, (std::vector<float>{curve->marked, curve->marked}));
    EXPECT_EQ(graph->Curve(1).yValues, (std::vector<float>{graph->yMin, graph->yMax}));
    if (curve->standard) {
      EXPECT_EQ(graph->Curve(2).xValues[0], *curve->standard);
    }
    const int level = graph == &report.surfaceGraph && m.calculationType == 1 ? 1 : 0;
    // The bare object's value is a legend entry of its own, last.
    ASSERT_EQ(graph->curveCount, (curve->standard ? 3 : 2) + level + 1);
    testing::ExpectThicknessGraphShowsTheResult(*graph, doc->reports.Page());
    const CKurve& bare = graph->Curve(graph->curveCount - 1);
    EXPECT_EQ(bare.pointCount, 0);
    EXPECT_TRUE(bare.name.starts_with("Bez izolace: ")) << bare.name;
    EXPECT_TRUE(bare.secondName.starts_with("No insulation: ")) << bare.secondName;
  }
}

INSTANTIATE_TEST_SUITE_P(Forms, HeatLossGraphs, ::testing::ValuesIn(kForms), FormName);

// A cold pipe gains heat: its curves rise with the thickness, and the rules hold for them too.
TEST_F(HeatLossReportTest, ColdPipeGraphsShowTheResult) {
  m.mediumTemperature = -20;
  m.ambientTemperature = 25;
  m.Recalculate();
  ASSERT_EQ(m.calculated, 1);
  const HeatLossReport& report = m.Report();
  ASSERT_LT(report.lossGraph.Curve(0).yValues.front(), 0.0f) << "a heat gain";
  for (const CGraph* graph : {&report.lossGraph, &report.surfaceGraph}) {
    testing::ExpectThicknessGraphShowsTheResult(*graph, doc->reports.Page());
  }
}

// The requirement is a level across the plot; legends name what they mark with the decimal
// separator of their language.
TEST_F(HeatLossReportTest, SurfaceGraphDrawingCalls) {
  m.calculationType = 1;
  m.surfaceTemperature = 35;
  m.Recalculate();
  ASSERT_EQ(m.calculated, 1);
  const CGraph& graph = m.Report().surfaceGraph;
  CGraphicsItem* shown = doc->reports.List(ModuleIndex::HeatLoss).back();
  ASSERT_EQ(shown, &graph);
  ASSERT_EQ(graph.curveCount, 5);
  EXPECT_EQ(graph.Curve(3).yValues, (std::vector<float>{35.0f, 35.0f}));
  EXPECT_EQ(graph.Curve(3).name, "Maximální povrchová teplota 35,0 °C");
  EXPECT_EQ(graph.Curve(3).secondName, "Maximum surface temperature 35.0 °C");
  RecordingSurface screen;
  shown->Draw(screen, graph.rect);
  std::string text;
  for (const std::string& call : screen.calls) text += call + "\n";
  ExpectGolden("heatloss_surface_graph_drawing.txt", text);
}

TEST_F(HeatLossReportTest, FailureHidesEveryItemAndSuccessShowsThemInOrder) {
  m.Recalculate();
  const auto& list = doc->reports.List(ModuleIndex::HeatLoss);
  const HeatLossReport& report = m.Report();
  // Header and footer come first; an indoor pipe of 60.3 mm carries the regulation texts.
  ASSERT_GE(list.size(), 7u);
  const std::vector<const CGraphicsItem*> shown(list.end() - 7, list.end());
  EXPECT_EQ(shown,
            (std::vector<const CGraphicsItem*>{&report.results, &report.verdict, &report.note, &report.input,
                                               &report.clearance, &report.lossGraph, &report.surfaceGraph}));
  m.layers[0].Set(0, nullptr, 50, nullptr, 50);
  m.Recalculate();
  EXPECT_EQ(m.calculated, 0);
  for (const CGraphicsItem* item : list) {
    EXPECT_TRUE(item != &report.results && item != &report.input && item != &report.clearance &&
                item != &report.lossGraph && item != &report.surfaceGraph);
  }
}

// A long input table under the results and the regulation texts goes on to the next page.
TEST_F(HeatLossReportTest, InputTableTooLongForThePageStartsTheNextOne) {
  m.equipmentOn = 1;
  for (int i = 0; i < 30; ++i) {
    auto entry = std::make_unique<CTilleggsutstyr>();
    entry->SetEquipment(&Record<CTillegg2>(*doc, DbList::Equipment));
    entry->UpdateNames("");
    m.equipment.push_back(std::move(entry));
  }
  m.Recalculate();
  const HeatLossReport& report = m.Report();
  ASSERT_TRUE(m.LastVerdict().placed);
  const float width = static_cast<float>(doc->reports.Page().PageWidthMm());
  EXPECT_EQ(report.input.x, 20.0f + width);
  EXPECT_EQ(report.input.y, 65.0f);
  // No room below it either: the clearances go on one page further.
  EXPECT_EQ(report.clearance.x, 20.0f + 2.0f * width);
  EXPECT_EQ(report.clearance.y, 65.0f);
}

TEST_F(HeatLossReportTest, ClearanceOnlyForPipesAndDuctsWithTheFinalOuterSize) {
  m.Recalculate();
  EXPECT_EQ(m.Report().clearance.values[CInsulationSpace::Diameter], 160);  // 60.3 + 2 x 50 mm
  m.objectKind = 3;
  m.SetSurface(&Record<CMantling>(*doc, DbList::PipeSurfaces));
  m.Recalculate();
  const auto& list = doc->reports.List(ModuleIndex::HeatLoss);
  EXPECT_EQ(std::find(list.begin(), list.end(), &m.Report().clearance), list.end());
}

}  // namespace
}  // namespace kelvora
