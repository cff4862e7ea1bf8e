#include "core/report/tabell.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/framework/stringtable.h"
#include "core/report/clipboard.h"
#include "core/report/pagemodel.h"
#include "support/recordingsurface.h"

namespace kelvora {
namespace {

using testing::RecordingClipboard;
using testing::RecordingSurface;

constexpr int kTitles[] = {ids::kCurrency, ids::kAppTitle, ids::kCurrency, 0};

// Fixed metrics: a character is 5 units wide and 10 tall in every template but the large.
// The table is set up as a module sets up its tables, then filled.
class TableTest : public ::testing::Test {
 protected:
  TableTest() {
    page.SetScreenSurface(&measure);
    table.Setup(20, 65, 4, 2, "%.1f", kTitles, {}, kTitles, {}, {}, 0);
  }

  // Three columns titled "Kč" | "Kelvora®" | "Kč" in Czech; rows as given.
  void Fill(const std::vector<std::string>& labels, const std::vector<std::string>& cells,
            const std::vector<std::string>& english = {}) {
    table.SetTextLists(kTitles, kTitles, labels, labels, cells, english.empty() ? cells : english, 20, 65,
                       -1);
  }

  std::vector<std::string> Drawn() {
    RecordingSurface surface;
    table.Draw(surface, {0, 0, 100000, 100000});
    return surface.calls;
  }

  PageModel page;
  RecordingSurface measure;
  CTabell table{page};
};

TEST_F(TableTest, SetupFormatsTheValuesRowByRow) {
  static constexpr int kTitles[] = {ids::kAppTitle, ids::kCurrency, ids::kCurrency, 0};
  static constexpr int kLabels[] = {ids::kCurrency, ids::kAppTitle, 0};
  static constexpr float kValues[] = {1, 2, 3, 4};
  table.Setup(20, 65, 4, 2, "%.1f", kTitles, kLabels, kTitles, kLabels, kValues, 0);
  EXPECT_EQ(table.columnCount, 3);
  EXPECT_EQ(table.rowCount, 3);
  EXPECT_EQ(table.highlightRow, -1);
  EXPECT_EQ(table.name, "Kelvora®");
  const std::vector<std::vector<std::string>> expected = {
      {"Kelvora®", "Kč", "Kč"}, {"Kč", "1.0", "2.0"}, {"Kelvora®", "3.0", "4.0"}};
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) EXPECT_EQ(table.Cell(r, c).Text(false), expected[r][c]) << r << c;
  }
}

// Header widths come from bold text, data widths from normal text; the bottom counts a gap
// above every row and one below the last.
TEST_F(TableTest, LayoutMeasuresEveryCellAndStacksTheRows) {
  Fill({"Tloušťka", "q"}, {"50.0", "1234.5", "-", "7"});
  EXPECT_EQ(table.columnWidths, (std::vector<std::uint16_t>{40, 40, 30}));
  EXPECT_EQ(table.rect, (LayoutRect{79, 256, 79 + 40 + 40 + 30 + 2 * 16, 256 + 3 * (10 + 8) + 8}));
  EXPECT_EQ(table.textHeight, 10);
  EXPECT_EQ(table.rowGapUnits, 8);
  EXPECT_EQ(table.columnGapUnits, 16);
}

TEST_F(TableTest, MinimumWidthWidensOnlyTheLabelColumn) {
  table.minWidth = 170;
  Fill({"a"}, {"1.0", "2.0"});
  EXPECT_EQ(table.rect.Width(), page.MmToUnitsX(170));
  EXPECT_EQ(table.columnWidths[1], 40);
  EXPECT_EQ(table.columnWidths[2], 15);
  // The value columns stay flush right at the table's right edge.
  const auto calls = Drawn();
  EXPECT_NE(std::find(calls.begin(), calls.end(), "text " + std::to_string(table.rect.right) + ",282 2.0"),
            calls.end());
}

TEST_F(TableTest, DrawsRulesHeaderAndRightAlignedValues) {
  Fill({"A", "B"}, {"1", "2", "3", "4"});
  table.highlightRow = 2;
  const std::vector<std::string> expected = {"line 79,278 171,278 2 #000000",
                                             "line 79,296 171,296 1 #000000",
                                             "line 79,314 171,314 2 #000000",
                                             "colour #000000",
                                             "font Arial 10 700",
                                             "align left-top",
                                             "text 79,264 Kč",
                                             "align right-top",
                                             "text 145,264 Kelvora®",
                                             "align right-top",
                                             "text 171,264 Kč",
                                             "font Arial 10 400",
                                             "align left-top",
                                             "text 79,282 A",
                                             "align right-top",
                                             "text 145,282 1",
                                             "align right-top",
                                             "text 171,282 2",
                                             "font Arial 10 400",
                                             "fill 79,300-171,310 #ffff00",
                                             "align left-top",
                                             "text 79,300 B",
                                             "align right-top",
                                             "text 145,300 3",
                                             "align right-top",
                                             "text 171,300 4",
                                             "align left-top"};
  EXPECT_EQ(Drawn(), expected);
}

TEST_F(TableTest, HighlightNeverPaintsTheHeaderAndASelectionOnlyOnScreen) {
  Fill({"A"}, {"1", "2"});
  table.highlightRow = 0;
  table.selected = 1;
  const auto calls = Drawn();
  EXPECT_EQ(
      std::count_if(calls.begin(), calls.end(), [](const std::string& c) { return c.starts_with("fill"); }),
      1);
  EXPECT_TRUE(calls[0].ends_with("#ffffc0"));
  RecordingSurface printer(true);
  table.Draw(printer, {0, 0, 100000, 100000});
  EXPECT_TRUE(std::none_of(printer.calls.begin(), printer.calls.end(),
                           [](const std::string& c) { return c.starts_with("fill"); }));
}

TEST_F(TableTest, HeaderOnlyHasOneThickRuleAndNoColumnsAnEmptyRectangle) {
  Fill({}, {});
  EXPECT_EQ(table.rowCount, 1);
  auto calls = Drawn();
  EXPECT_EQ(
      std::count_if(calls.begin(), calls.end(), [](const std::string& c) { return c.starts_with("line"); }),
      1);
  table.SetTextLists({}, {}, {"x"}, {"x"}, {}, {}, -1, -1, -1);
  EXPECT_EQ(table.rect.Height(), 2 * table.rowGapUnits + table.textHeight);
  EXPECT_EQ(table.CopyText(), "Kč\n");
}

// Spreadsheets read the decimal comma: values change, header and labels keep their points.
TEST_F(TableTest, CopyTextPadsColumnsAndUsesTheDecimalCommaInValuesOnly) {
  Fill({"Tl. 1.vrstva", "q"}, {"12.5", "1.2.3", "-", "7"});
  EXPECT_EQ(table.CopyText(),
            "Kč\n"
            "Kč          \tKelvora®\tKč\n"
            "Tl. 1.vrstva\t12,5    \t1,2.3\n"
            "q           \t-       \t7\n");
  RecordingClipboard clipboard;
  table.CopyToClipboard(clipboard);
  EXPECT_EQ(clipboard.text, table.CopyText());
}

TEST_F(TableTest, LanguageSwitchShowsTheOtherTextsAndMeasuresThem) {
  Fill({"Teplota"}, {"20.0 °C", "x"}, {"20.0 deg C long", "x"});
  const auto czech = table.columnWidths[1];
  page.SetEnglish(true);
  table.Update();
  EXPECT_GT(table.columnWidths[1], czech);
  // An English spreadsheet reads the point; the Czech caption would head English values.
  EXPECT_EQ(table.CopyText().find("20,0"), std::string::npos);
  EXPECT_NE(table.CopyText().find("20.0 deg C long"), std::string::npos);
}

TEST_F(TableTest, CopyFromTakesTheWholeTable) {
  table.minWidth = 100;
  Fill({"A"}, {"1", "2"});
  table.highlightRow = 1;
  CTabell copy(page);
  copy.CopyFrom(table);
  EXPECT_EQ(copy.CopyText(), table.CopyText());
  EXPECT_EQ(copy.rect, table.rect);
  EXPECT_EQ(copy.columnWidths, table.columnWidths);
  EXPECT_EQ(copy.highlightRow, 1);
  Fill({"B"}, {"3", "4"});
  EXPECT_EQ(copy.Cell(1, 0).Text(false), "A");
}

// The name heads the copied text; titles brought by later fillings do not change it.
TEST_F(TableTest, OnlySetupNamesTheTable) {
  static constexpr int kOtherTitles[] = {ids::kHlTitle, ids::kCurrency, 0};
  static constexpr int kLabelIds[] = {ids::kCurrency, 0};
  const std::vector<std::string> labels = {"a"};
  const std::vector<std::string> rowLabels = {"a", ""};
  const std::vector<std::string> cells = {"1"};
  const std::vector<std::pair<const char*, std::function<void()>>> fillings = {
      {"SetTexts",
       [&] { table.SetTexts(kOtherTitles, kOtherTitles, kLabelIds, kLabelIds, cells, cells, -1, -1, -1); }},
      {"SetTextRows",
       [&] {
         table.SetTextRows(kOtherTitles, kOtherTitles, rowLabels, rowLabels, cells, cells, -1, -1, -1);
       }},
      {"SetTextLists",
       [&] { table.SetTextLists(kOtherTitles, kOtherTitles, labels, labels, cells, cells, -1, -1, -1); }},
      {"CopyFrom of a table set up alike", [&] {
         CTabell other(page);
         other.Setup(0, 0, 4, 2, "%.1f", kTitles, {}, kTitles, {}, {}, 0);
         other.SetTextLists(kOtherTitles, kOtherTitles, labels, labels, cells, cells, -1, -1, -1);
         table.CopyFrom(other);
       }}};
  for (const auto& [operation, fill] : fillings) {
    SCOPED_TRACE(operation);
    fill();
    EXPECT_EQ(table.Cell(0, 0).Text(false), "Výpočet tepelné ztráty");
    EXPECT_EQ(table.name, "Kč");
    EXPECT_TRUE(table.CopyText().starts_with("Kč\nVýpočet tepelné ztráty")) << table.CopyText();
    page.SetEnglish(true);
    table.Update();
    EXPECT_TRUE(table.CopyText().starts_with(
        std::string(LoadResourceString(ids::kCurrency, Language::English)) + "\nHeat loss calculation"))
        << table.CopyText();
    page.SetEnglish(false);
  }
  table.Setup(-1, -1, 4, 2, "%.1f", kOtherTitles, {}, kOtherTitles, {}, {}, 0);
  EXPECT_EQ(table.name, "Výpočet tepelné ztráty");
}

TEST_F(TableTest, NegativePositionKeepsTheStoredOne) {
  Fill({"A"}, {"1", "2"});
  static constexpr int kTitles[] = {ids::kCurrency, 0};
  table.SetTextLists(kTitles, kTitles, {"B"}, {"B"}, {}, {}, -1, 30, 1);
  EXPECT_EQ(table.x, 20.0f);
  EXPECT_EQ(table.y, 30.0f);
  EXPECT_EQ(table.highlightRow, 1);
}

}  // namespace
}  // namespace kelvora
