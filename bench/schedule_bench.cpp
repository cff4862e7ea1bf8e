// A plant's line list through the heat-loss calculation: the cost of one line of each
// calculation type, and of a list of 10,000 mixed lines read, computed and written.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "cli/linelist.h"
#include "cli/schedule.h"
#include "cli/schedulecommand.h"
#include "core/document/document.h"
#include "support/fakeplatform.h"
#include "support/memorysettings.h"
#include "support/testpaths.h"

namespace {

using namespace kelvora;
using namespace kelvora::cli;

// The template's pipe (given thickness), duct (heat loss) and wall (surface temperature),
// and the pipe again under the regulation's requirement.
std::string Lines(std::size_t repeats) {
  const std::string shown = ScheduleTemplate(',', false);
  const std::size_t body = shown.find('\n') + 1;
  const std::string header = shown.substr(0, body);
  std::string lines = shown.substr(body);
  const std::string pipe = lines.substr(0, lines.find('\n') + 1);
  std::string requirement = pipe;
  requirement.replace(requirement.find(",given,"), 7, ",requirement,");
  lines += requirement;
  std::string list = header;
  for (std::size_t k = 0; k < repeats; ++k) list += lines;
  return list;
}

struct Plant {
  Plant() : doc(DocumentServices{messages, chooser, settings, locale, kelvora::testing::BinDir().string()}) {}
  cli::CollectedMessages messages;
  testing::ScriptedChooser chooser;
  testing::MemorySettings settings;
  testing::FakeLocale locale;
  CQorDoc doc;
};

void BM_ComputeLine(benchmark::State& state) {
  Plant plant;
  const auto list = ReadLineList(Lines(1));
  Schedule schedule(plant.doc, plant.messages, list->header);
  const auto& record = list->records.at(static_cast<std::size_t>(state.range(0)));
  if (!schedule.Compute(record).figures) state.SkipWithError("the line does not compute");
  for (auto _ : state) benchmark::DoNotOptimize(schedule.Compute(record));
}
BENCHMARK(BM_ComputeLine)->ArgName("given_heatloss_surface_requirement")->DenseRange(0, 3);

void BM_TenThousandLines(benchmark::State& state) {
  Plant plant;
  const std::string bytes = Lines(2500);
  for (auto _ : state) {
    const auto list = ReadLineList(bytes);
    Schedule schedule(plant.doc, plant.messages, list->header);
    std::string csv;
    for (const auto& record : list->records)
      csv += WriteCsvLine(OutcomeFields(schedule.Compute(record), false), ',');
    benchmark::DoNotOptimize(csv);
  }
}
BENCHMARK(BM_TenThousandLines)->Unit(benchmark::kMillisecond);

}  // namespace
