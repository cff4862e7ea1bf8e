#include "core/report/printing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/document/document.h"
#include "core/report/graphicsitem.h"
#include "core/report/reportlists.h"
#include "support/recordingsurface.h"

namespace kelvora {
namespace {

using testing::RecordingSurface;

// A box placed in millimetres that lays itself out again whenever the units change and
// fills itself where the visible area shows it.
class BoxItem : public CGraphicsItem {
 public:
  BoxItem(const PageModel& page, float leftMm, float topMm, float rightMm, float bottomMm, Colour colour)
      : CGraphicsItem(page),
        leftMm(leftMm),
        topMm(topMm),
        rightMm(rightMm),
        bottomMm(bottomMm),
        colour(colour) {
    Layout();
  }
  void BeginPrinting(DrawingSurface&) override { Layout(); }
  void EndPrinting() override { Layout(); }
  void Draw(DrawingSurface& surface, const LayoutRect& visible) override {
    surface.FillRect(rect.ShiftedBack({visible.left, visible.top}), colour);
  }

 private:
  void Layout() {
    rect = {Page().MmToUnitsX(leftMm), Page().MmToUnitsY(topMm), Page().MmToUnitsX(rightMm),
            Page().MmToUnitsY(bottomMm)};
  }
  float leftMm, topMm, rightMm, bottomMm;
  Colour colour;
};

TEST(PrintingTest, PagesAreTheExtentDividedByThePrintableSizePlusOne) {
  struct Row {
    DocumentExtent extent;
    PrintableArea area;
    std::int32_t across;
    std::int32_t down;
  };
  for (const Row& row : {
           Row{{0, 0}, {200, 280, 2000, 2800}, 1, 1},
           Row{{1999, 2799}, {200, 280, 2000, 2800}, 1, 1},
           // Ending exactly on the page edge still starts another page.
           Row{{2000, 2800}, {200, 280, 2000, 2800}, 2, 2},
           Row{{4001, 2801}, {200, 280, 2000, 2800}, 3, 2},
           Row{{5000, 5000}, {}, 1, 1},
       }) {
    SCOPED_TRACE(std::to_string(row.extent.width) + "x" + std::to_string(row.extent.height));
    const PrintJob job = MakePrintJob(row.extent, row.area);
    EXPECT_EQ(job.pagesAcross, row.across);
    EXPECT_EQ(job.pagesDown, row.down);
    EXPECT_EQ(job.PageCount(), row.across * row.down);
  }
}

TEST(PrintingTest, PagesRunAcrossFirstThenDown) {
  const PrintJob job = MakePrintJob({250, 350}, {10, 20, 100, 200});
  ASSERT_EQ(job.pagesAcross, 3);
  ASSERT_EQ(job.pagesDown, 2);
  const std::vector<LayoutRect> expected = {{0, 0, 100, 200},   {100, 0, 200, 200},   {200, 0, 300, 200},
                                            {0, 200, 100, 400}, {100, 200, 200, 400}, {200, 200, 300, 400}};
  for (std::int32_t page = 1; page <= job.PageCount(); ++page) {
    SCOPED_TRACE(page);
    EXPECT_EQ(PrintPageRect(job, page), expected[static_cast<std::size_t>(page - 1)]);
  }
}

class PrintReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reports.AddItem(ModuleIndex::Tank, wide);
    reports.AddItem(ModuleIndex::Tank, low);
    reports.ActivateList(ModuleIndex::Tank);
    screenWide = wide.rect;
    screenLow = low.rect;
  }

  void ExpectBackOnScreen() {
    EXPECT_FALSE(reports.Page().IsPrinting());
    EXPECT_EQ(wide.rect, screenWide);
    EXPECT_EQ(low.rect, screenLow);
    EXPECT_EQ(reports.Extent(), (DocumentExtent{984, 1181}));
  }

  ReportLists reports;
  // 0.1 mm a printer pixel: 250 x 300 mm need two pages across and two down.
  RecordingSurface printer{true, {200, 280, 2000, 2800}};
  BoxItem wide{reports.Page(), 0, 0, 250, 100, Rgb(255, 0, 0)};
  BoxItem low{reports.Page(), 10, 290, 20, 300, Rgb(0, 0, 255)};
  LayoutRect screenWide, screenLow;
};

TEST_F(PrintReportTest, DrawsEveryItemOnEveryPageInPrinterPixels) {
  std::int32_t pagesAsked = 0;
  const std::int32_t printed = PrintReport(reports, printer, [&] {
    ++pagesAsked;
    printer.calls.push_back("new page");
    return true;
  });

  EXPECT_EQ(printed, 4);
  EXPECT_EQ(pagesAsked, 3);
  const std::vector<std::string> expected = {
      "fill 0,0-2500,1000 #ff0000",         "fill 100,2900-200,3000 #0000ff",     "new page",
      "fill -2000,0-500,1000 #ff0000",      "fill -1900,2900--1800,3000 #0000ff", "new page",
      "fill 0,-2800-2500,-1800 #ff0000",    "fill 100,100-200,200 #0000ff",       "new page",
      "fill -2000,-2800-500,-1800 #ff0000", "fill -1900,100--1800,200 #0000ff",
  };
  EXPECT_EQ(printer.calls, expected);
  ExpectBackOnScreen();
}

TEST_F(PrintReportTest, AnAbandonedJobStillReturnsToScreenUnits) {
  EXPECT_EQ(PrintReport(reports, printer, [] { return false; }), 1);
  EXPECT_EQ(printer.calls.size(), 2u);
  ExpectBackOnScreen();
}

}  // namespace
}  // namespace kelvora
