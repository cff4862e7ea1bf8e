#include "core/modules/heatloss/inputcheck.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <limits>
#include <regex>

#include "core/modules/heatloss/varmetapmodul.h"
#include "core/report/reporttext.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::Equipment;
using testing::ModuleOf;
using testing::Record;
using testing::TestDocument;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

CVarmeTapModul& HeatLoss(TestDocument& doc) { return ModuleOf<CVarmeTapModul>(*doc, ModuleIndex::HeatLoss); }

// A pipe that calculates, saved as calculated.
void FillValid(TestDocument& doc) {
  CVarmeTapModul& m = HeatLoss(doc);
  m.layers[0].Set(0, &Record<CIsoProdukt>(*doc, DbList::Products), 50, nullptr, 50);
  m.SetSurface(&Record<CMantling>(*doc, DbList::OuterFinishes));
  m.mediumTemperature = 150;
  m.calculated = 1;
}

// Saves the document and opens it in a fresh one, whose messages start empty.
void Reopen(TestDocument& doc, TestDocument& other) {
  const auto file = doc.dir / "stored.vtp";
  ASSERT_TRUE(doc->Save(file));
  other.messages.shown.clear();
  ASSERT_TRUE(other->Open(file));
}

bool PrintsNoNumber(const std::string& text) {
  static const std::regex kNotANumber(R"(\b(nan|inf)\b)", std::regex::icase);
  return !std::regex_search(text, kNotANumber);
}

TEST(StoredHeatLoss, AValidModuleIsCalculatedAgainOnOpening) {
  TestDocument doc;
  FillValid(doc);
  TestDocument other;
  Reopen(doc, other);
  EXPECT_EQ(HeatLoss(other).calculated, 1);
  EXPECT_TRUE(other.messages.shown.empty());
  const std::string text = ReportCopyText(other->reports, ModuleIndex::HeatLoss);
  EXPECT_NE(text.find("150,0 °C"), std::string::npos);
  EXPECT_TRUE(PrintsNoNumber(text)) << text;
}

// The product-temperature warnings were answered when the values were entered.
TEST(StoredHeatLoss, AProductTooColdForTheMediumOpensCalculatedWithoutAsking) {
  TestDocument doc;
  FillValid(doc);
  TestDocument other;
  Record<CIsoProdukt>(*other, DbList::Products).maxTemperature = 100;
  Reopen(doc, other);
  EXPECT_EQ(HeatLoss(other).calculated, 1);
  EXPECT_TRUE(other.messages.shown.empty());
}

struct HostileRow {
  const char* what;
  std::function<void(TestDocument&, CVarmeTapModul&)> damage;
  std::string message;
};

const std::string kUnknownChoice =
    "Výpočet byl přerušen. Program není schopen správně vypočítat tepelnou ztrátu";
const std::string kChooseProduct = "Vyberte prosím izolační produkt.";

class HostileStoredValue : public ::testing::TestWithParam<HostileRow> {};

TEST_P(HostileStoredValue, OpensUncalculatedSayingWhy) {
  const HostileRow& row = GetParam();
  TestDocument doc;
  FillValid(doc);
  row.damage(doc, HeatLoss(doc));
  TestDocument other;
  Reopen(doc, other);
  EXPECT_EQ(HeatLoss(other).calculated, 0);
  EXPECT_EQ(other.messages.shown, std::vector<std::string>{row.message});
  const std::string text = ReportCopyText(other->reports, ModuleIndex::HeatLoss);
  EXPECT_TRUE(PrintsNoNumber(text)) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HostileStoredValue,
    ::testing::Values(
        HostileRow{"length -inf", [](auto&, auto& m) { m.length = -kInf; }, "Délka: není číslo, zadejte číslo."},
        HostileRow{"unused diameter NaN",
                   [](auto&, auto& m) {
                     m.objectKind = 4;
                     m.diameter = kNaN;
                   }, "Průměr: není číslo, zadejte číslo."},
        HostileRow{"huge width",
                   [](auto&, auto& m) {
                     m.objectKind = 2;
                     m.width = 3e38f;
                   }, "Šířka: 3e+38 je mimo rozsah, zadejte hodnotu od 1 do 20000."},
        HostileRow{"zero diameter", [](auto&, auto& m) { m.diameter = 0; }, "Průměr: 0 je mimo rozsah, zadejte hodnotu od 1 do 20000."},
        HostileRow{"negative length", [](auto&, auto& m) { m.length = -3; }, "Délka: -3 je mimo rozsah, zadejte hodnotu od 0,1 do 20000."},
        HostileRow{"huge length, degree-hours without requirement",
                   [](auto&, auto& m) {
                     m.calculationType = 3;
                     m.operatingHours = 1;
                     m.length = -3e38f;
                   }, "Délka: -3e+38 je mimo rozsah, zadejte hodnotu od 0,1 do 20000."},
        HostileRow{"bare emissivity inf", [](auto&, auto& m) { m.bareEmissivity = kInf; }, "Emisivita: není číslo, zadejte číslo."},
        HostileRow{"bare emissivity above 1", [](auto&, auto& m) { m.bareEmissivity = 1.5f; }, "Emisivita: 1,5 je mimo rozsah, zadejte hodnotu od 0 do 1."},
        HostileRow{"medium temperature NaN", [](auto&, auto& m) { m.mediumTemperature = kNaN; }, "Teplota média: není číslo, zadejte hodnotu od -273 do 2000."},
        HostileRow{"medium temperature huge", [](auto&, auto& m) { m.mediumTemperature = 1e30f; }, "Teplota média: 1e+30 je mimo rozsah, zadejte hodnotu od -273 do 2000."},
        HostileRow{"flow negative", [](auto&, auto& m) { m.flowValue = -1; }, "Průtok média: -1 je mimo rozsah, zadejte hodnotu od 0 do 1000000."},
        HostileRow{"no temperature difference", [](auto&, auto& m) { m.mediumTemperature = 20; },
                   "Mezi teplotou média a okolní teplotou musí být rozdíl nejméně 0,1 °C."},
        HostileRow{"layer thickness NaN", [](auto&, auto& m) { m.layers[0].standardThickness = kNaN; }, "Tloušťka izolace: není číslo, zadejte hodnotu od 10 do 1000."},
        HostileRow{"layer thickness zero", [](auto&, auto& m) { m.layers[0].standardThickness = 0; }, "Tloušťka izolace: 0 je mimo rozsah, zadejte hodnotu od 10 do 1000."},
        HostileRow{"layer thicker than any product", [](auto&, auto& m) { m.layers[0].standardThickness = 3e38f; }, "Tloušťka izolace: 3e+38 je mimo rozsah, zadejte hodnotu od 10 do 1000."},
        HostileRow{"second layer thickness -inf",
                   [](auto& doc, auto& m) {
                     m.layer2On = 1;
                     m.layers[1].Set(0, &Record<CIsoProdukt>(*doc, DbList::Products), -kInf, nullptr, 50);
                   }, "Tloušťka izolace: není číslo, zadejte hodnotu od 10 do 1000."},
        HostileRow{"lining thickness NaN, thickness solved",
                   [](auto& doc, auto& m) {
                     m.objectKind = 3;
                     m.calculationType = 1;
                     m.layers[0].standardThickness = kNaN;
                     m.SetSurface(&Record<CMantling>(*doc, DbList::PipeSurfaces));
                   }, "Tloušťka izolace: není číslo, zadejte hodnotu od 10 do 1000."},
        HostileRow{"equipment length inf",
                   [](auto&, auto& m) {
                     m.equipmentOn = 1;
                     m.equipment.push_back(Equipment(nullptr, 2, "Příruba"));
                     m.equipment.back()->equivalentLength = kInf;
                   }, "Přidaná délka potrubí: není číslo, zadejte hodnotu od 0 do 1000."},
        HostileRow{"energy price NaN",
                   [](auto&, auto& m) {
                     m.energyCalculationOn = 1;
                     m.energyPrice = kNaN;
                   }, "Cena energie: není číslo, zadejte číslo."},
        HostileRow{"wind speed zero outdoors",
                   [](auto&, auto& m) {
                     m.environment = 1;
                     m.windSpeed = 0;
                   }, "Rychlost větru: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 50."},
        HostileRow{"heat loss target huge",
                   [](auto&, auto& m) {
                     m.calculationType = 2;
                     m.maxHeatLossPerMetre = 3e38f;
                   }, "Tepelná ztráta: 3e+38 je mimo rozsah, zadejte hodnotu od -500 do 500."},
        HostileRow{"calculation type 7", [](auto&, auto& m) { m.calculationType = 7; }, kUnknownChoice},
        HostileRow{"heat-loss unit 5",
                   [](auto&, auto& m) {
                     m.calculationType = 2;
                     m.heatLossUnit = 5;
                   },
                   kUnknownChoice},
        HostileRow{"surface mode -1", [](auto&, auto& m) { m.surfaceMode = -1; }, kUnknownChoice},
        HostileRow{"flow unit 9 of a duct",
                   [](auto&, auto& m) {
                     m.objectKind = 1;
                     m.flowUnit = 9;
                   },
                   kUnknownChoice},
        HostileRow{"orientation 2", [](auto&, auto& m) { m.orientation = 2; }, kUnknownChoice},
        HostileRow{"no product", [](auto&, auto& m) { m.layers[0].Set(0, nullptr, 50, nullptr, 50); },
                   kChooseProduct},
        HostileRow{"outer layer without product", [](auto&, auto& m) { m.layer2On = 1; }, kChooseProduct},
        HostileRow{"no surface", [](auto&, auto& m) { m.SetSurface(nullptr); },
                   "Vyberte prosím povrchovou úpravu z rozbalovacího seznamu."}),
    [](const ::testing::TestParamInfo<HostileRow>& info) {
      std::string name = info.param.what;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

// The dialog asks the warnings; one the user stops at leaves nothing more to say.
TEST(HeatLossInputCheck, AWarningTheUserStopsAtEndsTheChecksSilently) {
  TestDocument doc;
  FillValid(doc);
  Record<CIsoProdukt>(*doc, DbList::Products).maxTemperature = 100;
  std::vector<std::string> asked;
  const auto fault = FirstHeatLossFault(HeatLoss(doc), [&](std::string_view warning) {
    asked.emplace_back(warning);
    return false;
  });
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->message, "");
  EXPECT_EQ(fault->input, HeatLossInput::None);
  EXPECT_EQ(asked,
            std::vector<std::string>{"Varování: Teplota média překračuje maximální doporučenou teplotu "
                                     "použití vybraného izolačního produktu."});
  EXPECT_FALSE(FirstHeatLossFault(HeatLoss(doc), [](std::string_view) { return true; }));
}

}  // namespace
}  // namespace kelvora
