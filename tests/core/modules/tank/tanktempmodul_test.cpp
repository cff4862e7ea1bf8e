#include "core/modules/tank/tanktempmodul.h"

#include <gtest/gtest.h>

#include <array>

#include "support/bodybytes.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::CopyUserProducts;
using testing::ExpectedBytes;
using testing::FillTank;
using testing::ReadBody;
using testing::Record;
using testing::TestDocument;
using testing::WriteBody;

CTankTempModul& Module(TestDocument& doc) {
  return dynamic_cast<CTankTempModul&>(doc->Module(ModuleIndex::Tank));
}

class CountingTankTempModul : public CTankTempModul {
 public:
  using CTankTempModul::CTankTempModul;
  void Recalculate() override { ++recalculations; }
  int recalculations = 0;
};

TEST(TankTempModul, ResetRestoresDefaultsAndLetsGoOfEveryRecord) {
  TestDocument doc;
  FillTank(*doc);
  CTankTempModul& m = Module(doc);
  m.calculated = 1;
  m.Reset();

  EXPECT_EQ(m.calculated, 0);
  for (float size : {m.diameter, m.length, m.width, m.height, m.depth}) EXPECT_EQ(size, 5.0f);
  EXPECT_EQ(m.userDefinedLiquid, 0);
  EXPECT_EQ(m.liquidHeatCapacity, 4180.0f);
  EXPECT_EQ(m.liquidDensity, 999.0f);
  EXPECT_EQ(m.liquidFreezingPoint, 0.0f);
  EXPECT_EQ(m.startTemperature, 50.0f);
  EXPECT_EQ(m.endTemperature, 25.0f);
  EXPECT_EQ(m.storageTime, 500.0f);
  EXPECT_EQ(m.ambientTemperature, 10.0f);
  EXPECT_EQ(m.environment, 0);
  EXPECT_EQ(m.windSpeed, 2.0f);
  EXPECT_EQ(m.userOuterCoefficient, 5.0f);
  EXPECT_EQ(m.userEmissivityOn, 0);
  EXPECT_EQ(m.userEmissivity, 0.94f);
  EXPECT_EQ(m.insulation.objectKind, CTankTempModul::kTankObjectKind);
  EXPECT_EQ(m.insulation.thicknessGiven, 1);
  EXPECT_EQ(m.insulation.Thickness(), 50.0f);
  EXPECT_EQ(m.insulation.Product(), nullptr);
  EXPECT_EQ(m.Surface(), nullptr);
  EXPECT_EQ(m.Liquid(), nullptr);
  EXPECT_EQ(m.shape, 0);
  EXPECT_EQ(m.mode, 0);
  for (DbList list : {DbList::Products, DbList::OuterFinishes, DbList::Liquids})
    EXPECT_FALSE(doc->database.List(list)[0]->HasUsers()) << static_cast<int>(list);

  {
    CTankTempModul gone(&*doc);
    gone.SetSurface(&Record<CMantling>(*doc, DbList::OuterFinishes));
  }
  EXPECT_FALSE(Record<CMantling>(*doc, DbList::OuterFinishes).HasUsers());
}

TEST(TankTempModul, ANewModuleSavedAtOnceWritesItsFieldsInFileOrder) {
  TestDocument doc;
  ExpectedBytes expected;
  expected.Layer(0, 50, 50, 6, 1);
  expected.NullRef().NullRef();  // surface, liquid
  expected.Word(0).Float(10).Float(5).Float(5).Float(5).Float(5).Float(5);
  expected.Word(0).Float(2).Float(5).Word(0).Float(0.94f);
  expected.Word(0).Float(4180).Float(999).Float(50);
  expected.Float(0).Float(500).Word(0).Int(0);
  EXPECT_EQ(WriteBody(*doc, Module(doc)), expected.Data());
}

// Every stored field distinct from its neighbours, so that no two fields can trade places.
TEST(TankTempModul, AFilledModuleWritesItsFieldsInFileOrder) {
  TestDocument doc;
  FillTank(*doc);
  ExpectedBytes expected;
  expected.Layer(0, 100, 70, 6, 1, "Vata", "Vlastn\xED");
  expected.Str("Hlin\xEDk").Str("Voda");
  expected.Word(2).Float(-5).Float(2.5f).Float(2).Float(3).Float(4).Float(6);
  expected.Word(1).Float(4).Float(8).Word(1).Float(0.2f);
  expected.Word(1).Float(2100).Float(870).Float(90);
  expected.Float(-20).Float(72).Word(0).Int(1);
  EXPECT_EQ(WriteBody(*doc, Module(doc)), expected.Data());
}

TEST(TankTempModul, WriteReadWriteKeepsEveryByteAndRegistersTheReadReferences) {
  TestDocument doc;
  FillTank(*doc);
  const std::string saved = WriteBody(*doc, Module(doc));

  TestDocument other;
  CopyUserProducts(*doc, *other);
  CTankTempModul& m = Module(other);
  m.endTemperature = 31;
  EXPECT_EQ(ReadBody(*other, m, saved), 0u);
  EXPECT_EQ(WriteBody(*other, m), saved);
  EXPECT_TRUE(other.chooser.calls.empty());

  EXPECT_EQ(m.endTemperature, 25.0f);  // not in the file: the default, not what was there
  auto& product = Record<CIsoProdukt>(*other, DbList::Products);
  auto& surface = Record<CMantling>(*other, DbList::OuterFinishes);
  auto& liquid = Record<CVeske>(*other, DbList::Liquids);
  EXPECT_EQ(m.insulation.StandardProduct(), &product);
  EXPECT_EQ(product.Users(), std::vector<CItem*>{&m.insulation});
  EXPECT_EQ(m.Surface(), &surface);
  EXPECT_EQ(surface.Users(), std::vector<CItem*>{&m});
  EXPECT_EQ(m.Liquid(), &liquid);
  EXPECT_EQ(liquid.Users(), std::vector<CItem*>{&m});
}

TEST(TankTempModul, ALiquidTheDatabaseLacksIsChosenByTheUser) {
  TestDocument doc;
  Module(doc).SetLiquid(&Record<CVeske>(*doc, DbList::Liquids));
  const std::string saved = WriteBody(*doc, Module(doc));

  TestDocument other;
  auto& liquids = other->database.List(DbList::Liquids);
  liquids[0]->name = "Glykol";
  auto oil = std::make_unique<CVeske>();
  oil->name = "Olej";
  liquids.push_back(std::move(oil));
  other.chooser.answer = 1;
  EXPECT_EQ(ReadBody(*other, Module(other), saved), 0u);

  ASSERT_EQ(other.chooser.calls.size(), 1u);
  EXPECT_NE(other.chooser.calls[0].text.find("odkaz na kapalinu (Voda)"), std::string::npos);
  EXPECT_EQ(other.chooser.calls[0].names, (std::vector<std::string>{"Glykol", "Olej"}));
  auto& chosen = Record<CVeske>(*other, DbList::Liquids, 1);
  EXPECT_EQ(Module(other).Liquid(), &chosen);
  EXPECT_EQ(chosen.Users(), std::vector<CItem*>{&Module(other)});
}

TEST(TankTempModul, AnEditedDatabaseRepointsSurfaceAndLiquid) {
  TestDocument doc;
  CTankTempModul& m = Module(doc);
  m.SetSurface(&Record<CMantling>(*doc, DbList::OuterFinishes));
  m.SetLiquid(&Record<CVeske>(*doc, DbList::Liquids));
  doc->database.BeginEdit();
  Record<CMantling>(*doc, DbList::OuterFinishes).colour = 0x123456;
  Record<CVeske>(*doc, DbList::Liquids).density = 1030;
  ASSERT_TRUE(doc->database.CommitEdit(0, doc->messages));

  auto& surface = Record<CMantling>(*doc, DbList::OuterFinishes);
  auto& liquid = Record<CVeske>(*doc, DbList::Liquids);
  EXPECT_EQ(m.Surface(), &surface);
  EXPECT_EQ(m.Surface()->colour, 0x123456u);
  EXPECT_EQ(surface.Users(), std::vector<CItem*>{&m});
  EXPECT_EQ(m.Liquid(), &liquid);
  EXPECT_EQ(m.Liquid()->density, 1030.0f);
  EXPECT_EQ(liquid.Users(), std::vector<CItem*>{&m});
}

TEST(TankTempModul, TheStoredCalculatedFlagDecidesWhetherLoadingRecalculates) {
  for (std::int32_t flag : {0, 1}) {
    TestDocument doc;
    Module(doc).calculated = flag;
    const std::string saved = WriteBody(*doc, Module(doc));
    CountingTankTempModul m(&*doc);
    m.calculated = 1 - flag;
    EXPECT_EQ(ReadBody(*doc, m, saved), 0u);
    EXPECT_EQ(m.calculated, flag);
    EXPECT_EQ(m.recalculations, flag);
  }
}

TEST(TankTempModul, ADamagedShapeIsKeptInRange) {
  TestDocument doc;
  Module(doc).shape = 7;
  const std::string saved = WriteBody(*doc, Module(doc));
  EXPECT_EQ(ReadBody(*doc, Module(doc), saved), 0u);
  EXPECT_EQ(Module(doc).shape, 2);
}

constexpr std::uint32_t kUntouched = 0xAAAAAAAA;
constexpr std::uint32_t kFinish = 0x111111, kFill = 0x444444;

struct TankSymbolRow {
  std::int32_t calculated;
  std::int32_t shape;
  std::int32_t userEmissivityOn;
  bool withSurface;
  bool withProduct;
  std::string name;
  std::array<std::uint32_t, 6> words;
};

class TankTempSymbol : public ::testing::TestWithParam<TankSymbolRow> {};

TEST_P(TankTempSymbol, NamesThePictureAndColoursIt) {
  const TankSymbolRow& row = GetParam();
  TestDocument doc;
  Record<CMantling>(*doc, DbList::OuterFinishes).colour = kFinish;
  Record<CIsoProdukt>(*doc, DbList::Products).insulationColour = kFill;
  CTankTempModul& m = Module(doc);
  m.calculated = row.calculated;
  m.shape = row.shape;
  m.userEmissivityOn = row.userEmissivityOn;
  if (row.withSurface) m.SetSurface(&Record<CMantling>(*doc, DbList::OuterFinishes));
  if (row.withProduct) m.insulation.Set(0, &Record<CIsoProdukt>(*doc, DbList::Products), 50, nullptr, 50);

  SymbolInfo symbol;
  symbol.words.fill(kUntouched);
  EXPECT_EQ(m.GetSymbol(symbol), row.name);
  EXPECT_EQ(symbol.words, row.words);
}

constexpr std::uint32_t U = kUntouched;
INSTANTIATE_TEST_SUITE_P(
    Cases, TankTempSymbol,
    ::testing::Values(
        TankSymbolRow{0, 1, 0, true, true, "TANKTYPEX0", {U, U, U, U, U, U}},
        TankSymbolRow{1, 0, 0, true, true, "TANKTYPE0", {0xFFFF, kFill, 0xFF0000, kFinish, U, U}},
        TankSymbolRow{1, 1, 1, true, true, "TANKTYPE1", {0xFFFF, kFill, 0xFF0000, 0xC0C0C0, U, U}},
        TankSymbolRow{1, 2, 0, false, false, "TANKTYPE2", {0xFFFF, 0xFFFF, 0xFF0000, 0xC0C0C0, U, U}}));

}  // namespace
}  // namespace kelvora
