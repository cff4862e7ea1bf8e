#include "core/report/textitems.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/framework/stringtable.h"
#include "core/report/clipboard.h"
#include "core/report/pagemodel.h"
#include "support/recordingsurface.h"

namespace kelvora {
namespace {

using testing::RecordingClipboard;
using testing::RecordingSurface;

// The fake surface makes every character half the font height wide (5 units in the
// 10-unit fonts) and every line one font height tall. On screen 20 mm is 79 units.
class TextItemTest : public ::testing::Test {
 protected:
  TextItemTest() { page.SetScreenSurface(&screen); }

  PageModel page;
  RecordingSurface screen;
  RecordingSurface paper;
};

TEST_F(TextItemTest, TextBlockTakesTheWidestTextOfTheShownLanguage) {
  CText text(page);
  // Czech: title of 21 characters, lines of 40 and 12; English: 26, 31 and 10.
  text.SetContent(ids::kTitleSound, ids::kTitleSound, {ids::kTitleFrost, ids::kFooterPageNumber},
                  {ids::kTitleFrost, ids::kFooterPageNumber}, 2, 20, 30);
  EXPECT_EQ(text.rect, (LayoutRect{79, 118, 79 + 200, 118 + 10 + 3 * 10}));

  page.SetEnglish(true);
  text.Update();
  EXPECT_EQ(text.rect.right, 79 + 155);

  text.Draw(paper, {0, 100, 800, 900});
  EXPECT_EQ(paper.calls, (std::vector<std::string>{
                             "colour #000000", "align left-top", "font Arial 10 700",
                             "text 79,18 Sound attenuation in ducts", "font Arial 10 400",
                             "text 79,38 Frost protection of water pipes", "text 79,48 Page %d/%d"}));

  page.SetEnglish(false);
  text.SetPosition(20, 100);
  EXPECT_EQ(text.rect, (LayoutRect{79, 394, 79 + 200, 394 + 40}));
  paper.calls.clear();
  text.Draw(paper, {0, 0, 800, 394});
  EXPECT_TRUE(paper.calls.empty()) << "drawn although the block lies below the visible area";
}

TEST_F(TextItemTest, ColouredTextWrapsIntoThePageAndEndsAtItsLongestLine) {
  std::string czech;
  for (int i = 0; i < 40; ++i) czech += i ? " slovo" : "slovo";
  CColoredText text(page);
  text.SetContent(czech, "short text", Rgb(255, 0, 0), 20, 40);
  // A page is 787 units, 157 characters: 26 words of 5 and their spaces fill the first line.
  EXPECT_EQ(text.rect, (LayoutRect{79, 157, 79 + 155 * 5, 157 + 20}));

  text.selected = 1;
  text.Draw(paper, {0, 0, 1000, 1000});
  ASSERT_EQ(paper.calls.size(), 6u);
  EXPECT_EQ(paper.calls[0], "fill 79,157-854,177 #ffffc0");
  EXPECT_EQ(paper.calls[1], "colour #ff0000");
  EXPECT_EQ(paper.calls[4].substr(0, 18), "text 79,157 slovo ");
  EXPECT_EQ(paper.calls[5].substr(0, 18), "text 79,167 slovo ");

  RecordingSurface printer(true);
  text.Draw(printer, {0, 0, 1000, 1000});
  EXPECT_NE(printer.calls.front().substr(0, 4), "fill") << "paper shows no selection";

  RecordingClipboard clipboard;
  text.CopyToClipboard(clipboard);
  EXPECT_EQ(clipboard.text, czech);
  page.SetEnglish(true);
  text.Update();
  EXPECT_EQ(text.rect, (LayoutRect{79, 157, 79 + 50, 157 + 10}));
  text.CopyToClipboard(clipboard);
  EXPECT_EQ(clipboard.text, "short text");
}

TEST_F(TextItemTest, ItemsFollowThePrinterUnitsAndComeBack) {
  CText block(page);
  block.SetContent(ids::kTitleSound, ids::kTitleSound, {}, {}, 0, 20, 30);
  CColoredText coloured(page);
  coloured.SetContent("abc", "abc", kReportTextColour, 20, 30);
  const LayoutRect blockOnScreen = block.rect;
  const LayoutRect colouredOnScreen = coloured.rect;

  // Ten pixels a millimetre.
  RecordingSurface printer(true, {200, 280, 2000, 2800});
  page.BeginPrinting(printer);
  block.BeginPrinting(printer);
  coloured.BeginPrinting(printer);
  EXPECT_EQ(block.rect.left, 200);
  EXPECT_EQ(coloured.rect.top, 300);
  page.EndPrinting();
  block.EndPrinting();
  coloured.EndPrinting();
  EXPECT_EQ(block.rect, blockOnScreen);
  EXPECT_EQ(coloured.rect, colouredOnScreen);
}

}  // namespace
}  // namespace kelvora
