#include "core/report/insulationspace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <vector>

#include "core/report/pagemodel.h"
#include "support/fakepictures.h"
#include "support/recordingsurface.h"

namespace kelvora {
namespace {

using testing::FakePictures;
using testing::RecordingSurface;

TEST(InsulationSpaceTest, ClearancesFollowTheSizeInWholeMillimetres) {
  struct Row {
    int type;
    float diameter, width, height;
    std::array<std::int32_t, 5> abcde;
  };
  const Row rows[] = {
      {0, 0.16f, 0, 0, {50, 50, 130, 210, 130}},
      {0, 0.1605f, 0, 0, {100, 50, 130, 261, 180}},  // rounds up to 161 mm
      {0, 0.801f, 0, 0, {300, 100, 500, 1101, 700}},
      {1, 0.8f, 0, 0, {400, 100, 500, 1200, 800}},
      {1, 0.801f, 0, 0, {500, 150, 550, 1301, 900}},
      {2, 0, 0.7f, 1.2f, {300, 300, 900, 1000, 650}},
      {2, 0, 0.701f, 1.201f, {500, 500, 1100, 1201, 850}},
      // Sizes no int holds, and no number at all.
      {1, 2.8e15f, 0, 0, {500, 150, 1000000150, 2000000500, 1000000500}},
      {0, std::numeric_limits<float>::quiet_NaN(), 0, 0, {50, 50, 50, 50, 50}},
      {2, 0, -3e38f, 3e38f, {300, 500, 1000000500, -1999999700, -999999700}},
  };
  PageModel page;
  CInsulationSpace space(page);
  for (const Row& row : rows) {
    SCOPED_TRACE("type " + std::to_string(row.type) + " D " + std::to_string(row.diameter) + " B " +
                 std::to_string(row.width) + " H " + std::to_string(row.height));
    space.SetData(row.type, row.diameter, row.width, row.height);
    EXPECT_EQ((std::array<std::int32_t, 5>{space.values[0], space.values[1], space.values[2], space.values[3],
                                           space.values[4]}),
              row.abcde);
  }
}

TEST(InsulationSpaceTest, DuctDrawingShowsWidthAndHeightBesideItsPicture) {
  PageModel page;
  RecordingSurface screen;
  FakePictures pictures;
  for (const char* name : {"279", "280", "281"}) pictures.Add(name, {0});
  page.SetScreenSurface(&screen);
  page.SetPictureSource(&pictures);
  page.SetEnglish(true);

  CInsulationSpace space(page);
  space.SetPosition(20, 65);
  space.SetData(2, 0, 0.6f, 0.4f);
  // Title and rows are 10 + 5 units tall; the picture, 72 x 48 mm, is taller than 7 rows.
  EXPECT_EQ(space.pictureRect, (LayoutRect{79, 271, 362, 460}));
  EXPECT_EQ(space.rect, (LayoutRect{79, 256, 370 + 55, 460}));

  RecordingSurface paper;
  space.Draw(paper, {0, 200, 800, 1000});
  std::vector<std::string> shown;
  std::copy_if(
      paper.calls.begin(), paper.calls.end(), std::back_inserter(shown),
      [](const std::string& call) { return call.starts_with("text") || call.starts_with("picture"); });
  EXPECT_EQ(shown, (std::vector<std::string>{
                       "text 79,56 Recommended mounting clearances", "picture 279 79,71-362,260",
                       "text 370,71 a:", "text 370,86 b:", "text 370,101 c:", "text 370,116 d:",
                       "text 370,131 e:", "text 370,146 B:", "text 370,161 H:", "text 425,71 300 mm",
                       "text 425,86 300 mm", "text 425,101 500 mm", "text 425,116 900 mm",
                       "text 425,131 600 mm", "text 425,146 600 mm", "text 425,161 400 mm"}));

  space.SetData(1, 0.2f, 0, 0);
  paper.calls.clear();
  space.Draw(paper, {0, 200, 800, 1000});
  EXPECT_NE(std::find(paper.calls.begin(), paper.calls.end(), "picture 281 79,71-362,260"),
            paper.calls.end());
  EXPECT_NE(std::find(paper.calls.begin(), paper.calls.end(), "text 370,146 D:"), paper.calls.end());
  EXPECT_EQ(std::count_if(paper.calls.begin(), paper.calls.end(),
                          [](const std::string& call) { return call.ends_with(" mm"); }),
            6);
}

}  // namespace
}  // namespace kelvora
