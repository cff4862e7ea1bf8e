// Every graph of every shipped example shows what it is drawn for: the rules of
// support/graphrules.h over the reports as a user opens them.

#include <gtest/gtest.h>

#include <string>

#include "core/document/document.h"
#include "support/fakeplatform.h"
#include "support/graphrules.h"
#include "support/memorysettings.h"
#include "support/recordingsurface.h"
#include "support/testpaths.h"

namespace kelvora {
namespace {

void ExpectShowsItsSubject(CGraph& graph, const PageModel& page, ModuleIndex module) {
  switch (module) {
    case ModuleIndex::HeatLoss:
      testing::ExpectThicknessGraphShowsTheResult(graph, page);
      break;
    case ModuleIndex::PipeRun:
      testing::ExpectRunGraphShowsTheMedium(graph, page);
      break;
    case ModuleIndex::Economics:
      testing::ExpectEconomicsGraphShowsTheAlternatives(graph, page);
      break;
    default:
      testing::ExpectDrawnInsideThePlot(graph, page);
      break;
  }
}

TEST(GraphRules, EveryExampleGraphShowsWhatItIsDrawnFor) {
  const char* examples[] = {"heatloss-pipe.vtp", "chilled-water-pipe.vtp", "pipe-run.vtp",
                            "duct-run.vtp",      "humid-exhaust-duct.vtp", "economics-pipe.vtp",
                            "frost-pipe.vtp",    "tank-hot-water.vtp",     "tank-freezing.vtp",
                            "sound-duct.vtp"};
  int graphs = 0;
  for (const char* example : examples) {
    SCOPED_TRACE(example);
    testing::RecordingMessages messages;
    testing::ScriptedChooser chooser;
    testing::MemorySettings settings;
    testing::FakeLocale locale;
    testing::RecordingSurface measuring;
    CQorDoc doc(DocumentServices{messages, chooser, settings, locale, testing::BinDir().string()});
    doc.reports.Page().SetScreenSurface(&measuring);
    ASSERT_TRUE(doc.Open((testing::SourceDir() / "examples" / example).string()));
    for (int m = 0; m <= static_cast<int>(ModuleIndex::Economics); ++m) {
      const auto module = static_cast<ModuleIndex>(m);
      for (CGraphicsItem* item : doc.reports.List(module)) {
        if (auto* graph = dynamic_cast<CGraph*>(item)) {
          SCOPED_TRACE(graph->name);
          ExpectShowsItsSubject(*graph, doc.reports.Page(), module);
          ++graphs;
        }
      }
    }
  }
  EXPECT_GE(graphs, 8) << "every example with a graph was read";
}

}  // namespace
}  // namespace kelvora
