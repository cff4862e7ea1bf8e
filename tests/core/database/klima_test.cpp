#include "core/database/klima.h"

#include <gtest/gtest.h>

#include "support/fakeplatform.h"
#include "support/tempdir.h"

namespace kelvora {
namespace {

TEST(Climate, LocationsRoundTripThroughTheirFile) {
  testing::TempDir dir;
  testing::RecordingMessages messages;
  CKlima climate(dir / "kelvora.cli");
  auto praha = std::make_unique<CKlimasted>();
  praha->name = "Praha";
  praha->temperature = 8.4f;
  praha->windSpeed = 3.2f;
  praha->UpdateDisplayText();
  climate.locations.push_back(std::move(praha));
  ASSERT_TRUE(climate.Save(messages));

  CKlima back(dir / "kelvora.cli");
  back.Load(messages);
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_EQ(back.locations.size(), 1u);
  EXPECT_EQ(back.locations[0]->displayText, "Praha\t8.4\t3.2");
  EXPECT_EQ(back.GetCurrentLocation(), nullptr);
}

TEST(Climate, AMissingFileIsReportedOnce) {
  testing::RecordingMessages messages;
  CKlima climate("/nonexistent/kelvora.cli");
  climate.Load(messages);
  EXPECT_EQ(messages.shown,
            std::vector<std::string>{
                "Chyba při čtení souboru (/nonexistent/kelvora.cli) obsahujícího klimatická data."});
  EXPECT_TRUE(climate.locations.empty());
}

}  // namespace
}  // namespace kelvora
