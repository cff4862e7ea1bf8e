// The solves a recalculation repeats: one layer, three layers, and a whole thickness
// search with its standard thickness, savings and regulation check.

#include <benchmark/benchmark.h>

#include "core/heatloss/physics.h"
#include "core/heatloss/varmetapmodul.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

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

}  // namespace
