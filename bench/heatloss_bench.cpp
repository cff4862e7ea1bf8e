// The solves a recalculation repeats: one layer, three layers, and whole thickness searches
// with their standard thickness, savings and regulation check.

#include <benchmark/benchmark.h>

#include "core/database/mantling.h"
#include "core/modules/heatloss/calculationtypes.h"
#include "core/modules/heatloss/varmetapmodul.h"
#include "core/physics/physics.h"
#include "support/literalsearch.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"
#include "support/testpaths.h"

namespace {

using namespace kelvora;

PhysicsInput SteamPipe() {
  PhysicsInput in;
  in.diameter = 0.0603f;
  in.mediumTemperature = 150.0f;
  in.ambientTemperature = 20.0f;
  return in;
}

const LambdaPolynomial kWool{1.51e-9f, 1.31e-7f, 1.74e-4f, 0.034f};

void BM_SolveSingleLayer(benchmark::State& state) {
  const PhysicsInput in = SteamPipe();
  const InsulationLayer layer{kWool, 0.05f};
  for (auto _ : state) benchmark::DoNotOptimize(SolveSingleLayer(in, layer));
}
BENCHMARK(BM_SolveSingleLayer);

void BM_SolveThreeLayers(benchmark::State& state) {
  const PhysicsInput in = SteamPipe();
  const std::array<InsulationLayer, 3> layers{{{kWool, 0.03f}, {kWool, 0.04f}, {kWool, 0.05f}}};
  for (auto _ : state) benchmark::DoNotOptimize(SolveThreeLayers(in, layers));
}
BENCHMARK(BM_SolveThreeLayers);

void BM_RecalculateSurfaceTemperatureTarget(benchmark::State& state) {
  testing::TestDocument doc;
  auto& module = testing::ModuleOf<CVarmeTapModul>(*doc, ModuleIndex::HeatLoss);
  module.layers[0].Set(0, &testing::Record<CIsoProdukt>(*doc, DbList::Products), 50, nullptr, 50);
  module.surfaceMode = 1;
  module.diameter = 60.3f;
  module.mediumTemperature = 150.0f;
  module.calculationType = 1;
  module.surfaceTemperature = 35.0f;
  module.Recalculate();
  if (!module.calculated || !module.LastResult()->standardThickness)
    state.SkipWithError("no standard thickness");
  for (auto _ : state) {
    module.Recalculate();
    benchmark::DoNotOptimize(module.calculated);
  }
}
BENCHMARK(BM_RecalculateSurfaceTemperatureTarget);

// The example pipe (60.3 mm at 150 °C indoors, mineral-wool sections under bright aluminium)
// asked for a maximum heat loss: 100 W/m the secant finds; 171 W/m it cannot, so the
// bracketing search answers.
void RecalculateHeatLossTarget(benchmark::State& state, float limit, bool secantFinds) {
  CDataBase shipped((kelvora::testing::BinDir() / "kelvora.dat").string());
  testing::TestDocument doc;
  shipped.Load(doc.messages);
  const auto named = [&](DbList list, const char* name) -> CListItem* {
    for (const auto& record : shipped.List(list))
      if (record->secondName == name || record->name == name) return record.get();
    return nullptr;
  };
  auto* product = dynamic_cast<CIsoProdukt*>(named(DbList::Products, "Mineral wool pipe sections 100 kg/m3"));
  auto* jacket = dynamic_cast<CMantling*>(named(DbList::OuterFinishes, "Hliníkový plech lesklý"));
  if (!product || !jacket) {
    state.SkipWithError("the shipped data lack the example's product or jacket");
    return;
  }
  auto& module = testing::ModuleOf<CVarmeTapModul>(*doc, ModuleIndex::HeatLoss);
  module.layers[0].Set(0, product, 50, nullptr, 50);
  module.SetSurface(jacket);
  module.diameter = 60.3f;
  module.mediumTemperature = 150.0f;
  module.calculationType = 2;
  module.maxHeatLossPerMetre = limit;
  const PhysicsInput in = ModulePhysicsInput(module);
  if (testing::Clean(testing::LiteralHeatLoss(in, product->Polynomial(), limit, false), in) != secantFinds)
    state.SkipWithError("the case does not take the path it is named after");
  module.Recalculate();
  if (!module.calculated) state.SkipWithError("not calculated");
  for (auto _ : state) {
    module.Recalculate();
    benchmark::DoNotOptimize(module.calculated);
  }
  module.layers[0].Set(0, nullptr, 50, nullptr, 50);
  module.SetSurface(nullptr);
}
BENCHMARK_CAPTURE(RecalculateHeatLossTarget, SecantFinds, 100.0f, true)
    ->Repetitions(9)
    ->ReportAggregatesOnly();
BENCHMARK_CAPTURE(RecalculateHeatLossTarget, BracketingSearch, 171.0f, false)
    ->Repetitions(9)
    ->ReportAggregatesOnly();

}  // namespace
