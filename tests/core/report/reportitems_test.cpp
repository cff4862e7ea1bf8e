#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/document/document.h"
#include "core/report/clipboard.h"
#include "core/report/graphicsitem.h"
#include "core/report/reportlists.h"
#include "support/recordingsurface.h"

namespace kelvora {
namespace {

using testing::RecordingHelp;
using testing::RecordingSurface;

// An item placed in millimetres that lays itself out again whenever the units change,
// as the tables, texts and graphs do; it draws only its highlight.
class PlacedItem : public CGraphicsItem {
 public:
  PlacedItem(const PageModel& page, float rightMm, float bottomMm, std::vector<std::string>* log = nullptr)
      : CGraphicsItem(page), rightMm(rightMm), bottomMm(bottomMm), log(log) {
    Layout();
  }
  void Update() override { Note("update"); }
  void BeginPrinting(DrawingSurface&) override {
    Layout();
    Note("begin");
  }
  void EndPrinting() override {
    Layout();
    Note("end");
  }
  void Draw(DrawingSurface& surface, const LayoutRect& visible) override {
    DrawSelectionHighlight(surface, visible);
  }

 private:
  void Layout() { rect = {0, 0, Page().MmToUnitsX(rightMm), Page().MmToUnitsY(bottomMm)}; }
  void Note(const char* what) {
    if (log) log->push_back(std::string(what) + " " + std::to_string(static_cast<int>(rightMm)));
  }
  float rightMm;
  float bottomMm;
  std::vector<std::string>* log;
};

class ReportItemTest : public ::testing::Test {
 protected:
  ReportLists report;
  const PageModel& page = report.Page();
};

TEST_F(ReportItemTest, HitTestShiftsTheViewPointIntoTheDocumentAndKeepsTheAnswer) {
  CGraphicsItem item(page);
  item.rect = {100, 200, 300, 400};
  struct Row {
    LayoutPoint point;
    LayoutRect visible;
    bool hit;
  };
  for (const Row& row :
       {Row{{100, 200}, {0, 0, 800, 600}, true}, Row{{299, 399}, {0, 0, 800, 600}, true},
        Row{{300, 250}, {0, 0, 800, 600}, false}, Row{{150, 400}, {0, 0, 800, 600}, false},
        Row{{99, 250}, {0, 0, 800, 600}, false}, Row{{0, 0}, {100, 200, 900, 800}, true},
        Row{{200, 0}, {100, 200, 900, 800}, false}, Row{{150, 250}, {100, 200, 900, 800}, false}}) {
    SCOPED_TRACE(std::to_string(row.point.x) + "," + std::to_string(row.point.y) + " from " +
                 std::to_string(row.visible.left) + "," + std::to_string(row.visible.top));
    item.selected = row.hit ? 0 : 1;
    EXPECT_EQ(item.HitTest(row.point, row.visible), row.hit);
    EXPECT_EQ(item.selected, row.hit ? 1 : 0);
    EXPECT_EQ(item.Contains({row.point.x + row.visible.left, row.point.y + row.visible.top}), row.hit);
  }
}

TEST_F(ReportItemTest, HelpOpensTheTopicOnlyInsideTheItem) {
  CGraphicsItem item(page);
  item.rect = {100, 200, 300, 400};
  item.helpTopic = "::/html/footer.htm";
  RecordingHelp help;
  EXPECT_FALSE(item.ShowHelp({250, 250}, {100, 0, 900, 600}, help));
  EXPECT_TRUE(help.topics.empty());
  EXPECT_TRUE(item.ShowHelp({0, 250}, {100, 0, 900, 600}, help));
  EXPECT_EQ(help.topics, std::vector<std::string>{"::/html/footer.htm"});
}

TEST_F(ReportItemTest, BaseItemDrawsAndCopiesNothing) {
  class NoCopy : public Clipboard {
   public:
    void SetText(std::string_view) override { ADD_FAILURE() << "copied"; }
  } clipboard;
  CGraphicsItem item(page);
  item.rect = {0, 0, 50, 50};
  item.selected = 1;
  RecordingSurface surface;
  item.Draw(surface, {0, 0, 800, 600});
  item.CopyToClipboard(clipboard);
  EXPECT_TRUE(surface.calls.empty());
}

TEST_F(ReportItemTest, HighlightOnlyWhenSelectedAndNotOnPaper) {
  PlacedItem item(page, 10, 20);
  item.rect = {100, 200, 300, 400};
  struct Row {
    int selected;
    bool printer;
    std::vector<std::string> calls;
  };
  for (const Row& row :
       {Row{1, false, {"fill 50,150-250,350 #ffffc0"}}, Row{0, false, {}}, Row{1, true, {}}}) {
    SCOPED_TRACE(std::to_string(row.selected) + (row.printer ? " printer" : " screen"));
    RecordingSurface surface(row.printer);
    item.selected = row.selected;
    item.Draw(surface, {50, 50, 850, 650});
    EXPECT_EQ(surface.calls, row.calls);
  }
}

TEST_F(ReportItemTest, BottomInMillimetresStacksTheNextItem) {
  CGraphicsItem item(page);
  item.rect.bottom = 394;
  EXPECT_NEAR(item.GetBottomMm(), 100.076f, 1e-3f);
}

TEST_F(ReportItemTest, ListsHoldEachItemOnceAndActivateCallsUpdateInOrder) {
  std::vector<std::string> log;
  PlacedItem a(page, 10, 10, &log), b(page, 20, 10, &log), c(page, 30, 10, &log);
  report.AddItem(ModuleIndex::Frost, a);
  report.AddItem(ModuleIndex::Frost, b);
  report.AddItem(ModuleIndex::Frost, a);
  report.AddItem(ModuleIndex::Sound, c);
  report.RemoveItem(ModuleIndex::Sound, a);
  EXPECT_EQ(report.List(ModuleIndex::Frost), (std::vector<CGraphicsItem*>{&a, &b}));

  report.ActivateList(ModuleIndex::Frost);
  EXPECT_EQ(report.Current(), ModuleIndex::Frost);
  EXPECT_EQ(log, (std::vector<std::string>{"update 10", "update 20"}));

  report.RemoveItem(ModuleIndex::Frost, a);
  log.clear();
  report.ActivateList(ModuleIndex::Sound);
  EXPECT_EQ(report.CurrentList(), std::vector<CGraphicsItem*>{&c});
  EXPECT_EQ(log, std::vector<std::string>{"update 30"});
  EXPECT_TRUE(report.List(ModuleIndex::HeatLoss).empty());
}

TEST_F(ReportItemTest, ScreenExtentGrowsToTheNextWhole100Mm) {
  struct Row {
    float rightMm;
    float bottomMm;
    std::int32_t minWidth;
    DocumentExtent extent;
    std::int32_t pages;
  };
  for (const Row& row : {Row{190, 50, 0, {788, 394}, 1}, Row{210, 50, 0, {1182, 394}, 2},
                         Row{200, 100, 0, {788, 788}, 1}, Row{10, 10, 1000, {1182, 394}, 2}}) {
    SCOPED_TRACE(row.rightMm);
    ReportLists lists;
    PlacedItem small(lists.Page(), 5, 5), item(lists.Page(), row.rightMm, row.bottomMm);
    lists.AddItem(ModuleIndex::HeatLoss, small);
    lists.AddItem(ModuleIndex::HeatLoss, item);
    lists.ActivateList(ModuleIndex::HeatLoss);
    EXPECT_EQ(lists.ComputeScreenExtent(row.minWidth, 0), row.extent);
    EXPECT_EQ(lists.Extent(), row.extent);
    EXPECT_EQ(lists.PageCount(), row.pages);
  }
}

TEST_F(ReportItemTest, PrintingLaysOutTheCurrentListInPrinterPixelsAndBack) {
  std::vector<std::string> log;
  PlacedItem shown(page, 210, 100, &log), hidden(page, 400, 400, &log);
  report.AddItem(ModuleIndex::HeatLoss, shown);
  report.AddItem(ModuleIndex::Tank, hidden);
  report.ActivateList(ModuleIndex::HeatLoss);
  report.ComputeScreenExtent(0, 0);
  log.clear();

  RecordingSurface printer(true, {200, 280, 4724, 6614});  // 600 dpi
  EXPECT_EQ(report.BeginPrinting(printer), (DocumentExtent{4960, 2362}));
  EXPECT_EQ(shown.rect, (LayoutRect{0, 0, 4960, 2362}));
  EXPECT_EQ(page.Font(FontTemplate::Normal).height, 60);

  report.EndPrinting();
  EXPECT_EQ(log, (std::vector<std::string>{"begin 210", "end 210"}));
  EXPECT_EQ(shown.rect, (LayoutRect{0, 0, 827, 394}));
  EXPECT_EQ(report.Extent(), (DocumentExtent{827, 394}));
  EXPECT_EQ(page.Font(FontTemplate::Normal).height, 10);
  EXPECT_EQ(report.ComputeScreenExtent(0, 0), (DocumentExtent{1182, 788}));
}

}  // namespace
}  // namespace kelvora
