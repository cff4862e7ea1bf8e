// What the condensation dialogs wait for after OK: the thickness found and the report
// rebuilt, for a chilled-water pipe and for a humid exhaust duct, indoors, outdoors in a
// wind and with a given coefficient.

#include <benchmark/benchmark.h>

#include "core/modules/condensation/innvendigkondensmodul.h"
#include "core/modules/condensation/utvendigkondensmodul.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace {

using namespace kelvora;

template <class Module>
void Recalculate(benchmark::State& state, Module& module, testing::TestDocument& doc) {
  module.insulation.Set(0, &testing::Record<CIsoProdukt>(*doc, DbList::Products), 0, nullptr, 0);
  module.SetSurface(&testing::Record<CMantling>(*doc, DbList::OuterFinishes));
  module.environment = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    module.Recalculate();
    if (!module.calculated) state.SkipWithError("no result");
  }
}

void BM_ExternalCondensation(benchmark::State& state) {
  testing::TestDocument doc;
  auto& pipe = testing::ModuleOf<CUtvendigKondensModul>(*doc, ModuleIndex::ExternalCondensation);
  pipe.mediumTemperature = 6;
  pipe.diameter = 88.9f;
  Recalculate(state, pipe, doc);
}
BENCHMARK(BM_ExternalCondensation)->DenseRange(0, 2)->ArgName("environment")->Unit(benchmark::kMicrosecond);

void BM_InternalCondensation(benchmark::State& state) {
  testing::TestDocument doc;
  auto& duct = testing::ModuleOf<CInnvendigKondensModul>(*doc, ModuleIndex::InternalCondensation);
  duct.ambientTemperature = 5;
  duct.diameter = 200;
  duct.flow = 300;
  Recalculate(state, duct, doc);
}
BENCHMARK(BM_InternalCondensation)->DenseRange(0, 2)->ArgName("environment")->Unit(benchmark::kMicrosecond);

}  // namespace
