#include "core/modules/condensation/utvendigkondensmodul.h"

#include <gtest/gtest.h>

#include <array>

#include "support/bodybytes.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::ExpectedBytes;
using testing::FillExternalCondensation;
using testing::HasUser;
using testing::ReadBody;
using testing::Record;
using testing::TestDocument;
using testing::WriteBody;

CUtvendigKondensModul& ModuleOf(TestDocument& doc) {
  return dynamic_cast<CUtvendigKondensModul&>(doc->Module(ModuleIndex::ExternalCondensation));
}

// The body of a freshly reset module whose kind, surroundings and surface were set to these.
std::string FreshBody(std::uint16_t kind, std::uint16_t environment,
                      std::string_view surface = kNullReferenceName) {
  ExpectedBytes b;
  b.Layer(0, 50, 50, 0, 0);
  b.Word(kind).Float(20).Float(0);
  b.Float(50).Float(200).Float(200).Float(50).Word(0);
  b.Word(environment).Float(2).Float(5);
  b.Word(0).Float(0.94f).Word(0).Int(0);
  b.Str(surface).NullRef();
  return b.Data();
}

class UtvendigKondensModulTest : public ::testing::Test {
 protected:
  TestDocument doc;
  CUtvendigKondensModul& module = ModuleOf(doc);
  CIsoProdukt* product = &Record<CIsoProdukt>(*doc, DbList::Products);
  CMantling* outer = &Record<CMantling>(*doc, DbList::OuterFinishes);
  CMantling* pipeSurface = &Record<CMantling>(*doc, DbList::PipeSurfaces);
  CMantling* facing = &Record<CMantling>(*doc, DbList::InnerFacings);
};

TEST_F(UtvendigKondensModulTest, ResetRestoresTheDefaultsAndLetsGoOfEveryRecord) {
  FillExternalCondensation(*doc, 3);
  module.calculated = 1;

  module.Reset();

  EXPECT_EQ(module.calculated, 0);
  EXPECT_EQ(module.mediumTemperature, 0.0f);
  EXPECT_EQ(module.ambientTemperature, 20.0f);
  EXPECT_EQ(module.relativeHumidity, 50.0f);
  EXPECT_EQ(module.diameter, 50.0f);
  EXPECT_EQ(module.height, 200.0f);
  EXPECT_EQ(module.width, 200.0f);
  EXPECT_EQ(module.environment, 0);
  EXPECT_EQ(module.windSpeed, 2.0f);
  EXPECT_EQ(module.userOuterCoefficient, 5.0f);
  EXPECT_EQ(module.userEmissivityOn, 0);
  EXPECT_EQ(module.userEmissivity, 0.94f);
  EXPECT_EQ(module.facingOn, 0);
  EXPECT_EQ(module.kind, 0);
  EXPECT_EQ(module.vertical, 0);
  EXPECT_EQ(module.insulation.objectKind, 0);
  EXPECT_EQ(module.insulation.thicknessGiven, 0);
  EXPECT_EQ(module.insulation.StandardProduct(), nullptr);
  EXPECT_EQ(module.Surface(), nullptr);
  EXPECT_EQ(module.Facing(), nullptr);
  EXPECT_FALSE(product->HasUsers());
  EXPECT_FALSE(pipeSurface->HasUsers());
  EXPECT_FALSE(facing->HasUsers());
}

TEST_F(UtvendigKondensModulTest, AFreshModuleWritesItsFieldsInFileOrder) {
  EXPECT_EQ(WriteBody(*doc, module), FreshBody(0, 0));
}

TEST_F(UtvendigKondensModulTest, DestructionLetsGoOfEveryRecord) {
  {
    CUtvendigKondensModul other(&*doc);
    other.SetSurface(outer);
    other.SetFacing(facing);
    other.insulation.Set(0, product, 50, nullptr, 50);
  }
  EXPECT_FALSE(outer->HasUsers());
  EXPECT_FALSE(facing->HasUsers());
  EXPECT_FALSE(product->HasUsers());
}

// The surface is looked up in the list that the kind, read before it, selects.
struct SurfaceRow {
  std::int32_t kind;
  DbList list;
  const char* stored;  // the name as the file spells it
};
constexpr const char* kHlinik =
    "Hlin\xED"
    "k";

class UtvendigKondensSurfaceTest : public UtvendigKondensModulTest,
                                   public ::testing::WithParamInterface<SurfaceRow> {};

TEST_P(UtvendigKondensSurfaceTest, ReadsBackWhatItWroteAndRegistersWithEachRecord) {
  const SurfaceRow row = GetParam();
  FillExternalCondensation(*doc, row.kind);
  module.calculated = 1;
  CMantling* surface = &Record<CMantling>(*doc, row.list);

  const std::string bytes = WriteBody(*doc, module);
  ExpectedBytes expected;
  expected.Layer(0, 60, 30, row.kind, 0, "Vata", "Vlastn\xED");
  expected.Word(row.kind).Float(24).Float(-12.5f);
  expected.Float(114.3f).Float(400).Float(300).Float(72).Word(1);
  expected.Word(1).Float(4.5f).Float(8);
  expected.Word(1).Float(0.3f).Word(1).Int(1);
  expected.Str(row.stored).Str("Rouno");
  EXPECT_EQ(bytes, expected.Data());

  CUtvendigKondensModul back(&*doc);
  EXPECT_EQ(ReadBody(*doc, back, bytes), 0u);
  EXPECT_EQ(back.kind, row.kind);
  EXPECT_EQ(back.mediumTemperature, -12.5f);
  EXPECT_EQ(back.diameter, 114.3f);
  EXPECT_EQ(back.calculated, 1);
  EXPECT_EQ(back.vertical, 1);
  EXPECT_EQ(back.Surface(), surface);
  EXPECT_EQ(back.Facing(), facing);
  EXPECT_EQ(back.insulation.StandardProduct(), product);
  EXPECT_TRUE(HasUser(*surface, back));
  EXPECT_TRUE(HasUser(*facing, back));
  EXPECT_TRUE(HasUser(*product, back.insulation));
  EXPECT_TRUE(doc.chooser.calls.empty());
  EXPECT_EQ(WriteBody(*doc, back), bytes);
}

INSTANTIATE_TEST_SUITE_P(Kinds, UtvendigKondensSurfaceTest,
                         ::testing::Values(SurfaceRow{0, DbList::OuterFinishes, kHlinik},
                                           SurfaceRow{2, DbList::OuterFinishes, kHlinik},
                                           SurfaceRow{3, DbList::PipeSurfaces, "Ocel"},
                                           SurfaceRow{5, DbList::PipeSurfaces, "Ocel"}));

TEST_F(UtvendigKondensModulTest, ASurfaceTheDatabaseLacksIsPickedByTheUser) {
  module.SetSurface(outer);
  const std::string bytes = WriteBody(*doc, module);
  module.SetSurface(nullptr);
  outer->name = "Zinek";

  CUtvendigKondensModul back(&*doc);
  EXPECT_EQ(ReadBody(*doc, back, bytes), 0u);
  ASSERT_EQ(doc.chooser.calls.size(), 1u);
  EXPECT_EQ(doc.chooser.calls[0].source, MissingEntrySource::StandardDatabase);
  EXPECT_NE(doc.chooser.calls[0].text.find("(Hliník)"), std::string::npos);
  EXPECT_EQ(doc.chooser.calls[0].names, std::vector<std::string>{"Zinek"});
  EXPECT_EQ(back.Surface(), outer);
  EXPECT_TRUE(HasUser(*outer, back));
}

TEST_F(UtvendigKondensModulTest, ADamagedKindOrSurroundingsIsKeptInRange) {
  CUtvendigKondensModul back(&*doc);
  // The kind decides the surface list, so it is in range before the surface is read.
  EXPECT_EQ(ReadBody(*doc, back, FreshBody(9, 7, "Ocel")), 0u);
  EXPECT_EQ(back.kind, 5);
  EXPECT_EQ(back.environment, 2);
  EXPECT_EQ(back.Surface(), pipeSurface);
  EXPECT_TRUE(doc.chooser.calls.empty());
}

TEST_F(UtvendigKondensModulTest, AnEditedDatabaseRepointsSurfaceFacingAndProduct) {
  module.kind = 0;
  module.SetSurface(outer);
  module.SetFacing(facing);
  module.insulation.Set(0, product, 50, nullptr, 50);

  doc->database.BeginEdit();
  Record<CMantling>(*doc, DbList::OuterFinishes).colour = 0x123456;
  ASSERT_TRUE(doc->database.CommitEdit(0, doc->messages));

  CMantling* newOuter = &Record<CMantling>(*doc, DbList::OuterFinishes);
  CMantling* newFacing = &Record<CMantling>(*doc, DbList::InnerFacings);
  CIsoProdukt* newProduct = &Record<CIsoProdukt>(*doc, DbList::Products);
  EXPECT_EQ(module.Surface(), newOuter);
  EXPECT_EQ(module.Surface()->colour, 0x123456u);
  EXPECT_EQ(module.Facing(), newFacing);
  EXPECT_EQ(module.insulation.StandardProduct(), newProduct);
  EXPECT_TRUE(HasUser(*newOuter, module));
  EXPECT_TRUE(HasUser(*newFacing, module));
}

TEST_F(UtvendigKondensModulTest, AStoredCalculatedFlagRecalculatesOnceEverythingIsRead) {
  struct Recording : CUtvendigKondensModul {
    using CUtvendigKondensModul::CUtvendigKondensModul;
    void Recalculate() override {
      ++runs;
      facingAtRun = Facing();
    }
    int runs = 0;
    CMantling* facingAtRun = nullptr;
  };
  module.SetFacing(facing);
  for (std::int32_t flag : {0, 1}) {
    module.calculated = flag;
    Recording back(&*doc);
    EXPECT_EQ(ReadBody(*doc, back, WriteBody(*doc, module)), 0u);
    EXPECT_EQ(back.runs, flag);
    EXPECT_EQ(back.calculated, flag);
    EXPECT_EQ(back.facingAtRun, flag ? facing : nullptr);
  }
}

// Word 7 marks colour words the module must leave alone.
constexpr std::uint32_t kUntouched = 7;

struct SymbolRow {
  std::int32_t calculated;
  std::int32_t kind;
  std::int32_t vertical;
  bool withProduct;
  bool withSurface;
  std::int32_t userEmissivityOn;
  std::int32_t facingOn;
  bool withFacing;
  const char* picture;
  std::array<std::uint32_t, 6> words;
};

class UtvendigKondensSymbolTest : public UtvendigKondensModulTest,
                                  public ::testing::WithParamInterface<SymbolRow> {};

// Product 0x0000AA / 0x0000BB, surfaces 0x0000CC, facing 0x0000DD.
TEST_P(UtvendigKondensSymbolTest, NamesThePictureAndPaintsItInTheChosenColours) {
  const SymbolRow row = GetParam();
  product->insulationColour = 0xAA;
  product->surfaceColour = 0xBB;
  outer->colour = 0xCC;
  pipeSurface->colour = 0xCC;
  facing->colour = 0xDD;
  module.calculated = row.calculated;
  module.kind = row.kind;
  module.vertical = row.vertical;
  module.userEmissivityOn = row.userEmissivityOn;
  module.facingOn = row.facingOn;
  if (row.withProduct) module.insulation.Set(0, product, 50, nullptr, 50);
  if (row.withSurface) module.SetSurface(module.InsulatedInside() ? pipeSurface : outer);
  if (row.withFacing) module.SetFacing(facing);

  SymbolInfo symbol;
  symbol.words.fill(kUntouched);
  EXPECT_EQ(module.GetSymbol(symbol), row.picture);
  EXPECT_EQ(symbol.words, row.words);
}

constexpr std::uint32_t U = kUntouched;
INSTANTIATE_TEST_SUITE_P(
    Cases, UtvendigKondensSymbolTest,
    ::testing::Values(
        SymbolRow{0, 3, 1, true, true, 0, 1, true, "MATERIALTYPEX0", {U, U, U, U, U, U}},
        SymbolRow{1, 0, 0, true, true, 0, 0, false, "MATERIALTYPE0", {0x008080, 0xAA, 0xFFFF, 0xCC, U, U}},
        SymbolRow{
            1, 4, 1, false, false, 0, 0, false, "MATERIALTYPE10", {0x008080, 0xFFFF, 0xFFFF, 0xC0C0C0, U, U}},
        SymbolRow{
            1, 2, 0, true, true, 1, 0, false, "MATERIALTYPE2", {0x008080, 0xAA, 0xFFFF, 0xC0C0C0, U, U}},
        SymbolRow{
            1, 3, 1, true, true, 0, 1, true, "MATERIALTYPE9", {0x008080, 0xAA, 0xFFFF, 0xDD, 0xFF0000, 0xCC}},
        // A facing that is not switched on, or switched on without a record, gives way to
        // the product's own surface colour.
        SymbolRow{
            1, 5, 0, true, true, 0, 0, true, "MATERIALTYPE5", {0x008080, 0xAA, 0xFFFF, 0xBB, 0xFF0000, 0xCC}},
        SymbolRow{1,
                  5,
                  0,
                  true,
                  false,
                  0,
                  1,
                  false,
                  "MATERIALTYPE5",
                  {0x008080, 0xAA, 0xFFFF, 0xBB, 0xFF0000, 0xC0C0C0}},
        SymbolRow{1,
                  3,
                  0,
                  false,
                  true,
                  1,
                  0,
                  false,
                  "MATERIALTYPE3",
                  {0x008080, 0xFFFF, 0xFFFF, 0xC0C0C0, 0xFF0000, 0xC0C0C0}},
        // A flag read from a file as 2 still means vertical.
        SymbolRow{1, 1, 2, true, true, 0, 0, false, "MATERIALTYPE7", {0x008080, 0xAA, 0xFFFF, 0xCC, U, U}}));

}  // namespace
}  // namespace kelvora
