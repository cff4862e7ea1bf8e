#include "core/report/pagemodel.h"

#include <gtest/gtest.h>

#include "support/recordingsurface.h"

namespace kelvora {
namespace {

using testing::RecordingSurface;

struct MmCase {
  float mm;
  std::int32_t units;
};

TEST(PageModelTest, ScreenUnitsAreHundredthsOfAnInchRoundedHalfUp) {
  const PageModel page;
  for (const MmCase& c :
       {MmCase{0.0f, 0}, MmCase{0.1f, 0}, MmCase{1.2f, 5}, MmCase{100.0f, 394}, MmCase{190.0f, 748},
        MmCase{200.0f, 787}, MmCase{210.0f, 827}, MmCase{280.0f, 1102}}) {
    SCOPED_TRACE(c.mm);
    EXPECT_EQ(page.MmToUnitsX(c.mm), c.units);
    EXPECT_EQ(page.MmToUnitsY(c.mm), c.units);
  }
  EXPECT_FLOAT_EQ(page.UnitsToMmY(394), 394 * 0.254f);
}

TEST(PageModelTest, PrintingUsesPrinterPixelsAndScalesFontsToKeepTheirSize) {
  PageModel page;
  // 600 dpi horizontally, 300 dpi vertically.
  RecordingSurface printer(true, {200, 280, 4724, 3307});
  page.BeginPrinting(printer);
  EXPECT_TRUE(page.IsPrinting());
  EXPECT_EQ(page.Measuring(), &printer);
  EXPECT_EQ(page.MmToUnitsX(100), 2362);
  EXPECT_EQ(page.MmToUnitsY(100), 1181);
  EXPECT_EQ(page.Font(FontTemplate::Normal).height, 30);
  EXPECT_EQ(page.Font(FontTemplate::Large).height, 60);
  EXPECT_EQ(page.Font(FontTemplate::Bold).width, 0);

  page.EndPrinting();
  EXPECT_FALSE(page.IsPrinting());
  EXPECT_EQ(page.Measuring(), nullptr);
  EXPECT_EQ(page.MmToUnitsX(100), 394);
  EXPECT_EQ(page.Font(FontTemplate::Normal), PageModel().Font(FontTemplate::Normal));
  EXPECT_EQ(page.Font(FontTemplate::Large).height, 20);
}

TEST(PageModelTest, PrinterWithoutAnAreaKeepsScreenUnits) {
  PageModel page;
  RecordingSurface printer(true);
  page.BeginPrinting(printer);
  EXPECT_EQ(page.MmToUnitsX(100), 394);
  EXPECT_EQ(page.Font(FontTemplate::Normal).height, 10);
  page.EndPrinting();
}

TEST(PageModelTest, FourArialTemplates) {
  const PageModel page;
  struct Row {
    FontTemplate which;
    std::int32_t height;
    std::int32_t weight;
  };
  for (const Row& row : {Row{FontTemplate::Normal, 10, 400}, Row{FontTemplate::Bold, 10, 700},
                         Row{FontTemplate::Large, 20, 400}, Row{FontTemplate::Footer, 10, 400}}) {
    const FontSpec& font = page.Font(row.which);
    SCOPED_TRACE(static_cast<int>(row.which));
    EXPECT_EQ(font.face, "Arial");
    EXPECT_EQ(font.height, row.height);
    EXPECT_EQ(font.weight, row.weight);
    EXPECT_EQ(font.width, 0);
    EXPECT_EQ(font.charset, 238);
    EXPECT_FALSE(font.italic || font.underline || font.strikeOut);
  }
}

TEST(PageModelTest, PageSizeFollowsTheDefaultPrinterOnly) {
  PageModel page;
  EXPECT_EQ(page.PageWidthMm(), 200);
  EXPECT_EQ(page.PageHeightMm(), 280);
  page.UseDefaultPrinter(std::nullopt);
  EXPECT_EQ(page.PageWidthMm(), 200);
  page.UseDefaultPrinter(PrintableArea{203, 289, 4800, 6800});
  EXPECT_EQ(page.PageWidthMm(), 203);
  EXPECT_EQ(page.PageHeightMm(), 289);
  EXPECT_EQ(page.PageWidthUnits(), 799);
}

TEST(PageModelTest, PageCountRoundsTheWidthInPages) {
  const PageModel page;  // 787 units a page
  struct Row {
    std::int32_t width;
    std::int32_t pages;
  };
  for (const Row& row : {Row{0, 0}, Row{393, 0}, Row{394, 1}, Row{788, 1}, Row{1180, 1}, Row{1182, 2},
                         Row{1574, 2}, Row{2361, 3}}) {
    SCOPED_TRACE(row.width);
    EXPECT_EQ(page.PageCount(row.width), row.pages);
  }
}

}  // namespace
}  // namespace kelvora
