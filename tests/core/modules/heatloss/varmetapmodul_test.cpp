#include "core/modules/heatloss/varmetapmodul.h"

#include <gtest/gtest.h>

#include <array>

#include "core/framework/editors.h"
#include "support/bodybytes.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::Equipment;
using testing::ExpectedBytes;
using testing::FillHeatLoss;
using testing::HasUser;
using testing::ReadBody;
using testing::Record;
using testing::TestDocument;
using testing::UserProduct;
using testing::WriteBody;

// Counts what the loading code asks of the calculation.
class CountingVarmeTapModul : public CVarmeTapModul {
 public:
  using CVarmeTapModul::CVarmeTapModul;
  void Recalculate() override { ++recalculations; }
  int recalculations = 0;
};

class VarmeTapModulTest : public ::testing::Test {
 protected:
  static CVarmeTapModul& Module(TestDocument& doc) {
    return dynamic_cast<CVarmeTapModul&>(doc->Module(ModuleIndex::HeatLoss));
  }
};

TEST_F(VarmeTapModulTest, ResetRestoresDefaultsAndLetsGoOfEveryRecord) {
  TestDocument doc;
  FillHeatLoss(*doc);
  CVarmeTapModul& m = Module(doc);
  m.calculated = 1;
  m.regulationTextShown = 1;
  doc.settings.SetString("Settings", "CURRENCY", "EUR");
  m.Reset();

  EXPECT_EQ(m.calculated, 0);
  EXPECT_EQ(m.calculationType, 0);
  EXPECT_EQ(m.objectKind, 0);
  EXPECT_EQ(m.mediumTemperature, 50.0f);
  EXPECT_EQ(m.ambientTemperature, 20.0f);
  EXPECT_EQ(m.surfaceTemperature, 30.0f);
  EXPECT_EQ(m.diameter, 50.0f);
  EXPECT_EQ(m.width, 200.0f);
  EXPECT_EQ(m.height, 200.0f);
  EXPECT_EQ(m.length, 1.0f);
  EXPECT_EQ(m.area, 10.0f);
  EXPECT_EQ(m.layer2On + m.layer3On, 0);
  for (const CIsolasjon& layer : m.layers) {
    EXPECT_EQ(layer.source, 0);
    EXPECT_EQ(layer.objectKind, 0);
    EXPECT_EQ(layer.thicknessGiven, 1);
    EXPECT_EQ(layer.Thickness(), 50.0f);
    EXPECT_EQ(layer.Product(), nullptr);
    EXPECT_EQ(layer.UserProduct(), nullptr);
  }
  EXPECT_EQ(m.environment, 0);
  EXPECT_EQ(m.windSpeed, 2.0f);
  EXPECT_EQ(m.userSurfaceCoefficient, 5.0f);
  EXPECT_EQ(m.surfaceMode, 0);
  EXPECT_EQ(m.userEmissivity, 0.94f);
  EXPECT_EQ(m.innerSurfaceOn, 0);
  EXPECT_EQ(m.operatingHours, 8760.0f);
  EXPECT_EQ(m.energyPrice, 0.6f);
  EXPECT_EQ(m.energyCalculationOn, 0);
  EXPECT_EQ(m.co2Factor, 750.0f);
  EXPECT_EQ(m.currency, "EUR");
  EXPECT_EQ(m.maxHeatLossPerMetre, 10.0f);
  EXPECT_EQ(m.maxHeatLossPerSquareMetre, 50.0f);
  EXPECT_EQ(m.heatLossUnit, 0);
  EXPECT_EQ(m.orientation, 0);
  EXPECT_EQ(m.flowUnit, 0);
  EXPECT_EQ(m.flowValue, 10.0f);
  EXPECT_EQ(m.equipmentOn, 0);
  EXPECT_TRUE(m.equipment.empty());
  EXPECT_EQ(m.hangersOn, 0);
  EXPECT_EQ(m.bareEmissivity, 0.5f);
  EXPECT_EQ(m.regulationTextShown, 0);
  EXPECT_EQ(m.Surface(), nullptr);
  EXPECT_EQ(m.InnerSurface(), nullptr);
  for (DbList list : {DbList::Products, DbList::OuterFinishes, DbList::InnerFacings, DbList::Equipment})
    EXPECT_FALSE(doc->database.List(list)[0]->HasUsers()) << static_cast<int>(list);
  EXPECT_FALSE(doc->userDatabase.Products()[0]->HasUsers());
}

TEST_F(VarmeTapModulTest, ANewModuleTakesTheCurrencyFromTheSettingsAndLetsGoWhenDestroyed) {
  TestDocument doc;
  EXPECT_EQ(Module(doc).currency, "Kč");
  auto& surface = Record<CMantling>(*doc, DbList::OuterFinishes);
  {
    CVarmeTapModul other(&*doc);
    other.SetSurface(&surface);
    ASSERT_TRUE(HasUser(surface, other));
  }
  EXPECT_FALSE(surface.HasUsers());
}

TEST_F(VarmeTapModulTest, ANewModuleSavedAtOnceWritesItsFieldsInFileOrder) {
  TestDocument doc;
  ExpectedBytes expected;
  expected.Layer(0, 50, 50, 0, 1).Layer(0, 50, 50, 0, 1).Layer(0, 50, 50, 0, 1);
  expected.Word(0);  // no equipment
  expected.Word(0).Word(0).Word(0).Float(50).Word(0);
  expected.Float(20).Float(30).Float(50);
  expected.Float(200).Float(200).Float(1).Float(10).Word(0);
  expected.Word(0).Float(2).Float(5).Word(0).Float(0.94f);
  expected.Float(8760).Float(0.6f).Int(0).Float(10).Float(50);
  expected.Word(0).Word(0).Str("K\xE8");  // "Kč" in the file's code page
  expected.Int(0).Float(10).Int(0).Int(0).Float(750);
  expected.Int(0).Float(0.5f);
  expected.NullRef().NullRef();
  EXPECT_EQ(WriteBody(*doc, Module(doc)), expected.Data());
}

// Every stored field distinct from its neighbours, so that no two fields can trade places.
TEST_F(VarmeTapModulTest, AFilledModuleWritesItsFieldsInFileOrder) {
  TestDocument doc;
  FillHeatLoss(*doc);
  ExpectedBytes expected;
  expected.Layer(0, 80, 60, 0, 1, "Vata");
  expected.Layer(1, 40, 30, 0, 1, kNullReferenceName, "Vlastn\xED");
  expected.Layer(1, 50, 50, 0, 1);
  expected.Word(2).NewClass("CTilleggsutstyr");
  expected.Str("Ventil; 3").Int(3).Int(0).Float(2.5f).Str("Ventil");
  expected.Word(0x8001).Str("P\xF8\xEDruba; 2").Int(2).Int(1).Float(2.5f).NullRef();
  expected.Word(1).Word(2).Word(1).Float(180.5f).Word(1);
  expected.Float(-12).Float(41).Float(219.1f);
  expected.Float(300).Float(400).Float(25).Float(3.5f).Word(1);
  expected.Word(1).Float(5).Float(9).Word(1).Float(0.3f);
  expected.Float(4000).Float(2.5f).Int(1).Float(20).Float(70);
  expected.Word(0).Word(1).Str("\x80");  // "€"
  expected.Int(2).Float(3.5f).Int(1).Int(1).Float(500);
  expected.Int(1).Float(0.8f);
  expected.Str("Hlin\xEDk").Str("Rouno");
  EXPECT_EQ(WriteBody(*doc, Module(doc)), expected.Data());
}

TEST_F(VarmeTapModulTest, WriteReadWriteKeepsEveryByteAndRegistersTheReadReferences) {
  TestDocument doc;
  FillHeatLoss(*doc);
  const std::string saved = WriteBody(*doc, Module(doc));

  TestDocument other;
  auto& userProduct = UserProduct(*other, "Vlastní");
  CVarmeTapModul& m = Module(other);
  // Opening a file must replace, not add to, what the module held.
  m.equipment.push_back(Equipment(nullptr, 7, "Staré"));
  EXPECT_EQ(ReadBody(*other, m, saved), 0u);
  EXPECT_EQ(WriteBody(*other, m), saved);
  EXPECT_TRUE(other.chooser.calls.empty());

  EXPECT_EQ(m.currency, "€");
  ASSERT_EQ(m.equipment.size(), 2u);
  EXPECT_EQ(m.equipment[1]->name, "Příruba; 2");

  auto& product = Record<CIsoProdukt>(*other, DbList::Products);
  auto& surface = Record<CMantling>(*other, DbList::OuterFinishes);
  auto& facing = Record<CMantling>(*other, DbList::InnerFacings);
  auto& valve = Record<CTillegg2>(*other, DbList::Equipment);
  EXPECT_EQ(m.layers[0].StandardProduct(), &product);
  EXPECT_TRUE(HasUser(product, m.layers[0]));
  EXPECT_EQ(m.layers[1].UserProduct(), &userProduct);
  EXPECT_TRUE(HasUser(userProduct, m.layers[1]));
  EXPECT_EQ(m.Surface(), &surface);
  EXPECT_EQ(surface.Users(), std::vector<CItem*>{&m});
  EXPECT_EQ(m.InnerSurface(), &facing);
  EXPECT_EQ(facing.Users(), std::vector<CItem*>{&m});
  EXPECT_EQ(m.equipment[0]->Equipment(), &valve);
  EXPECT_EQ(valve.Users(), std::vector<CItem*>{m.equipment[0].get()});
}

// Kinds insulated on the inside name a pipe surface as their outer surface.
struct SurfaceListRow {
  std::int32_t kind;
  DbList list;
};

class VarmeTapSurfaceList : public VarmeTapModulTest, public ::testing::WithParamInterface<SurfaceListRow> {};

TEST_P(VarmeTapSurfaceList, TheOuterSurfaceIsReadFromTheListOfTheKind) {
  const SurfaceListRow row = GetParam();
  TestDocument doc;
  Module(doc).objectKind = row.kind;
  Module(doc).SetSurface(&Record<CMantling>(*doc, row.list));
  const std::string saved = WriteBody(*doc, Module(doc));

  TestDocument other;
  EXPECT_EQ(ReadBody(*other, Module(other), saved), 0u);
  EXPECT_TRUE(other.chooser.calls.empty());
  EXPECT_EQ(Module(other).Surface(), &Record<CMantling>(*other, row.list));
}

INSTANTIATE_TEST_SUITE_P(Kinds, VarmeTapSurfaceList,
                         ::testing::Values(SurfaceListRow{0, DbList::OuterFinishes},
                                           SurfaceListRow{2, DbList::OuterFinishes},
                                           SurfaceListRow{3, DbList::PipeSurfaces},
                                           SurfaceListRow{4, DbList::OuterFinishes},
                                           SurfaceListRow{5, DbList::PipeSurfaces}));

TEST_F(VarmeTapModulTest, ASurfaceTheDatabaseLacksIsChosenByTheUser) {
  TestDocument doc;
  Module(doc).SetSurface(&Record<CMantling>(*doc, DbList::OuterFinishes));
  const std::string saved = WriteBody(*doc, Module(doc));

  TestDocument other;
  auto& finishes = other->database.List(DbList::OuterFinishes);
  finishes[0]->name = "Zinek";
  auto plech = CDataBase::NewRecord(DbList::OuterFinishes);
  plech->name = "Plech";
  finishes.push_back(std::move(plech));
  other.chooser.answer = 1;
  EXPECT_EQ(ReadBody(*other, Module(other), saved), 0u);

  ASSERT_EQ(other.chooser.calls.size(), 1u);
  EXPECT_EQ(other.chooser.calls[0].source, MissingEntrySource::StandardDatabase);
  EXPECT_NE(other.chooser.calls[0].text.find("(Hliník)"), std::string::npos);
  EXPECT_EQ(other.chooser.calls[0].names, (std::vector<std::string>{"Zinek", "Plech"}));
  auto& chosen = Record<CMantling>(*other, DbList::OuterFinishes, 1);
  EXPECT_EQ(Module(other).Surface(), &chosen);
  EXPECT_TRUE(HasUser(chosen, Module(other)));
}

TEST_F(VarmeTapModulTest, AnEditedDatabaseRepointsBothSurfaces) {
  TestDocument doc;
  CVarmeTapModul& m = Module(doc);
  m.SetSurface(&Record<CMantling>(*doc, DbList::OuterFinishes));
  m.SetInnerSurface(&Record<CMantling>(*doc, DbList::InnerFacings));
  doc->database.BeginEdit();
  Record<CMantling>(*doc, DbList::OuterFinishes).colour = 0x123456;
  Record<CMantling>(*doc, DbList::InnerFacings).colour = 0x654321;
  ASSERT_TRUE(doc->database.CommitEdit(0, doc->messages));

  auto& surface = Record<CMantling>(*doc, DbList::OuterFinishes);
  auto& facing = Record<CMantling>(*doc, DbList::InnerFacings);
  EXPECT_EQ(m.Surface(), &surface);
  EXPECT_EQ(m.Surface()->colour, 0x123456u);
  EXPECT_EQ(surface.Users(), std::vector<CItem*>{&m});
  EXPECT_EQ(m.InnerSurface(), &facing);
  EXPECT_EQ(m.InnerSurface()->colour, 0x654321u);
  EXPECT_EQ(facing.Users(), std::vector<CItem*>{&m});

  CVeske liquid;
  m.ReplaceReference(liquid);  // not a surface: ignored
  EXPECT_EQ(m.Surface(), &surface);
  EXPECT_EQ(m.InnerSurface(), &facing);
}

TEST_F(VarmeTapModulTest, TheStoredCalculatedFlagDecidesWhetherLoadingRecalculates) {
  for (std::int32_t flag : {0, 1}) {
    TestDocument doc;
    Module(doc).layers[0].Set(0, &Record<CIsoProdukt>(*doc, DbList::Products), 50, nullptr, 50);
    Module(doc).SetSurface(&Record<CMantling>(*doc, DbList::OuterFinishes));
    Module(doc).calculated = flag;
    const std::string saved = WriteBody(*doc, Module(doc));
    CountingVarmeTapModul m(&*doc);
    m.calculated = 1 - flag;
    EXPECT_EQ(ReadBody(*doc, m, saved), 0u);
    EXPECT_EQ(m.calculated, flag);
    EXPECT_EQ(m.recalculations, flag);
  }
}

TEST_F(VarmeTapModulTest, ADamagedKindOrSurroundingsIsKeptInRange) {
  TestDocument doc;
  Module(doc).objectKind = 9;
  Module(doc).environment = 7;
  Module(doc).SetSurface(&Record<CMantling>(*doc, DbList::PipeSurfaces));
  const std::string saved = WriteBody(*doc, Module(doc));

  TestDocument other;
  EXPECT_EQ(ReadBody(*other, Module(other), saved), 0u);
  EXPECT_EQ(Module(other).objectKind, 5);
  EXPECT_EQ(Module(other).environment, 2);
  EXPECT_EQ(Module(other).Surface(), &Record<CMantling>(*other, DbList::PipeSurfaces));
}

constexpr std::uint32_t kUntouched = 0xAAAAAAAA;
constexpr std::uint32_t kFinish = 0x111111, kPipeSurface = 0x222222, kFacing = 0x333333;
constexpr std::uint32_t kFill = 0x444444, kProductSurface = 0x555555;

struct SymbolRow {
  std::int32_t calculated;
  std::int32_t kind;
  std::int32_t orientation;
  std::int32_t surfaceMode;
  bool withSurface;
  std::int32_t innerSurfaceOn;
  bool withFacing;
  bool withProduct;
  std::string name;
  std::array<std::uint32_t, 6> words;
};

class VarmeTapSymbol : public VarmeTapModulTest, public ::testing::WithParamInterface<SymbolRow> {};

TEST_P(VarmeTapSymbol, NamesThePictureAndColoursIt) {
  const SymbolRow& row = GetParam();
  TestDocument doc;
  Record<CMantling>(*doc, DbList::OuterFinishes).colour = kFinish;
  Record<CMantling>(*doc, DbList::PipeSurfaces).colour = kPipeSurface;
  Record<CMantling>(*doc, DbList::InnerFacings).colour = kFacing;
  auto& product = Record<CIsoProdukt>(*doc, DbList::Products);
  product.insulationColour = kFill;
  product.surfaceColour = kProductSurface;

  CVarmeTapModul& m = Module(doc);
  m.calculated = row.calculated;
  m.objectKind = row.kind;
  m.orientation = row.orientation;
  m.surfaceMode = row.surfaceMode;
  m.innerSurfaceOn = row.innerSurfaceOn;
  if (row.withSurface)
    m.SetSurface(
        &Record<CMantling>(*doc, m.InsulatedInside() ? DbList::PipeSurfaces : DbList::OuterFinishes));
  if (row.withFacing) m.SetInnerSurface(&Record<CMantling>(*doc, DbList::InnerFacings));
  if (row.withProduct) m.layers[0].Set(0, &product, 50, nullptr, 50);

  SymbolInfo symbol;
  symbol.words.fill(kUntouched);
  EXPECT_EQ(m.GetSymbol(symbol), row.name);
  EXPECT_EQ(symbol.words, row.words);
}

constexpr std::uint32_t U = kUntouched;
INSTANTIATE_TEST_SUITE_P(
    Cases, VarmeTapSymbol,
    ::testing::Values(
        SymbolRow{0, 3, 1, 0, true, 1, true, true, "MATERIALTYPEX0", {U, U, U, U, U, U}},
        SymbolRow{1, 0, 0, 0, true, 0, false, true, "MATERIALTYPE0", {0x8080, kFill, 0xFFFF, kFinish, U, U}},
        SymbolRow{1, 2, 1, 1, true, 0, false, true, "MATERIALTYPE8", {0x8080, kFill, 0xFFFF, 0xC0C0C0, U, U}},
        SymbolRow{
            1, 4, 0, 0, false, 0, false, false, "MATERIALTYPE4", {0x8080, 0xFFFF, 0xFFFF, 0xC0C0C0, U, U}},
        SymbolRow{1,
                  3,
                  1,
                  0,
                  true,
                  1,
                  true,
                  true,
                  "MATERIALTYPE9",
                  {0x8080, kFill, 0xFFFF, kFacing, 0xFF0000, kPipeSurface}},
        SymbolRow{1,
                  5,
                  0,
                  0,
                  true,
                  0,
                  true,
                  true,
                  "MATERIALTYPE5",
                  {0x8080, kFill, 0xFFFF, kProductSurface, 0xFF0000, kPipeSurface}},
        SymbolRow{1,
                  5,
                  1,
                  1,
                  true,
                  1,
                  false,
                  false,
                  "MATERIALTYPE11",
                  {0x8080, 0xFFFF, 0xFFFF, 0xC0C0C0, 0xFF0000, 0xC0C0C0}}));

TEST_F(VarmeTapModulTest, AssignedInputsWriteTheSameFileFormAndHoldTheirOwnEquipment) {
  TestDocument doc;
  CVarmeTapModul& filled = FillHeatLoss(*doc);
  CVarmeTapModul copy(&*doc);
  copy.AssignInputs(filled);
  copy.calculated = filled.calculated;
  EXPECT_EQ(WriteBody(*doc, copy), WriteBody(*doc, filled));
  ASSERT_EQ(copy.equipment.size(), 2u);
  EXPECT_NE(copy.equipment[0].get(), filled.equipment[0].get());
  EXPECT_TRUE(HasUser(*filled.Surface(), copy));
  EXPECT_TRUE(HasUser(*filled.layers[0].StandardProduct(), copy.layers[0]));
}

TEST_F(VarmeTapModulTest, EditTakesConfirmedInputsWritesTheLegacyCurrencyAndRecalculates) {
  TestDocument doc;
  CVarmeTapModul& m = Module(doc);
  m.layers[0].Set(0, &Record<CIsoProdukt>(*doc, DbList::Products), 50, nullptr, 50);
  m.SetSurface(&Record<CMantling>(*doc, DbList::OuterFinishes));
  int answer = 0;
  Editors().Register<CVarmeTapModul>([&](CVarmeTapModul& edited) {
    edited.mediumTemperature = 120.0f;
    edited.currency = "EUR";
    return answer;
  });
  EXPECT_EQ(m.Edit(), 0);
  EXPECT_EQ(m.calculated, 0);
  EXPECT_EQ(doc.settings.GetString("KELVORA", "CURRENCY", "none"), "none");
  answer = 1;
  EXPECT_EQ(m.Edit(), 1);
  Editors().Unregister<CVarmeTapModul>();
  EXPECT_EQ(m.calculated, 1);
  EXPECT_EQ(doc.settings.GetString("KELVORA", "CURRENCY", "none"), "EUR");
  EXPECT_EQ(doc.settings.GetString("Settings", "CURRENCY", "none"), "none");
}

}  // namespace
}  // namespace kelvora
