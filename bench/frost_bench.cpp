// What the frost dialog waits for after OK: the pipe calculated and its report rebuilt,
// indoors, outdoors in a wind and with a given coefficient.

#include <benchmark/benchmark.h>

#include "core/modules/frost/frostmodul.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace {

using namespace kelvora;

void BM_RecalculateFrost(benchmark::State& state) {
  testing::TestDocument doc;
  auto& frost = testing::ModuleOf<CFrostModul>(*doc, ModuleIndex::Frost);
  frost.insulation.Set(0, &testing::Record<CIsoProdukt>(*doc, DbList::Products), 50, nullptr, 50);
  frost.SetSurface(&testing::Record<CMantling>(*doc, DbList::OuterFinishes));
  frost.environment = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    frost.Recalculate();
    if (!frost.calculated) state.SkipWithError("the pipe has no result");
  }
}
BENCHMARK(BM_RecalculateFrost)->DenseRange(0, 2)->ArgName("environment")->Unit(benchmark::kMicrosecond);

}  // namespace
