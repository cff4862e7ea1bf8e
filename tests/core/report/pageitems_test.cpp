#include "core/report/pageitems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "support/fakepictures.h"
#include "support/recordingsurface.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::FakePictures;
using testing::RecordingHelp;
using testing::RecordingSurface;
using testing::TestDocument;

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kGreen = Rgb(0, 255, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);

bool Has(const std::vector<std::string>& calls, const std::string& call) {
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

// A page is 787 units wide on screen; the header spans 79-748 x 28-236 of each page, the
// footer 79-748 x 1063-1098.
class PageItemsTest : public ::testing::Test {
 protected:
  PageItemsTest() {
    page.SetScreenSurface(&screen);
    page.SetPictureSource(&pictures);
    pictures.Add("HEADER", {kBlack});
    pictures.Add("MATERIALTYPEX0", {kRed, kGreen, kBlue, kBlack});
    header().localTime = [] {
      std::tm t{};
      t.tm_hour = 9;
      t.tm_min = 5;
      t.tm_mday = 3;
      t.tm_mon = 1;
      t.tm_year = 124;
      return t;
    };
  }

  CHeader& header() { return *doc->headers[0]; }
  CFooter& footer() { return *doc->footer; }

  TestDocument doc;
  PageModel& page = doc->reports.Page();
  RecordingSurface screen;
  RecordingSurface paper;
  FakePictures pictures;
};

TEST_F(PageItemsTest, EachReportStartsWithItsHeaderAndTheSharedFooter) {
  for (int i = 0; i < kModuleCount; ++i) {
    EXPECT_EQ(
        doc->reports.List(static_cast<ModuleIndex>(i)),
        (std::vector<CGraphicsItem*>{doc->headers[static_cast<std::size_t>(i)].get(), doc->footer.get()}));
  }
  EXPECT_EQ(doc->headers[2]->titleCz, "Teplota v nádrži");
  EXPECT_EQ(doc->headers[2]->titleEn, "Temperature in tanks");
}

TEST_F(PageItemsTest, HeaderAndFooterStandOnEveryPage) {
  page.SetExtent({2 * 787, 1200});
  struct Row {
    LayoutPoint point;
    bool inHeader;
    bool inFooter;
  };
  for (const Row& row : {Row{{100, 50}, true, false}, Row{{787 + 100, 50}, true, false},
                         Row{{787 + 760, 50}, false, false}, Row{{2 * 787 + 100, 50}, false, false},
                         Row{{787 + 100, 1070}, false, true}, Row{{2 * 787 + 100, 1070}, false, false}}) {
    SCOPED_TRACE(std::to_string(row.point.x) + "," + std::to_string(row.point.y));
    EXPECT_EQ(header().Contains(row.point), row.inHeader);
    EXPECT_EQ(footer().Contains(row.point), row.inFooter);
  }

  RecordingHelp help;
  const LayoutRect secondPage{787, 0, 2 * 787, 1200};
  EXPECT_TRUE(footer().ShowHelp({100, 1070}, secondPage, help));
  EXPECT_TRUE(header().ShowHelp({100, 50}, secondPage, help));
  EXPECT_FALSE(footer().ShowHelp({100, 50}, secondPage, help));
  EXPECT_EQ(help.topics, (std::vector<std::string>{"::/html/footer.htm", ""}));

  footer().Draw(paper, secondPage);
  EXPECT_TRUE(Has(paper.calls, "text 748,1071 Strana 2/2"));
  EXPECT_FALSE(Has(paper.calls, "text -39,1071 Strana 1/2")) << "the first page is out of sight";

  doc->ToggleEnglishResults();
  paper.calls.clear();
  footer().Draw(paper, {0, 0, 787, 1200});
  EXPECT_TRUE(Has(paper.calls, "text 748,1071 Page 1/2"));

  // A view straddling both pages sees both copies, each at its own page.
  paper.calls.clear();
  header().Draw(paper, {400, 0, 400 + 787, 1200});
  EXPECT_TRUE(Has(paper.calls, "text -105,43 Kelvora"));
  EXPECT_TRUE(Has(paper.calls, "text 682,43 Kelvora"));
  EXPECT_TRUE(Has(paper.calls, "text 682,75 Heat loss calculation"));
}

TEST_F(PageItemsTest, HeaderRecoloursThePictureWithTheFirstMatchingPair) {
  struct Row {
    const char* what;
    std::array<std::uint32_t, 6> words;
    std::vector<Colour> pixels;
  };
  const Colour x = 0x112233, y = 0x445566, z = 0x778899;
  for (const Row& row : {
           Row{"pairs (0, 0) change nothing", {}, {kRed, kGreen, kBlue, kBlack}},
           Row{"first pair wins, once", {kRed, kGreen, kRed, y, kGreen, z}, {kGreen, z, kBlue, kBlack}},
           Row{"a (0, 0) pair keeps black", {0, 0, kGreen, x, 0, y}, {kRed, x, kBlue, kBlack}},
       }) {
    SCOPED_TRACE(row.what);
    header().symbolInfo.words = row.words;
    header().Update();
    EXPECT_EQ(header().symbolPicture.name, "MATERIALTYPEX0");
    EXPECT_EQ(header().symbolPicture.pixels, row.pixels);
  }
}

TEST_F(PageItemsTest, HeaderDrawsProjectAndFileOnOnePage) {
  page.SetExtent({787, 1200});
  doc->project.projectName = "Kotelna";
  doc->project.calculatedBy = "Novák";
  doc->pathName = "projekt.vtp";
  header().Update();
  header().Draw(paper, {0, 0, 787, 1200});
  EXPECT_EQ(paper.calls, (std::vector<std::string>{
                             "colour #000000",
                             "align left-top",
                             "font Arial 20 400",
                             "text 295,43 Kelvora",
                             "text 295,75 Výpočet tepelných ztrát",
                             "font Arial 10 400",
                             "text 79,118 Verze programu: 3.06",
                             "text 79,138 Čas/datum: 09:05  03.02.2024",
                             "text 79,177 Projekt: Kotelna",
                             "text 79,197 Název zařízení: ",
                             "text 79,217 Zodpovědná osoba: Novák",
                             "text 79,236 Název souboru: projekt.vtp",
                             "picture HEADER 79,39-276,109",
                             "picture MATERIALTYPEX0 630,118-748,236",
                             "line 79,28 748,28 3 #000000",
                             "line 79,114 748,114 3 #000000",
                         }));
}

}  // namespace
}  // namespace kelvora
