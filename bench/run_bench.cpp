// What the run dialog waits for after OK: a run of 25 sections, the most it takes, followed
// section by section and its report rebuilt. Sections of every insulation and surroundings,
// as a long liquid line and as a long air duct.

#include <benchmark/benchmark.h>

#include <memory>

#include "core/modules/run/kanaltempmodul.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace {

using namespace kelvora;

void Fill(CQorDoc& doc, CKanalTempModul& run, bool air) {
  run.Reset();
  run.SetLiquid(&testing::Record<CVeske>(doc, DbList::Liquids));
  run.isAir = air ? 1 : 0;
  run.inletTemperature = air ? 45.0f : 90.0f;
  run.energyCostOn = 1;
  CIsoProdukt* product = &testing::Record<CIsoProdukt>(doc, DbList::Products);
  for (int i = 0; i < static_cast<int>(CKanalTempModul::kMaxSections); ++i) {
    auto s = std::make_unique<CSegment>(air ? 1 + i % 3 : CSegment::kPipe, i + 1);
    s->layer1.Set(0, product, 40, nullptr, 40);
    s->layer2.Set(0, product, 30, nullptr, 30);
    s->bare = i % 7 == 3;
    s->secondLayerOn = i % 3 == 1;
    s->environment = i % 3;
    s->suspensionsOn = i % 2;
    s->flow = air ? 800.0f : 2.0f;
    s->SetSurface(&testing::Record<CMantling>(doc, s->kind == CSegment::kRectDuctInternal || s->bare
                                                       ? DbList::PipeSurfaces
                                                       : DbList::OuterFinishes));
    run.sections.push_back(std::move(s));
  }
}

void BM_Recalculate25Sections(benchmark::State& state) {
  testing::TestDocument doc;
  auto& run = testing::ModuleOf<CKanalTempModul>(*doc, ModuleIndex::PipeRun);
  Fill(*doc, run, state.range(0) != 0);
  for (auto _ : state) {
    run.Recalculate();
    if (!run.calculated) state.SkipWithError("the run stopped");
  }
}
BENCHMARK(BM_Recalculate25Sections)->Arg(0)->Arg(1)->ArgName("air")->Unit(benchmark::kMicrosecond);

}  // namespace
