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

const std::string kInterrupted =
    "Výpočet byl přerušen. Program není schopen správně vypočítat tepelnou ztrátu";

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
        FailingRow{"density NaN", [](auto&, auto& m) { m.liquidDensity = kNaN; }, "Hustota: není číslo, zadejte číslo."},
        FailingRow{"humidity outside the field", [](auto&, auto& m) { m.relativeHumidity = 0.5f; }, "Relativní vlhkost vzduchu: 0,5 je mimo rozsah, zadejte hodnotu od 1 do 99."},
        FailingRow{"no sections", [](auto&, auto& m) { m.sections.clear(); },
                   "Varování: Seznam úseků je prázdný, nemůže být proveden výpočet!"},
        FailingRow{"energy price",
                   [](auto&, auto& m) {
                     m.energyCostOn = 1;
                     m.energyPrice = 0;
                   }, "Cena energie: 0 je mimo rozsah, zadejte hodnotu od 0,01 do 200."},
        FailingRow{"operating hours",
                   [](auto&, auto& m) {
                     m.energyCostOn = 1;
                     m.operatingHours = 9000;
                   }, "Provozní doba: 9000 je mimo rozsah, zadejte hodnotu od 1 do 8760."},
        FailingRow{"no database liquid", [](auto&, auto& m) { m.SetLiquid(nullptr); },
                   "Vyberte prosím médium z rozbalovacího seznamu."},
        FailingRow{"user density",
                   [](auto&, auto& m) {
                     m.userDefinedLiquid = 1;
                     m.liquidDensity = 0;
                   }, "Hustota: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 4200."},
        FailingRow{"user heat capacity",
                   [](auto&, auto& m) {
                     m.userDefinedLiquid = 1;
                     m.liquidHeatCapacity = 6000;
                   }, "Tepelná kapacita: 6000 je mimo rozsah, zadejte hodnotu od 1 do 5000."},
        FailingRow{"user freezing point",
                   [](auto&, auto& m) {
                     m.userDefinedLiquid = 1;
                     m.liquidFreezingPoint = -300;
                   }, "Bod tuhnutí: -300 je mimo rozsah, zadejte hodnotu od -273 do 200."},
        FailingRow{"inlet at the user freezing point",
                   [](auto&, auto& m) {
                     m.userDefinedLiquid = 1;
                     m.liquidFreezingPoint = 10;
                     m.inletTemperature = 10.05f;
                   }, "Vstupní teplota: 10,05 je mimo rozsah, zadejte hodnotu od 10,1 do 2000."},
        FailingRow{"inlet below the database liquid's freezing point",
                   [](auto&, auto& m) { m.inletTemperature = 0.05f; }, "Vstupní teplota: 0,05 je mimo rozsah, zadejte hodnotu od 0,1 do 2000."},
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
        FailingRow{"flow infinite", [](auto&, auto& m) { First(m).flow = kInf; }, "Průtok média: není číslo, zadejte číslo."},
        FailingRow{"length outside the field", [](auto&, auto& m) { First(m).length = 0.05f; }, "Délka: 0,05 je mimo rozsah, zadejte hodnotu od 0,1 do 20000."},
        FailingRow{"ambient outside the field", [](auto&, auto& m) { First(m).ambientTemperature = 600; }, "Okolní teplota: 600 je mimo rozsah, zadejte hodnotu od -60 do 500."},
        FailingRow{"no product", [](auto&, auto& m) { First(m).layer1.Set(0, nullptr, 50, nullptr, 50); },
                   "Vyberte prosím izolační produkt."},
        FailingRow{"no product in layer 2", [](auto&, auto& m) { First(m).secondLayerOn = 1; },
                   "Vyberte prosím izolační produkt."},
        FailingRow{"zero thickness",
                   [](auto& doc, auto& m) {
                     First(m).layer1.Set(0, &Record<CIsoProdukt>(*doc, DbList::Products), 0, nullptr, 0);
                   }, "Tloušťka izolace: 0 je mimo rozsah, zadejte hodnotu od 10 do 1000."},
        FailingRow{"second layer thicker than any product",
                   [](auto& doc, auto& m) {
                     First(m).secondLayerOn = 1;
                     First(m).layer2.Set(1, nullptr, 50, &testing::UserProduct(*doc, "Vlastní"), 3e38f);
                   }, "Tloušťka izolace: 3e+38 je mimo rozsah, zadejte hodnotu od 10 do 1000."},
        FailingRow{"diameter", [](auto&, auto& m) { First(m).diameter = 0.5f; }, "Průměr: 0,5 je mimo rozsah, zadejte hodnotu od 1 do 20000."},
        FailingRow{"duct height",
                   [](auto& doc, auto& m) {
                     MakeAir(doc, m);
                     First(m).height = 6000;
                   }, "Výška: 6000 je mimo rozsah, zadejte hodnotu od 1 do 5000."},
        FailingRow{"duct width",
                   [](auto& doc, auto& m) {
                     MakeAir(doc, m);
                     First(m).width = 0;
                   }, "Šířka: 0 je mimo rozsah, zadejte hodnotu od 1 do 5000."},
        FailingRow{"lining fills a bare duct",
                   [](auto& doc, auto& m) {
                     MakeAir(doc, m);
                     First(m).bare = 1;
                     First(m).height = 100;
                     First(m).width = 100;
                   },
                   "Vypočítaná tloušťka izolace je příliš velká pro vybraný rozměr potrubí při použití vnitřní "
                   "izolace. "},
        FailingRow{"flow in m3/h", [](auto&, auto& m) { First(m).flow = 400000; }, "Průtok média: 400000 je mimo rozsah, zadejte hodnotu od 0,01 do 360000."},
        FailingRow{"flow in l/s",
                   [](auto&, auto& m) {
                     First(m).flowUnit = 1;
                     First(m).flow = 0;
                   }, "Průtok média: 0 je mimo rozsah, zadejte hodnotu od 0,01 do 100000."},
        FailingRow{"velocity",
                   [](auto&, auto& m) {
                     First(m).flowUnit = 2;
                     First(m).flow = 51;
                   }, "Průtok média: 51 je mimo rozsah, zadejte hodnotu od 0,001 do 50."},
        FailingRow{"user emissivity",
                   [](auto&, auto& m) {
                     First(m).userEmissivityOn = 1;
                     First(m).userEmissivity = 1.5f;
                   }, "Emisivita: 1,5 je mimo rozsah, zadejte hodnotu od 0 do 1."},
        FailingRow{"no surface", [](auto&, auto& m) { First(m).SetSurface(nullptr); },
                   "Vyberte prosím povrchovou úpravu z rozbalovacího seznamu."},
        FailingRow{"wind speed",
                   [](auto&, auto& m) {
                     First(m).environment = 1;
                     First(m).windSpeed = 0;
                   }, "Rychlost větru: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 50."},
        FailingRow{"outer coefficient",
                   [](auto&, auto& m) {
                     First(m).environment = 2;
                     First(m).userOuterCoefficient = 0;
                   }, "Součinitel přestupu tepla vně: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 10000."},
        FailingRow{"inner coefficient of 0",
                   [](auto&, auto& m) {
                     First(m).userInnerCoefficientOn = 1;
                     First(m).userInnerCoefficient = 0;
                   }, "Součinitel přestupu tepla uvnitř: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 10000."}),
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
