#include "core/modules/frost/frostinputcheck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/framework/stringtable.h"
#include "core/modules/frost/frostmodul.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::ModuleOf;
using testing::Record;
using testing::TestDocument;

std::string Czech(int id) { return std::string(LoadResourceString(id, Language::Czech)); }

class FrostInputCheck : public ::testing::Test {
 protected:
  FrostInputCheck() {
    m.insulation.Set(0, &product, 50, nullptr, 50);
    m.SetSurface(&Record<CMantling>(*doc, DbList::OuterFinishes));
  }

  std::optional<FrostFault> Check(bool confirm = true) {
    return FirstFrostFault(m, [&](std::string_view warning) {
      warnings.emplace_back(warning);
      return confirm;
    });
  }

  TestDocument doc;
  CFrostModul& m = ModuleOf<CFrostModul>(*doc, ModuleIndex::Frost);
  CIsoProdukt& product = Record<CIsoProdukt>(*doc, DbList::Products);
  std::vector<std::string> warnings;
};

struct FaultCase {
  const char* label;
  void (*change)(CFrostModul&);
  FrostInput input;  // None: accepted
  std::string message;
};

TEST_F(FrostInputCheck, RefusesTheFirstInputOutOfItsRangeAndFocusesIt) {
  const FaultCase cases[] = {
      {"defaults", [](CFrostModul&) {}, FrostInput::None, ""},
      {"ambient 0", [](CFrostModul& f) { f.ambientTemperature = 0; }, FrostInput::AmbientTemperature,
       "Okolní teplota: 0 je mimo rozsah, zadejte hodnotu od -60 do -0,1."},
      {"ambient -0.05", [](CFrostModul& f) { f.ambientTemperature = -0.05f; }, FrostInput::AmbientTemperature,
       "Okolní teplota: -0,05 je mimo rozsah, zadejte hodnotu od -60 do -0,1."},
      {"ambient -0.1", [](CFrostModul& f) { f.ambientTemperature = -0.1f; }, FrostInput::None, ""},
      {"ambient -60.1", [](CFrostModul& f) { f.ambientTemperature = -60.1f; }, FrostInput::AmbientTemperature,
       "Okolní teplota: -60,1 je mimo rozsah, zadejte hodnotu od -60 do -0,1."},
      {"diameter 0.5", [](CFrostModul& f) { f.pipeDiameter = 0.5f; }, FrostInput::PipeDiameter,
       "Průměr: 0,5 je mimo rozsah, zadejte hodnotu od 1 do 20000."},
      {"wall 0", [](CFrostModul& f) { f.wallThickness = 0; }, FrostInput::WallThickness,
       "Tloušťka stěny potrubí: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 100."},
      {"start -1", [](CFrostModul& f) { f.startTemperature = -1; }, FrostInput::StartTemperature,
       "Počáteční teplota: -1 je mimo rozsah, zadejte hodnotu od 0 do 100."},
      {"start 0", [](CFrostModul& f) { f.startTemperature = 0; }, FrostInput::None, ""},
      {"frozen 0", [](CFrostModul& f) { f.percentageFrozen = 0; }, FrostInput::None, ""},
      {"frozen 100", [](CFrostModul& f) { f.percentageFrozen = 100; }, FrostInput::None, ""},
      {"frozen 101", [](CFrostModul& f) { f.percentageFrozen = 101; }, FrostInput::PercentageFrozen,
       "Hmotnostní podíl zmrzlé vody: 101 je mimo rozsah, zadejte hodnotu od 0 do 100."},
      {"unused wind no number", [](CFrostModul& f) { f.windSpeed = std::nanf(""); }, FrostInput::WindSpeed,
       "Rychlost větru: není číslo, zadejte číslo."},
      {"wall half the diameter", [](CFrostModul& f) { f.wallThickness = 50; }, FrostInput::WallThickness,
       Czech(ids::kFrostWallTooThick)},
      {"wall of a pipe thinner than twice it",
       [](CFrostModul& f) {
         f.pipeDiameter = 10;
         f.wallThickness = 6;
       },
       FrostInput::WallThickness, Czech(ids::kFrostWallTooThick)},
      {"wall just below half", [](CFrostModul& f) { f.wallThickness = 49.9f; }, FrostInput::None, ""},
      {"no product", [](CFrostModul& f) { f.insulation.Set(0, nullptr, 50, nullptr, 50); },
       FrostInput::Product, Czech(ids::kChooseInsulationProduct)},
      {"no surface indoors", [](CFrostModul& f) { f.SetSurface(nullptr); }, FrostInput::Surface,
       Czech(ids::kChooseSurface)},
      {"own emissivity needs no surface",
       [](CFrostModul& f) {
         f.SetSurface(nullptr);
         f.ownEmissivity = 1;
       },
       FrostInput::None, ""},
      {"own emissivity 1.5",
       [](CFrostModul& f) {
         f.ownEmissivity = 1;
         f.emissivity = 1.5f;
       },
       FrostInput::Emissivity, "Emisivita: 1,5 je mimo rozsah, zadejte hodnotu od 0 do 1."},
      {"calm outdoors",
       [](CFrostModul& f) {
         f.environment = 1;
         f.windSpeed = 0;
       },
       FrostInput::WindSpeed, "Rychlost větru: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 50."},
      {"coefficient 0.05",
       [](CFrostModul& f) {
         f.environment = 2;
         f.userCoefficient = 0.05f;
       },
       FrostInput::OuterCoefficient,
       "Součinitel přestupu tepla vně: 0,05 je mimo rozsah, zadejte hodnotu od 0,1 do 10000."},
      {"coefficient checks neither surface nor emissivity",
       [](CFrostModul& f) {
         f.environment = 2;
         f.SetSurface(nullptr);
         f.emissivity = 7;
       },
       FrostInput::None, ""},
  };
  for (const FaultCase& c : cases) {
    TestDocument fresh;
    CFrostModul& f = ModuleOf<CFrostModul>(*fresh, ModuleIndex::Frost);
    f.insulation.Set(0, &Record<CIsoProdukt>(*fresh, DbList::Products), 50, nullptr, 50);
    f.SetSurface(&Record<CMantling>(*fresh, DbList::OuterFinishes));
    c.change(f);
    const auto fault = FirstFrostFault(f, [](std::string_view) { return true; });
    if (c.input == FrostInput::None) {
      EXPECT_FALSE(fault) << c.label << ": " << fault->message;
      EXPECT_TRUE(StoredFrostInputsPass(f)) << c.label;
      continue;
    }
    ASSERT_TRUE(fault) << c.label;
    EXPECT_EQ(fault->input, c.input) << c.label;
    EXPECT_EQ(fault->message, c.message) << c.label;
    EXPECT_FALSE(StoredFrostInputsPass(f)) << c.label;
  }
}

// The warning is asked after the ranges; OK goes on, Cancel keeps the dialog without more said.
TEST_F(FrostInputCheck, AStartAboveTheProductsLimitIsAskedAndAcceptedOnOk) {
  product.maxTemperature = 15;
  EXPECT_FALSE(Check(true));
  EXPECT_EQ(warnings, std::vector<std::string>{Czech(ids::kMediumAboveProductLimit)});

  const auto stopped = Check(false);
  ASSERT_TRUE(stopped);
  EXPECT_TRUE(stopped->message.empty());
  EXPECT_TRUE(StoredFrostInputsPass(m));

  product.maxTemperature = 20;  // at the limit: not asked
  warnings.clear();
  EXPECT_FALSE(Check(false));
  EXPECT_TRUE(warnings.empty());
}

}  // namespace
}  // namespace kelvora
