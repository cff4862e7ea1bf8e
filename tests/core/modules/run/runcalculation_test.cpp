#include "core/modules/run/runcalculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"
#include "core/modules/run/kanaltempmodul.h"
#include "core/physics/dewpoint.h"
#include "core/report/reportlists.h"
#include "core/report/reporttext.h"
#include "support/bodybytes.h"
#include "support/golden.h"
#include "support/graphrules.h"
#include "support/modulefixtures.h"
#include "support/recordingsurface.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::ExpectGolden;
using testing::ModuleOf;
using testing::ReadBody;
using testing::Record;
using testing::RecordingSurface;
using testing::TestDocument;
using testing::WriteBody;

using Tweak = std::function<void(CSegment&)>;

class RunTest : public ::testing::Test {
 protected:
  RunTest() {
    run.SetLiquid(&water);
    run.inletTemperature = 60;
  }

  // A section the stored-input checks let through: insulated with 50 mm of the product,
  // finished with the first surface of its list.
  CSegment& Add(std::int32_t kind, const Tweak& tweak = {}) {
    auto section = std::make_unique<CSegment>(kind, static_cast<int>(run.sections.size()) + 1);
    section->layer1.Set(0, &product, 50, nullptr, 50);
    section->layer2.Set(0, &product, 30, nullptr, 30);
    section->flow = kind == CSegment::kPipe ? 0.5f : 500.0f;
    if (tweak) tweak(*section);
    section->SetSurface(section->kind == CSegment::kRectDuctInternal || section->bare ? &pipeSurface
                                                                                      : &finish);
    run.sections.push_back(std::move(section));
    return *run.sections.back();
  }

  // Bare pipe of 100 mm with a given outer coefficient of 10 W/m²K.
  static void BarePipe(CSegment& s) {
    s.bare = 1;
    s.environment = 2;
    s.userOuterCoefficient = 10;
  }

  void Air(float inlet) {
    run.isAir = 1;
    run.inletTemperature = inlet;
  }

  bool Recalculate() {
    run.Recalculate();
    return run.calculated == 1;
  }

  // Beyond what the document itself shows on the run's pages.
  std::size_t ShownItems() { return doc->reports.List(ModuleIndex::PipeRun).size() - documentItems; }

  TestDocument doc;
  CKanalTempModul& run = ModuleOf<CKanalTempModul>(*doc, ModuleIndex::PipeRun);
  CVeske& water = Record<CVeske>(*doc, DbList::Liquids);
  CIsoProdukt& product = Record<CIsoProdukt>(*doc, DbList::Products);
  CMantling& finish = Record<CMantling>(*doc, DbList::OuterFinishes);
  CMantling& pipeSurface = Record<CMantling>(*doc, DbList::PipeSurfaces);
  std::size_t documentItems = doc->reports.List(ModuleIndex::PipeRun).size();
};

std::string Czech(int id) { return std::string(LoadResourceString(id, Language::Czech)); }

// Water ρ cp Q for 0.5 m³/h.
constexpr float kWaterFlowCapacity = 999.0f * 4180.0f * 0.5f / 3600.0f;

TEST_F(RunTest, BarePipeFollowsTheClosedForm) {
  const CSegment& s = Add(CSegment::kPipe, BarePipe);
  const auto r = ComputeSection(s, 60, 999, 4180);
  ASSERT_TRUE(r);
  const float u = 10.0f * kPi * 0.1f;
  const float expected = 20.0f + 40.0f * std::exp(-u * 10.0f / kWaterFlowCapacity);
  EXPECT_NEAR(r->outlet, expected, 1e-4f);
  EXPECT_NEAR(r->outlet, 57.89f, 0.005f);
  EXPECT_NEAR(r->heatLoss, 1223.0f, 0.5f);
  EXPECT_FLOAT_EQ(*r->outerCoefficient, 10.0f);
}

// Lengths that add up the same way give the same run: the section's own length split in
// two, and an insulated section's equipment, whose equivalent length loses heat as a bare
// section after it does.
TEST_F(RunTest, LengthsAddUpAlongTheRun) {
  const float oneSectionOutlet = ComputeSection(Add(CSegment::kPipe,
                                                    [](CSegment& s) {
                                                      BarePipe(s);
                                                      s.length = 15;
                                                    }),
                                                60, 999, 4180)
                                     ->outlet;
  run.sections.clear();
  for (int i = 0; i < 3; ++i)
    Add(CSegment::kPipe, [](CSegment& s) {
      BarePipe(s);
      s.length = 5;
    });
  ASSERT_TRUE(Recalculate());
  EXPECT_NEAR(run.Results().back().outlet, oneSectionOutlet, 2e-4f);
  run.sections.clear();

  const auto insulated = [](CSegment& s) {
    s.environment = 2;
    s.userOuterCoefficient = 10;
  };
  Add(CSegment::kPipe, insulated);
  Add(CSegment::kPipe, [](CSegment& s) {
    BarePipe(s);
    s.length = 5;
  });
  ASSERT_TRUE(Recalculate());
  const float followedByBarePipe = run.Results().back().outlet;
  run.sections.clear();
  CSegment& withValves = Add(CSegment::kPipe, [&](CSegment& s) {
    insulated(s);
    s.auxEquipmentOn = 1;
    auto valves = std::make_unique<CTilleggsutstyr>();
    valves->userDefined = 1;
    valves->equivalentLength = 2.5f;
    valves->count = 2;
    s.auxEquipment.push_back(std::move(valves));
  });
  const auto r = ComputeSection(withValves, 60, 999, 4180);
  EXPECT_NEAR(r->outlet, followedByBarePipe, 2e-4f);
  EXPECT_NEAR(r->heatLoss, kWaterFlowCapacity * (60.0f - r->outlet), 0.05f);
}

TEST_F(RunTest, SuspensionsOutdoorsLengthenTheInsulatedPathButNotTheRun) {
  const auto outdoors = [](float length, int suspensions) {
    return [=](CSegment& s) {
      s.environment = 1;
      s.length = length;
      s.suspensionsOn = suspensions;
    };
  };
  const CSegment& longer = Add(CSegment::kPipe, outdoors(12.5f, 0));
  const CSegment& suspended = Add(CSegment::kPipe, outdoors(10, 1));
  EXPECT_NEAR(ComputeSection(suspended, 60, 999, 4180)->outlet, ComputeSection(longer, 60, 999, 4180)->outlet,
              1e-4f);
  EXPECT_NEAR(ComputeSection(suspended, 60, 999, 4180)->heatLoss,
              ComputeSection(longer, 60, 999, 4180)->heatLoss, 0.05f);
  // Bare sections and ducts lined inside have no suspensions that count.
  for (const Tweak& bare :
       {Tweak(BarePipe), Tweak([](CSegment& s) { s.kind = CSegment::kRectDuctInternal; })}) {
    CSegment& with = Add(CSegment::kPipe, bare);
    const auto before = ComputeSection(with, 60, 999, 4180);
    with.suspensionsOn = 1;
    EXPECT_EQ(ComputeSection(with, 60, 999, 4180)->outlet, before->outlet);
  }
}

struct AtAmbientCase {
  const char* name;
  std::int32_t kind;
  float inlet;
};

class RunAtAmbient : public RunTest, public ::testing::WithParamInterface<AtAmbientCase> {};

TEST_P(RunAtAmbient, PassesTheTemperatureThroughWithoutLoss) {
  const CSegment& s = Add(GetParam().kind, [](CSegment& section) {
    section.auxEquipmentOn = 1;
    auto valve = std::make_unique<CTilleggsutstyr>();
    valve->userDefined = 1;
    section.auxEquipment.push_back(std::move(valve));
  });
  const auto r = ComputeSection(s, GetParam().inlet, 999, 4180);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->outlet, GetParam().inlet);
  EXPECT_EQ(r->heatLoss, 0.0f);
  EXPECT_FALSE(r->outerCoefficient);
}

INSTANTIATE_TEST_SUITE_P(Kinds, RunAtAmbient,
                         ::testing::Values(AtAmbientCase{"pipe_above", CSegment::kPipe, 20.09f},
                                           AtAmbientCase{"pipe_below", CSegment::kPipe, 19.95f},
                                           AtAmbientCase{"duct", CSegment::kCircularDuct, 20.05f},
                                           AtAmbientCase{"rectangular", CSegment::kRectDuctExternal, 20.0f}),
                         [](const auto& info) { return std::string(info.param.name); });

// A foam far above its range: the two-layer balance settles on a surface far colder than
// the surroundings.
void FalseRootOfTwoLayers(CSegment& s) {
  s.kind = CSegment::kPipe;
  s.diameter = 150;
  s.environment = 1;
  s.secondLayerOn = 1;
  CIsoProdukt* foam = s.layer1.StandardProduct();
  foam->SetPolynomial({-1.50912e-9f, 2.43792e-7f, 8.92411e-5f, 0.0351009f});
  s.layer1.Set(0, foam, 20, nullptr, 20);
  s.layer2.Set(0, foam, 50, nullptr, 50);
}

// Sections whose balance has no physical answer, each once the guard is gone: their
// results would be NaN, a surface far below the ambient temperature, or a chain with a
// resistance of the wrong sign.
struct NoAnswerCase {
  const char* name;
  float inlet;
  Tweak tweak;
};

class RunWithoutAnswer : public RunTest, public ::testing::WithParamInterface<NoAnswerCase> {};

TEST_P(RunWithoutAnswer, ComputesNothing) {
  const CSegment& s = Add(CSegment::kCircularDuct, GetParam().tweak);
  EXPECT_FALSE(ComputeSection(s, GetParam().inlet, 999, 4180));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RunWithoutAnswer,
    ::testing::Values(NoAnswerCase{"two_layer_false_root", 600, FalseRootOfTwoLayers},
                      NoAnswerCase{"air_capacity_not_positive", 1700, [](CSegment& s) { s.bare = 1; }},
                      NoAnswerCase{"air_viscosity_not_positive", -150, [](CSegment& s) { s.bare = 1; }},
                      NoAnswerCase{"conductivity_below_its_range", -1500,
                                   [](CSegment& s) {
                                     s.userInnerCoefficientOn = 1;
                                     s.kind = CSegment::kRectDuctExternal;
                                   }},
                      NoAnswerCase{"inner_coefficient_zero", 60,
                                   [](CSegment& s) {
                                     s.userInnerCoefficientOn = 1;
                                     s.userInnerCoefficient = 0;
                                   }},
                      NoAnswerCase{"flow_not_a_number", 60, [](CSegment& s) { s.flow = std::nanf(""); }},
                      NoAnswerCase{"missing_product", 60,
                                   [](CSegment& s) { s.layer1.Set(0, nullptr, 50, nullptr, 50); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunTest, ASectionWithoutAnswerStopsTheRunWithNoReport) {
  Add(CSegment::kPipe, FalseRootOfTwoLayers);
  product.maxTemperature = 1000;
  run.inletTemperature = 600;
  EXPECT_FALSE(Recalculate());
  EXPECT_EQ(doc.messages.shown, std::vector<std::string>{Czech(ids::kCalculationInterrupted)});
  EXPECT_EQ(ShownItems(), 0u);
  EXPECT_TRUE(run.Results().empty());
}

// Every comparison with NaN is false: it would pass the freezing check and flow on.
TEST_F(RunTest, AConductivityThatIsNoNumberStopsTheRunBeforeTheFreezingCheck) {
  const float nan = std::nanf("");
  product.SetPolynomial({nan, nan, nan, nan});
  Add(CSegment::kPipe);
  Add(CSegment::kPipe);
  EXPECT_FALSE(Recalculate());
  EXPECT_EQ(doc.messages.shown, std::vector<std::string>{Czech(ids::kCalculationInterrupted)});
  EXPECT_EQ(ShownItems(), 0u);
}

TEST_F(RunTest, AirTooHotForItsCapacityFitStopsTheRun) {
  Air(1800);
  Add(CSegment::kCircularDuct, [](CSegment& s) { s.bare = 1; });
  EXPECT_FALSE(Recalculate());
  EXPECT_EQ(doc.messages.shown, std::vector<std::string>{Czech(ids::kCalculationInterrupted)});
}

TEST_F(RunTest, ALiquidMayLeaveAtItsFreezingPointButNotBelow) {
  run.inletTemperature = 5;
  run.userDefinedLiquid = 1;
  Add(CSegment::kPipe, [](CSegment& s) {
    BarePipe(s);
    s.ambientTemperature = -20;
  });
  const float outlet = ComputeSection(*run.sections[0], 5, run.liquidDensity, run.liquidHeatCapacity)->outlet;
  run.liquidFreezingPoint = outlet;
  EXPECT_TRUE(Recalculate());
  EXPECT_TRUE(doc.messages.shown.empty());

  run.liquidFreezingPoint = outlet + 0.01f;
  EXPECT_FALSE(Recalculate());
  EXPECT_EQ(doc.messages.shown,
            std::vector<std::string>{FormatMessage(Czech(ids::kRunBelowFreezing), {run.sections[0]->name})});
  EXPECT_EQ(ShownItems(), 0u);
}

TEST_F(RunTest, AirBelowItsDewPointAsksWhetherToStop) {
  Air(40);
  run.dewPointCheckOn = 1;
  run.relativeHumidity = 60;
  EXPECT_NEAR(DewPoint(60, 40), 30.76f, 0.01f);
  Add(CSegment::kCircularDuct, [](CSegment& s) {
    s.bare = 1;
    s.ambientTemperature = -10;
    s.length = 50;
  });
  Add(CSegment::kCircularDuct);

  doc.messages.answers = {false, false};  // No: go on, also after the second section
  EXPECT_TRUE(Recalculate());
  ASSERT_EQ(doc.messages.shown.size(), 2u);
  EXPECT_NE(doc.messages.shown[0].find("Úsek 1"), std::string::npos);
  EXPECT_EQ(ShownItems(), 8u) << "the note of the check among the tables";

  doc.messages.shown.clear();
  doc.messages.answers = {true};  // Yes: stop
  EXPECT_FALSE(Recalculate());
  EXPECT_EQ(doc.messages.shown.size(), 1u);
  EXPECT_EQ(ShownItems(), 0u);
}

TEST_F(RunTest, CancelAtTheProductLimitStopsTheRunQuietly) {
  product.maxTemperature = 50;
  Add(CSegment::kPipe);
  doc.messages.answers = {false};
  EXPECT_FALSE(Recalculate());
  EXPECT_EQ(doc.messages.shown,
            std::vector<std::string>{FormatMessage(Czech(ids::kRunAboveProductLimit), {"Úsek 1"})});

  doc.messages.shown.clear();
  doc.messages.answers = {true};
  EXPECT_TRUE(Recalculate());
}

// The report holds the module's four tables, one per section and the graph, and lets go of them all
// when the run stops, shrinks or is reset.
TEST_F(RunTest, TheReportListHoldsExactlyTheCurrentSections) {
  for (int i = 0; i < 3; ++i) Add(CSegment::kPipe);
  ASSERT_TRUE(Recalculate());
  EXPECT_EQ(ShownItems(), 8u);
  // Tables made as the run grows open the help page of the input as the module's table does.
  EXPECT_NE(run.Report().input.helpTopic, "");
  for (const auto& table : run.Report().sectionInputs)
    EXPECT_EQ(table->helpTopic, run.Report().input.helpTopic);

  ItemList<CSegment> fewer;
  fewer.push_back(CloneItem(*run.sections[0]));
  ReplaceList(run.sections, fewer, true);
  ASSERT_TRUE(Recalculate());
  EXPECT_EQ(ShownItems(), 6u);

  run.sections[0]->layer1.Set(0, nullptr, 50, nullptr, 50);
  EXPECT_FALSE(Recalculate());
  EXPECT_EQ(ShownItems(), 0u);

  run.sections[0]->layer1.Set(0, &product, 50, nullptr, 50);
  ASSERT_TRUE(Recalculate());
  run.Reset();
  EXPECT_EQ(ShownItems(), 0u);
}

// A damaged file cannot take a choice out of range; a run stored as calculated is
// calculated again, one stored without results leaves nothing of the report before.
TEST_F(RunTest, ReadingKeepsChoicesInRangeAndTheReportInStep) {
  Add(CSegment::kPipe, [](CSegment& s) {
    s.environment = 7;
    s.flowUnit = 9;
  });
  run.calculated = 1;
  const std::string calculated = WriteBody(*doc, run);
  run.calculated = 0;
  run.isAir = 9;
  const std::string notCalculated = WriteBody(*doc, run);

  EXPECT_EQ(ReadBody(*doc, run, calculated), 0u);
  EXPECT_EQ(run.sections[0]->environment, 2);
  EXPECT_EQ(run.sections[0]->flowUnit, 2);
  EXPECT_EQ(run.calculated, 1) << ::testing::PrintToString(doc.messages.shown);
  EXPECT_EQ(ShownItems(), 6u);

  EXPECT_EQ(ReadBody(*doc, run, notCalculated), 0u);
  EXPECT_EQ(run.isAir, 3);
  EXPECT_EQ(ShownItems(), 0u);
}

// The flags the section dialog greys for a bare section count for nothing there, in the
// calculation and in the report alike, although the section keeps them; insulated, each
// changes both.
struct GreyedFlagCase {
  const char* name;
  bool bare;
  std::int32_t CSegment::*flag;
};

class RunGreyedFlag : public RunTest, public ::testing::WithParamInterface<GreyedFlagCase> {
 protected:
  RunGreyedFlag() { doc->reports.Page().SetScreenSurface(&measure); }
  RecordingSurface measure;
};

TEST_P(RunGreyedFlag, CountsOnlyWhereTheDialogOffersIt) {
  const GreyedFlagCase& c = GetParam();
  CSegment& s = Add(CSegment::kPipe, [&](CSegment& section) {
    if (c.bare) BarePipe(section);
    auto valves = std::make_unique<CTilleggsutstyr>();
    valves->userDefined = 1;
    valves->equivalentLength = 2.5f;
    valves->count = 2;
    valves->UpdateNames("Ventil");
    section.auxEquipment.push_back(std::move(valves));
  });
  const auto outcome = [&](std::int32_t flag) {
    s.*c.flag = flag;
    EXPECT_TRUE(Recalculate()) << ::testing::PrintToString(doc.messages.shown);
    // Kept for the file, whether it counts or not.
    EXPECT_EQ(s.*c.flag, flag);
    return std::pair(run.Results().at(0).outlet, ReportCopyText(doc->reports, ModuleIndex::PipeRun));
  };
  const auto without = outcome(0);
  const auto with = outcome(1);
  EXPECT_EQ(with.first == without.first, c.bare) << with.first << " " << without.first;
  EXPECT_EQ(with.second == without.second, c.bare);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, RunGreyedFlag,
    ::testing::Values(GreyedFlagCase{"bare_second_layer", true, &CSegment::secondLayerOn},
                      GreyedFlagCase{"bare_suspensions", true, &CSegment::suspensionsOn},
                      GreyedFlagCase{"bare_equipment", true, &CSegment::auxEquipmentOn},
                      GreyedFlagCase{"insulated_second_layer", false, &CSegment::secondLayerOn},
                      GreyedFlagCase{"insulated_suspensions", false, &CSegment::suspensionsOn},
                      GreyedFlagCase{"insulated_equipment", false, &CSegment::auxEquipmentOn}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunTest, ABareSectionHasNoInsulationAmount) {
  CSegment& s = Add(CSegment::kPipe, [](CSegment& section) {
    BarePipe(section);
    section.secondLayerOn = 1;
  });
  EXPECT_EQ(s.InsulationArea(1), 0.0f);
  ASSERT_TRUE(Recalculate());
  // The header, the section's row and the total.
  EXPECT_EQ(run.Report().insulation.rowCount, 3);
}

TEST_F(RunTest, TheReportTakesRunsLongerThanTheDialogAllows) {
  for (int i = 0; i < 30; ++i) Add(CSegment::kPipe);
  std::vector<RunSectionResult> results(run.sections.size());
  ReportLists lists;
  RunReport report(lists.Page());
  report.Reset(&lists);
  report.Show(run, results, 0, 300, &lists);
  EXPECT_EQ(report.results.rowCount, 31);
  EXPECT_EQ(lists.List(ModuleIndex::PipeRun).size(), 35u);
  report.Hide(&lists);
  EXPECT_TRUE(lists.List(ModuleIndex::PipeRun).empty());
}

// Random runs of liquid and of air keep the balance of every section and of the run.
TEST_F(RunTest, RandomRunsKeepTheirEnergyBalance) {
  std::mt19937 random(20261210);
  const auto pick = [&](float low, float high) {
    return std::uniform_real_distribution<float>(low, high)(random);
  };
  const auto whole = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  product.maxTemperature = 1000;
  int checked = 0;
  for (int trial = 0; trial < 60; ++trial) {
    run.Reset();
    run.SetLiquid(&water);
    const bool air = trial % 2 == 1;
    run.isAir = air ? 1 : 0;
    run.inletTemperature = pick(air ? -20.0f : 30.0f, air ? 140.0f : 140.0f);
    run.energyCostOn = 1;
    const float flow = air ? pick(100, 3000) : pick(0.2f, 20);
    const int count = whole(1, 8);
    for (int i = 0; i < count; ++i) {
      Add(air ? whole(1, 3) : CSegment::kPipe, [&](CSegment& s) {
        s.flow = flow;
        s.length = pick(1, 60);
        s.diameter = pick(20, 400);
        s.width = pick(200, 800);
        s.height = pick(200, 800);
        s.ambientTemperature = pick(-20, 35);
        s.environment = whole(0, 2);
        s.bare = whole(0, 3) == 0;
        s.secondLayerOn = whole(0, 1);
        s.suspensionsOn = whole(0, 1);
        s.layer1.Set(0, &product, pick(20, 80), nullptr, 0);
        s.layer2.Set(0, &product, pick(20, 60), nullptr, 0);
      });
    }
    if (!Recalculate()) continue;
    ++checked;
    const auto& results = run.Results();
    ASSERT_EQ(results.size(), run.sections.size());
    float t = run.inletTemperature;
    float total = 0;
    float length = 0;
    for (std::size_t i = 0; i < results.size(); ++i) {
      const CSegment& s = *run.sections[i];
      const RunSectionResult& r = results[i];
      // Each section starts where the one before ended.
      EXPECT_EQ(r.outlet, ComputeSection(s, t, water.density, water.heatCapacity)->outlet);
      const float cv = air ? AirVolumetricHeatCapacity(t) : water.density * water.heatCapacity;
      EXPECT_NEAR(r.heatLoss, cv * s.VolumeFlow() * (t - r.outlet), 1e-3f * std::fabs(r.heatLoss) + 0.01f);
      EXPECT_GE(r.outlet, std::min(t, s.ambientTemperature) - 1e-3f);
      EXPECT_LE(r.outlet, std::max(t, s.ambientTemperature) + 1e-3f);
      total += r.heatLoss;
      length += s.length;
      t = r.outlet;
    }
    if (!air) {
      EXPECT_NEAR(
          total,
          water.density * water.heatCapacity * run.sections[0]->VolumeFlow() * (run.inletTemperature - t),
          1e-3f * std::fabs(total) + 0.05f);
    }
    const CTabell& energy = run.Report().energy;
    EXPECT_EQ(energy.Cell(1, 1).Text(false), FormatC("%.0f W", {total}));
    EXPECT_EQ(energy.Cell(2, 1).Text(false), FormatC("%.1f W/m", {total / length}));
    const float kwh = total * run.operatingHours / 1000.0f;
    EXPECT_EQ(energy.Cell(3, 1).Text(false), FormatC("%.0f kWh/rok", {kwh}));
    EXPECT_EQ(energy.Cell(4, 1).Text(false), FormatC("%.0f Kč/rok", {kwh * run.energyPrice}));
  }
  EXPECT_GT(checked, 40);
}

// The report of a liquid run through pipes of every insulation, and of an air run through
// ducts of every kind, in both languages.
class RunReportGolden : public RunTest {
 protected:
  RunReportGolden() { doc->reports.Page().SetScreenSurface(&measure); }

  void ExpectReport(const std::string& name) {
    ASSERT_TRUE(Recalculate()) << ::testing::PrintToString(doc.messages.shown);
    for (const bool english : {false, true}) {
      doc->englishResults = english ? 1 : 0;
      doc->Refresh(kLayoutChangedHint);
      ExpectGolden("run_" + name + (english ? ".en.txt" : ".cz.txt"),
                   ReportCopyText(doc->reports, ModuleIndex::PipeRun));
    }
  }

  RecordingSurface measure;
};

TEST_F(RunReportGolden, LiquidRun) {
  run.energyCostOn = 1;
  run.operatingHours = 6000;
  run.energyPrice = 2.5f;
  Add(CSegment::kPipe, [&](CSegment& s) {
    s.suspensionsOn = 1;
    s.auxEquipmentOn = 1;
    auto valves = std::make_unique<CTilleggsutstyr>();
    valves->SetEquipment(&Record<CTillegg2>(*doc, DbList::Equipment));
    valves->count = 2;
    valves->UpdateNames("");
    s.auxEquipment.push_back(std::move(valves));
  });
  Add(CSegment::kPipe, [](CSegment& s) {
    s.bare = 1;
    s.secondLayerOn = 1;
    s.environment = 1;
    s.windSpeed = 4;
    s.ambientTemperature = -5;
    s.length = 3;
  });
  Add(CSegment::kPipe, [](CSegment& s) {
    s.secondLayerOn = 1;
    s.environment = 2;
    s.userOuterCoefficient = 8;
    s.flowUnit = 1;
    s.flow = 0.14f;
    s.diameter = 60.3f;
  });
  ExpectReport("liquid");
}

TEST_F(RunReportGolden, AirRun) {
  Air(60);
  run.isAir = 2;
  run.dewPointCheckOn = 1;
  run.relativeHumidity = 30;
  Add(CSegment::kCircularDuct, [](CSegment& s) {
    s.diameter = 315;
    s.userInnerCoefficientOn = 1;
    s.userInnerCoefficient = 12;
  });
  Add(CSegment::kRectDuctExternal, [](CSegment& s) {
    s.secondLayerOn = 1;
    s.environment = 1;
    s.ambientTemperature = 0;
    s.width = 500;
    s.height = 300;
    s.flowUnit = 2;
    s.flow = 3;
  });
  Add(CSegment::kRectDuctInternal, [&](CSegment& s) {
    s.facingOn = 1;
    s.SetFacing(&Record<CMantling>(*doc, DbList::InnerFacings));
    s.userEmissivityOn = 1;
    s.userEmissivity = 0.3f;
    s.width = 600;
    s.height = 400;
    s.suspensionsOn = 1;
  });
  ExpectReport("air");
}

// Answered No at the warning, the report keeps the risk: the note names both sections.
TEST_F(RunReportGolden, AirBelowTheDewPoint) {
  Air(40);
  run.dewPointCheckOn = 1;
  run.relativeHumidity = 60;
  Add(CSegment::kCircularDuct, [](CSegment& s) {
    s.bare = 1;
    s.ambientTemperature = -10;
    s.length = 50;
  });
  Add(CSegment::kCircularDuct);
  doc.messages.answers = {false, false};
  ExpectReport("dew_point_risk");
}

// The graph of the medium along the run: one curve per section from its inlet to its outlet,
// as the results table gives them, then the level the run checks.
class RunGraph : public RunReportGolden {
 protected:
  const CGraph& Graph() const { return run.Report().temperatures; }

  // A liquid through an insulated section with valves, a bare one outdoors and one of two
  // layers.
  void ThreeSections() {
    Add(CSegment::kPipe, [&](CSegment& s) {
      s.auxEquipmentOn = 1;
      auto valves = std::make_unique<CTilleggsutstyr>();
      valves->SetEquipment(&Record<CTillegg2>(*doc, DbList::Equipment));
      valves->count = 2;
      s.auxEquipment.push_back(std::move(valves));
    });
    Add(CSegment::kPipe, [](CSegment& s) {
      BarePipe(s);
      s.ambientTemperature = -5;
      s.length = 3;
    });
    Add(CSegment::kPipe, [](CSegment& s) {
      s.secondLayerOn = 1;
      s.length = 25;
    });
  }
};

TEST_F(RunGraph, EachSectionRunsFromItsInletToTheOutletOfTheResultsTable) {
  ThreeSections();
  ASSERT_TRUE(Recalculate());
  const auto& results = run.Results();
  ASSERT_EQ(Graph().curveCount, 4);
  float start = 0;
  float inlet = run.inletTemperature;
  for (std::size_t i = 0; i < results.size(); ++i) {
    const CSegment& s = *run.sections[i];
    const CKurve& curve = Graph().Curve(static_cast<int>(i));
    SCOPED_TRACE(s.name);
    EXPECT_EQ(curve.name, s.name);
    ASSERT_GE(curve.pointCount, 2);
    EXPECT_EQ(curve.xValues.front(), start);
    EXPECT_EQ(curve.yValues.front(), inlet);
    start += s.length;
    EXPECT_FLOAT_EQ(curve.xValues.back(), start);
    EXPECT_EQ(curve.yValues.back(), results[i].outlet);
    EXPECT_EQ(FormatC("%.1f °C", {curve.yValues.back()}),
              run.Report().results.Cell(static_cast<int>(i) + 1, 1).Text(false));
    // The medium cools all the way, the equipment last.
    EXPECT_TRUE(std::is_sorted(curve.xValues.begin(), curve.xValues.end()));
    EXPECT_TRUE(std::is_sorted(curve.yValues.rbegin(), curve.yValues.rend()));
    inlet = results[i].outlet;
  }
  EXPECT_GT(Graph().Curve(0).pointCount, Graph().Curve(2).pointCount) << "the valves' step at the end";
}

// Along a bare pipe of a given outer coefficient the section loses at a constant rate, so the
// curve at each point equals the section calculated only that far.
TEST_F(RunGraph, InsideASectionTheCurveFollowsTheSectionCalculation) {
  Add(CSegment::kPipe, BarePipe);
  ASSERT_TRUE(Recalculate());
  const CKurve& curve = Graph().Curve(0);
  ASSERT_GT(curve.pointCount, 5);
  for (int k = 1; k < curve.pointCount; ++k) {
    CSegment part(*run.sections[0]);
    part.length = curve.xValues[static_cast<std::size_t>(k)];
    const auto r = ComputeSection(part, run.inletTemperature, water.density, water.heatCapacity);
    ASSERT_TRUE(r);
    EXPECT_NEAR(curve.yValues[static_cast<std::size_t>(k)], r->outlet, 1e-4f) << part.length << " m";
  }
}

TEST_F(RunGraph, TheLevelIsWhatTheRunChecks) {
  const struct {
    const char* what;
    bool air;
    bool dewPointCheck;
    bool userLiquid;
    float inlet;
    std::string legend;  // none: no level
    bool inside;         // the level lies near enough to the medium's temperatures to be drawn
  } cases[] = {
      {"liquid of the database", false, false, false, 60, "Bod tuhnutí média 0,0 °C (mimo rozsah grafu)",
       false},
      {"user's liquid", false, false, true, 60, "Bod tuhnutí média -2,5 °C (mimo rozsah grafu)", false},
      {"liquid near its freezing point", false, false, false, 0.3f, "Bod tuhnutí média 0,0 °C", true},
      {"air checked", true, true, false, 30, "Rosný bod vstupního vzduchu 10,5 °C (mimo rozsah grafu)",
       false},
      {"air unchecked", true, false, false, 30, "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    run.Reset();
    run.SetLiquid(&water);
    water.freezingPoint = 0;
    run.inletTemperature = c.inlet;
    run.isAir = c.air ? 1 : 0;
    run.dewPointCheckOn = c.dewPointCheck ? 1 : 0;
    run.relativeHumidity = 30;
    run.userDefinedLiquid = c.userLiquid ? 1 : 0;
    run.liquidFreezingPoint = -2.5f;
    Add(c.air ? CSegment::kCircularDuct : CSegment::kPipe);
    Add(c.air ? CSegment::kCircularDuct : CSegment::kPipe, [](CSegment& s) { s.length = 20; });
    ASSERT_TRUE(Recalculate());
    if (c.legend.empty()) {
      EXPECT_EQ(Graph().curveCount, 2);
      continue;
    }
    ASSERT_EQ(Graph().curveCount, 3);
    const CKurve& level = Graph().Curve(2);
    EXPECT_EQ(level.name, c.legend);
    EXPECT_EQ(level.xValues, (std::vector<float>{0, run.sections[0]->length + 20}));
    ASSERT_EQ(level.pointCount, 2);
    EXPECT_EQ(level.yValues[0], level.yValues[1]);
    EXPECT_TRUE(level.level);
    EXPECT_EQ(level.outsideRange, !c.inside);
    const bool plotted = Graph().yMin <= level.yValues[0] && level.yValues[0] <= Graph().yMax;
    EXPECT_EQ(plotted, c.inside) << "a level outside the range is cut off, not drawn: " << Graph().yMin
                                 << " .. " << Graph().yMax;
    testing::ExpectRunGraphShowsTheMedium(Graph(), doc->reports.Page());
  }
}

TEST_F(RunGraph, DrawingCalls) {
  ThreeSections();
  ASSERT_TRUE(Recalculate());
  CGraphicsItem* graph = doc->reports.List(ModuleIndex::PipeRun).back();
  ASSERT_EQ(graph, &Graph()) << "the graph comes last";
  RecordingSurface surface;
  graph->Draw(surface, graph->rect);
  std::string text;
  for (const std::string& call : surface.calls) text += call + "\n";
  ExpectGolden("run_graph_drawing.txt", text);
}

}  // namespace
}  // namespace kelvora
