#include "core/modules/economics/okonomimodul.h"

#include <gtest/gtest.h>

#include "core/database/mantling.h"
#include "core/framework/settingskeys.h"
#include "support/bodybytes.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::ExpectedBytes;
using testing::FillEconomics;
using testing::HasUser;
using testing::ReadBody;
using testing::WriteBody;

// The module fields after the alternatives list, as a reset module has them.
ExpectedBytes& DefaultTail(ExpectedBytes& form) {
  form.Word(0).Str("K\xE8").Float(50).Float(10).Float(100).Float(200).Float(200).Word(0);
  for (float v : {2.0f, 5.0f, 8760.0f, 0.6f, 7.0f, 0.0f, 20.0f}) form.Float(v);
  return form.Int(0).Int(0).Float(10).Int(0);
}

class EconomicsModule : public ::testing::Test {
 protected:
  void SetUp() override { testing::UserProduct(*doc, "Moje"); }

  COkonomiModul& Module() {
    auto* module = dynamic_cast<COkonomiModul*>(&doc->Module(ModuleIndex::Economics));
    EXPECT_NE(module, nullptr);
    return *module;
  }
  template <class T = CListItem>
  T& Record(DbList list) {
    return static_cast<T&>(*doc->database.List(list)[0]);
  }
  CIsoProdukt& Product() { return Record<CIsoProdukt>(DbList::Products); }
  CEgendefIsoProdukt& OwnProduct() { return *doc->userDatabase.Products()[0]; }
  CMantling& Surface(DbList list) { return Record<CMantling>(list); }
  COkoIsolasjon& AddAlternative(std::int32_t kind) { return testing::AddAlternative(*doc, kind); }

  testing::TestDocument doc;
};

TEST_F(EconomicsModule, ResetRestoresTheDefaultsWithTheCurrencyOfTheSettings) {
  COkonomiModul& module = Module();
  const COkoIsolasjon& alternative = AddAlternative(0);
  module.currency = "Kč";
  module.mediumTemperature = module.ambientTemperature = module.diameter = module.height = -1;
  module.width = module.windSpeed = module.userCoefficient = module.operatingHours = -1;
  module.energyPrice = module.interestRate = module.energyInflation = module.lifeSpan = -1;
  module.flow = module.bareEmissivity = -1;
  module.environment = module.objectKind = module.flowUnit = module.vertical = module.calculated = 1;
  ASSERT_TRUE(HasUser(Product(), alternative));
  doc.settings.SetString(settings::kCurrency.section, settings::kCurrency.key, "EUR");

  module.Reset();

  EXPECT_EQ(module.currency, "EUR");
  EXPECT_EQ(module.mediumTemperature, 50.0f);
  EXPECT_EQ(module.ambientTemperature, 10.0f);
  EXPECT_EQ(module.diameter, 100.0f);
  EXPECT_EQ(module.height, 200.0f);
  EXPECT_EQ(module.width, 200.0f);
  EXPECT_EQ(module.environment, 0);
  EXPECT_EQ(module.windSpeed, 2.0f);
  EXPECT_EQ(module.userCoefficient, 5.0f);
  EXPECT_EQ(module.operatingHours, 8760.0f);
  EXPECT_EQ(module.energyPrice, 0.6f);
  EXPECT_EQ(module.interestRate, 7.0f);
  EXPECT_EQ(module.energyInflation, 0.0f);
  EXPECT_EQ(module.lifeSpan, 20.0f);
  EXPECT_TRUE(module.alternatives.empty());
  EXPECT_EQ(module.objectKind, 0);
  EXPECT_EQ(module.flowUnit, 0);
  EXPECT_EQ(module.flow, 10.0f);
  EXPECT_EQ(module.vertical, 0);
  EXPECT_EQ(module.bareEmissivity, 0.5f);
  EXPECT_EQ(module.calculated, 0);
  // The deleted alternative let go of its records.
  EXPECT_FALSE(Product().HasUsers());
  EXPECT_FALSE(OwnProduct().HasUsers());
  EXPECT_FALSE(Surface(DbList::OuterFinishes).HasUsers());
  EXPECT_FALSE(Surface(DbList::InnerFacings).HasUsers());
}

TEST_F(EconomicsModule, AResetModuleWritesItsFieldsInFileOrder) {
  ExpectedBytes expected;
  expected.Word(0);  // no alternatives
  EXPECT_EQ(WriteBody(*doc, Module()), DefaultTail(expected).Data());
}

TEST_F(EconomicsModule, AnAlternativeIsATaggedObjectWithItsFieldsInFileOrder) {
  testing::AddUserAlternative(*doc, 3);

  ExpectedBytes expected;
  expected.Word(1).NewClass("COkoIsolasjon").Str("Vata, 40.0mm").Str("Wool, 40.0mm");
  expected.Word(3).Word(1).Float(60).Float(40).Float(250).Word(1).Word(1).Float(0.3f);
  expected.Str("Vata").Str("Ocel").Str("Rouno").Str("Moje");
  EXPECT_EQ(WriteBody(*doc, Module()), DefaultTail(expected).Data());
}

TEST_F(EconomicsModule, ADocumentSavesOpensAndSavesTheSameBytes) {
  FillEconomics(*doc).calculated = 1;
  const auto first = doc.dir / "first.vtp";
  const auto second = doc.dir / "second.vtp";
  ASSERT_TRUE(doc->Save(first));
  doc->New();
  ASSERT_FALSE(Product().HasUsers());

  ASSERT_TRUE(doc->Open(first));
  ASSERT_TRUE(doc->Save(second));

  EXPECT_EQ(testing::FileBytes(second), testing::FileBytes(first));
  ASSERT_EQ(Module().alternatives.size(), 2u);
  const COkoIsolasjon& back = *Module().alternatives[1];
  EXPECT_EQ(back.StandardProduct(), &Product());
  EXPECT_EQ(back.UserProduct(), &OwnProduct());
  EXPECT_EQ(back.OuterSurface(), &Surface(DbList::PipeSurfaces));
  EXPECT_EQ(back.InnerSurface(), &Surface(DbList::InnerFacings));
  for (const auto& alternative : Module().alternatives) {
    EXPECT_TRUE(HasUser(Product(), *alternative));
    EXPECT_TRUE(HasUser(OwnProduct(), *alternative));
  }
  EXPECT_TRUE(HasUser(Surface(DbList::OuterFinishes), *Module().alternatives[0]));
  EXPECT_EQ(Module().calculated, 1);
  EXPECT_TRUE(doc.chooser.calls.empty());
}

TEST_F(EconomicsModule, AMissingProductIsChosenWhenReading) {
  AddAlternative(0);
  const std::string stored = WriteBody(*doc, Module());
  Module().Reset();
  Product().name = "Minerální vata";

  EXPECT_EQ(ReadBody(*doc, Module(), stored), 0u);

  ASSERT_EQ(doc.chooser.calls.size(), 1u);
  EXPECT_EQ(doc.chooser.calls[0].source, MissingEntrySource::StandardDatabase);
  EXPECT_NE(doc.chooser.calls[0].text.find("(Vata)"), std::string::npos);
  EXPECT_EQ(Module().alternatives[0]->StandardProduct(), &Product());
  EXPECT_TRUE(HasUser(Product(), *Module().alternatives[0]));
}

TEST_F(EconomicsModule, ReadingEmptiesTheListFirst) {
  AddAlternative(0);
  const std::string stored = WriteBody(*doc, Module());
  AddAlternative(0);
  EXPECT_EQ(ReadBody(*doc, Module(), stored), 0u);
  EXPECT_EQ(Module().alternatives.size(), 1u);
}

TEST_F(EconomicsModule, ACopyRegistersWithEveryRecordAndLetsGoWhenDeleted) {
  const COkoIsolasjon& original = AddAlternative(3);
  auto copy = CloneItem(original);
  for (const CListItem* record : std::initializer_list<const CListItem*>{
           &Product(), &OwnProduct(), &Surface(DbList::PipeSurfaces), &Surface(DbList::InnerFacings)}) {
    EXPECT_TRUE(HasUser(*record, *copy)) << record->name;
  }
  EXPECT_EQ(copy->price, 250.0f);
  EXPECT_EQ(copy->name, "Vata, 40.0mm");
  const COkoIsolasjon* gone = copy.get();
  copy.reset();
  EXPECT_FALSE(HasUser(Product(), *gone));
  EXPECT_FALSE(HasUser(Surface(DbList::InnerFacings), *gone));
}

TEST_F(EconomicsModule, ADatabaseEditRepointsEveryReferenceOfTheAlternatives) {
  const COkoIsolasjon& alternative = AddAlternative(0);
  doc->database.BeginEdit();
  Product().maxTemperature = 300;
  doc->database.CommitEdit(0, doc->messages);
  doc->userDatabase.BeginEdit();
  doc->userDatabase.CommitEdit(doc->messages);

  EXPECT_EQ(alternative.StandardProduct(), &Product());
  EXPECT_EQ(alternative.StandardProduct()->maxTemperature, 300.0f);
  EXPECT_EQ(alternative.UserProduct(), &OwnProduct());
  EXPECT_EQ(alternative.OuterSurface(), &Surface(DbList::OuterFinishes));
  EXPECT_EQ(alternative.InnerSurface(), &Surface(DbList::InnerFacings));
  Module().Reset();
  EXPECT_FALSE(Product().HasUsers());
  EXPECT_FALSE(OwnProduct().HasUsers());
}

// Which slot of an alternative a replacing record of each class takes.
enum class Slot { Standard, User, Outer, Inner, None };

struct ReplaceRow {
  const char* label;
  std::unique_ptr<CListItem> (*make)();
  Slot slot;
};

class AlternativeReplace : public ::testing::TestWithParam<ReplaceRow> {};

TEST_P(AlternativeReplace, PutsTheRecordInTheSlotOfItsClass) {
  const ReplaceRow& row = GetParam();
  auto record = row.make();
  {
    COkoIsolasjon alternative(0);
    alternative.ReplaceReference(*record);
    const CListItem* slots[] = {alternative.StandardProduct(), alternative.UserProduct(),
                                alternative.OuterSurface(), alternative.InnerSurface()};
    for (int slot = 0; slot < 4; ++slot)
      EXPECT_EQ(slots[slot], slot == static_cast<int>(row.slot) ? record.get() : nullptr) << slot;
  }
  EXPECT_FALSE(record->HasUsers());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AlternativeReplace,
    ::testing::Values(
        ReplaceRow{"product", [] { return CDataBase::NewRecord(DbList::Products); }, Slot::Standard},
        ReplaceRow{"userProduct",
                   []() -> std::unique_ptr<CListItem> { return std::make_unique<CEgendefIsoProdukt>(); },
                   Slot::User},
        ReplaceRow{"outerFinish", [] { return CDataBase::NewRecord(DbList::OuterFinishes); }, Slot::Outer},
        ReplaceRow{"pipeSurface", [] { return CDataBase::NewRecord(DbList::PipeSurfaces); }, Slot::Outer},
        ReplaceRow{"innerFacing", [] { return CDataBase::NewRecord(DbList::InnerFacings); }, Slot::Inner},
        ReplaceRow{"liquid", [] { return CDataBase::NewRecord(DbList::Liquids); }, Slot::None}),
    [](const auto& info) { return std::string(info.param.label); });

struct SymbolRow {
  const char* label;
  int calculated;
  int objectKind;
  int vertical;
  bool alternative;
  int source;
  int ownEmissivity;
  int useInnerSurface;
  std::string picture;
  std::array<std::uint32_t, 6> words;
};

class EconomicsSymbol : public EconomicsModule, public ::testing::WithParamInterface<SymbolRow> {};

// Colours: product 0x0A / 0x0B, user product 0x1A, outer finish 0x2A, pipe surface 0x3A,
// inner facing 0x4A; 7 marks a word left alone.
TEST_P(EconomicsSymbol, PaintsThePictureFromTheFirstAlternative) {
  const SymbolRow& row = GetParam();
  Product().insulationColour = 0x0A;
  Product().surfaceColour = 0x0B;
  OwnProduct().insulationColour = 0x1A;
  Surface(DbList::OuterFinishes).colour = 0x2A;
  Surface(DbList::PipeSurfaces).colour = 0x3A;
  Surface(DbList::InnerFacings).colour = 0x4A;
  COkonomiModul& module = Module();
  module.calculated = row.calculated;
  module.objectKind = row.objectKind;
  module.vertical = row.vertical;
  if (row.alternative) {
    COkoIsolasjon& first = AddAlternative(row.objectKind);
    first.source = row.source;
    first.ownEmissivity = row.ownEmissivity;
    first.useInnerSurface = row.useInnerSurface;
  }
  SymbolInfo info;
  info.words.fill(7);

  EXPECT_EQ(module.GetSymbol(info), row.picture);
  EXPECT_EQ(info.words, row.words);
}

constexpr std::uint32_t kGrey = 0xC0C0C0;

INSTANTIATE_TEST_SUITE_P(
    Rows, EconomicsSymbol,
    ::testing::Values(
        SymbolRow{"notCalculated", 0, 0, 0, true, 0, 0, 0, "MATERIALTYPEX0", {7, 7, 7, 7, 7, 7}},
        SymbolRow{"pipe", 1, 0, 0, true, 0, 0, 0, "MATERIALTYPE0", {0x8080, 0x0A, 0xFFFF, 0x2A, 7, 7}},
        SymbolRow{"verticalPlaneOwnEmissivity",
                  1,
                  4,
                  1,
                  true,
                  0,
                  1,
                  0,
                  "MATERIALTYPE10",
                  {0x8080, 0x0A, 0xFFFF, kGrey, 7, 7}},
        SymbolRow{"userProduct", 1, 2, 0, true, 1, 0, 0, "MATERIALTYPE2", {0x8080, 0x1A, 0xFFFF, 0x2A, 7, 7}},
        SymbolRow{"insideWithFacing",
                  1,
                  3,
                  0,
                  true,
                  0,
                  0,
                  1,
                  "MATERIALTYPE3",
                  {0x8080, 0x0A, 0xFFFF, 0x4A, 0xFF0000, 0x3A}},
        SymbolRow{"insideProductSurface",
                  1,
                  5,
                  1,
                  true,
                  0,
                  0,
                  0,
                  "MATERIALTYPE11",
                  {0x8080, 0x0A, 0xFFFF, 0x0B, 0xFF0000, 0x3A}},
        SymbolRow{"insideUserProduct",
                  1,
                  3,
                  0,
                  true,
                  1,
                  1,
                  0,
                  "MATERIALTYPE3",
                  {0x8080, 0x1A, 0xFFFF, kGrey, 0xFF0000, kGrey}},
        // A file may claim a calculation without holding an alternative.
        SymbolRow{"noAlternative",
                  1,
                  3,
                  0,
                  false,
                  0,
                  0,
                  0,
                  "MATERIALTYPE3",
                  {0x8080, 0xFFFF, 0xFFFF, kGrey, 0xFF0000, kGrey}}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace kelvora
