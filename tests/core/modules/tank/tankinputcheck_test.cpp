#include "core/modules/tank/tankinputcheck.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/modules/tank/tanktempmodul.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::FillTank;
using testing::Record;
using testing::TestDocument;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

const std::string kInterrupted =
    "Výpočet byl přerušen. Program není schopen správně vypočítat tepelnou ztrátu";
const std::string kMediumWarning =
    "Varování: Teplota média překračuje maximální doporučenou teplotu použití vybraného izolačního produktu.";
const std::string kAmbientWarning =
    "Varování: Okolní teplota je vyšší než maximální doporučená pro vybraný izolační produkt.";

// The fixture's sphere of a user-defined liquid in mode 1, insulated with a standard product
// that stands its temperatures.
CTankTempModul& Valid(TestDocument& doc) {
  CTankTempModul& m = FillTank(*doc);
  Record<CIsoProdukt>(*doc, DbList::Products).maxTemperature = 500;
  return m;
}

TEST(TankCheck, TheFixturePassesAndEdgeValuesAreTaken) {
  TestDocument doc;
  CTankTempModul& m = Valid(doc);
  EXPECT_FALSE(FirstTankFault(m, [](std::string_view) { return false; }));
  // Only the diameter of a sphere is its size.
  m.length = 0;
  // The freezing point itself is a start temperature.
  m.mode = 0;
  m.startTemperature = m.liquidFreezingPoint;
  // A user coefficient of 0 leaves radiation.
  m.environment = 2;
  m.userOuterCoefficient = 0;
  EXPECT_FALSE(FirstTankFault(m, [](std::string_view) { return false; }));
  EXPECT_TRUE(StoredTankInputsPass(m));
  EXPECT_TRUE(doc.messages.shown.empty());
}

TEST(TankCheck, OnlyTheFirstProductWarningIsAskedAndAnswerNoStops) {
  TestDocument doc;
  CTankTempModul& m = Valid(doc);
  Record<CIsoProdukt>(*doc, DbList::Products).maxTemperature = 20;
  m.startTemperature = 90;
  m.ambientTemperature = 30;
  std::vector<std::string> asked;
  const auto fault = FirstTankFault(m, [&](std::string_view w) {
    asked.emplace_back(w);
    return false;
  });
  ASSERT_TRUE(fault);
  EXPECT_TRUE(fault->message.empty());
  EXPECT_EQ(asked, std::vector<std::string>{kMediumWarning});

  asked.clear();
  m.startTemperature = 15;
  m.endTemperature = 12;
  EXPECT_FALSE(FirstTankFault(m, [&](std::string_view w) {
    asked.emplace_back(w);
    return true;
  }));
  EXPECT_EQ(asked, std::vector<std::string>{kAmbientWarning});

  // A stored tank is not asked, and a user product never.
  EXPECT_TRUE(StoredTankInputsPass(m));
  m.startTemperature = 90;
  m.insulation.source = 1;
  m.insulation.UserProduct()->maxTemperature = 20;
  asked.clear();
  EXPECT_FALSE(FirstTankFault(m, [&](std::string_view w) {
    asked.emplace_back(w);
    return false;
  }));
  EXPECT_TRUE(asked.empty());
}

struct FailingRow {
  const char* what;
  std::function<void(TestDocument&, CTankTempModul&)> damage;
  std::string message;
  TankInput input;
};

class TankFaultRow : public ::testing::TestWithParam<FailingRow> {};

TEST_P(TankFaultRow, IsTheFirstFaultAndStopsAStoredTank) {
  const FailingRow& row = GetParam();
  TestDocument doc;
  CTankTempModul& m = Valid(doc);
  row.damage(doc, m);
  const auto fault = FirstTankFault(m, [](std::string_view) { return true; });
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->message, row.message);
  EXPECT_EQ(fault->input, row.input);
  EXPECT_FALSE(StoredTankInputsPass(m));
  EXPECT_EQ(doc.messages.shown, std::vector<std::string>{row.message});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TankFaultRow,
    ::testing::Values(
        FailingRow{"unknown shape", [](auto&, auto& m) { m.shape = 3; }, kInterrupted, TankInput::Shape},
        FailingRow{"unknown mode", [](auto&, auto& m) { m.mode = -1; }, kInterrupted, TankInput::Mode},
        FailingRow{"unknown environment", [](auto&, auto& m) { m.environment = 3; }, kInterrupted,
                   TankInput::Environment},
        FailingRow{"unknown liquid mode", [](auto&, auto& m) { m.userDefinedLiquid = 2; }, kInterrupted,
                   TankInput::LiquidMode},
        FailingRow{"box depth NaN, though unused", [](auto&, auto& m) { m.depth = kNaN; }, "Hloubka: není číslo, zadejte číslo.", TankInput::Depth},
        FailingRow{"emissivity infinite", [](auto&, auto& m) { m.userEmissivity = kInf; }, "Emisivita: není číslo, zadejte číslo.", TankInput::UserEmissivity},
        FailingRow{"ambient outside the field", [](auto&, auto& m) { m.ambientTemperature = -61; }, "Okolní teplota: -61 je mimo rozsah, zadejte hodnotu od -60 do 500.", TankInput::AmbientTemperature},
        FailingRow{"storage time outside the field", [](auto&, auto& m) { m.storageTime = 0.5f; }, "Akumulační doba: 0,5 je mimo rozsah, zadejte hodnotu od 1 do 8760.", TankInput::StorageTime},
        FailingRow{"layer thicker than any product", [](auto&, auto& m) { m.insulation.standardThickness = 3e38f; }, "Tloušťka izolace: 3e+38 je mimo rozsah, zadejte hodnotu od 10 do 1000.", TankInput::Product},
        FailingRow{"no product",
                   [](auto&, auto& m) { m.insulation.Set(0, nullptr, 100, nullptr, 0); },
                   "Vyberte prosím izolační produkt.", TankInput::Product},
        FailingRow{"sphere diameter", [](auto&, auto& m) { m.diameter = 0.05f; }, "Průměr: 0,05 je mimo rozsah, zadejte hodnotu od 0,1 do 100.", TankInput::Diameter},
        FailingRow{"cylinder length",
                   [](auto&, auto& m) {
                     m.shape = 1;
                     m.length = 101;
                   }, "Délka: 101 je mimo rozsah, zadejte hodnotu od 0,1 do 100.", TankInput::Length},
        FailingRow{"box height before width",
                   [](auto&, auto& m) {
                     m.shape = 0;
                     m.width = 0;
                     m.height = 0;
                   }, "Výška: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 100.", TankInput::Height},
        FailingRow{"box depth",
                   [](auto&, auto& m) {
                     m.shape = 0;
                     m.depth = 200;
                   }, "Hloubka: 200 je mimo rozsah, zadejte hodnotu od 0,1 do 100.", TankInput::Depth},
        FailingRow{"user emissivity", [](auto&, auto& m) { m.userEmissivity = 1.5f; }, "Emisivita: 1,5 je mimo rozsah, zadejte hodnotu od 0 do 1.", TankInput::UserEmissivity},
        FailingRow{"no surface",
                   [](auto&, auto& m) {
                     m.userEmissivityOn = 0;
                     m.SetSurface(nullptr);
                   },
                   "Vyberte prosím povrchovou úpravu z rozbalovacího seznamu.", TankInput::Surface},
        FailingRow{"wind speed", [](auto&, auto& m) { m.windSpeed = 0; }, "Rychlost větru: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 50.",
                   TankInput::WindSpeed},
        FailingRow{"user coefficient",
                   [](auto&, auto& m) {
                     m.environment = 2;
                     m.userOuterCoefficient = -1;
                   }, "Součinitel přestupu tepla vně: -1 je mimo rozsah, zadejte hodnotu od 0 do 10000.", TankInput::OuterCoefficient},
        FailingRow{"user density", [](auto&, auto& m) { m.liquidDensity = 3000; }, "Hustota: 3000 je mimo rozsah, zadejte hodnotu od 1 do 2500.", TankInput::Density},
        FailingRow{"user heat capacity", [](auto&, auto& m) { m.liquidHeatCapacity = 0; }, "Tepelná kapacita: 0 je mimo rozsah, zadejte hodnotu od 1 do 5000.", TankInput::HeatCapacity},
        FailingRow{"user freezing point", [](auto&, auto& m) { m.liquidFreezingPoint = 201; }, "Bod tuhnutí: 201 je mimo rozsah, zadejte hodnotu od -273 do 200.", TankInput::FreezingPoint},
        FailingRow{"no database liquid",
                   [](auto&, auto& m) {
                     m.userDefinedLiquid = 0;
                     m.SetLiquid(nullptr);
                   },
                   "Vyberte prosím médium z rozbalovacího seznamu.", TankInput::Liquid},
        FailingRow{"start below the database liquid's freezing point",
                   [](auto& doc, auto& m) {
                     m.userDefinedLiquid = 0;
                     Record<CVeske>(*doc, DbList::Liquids).freezingPoint = 5;
                     m.startTemperature = 4.9f;
                   }, "Počáteční teplota: 4,9 je mimo rozsah, zadejte hodnotu od 5 do 2000.", TankInput::StartTemperature},
        FailingRow{"end below the freezing point", [](auto&, auto& m) { m.endTemperature = -21; }, "Teplota po akumulační době: -21 je mimo rozsah, zadejte hodnotu od -20 do 2000.", TankInput::EndTemperature},
        FailingRow{"end equal to start",
                   [](auto&, auto& m) {
                     m.startTemperature = 50;
                     m.endTemperature = 50;
                   },
                   "Počáteční teplota musí být vyšší než konečná teplota.", TankInput::StartTemperature}),
    [](const ::testing::TestParamInfo<FailingRow>& info) {
      std::string name = info.param.what;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

}  // namespace
}  // namespace kelvora
