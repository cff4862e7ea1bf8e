#include "core/modules/run/runinputcheck.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/modules/run/kanaltempmodul.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::ModuleOf;
using testing::Record;
using testing::TestDocument;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

CKanalTempModul& Run(TestDocument& doc) { return ModuleOf<CKanalTempModul>(*doc, ModuleIndex::PipeRun); }

// Water of the database through one insulated pipe with a surface finish.
CKanalTempModul& FillValid(TestDocument& doc) {
  CKanalTempModul& m = Run(doc);
  m.SetLiquid(&Record<CVeske>(*doc, DbList::Liquids));
  auto pipe = std::make_unique<CSegment>(CSegment::kPipe, 1);
  pipe->layer1.Set(0, &Record<CIsoProdukt>(*doc, DbList::Products), 50, nullptr, 50);
  pipe->SetSurface(&Record<CMantling>(*doc, DbList::OuterFinishes));
  m.sections.push_back(std::move(pipe));
  return m;
}

CSegment& First(CKanalTempModul& m) { return *m.sections.front(); }

// The same run carried in air through an internally insulated duct.
void MakeAir(TestDocument& doc, CKanalTempModul& m) {
  m.isAir = 3;
  m.SetLiquid(nullptr);
  auto duct = std::make_unique<CSegment>(CSegment::kRectDuctInternal, 1);
  duct->layer1.Set(0, &Record<CIsoProdukt>(*doc, DbList::Products), 50, nullptr, 50);
  duct->SetSurface(&Record<CMantling>(*doc, DbList::PipeSurfaces));
  m.sections.clear();
  m.sections.push_back(std::move(duct));
}

const std::string kEnterNumber = "Prosím vložte číslo.";
const std::string kInterrupted =
    "Výpočet byl přerušen. Program není schopen správně vypočítat tepelnou ztrátu";

std::string Range(const std::string& field, const std::string& min, const std::string& max) {
  return "Hodnoty " + field + " musí být v rozmezí " + min + "-" + max;
}

TEST(StoredRun, AValidLiquidRunAndAValidAirRunPass) {
  TestDocument doc;
  CKanalTempModul& m = FillValid(doc);
  EXPECT_TRUE(StoredRunInputsPass(m));
  MakeAir(doc, m);
  m.inletTemperature = -20;  // air has no freezing point
  EXPECT_TRUE(StoredRunInputsPass(m));
  EXPECT_TRUE(doc.messages.shown.empty());
}

TEST(StoredRun, TheProductTemperatureWarningPassesUnasked) {
  TestDocument doc;
  CKanalTempModul& m = FillValid(doc);
  Record<CIsoProdukt>(*doc, DbList::Products).maxTemperature = 10;
  First(m).ambientTemperature = 30;
  EXPECT_TRUE(StoredRunInputsPass(m));
  EXPECT_TRUE(doc.messages.shown.empty());
}

struct FailingRow {
  const char* what;
  std::function<void(TestDocument&, CKanalTempModul&)> damage;
  std::string message;
};

class StoredRunFault : public ::testing::TestWithParam<FailingRow> {};

TEST_P(StoredRunFault, FailsSayingWhy) {
  const FailingRow& row = GetParam();
  TestDocument doc;
  CKanalTempModul& m = FillValid(doc);
  row.damage(doc, m);
  EXPECT_FALSE(StoredRunInputsPass(m));
  EXPECT_EQ(doc.messages.shown, std::vector<std::string>{row.message});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StoredRunFault,
    ::testing::Values(
        FailingRow{"unknown medium kind", [](auto&, auto& m) { m.isAir = 4; }, kInterrupted},
        FailingRow{"unknown liquid mode", [](auto&, auto& m) { m.userDefinedLiquid = 2; }, kInterrupted},
        FailingRow{"density NaN", [](auto&, auto& m) { m.liquidDensity = kNaN; }, kEnterNumber},
        FailingRow{"humidity outside the field", [](auto&, auto& m) { m.relativeHumidity = 0.5f; },
                   "Prosím vložte číslo mezi 1 a 99."},
        FailingRow{"no sections", [](auto&, auto& m) { m.sections.clear(); },
                   "Varování: Seznam úseků je prázdný, nemůže být proveden výpočet!"},
        FailingRow{"energy price",
                   [](auto&, auto& m) {
                     m.energyCostOn = 1;
                     m.energyPrice = 0;
                   },
                   Range("náklady na energii", "0.01", "200.00")},
        FailingRow{"operating hours",
                   [](auto&, auto& m) {
                     m.energyCostOn = 1;
                     m.operatingHours = 9000;
                   },
                   Range("provozní doba", "1.00", "8760.00")},
        FailingRow{"no database liquid", [](auto&, auto& m) { m.SetLiquid(nullptr); },
                   "Vyberte prosím médium z rozbalovacího seznamu."},
        FailingRow{"user density",
                   [](auto&, auto& m) {
                     m.userDefinedLiquid = 1;
                     m.liquidDensity = 0;
                   },
                   Range("hustota", "0.10", "4200.00")},
        FailingRow{"user heat capacity",
                   [](auto&, auto& m) {
                     m.userDefinedLiquid = 1;
                     m.liquidHeatCapacity = 6000;
                   },
                   Range("tepelná kapacita", "1.00", "5000.00")},
        FailingRow{"user freezing point",
                   [](auto&, auto& m) {
                     m.userDefinedLiquid = 1;
                     m.liquidFreezingPoint = -300;
                   },
                   Range("bod tuhnutí média", "-273.00", "200.00")},
        FailingRow{"inlet at the user freezing point",
                   [](auto&, auto& m) {
                     m.userDefinedLiquid = 1;
                     m.liquidFreezingPoint = 10;
                     m.inletTemperature = 10.05f;
                   },
                   Range("Vstupní teplota", "10.10", "2000.00")},
        FailingRow{"inlet below the database liquid's freezing point",
                   [](auto&, auto& m) { m.inletTemperature = 0.05f; }, Range("Vstupní teplota", "0.10", "2000.00")},
        FailingRow{"a pipe in an air run", [](auto&, auto& m) { m.isAir = 1; }, kInterrupted},
        FailingRow{"a duct in a liquid run",
                   [](auto& doc, auto& m) {
                     MakeAir(doc, m);
                     m.isAir = 0;
                     m.SetLiquid(&Record<CVeske>(*doc, DbList::Liquids));
                   },
                   kInterrupted},
        FailingRow{"more sections than a run holds",
                   [](auto&, auto& m) {
                     while (m.sections.size() <= CKanalTempModul::kMaxSections)
                       m.sections.push_back(std::make_unique<CSegment>(First(m)));
                   },
                   kInterrupted},
        FailingRow{"unknown environment", [](auto&, auto& m) { First(m).environment = 3; }, kInterrupted},
        FailingRow{"unknown flow unit", [](auto&, auto& m) { First(m).flowUnit = -1; }, kInterrupted},
        FailingRow{"flow infinite", [](auto&, auto& m) { First(m).flow = kInf; }, kEnterNumber},
        FailingRow{"length outside the field", [](auto&, auto& m) { First(m).length = 0.05f; },
                   "Prosím vložte číslo mezi 0.1 a 20000."},
        FailingRow{"ambient outside the field", [](auto&, auto& m) { First(m).ambientTemperature = 600; },
                   "Prosím vložte číslo mezi -60 a 500."},
        FailingRow{"no product", [](auto&, auto& m) { First(m).layer1.Set(0, nullptr, 50, nullptr, 50); },
                   "Vyberte prosím izolační produkt z rozbalovacího seznamu"},
        FailingRow{"no product in layer 2", [](auto&, auto& m) { First(m).secondLayerOn = 1; },
                   "Vyberte prosím izolační produkt z rozbalovacího seznamu"},
        FailingRow{"zero thickness",
                   [](auto& doc, auto& m) {
                     First(m).layer1.Set(0, &Record<CIsoProdukt>(*doc, DbList::Products), 0, nullptr, 0);
                   },
                   Range("tloušťka", "10.00", "1000.00")},
        FailingRow{"second layer thicker than any product",
                   [](auto& doc, auto& m) {
                     First(m).secondLayerOn = 1;
                     First(m).layer2.Set(1, nullptr, 50, &testing::UserProduct(*doc, "Vlastní"), 3e38f);
                   },
                   Range("tloušťka", "10.00", "1000.00")},
        FailingRow{"diameter", [](auto&, auto& m) { First(m).diameter = 0.5f; }, Range("průměr", "1.00", "20000.00")},
        FailingRow{"duct height",
                   [](auto& doc, auto& m) {
                     MakeAir(doc, m);
                     First(m).height = 6000;
                   },
                   Range("výška", "1.00", "5000.00")},
        FailingRow{"duct width",
                   [](auto& doc, auto& m) {
                     MakeAir(doc, m);
                     First(m).width = 0;
                   },
                   Range("šířka", "1.00", "5000.00")},
        FailingRow{"lining fills a bare duct",
                   [](auto& doc, auto& m) {
                     MakeAir(doc, m);
                     First(m).bare = 1;
                     First(m).height = 100;
                     First(m).width = 100;
                   },
                   "Vypočítaná tloušťka izolace je příliš velká pro vybraný rozměr potrubí při použití vnitřní "
                   "izolace. "},
        FailingRow{"flow in m3/h", [](auto&, auto& m) { First(m).flow = 400000; },
                   Range("průtok média", "0.01", "360000.00")},
        FailingRow{"flow in l/s",
                   [](auto&, auto& m) {
                     First(m).flowUnit = 1;
                     First(m).flow = 0;
                   },
                   Range("průtok média", "0.01", "100000.00")},
        FailingRow{"velocity",
                   [](auto&, auto& m) {
                     First(m).flowUnit = 2;
                     First(m).flow = 51;
                   },
                   Range("průtok média", "0.00", "50.00")},
        FailingRow{"user emissivity",
                   [](auto&, auto& m) {
                     First(m).userEmissivityOn = 1;
                     First(m).userEmissivity = 1.5f;
                   },
                   Range("emisivita", "0.00", "1.00")},
        FailingRow{"no surface", [](auto&, auto& m) { First(m).SetSurface(nullptr); },
                   "Vyberte prosím povrchovou úpravu z rozbalovacího seznamu."},
        FailingRow{"wind speed",
                   [](auto&, auto& m) {
                     First(m).environment = 1;
                     First(m).windSpeed = 0;
                   },
                   Range("rychlost větru", "0.10", "50.00")},
        FailingRow{"outer coefficient",
                   [](auto&, auto& m) {
                     First(m).environment = 2;
                     First(m).userOuterCoefficient = 0;
                   },
                   Range("koef. přestupu tepla vně", "0.10", "10000.00")},
        FailingRow{"inner coefficient of 0",
                   [](auto&, auto& m) {
                     First(m).userInnerCoefficientOn = 1;
                     First(m).userInnerCoefficient = 0;
                   },
                   Range("koef. přestupu tepla uvnitř", "0.10", "10000.00")}),
    [](const ::testing::TestParamInfo<FailingRow>& info) {
      std::string name = info.param.what;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

// A surface is not asked for where the user gives the outer coefficient.
TEST(StoredRun, AGivenOuterCoefficientNeedsNoSurface) {
  TestDocument doc;
  CKanalTempModul& m = FillValid(doc);
  First(m).SetSurface(nullptr);
  First(m).environment = 2;
  EXPECT_TRUE(StoredRunInputsPass(m));
}

}  // namespace
}  // namespace kelvora
