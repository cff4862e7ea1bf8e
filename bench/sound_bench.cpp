// What the sound dialog waits for after OK: the checks, the six bands and the report laid
// out again, for each duct type.

#include <benchmark/benchmark.h>

#include "core/modules/sound/lydmodul.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace {

using namespace kelvora;

void BM_RecalculateSound(benchmark::State& state) {
  testing::TestDocument doc;
  auto& sound = testing::ModuleOf<CLydModul>(*doc, ModuleIndex::Sound);
  sound.ductType = static_cast<std::int32_t>(state.range(0));
  sound.userDefined = 1;
  for (auto _ : state) {
    sound.Recalculate();
    if (!sound.calculated) state.SkipWithError("the duct was refused");
  }
}
BENCHMARK(BM_RecalculateSound)->DenseRange(0, 3)->ArgName("ductType")->Unit(benchmark::kMicrosecond);

}  // namespace
