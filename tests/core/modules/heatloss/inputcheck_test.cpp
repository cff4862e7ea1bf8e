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

const std::string kEnterNumber = "Prosím vložte číslo.";
const std::string kUnknownChoice =
    "Výpočet byl přerušen. Program není schopen správně vypočítat tepelnou ztrátu";
const std::string kChooseProduct = "Vyberte prosím izolační produkt z rozbalovacího seznamu";
const std::string kThickness = "Hodnoty tloušťka musí být v rozmezí 10.00-1000.00";

std::string Range(const std::string& field, const std::string& min, const std::string& max) {
  return "Hodnoty " + field + " musí být v rozmezí " + min + "-" + max;
}

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
        HostileRow{"length -inf", [](auto&, auto& m) { m.length = -kInf; }, kEnterNumber},
        HostileRow{"unused diameter NaN",
                   [](auto&, auto& m) {
                     m.objectKind = 4;
                     m.diameter = kNaN;
                   },
                   kEnterNumber},
        HostileRow{"huge width",
                   [](auto&, auto& m) {
                     m.objectKind = 2;
                     m.width = 3e38f;
                   },
                   Range("šířka", "1.00", "20000.00")},
        HostileRow{"zero diameter", [](auto&, auto& m) { m.diameter = 0; }, Range("průměr", "1.00", "20000.00")},
        HostileRow{"negative length", [](auto&, auto& m) { m.length = -3; },
                   Range("délka potrubí", "0.10", "20000.00")},
        HostileRow{"huge length, degree-hours without requirement",
                   [](auto&, auto& m) {
                     m.calculationType = 3;
                     m.operatingHours = 1;
                     m.length = -3e38f;
                   },
                   Range("délka potrubí", "0.10", "20000.00")},
        HostileRow{"bare emissivity inf", [](auto&, auto& m) { m.bareEmissivity = kInf; }, kEnterNumber},
        HostileRow{"bare emissivity above 1", [](auto&, auto& m) { m.bareEmissivity = 1.5f; },
                   Range("emisivita", "0.00", "1.00")},
        HostileRow{"medium temperature NaN", [](auto&, auto& m) { m.mediumTemperature = kNaN; }, kEnterNumber},
        HostileRow{"medium temperature huge", [](auto&, auto& m) { m.mediumTemperature = 1e30f; },
                   "Prosím vložte číslo mezi -273 a 2000."},
        HostileRow{"flow negative", [](auto&, auto& m) { m.flowValue = -1; },
                   "Prosím vložte číslo mezi 0 a 1e+06."},
        HostileRow{"no temperature difference", [](auto&, auto& m) { m.mediumTemperature = 20; },
                   "Mezi teplotou média a okolní teplotou musí být rozdíl nejméně 0,1 °C."},
        HostileRow{"layer thickness NaN", [](auto&, auto& m) { m.layers[0].standardThickness = kNaN; },
                   kThickness},
        HostileRow{"layer thickness zero", [](auto&, auto& m) { m.layers[0].standardThickness = 0; },
                   kThickness},
        HostileRow{"layer thicker than any product", [](auto&, auto& m) { m.layers[0].standardThickness = 3e38f; },
                   kThickness},
        HostileRow{"second layer thickness -inf",
                   [](auto& doc, auto& m) {
                     m.layer2On = 1;
                     m.layers[1].Set(0, &Record<CIsoProdukt>(*doc, DbList::Products), -kInf, nullptr, 50);
                   },
                   kThickness},
        HostileRow{"lining thickness NaN, thickness solved",
                   [](auto& doc, auto& m) {
                     m.objectKind = 3;
                     m.calculationType = 1;
                     m.layers[0].standardThickness = kNaN;
                     m.SetSurface(&Record<CMantling>(*doc, DbList::PipeSurfaces));
                   },
                   kThickness},
        HostileRow{"equipment length inf",
                   [](auto&, auto& m) {
                     m.equipmentOn = 1;
                     m.equipment.push_back(Equipment(nullptr, 2, "Příruba"));
                     m.equipment.back()->equivalentLength = kInf;
                   },
                   "Prosím vložte číslo mezi 0 a 1000."},
        HostileRow{"energy price NaN",
                   [](auto&, auto& m) {
                     m.energyCalculationOn = 1;
                     m.energyPrice = kNaN;
                   },
                   kEnterNumber},
        HostileRow{"wind speed zero outdoors",
                   [](auto&, auto& m) {
                     m.environment = 1;
                     m.windSpeed = 0;
                   },
                   Range("rychlost větru", "0.10", "50.00")},
        HostileRow{"heat loss target huge",
                   [](auto&, auto& m) {
                     m.calculationType = 2;
                     m.maxHeatLossPerMetre = 3e38f;
                   },
                   Range("tepelná ztráta", "-500.00", "500.00")},
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
            std::vector<std::string>{"Varování: Teplota média překracuje max. doporuc. teplotu použití pro "
                                     "vybraný iz. produkt."});
  EXPECT_FALSE(FirstHeatLossFault(HeatLoss(doc), [](std::string_view) { return true; }));
}

}  // namespace
}  // namespace kelvora
