#include "core/modules/frost/frostmodul.h"

#include <gtest/gtest.h>

#include <array>

#include "support/bodybytes.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::CopyUserProducts;
using testing::ExpectedBytes;
using testing::FillFrost;
using testing::HasUser;
using testing::ReadBody;
using testing::Record;
using testing::TestDocument;
using testing::WriteBody;

CFrostModul& FrostOf(TestDocument& doc) {
  return dynamic_cast<CFrostModul&>(doc->Module(ModuleIndex::Frost));
}

class FrostModulTest : public ::testing::Test {
 protected:
  TestDocument doc;
  CFrostModul& frost = FrostOf(doc);
  CIsoProdukt* product = &Record<CIsoProdukt>(*doc, DbList::Products);
  CMantling* finish = &Record<CMantling>(*doc, DbList::OuterFinishes);
};

TEST_F(FrostModulTest, ResetRestoresTheDefaultsAndLetsGoOfTheRecords) {
  FillFrost(*doc);
  frost.insulation.objectKind = 1;
  frost.calculated = 1;
  frost.Reset();

  EXPECT_EQ(frost.pipeDiameter, 100.0f);
  EXPECT_EQ(frost.wallThickness, 4.0f);
  EXPECT_EQ(frost.startTemperature, 20.0f);
  EXPECT_EQ(frost.ambientTemperature, -20.0f);
  EXPECT_EQ(frost.percentageFrozen, 25.0f);
  EXPECT_EQ(frost.insulation.objectKind, 0);
  EXPECT_EQ(frost.insulation.thicknessGiven, 1);
  EXPECT_EQ(frost.insulation.Thickness(), 50.0f);
  EXPECT_EQ(frost.insulation.Product(), nullptr);
  EXPECT_EQ(frost.environment, 0);
  EXPECT_EQ(frost.windSpeed, 2.0f);
  EXPECT_EQ(frost.userCoefficient, 5.0f);
  EXPECT_EQ(frost.ownEmissivity, 0);
  EXPECT_EQ(frost.Surface(), nullptr);
  EXPECT_EQ(frost.emissivity, 0.94f);
  EXPECT_EQ(frost.vertical, 0);
  EXPECT_EQ(frost.calculated, 0);
  EXPECT_FALSE(product->HasUsers());
  EXPECT_FALSE(finish->HasUsers());
}

TEST_F(FrostModulTest, AFreshModuleIsWrittenInTheOrderOfTheFile) {
  ExpectedBytes expected;
  expected.Layer(0, 50, 50, 0, 1);                // insulation
  expected.NullRef();                             // surface
  expected.Float(4).Float(-20).Float(25);         // wall, ambient, percentage frozen
  expected.Float(100).Float(20).Word(0).Word(0);  // diameter, start, environment, calculated
  expected.Float(2).Float(5);                     // wind, user coefficient
  expected.Word(0).Float(0.94f).Int(0);           // own emissivity, emissivity, vertical
  EXPECT_EQ(WriteBody(*doc, frost), expected.Data());
}

TEST_F(FrostModulTest, WritingReadingAndWritingAgainKeepsEveryByteAndRegistersTheReader) {
  FillFrost(*doc);
  const std::string bytes = WriteBody(*doc, frost);

  TestDocument other;
  CopyUserProducts(*doc, *other);
  CFrostModul& back = FrostOf(other);
  EXPECT_EQ(ReadBody(*other, back, bytes), 0u);
  EXPECT_EQ(WriteBody(*other, back), bytes);
  EXPECT_TRUE(other.chooser.calls.empty());
  EXPECT_EQ(back.pipeDiameter, 60.3f);
  EXPECT_EQ(back.wallThickness, 2.9f);
  EXPECT_EQ(back.vertical, 1);
  EXPECT_TRUE(HasUser(Record<CMantling>(*other, DbList::OuterFinishes), back));
  EXPECT_TRUE(HasUser(Record<CIsoProdukt>(*other, DbList::Products), back.insulation));
}

TEST_F(FrostModulTest, ASurfaceMissingFromTheDatabaseIsChosenByTheUser) {
  ExpectedBytes file;
  file.Layer(0, 50, 50, 0, 1);
  file.Str("Zinek");
  file.Float(4).Float(-20).Float(25).Float(100).Float(20).Word(0).Word(0);
  file.Float(2).Float(5).Word(0).Float(0.94f).Int(0);

  EXPECT_EQ(ReadBody(*doc, frost, file.Data()), 0u);
  ASSERT_EQ(doc.chooser.calls.size(), 1u);
  EXPECT_EQ(doc.chooser.calls[0].source, MissingEntrySource::StandardDatabase);
  EXPECT_NE(doc.chooser.calls[0].text.find("(Zinek)"), std::string::npos);
  EXPECT_EQ(doc.chooser.calls[0].names, std::vector<std::string>{"Hliník"});
  EXPECT_EQ(frost.Surface(), finish);
  EXPECT_TRUE(HasUser(*finish, frost));
}

TEST_F(FrostModulTest, AnEditedDatabaseRepointsTheSurface) {
  frost.SetSurface(finish);
  doc->database.BeginEdit();
  doc->database.List(DbList::OuterFinishes)[0]->name = "Hliník lesklý";
  ASSERT_TRUE(doc->database.CommitEdit(0, doc->messages));
  CMantling* edited = &Record<CMantling>(*doc, DbList::OuterFinishes);
  EXPECT_EQ(frost.Surface(), edited);
  EXPECT_TRUE(HasUser(*edited, frost));
}

TEST_F(FrostModulTest, ALoadedModuleIsRecalculatedOnlyWhenItWasCalculated) {
  struct CountingFrost : CFrostModul {
    using CFrostModul::CFrostModul;
    void Recalculate() override { ++recalculations; }
    int recalculations = 0;
  };
  for (const std::int32_t flag : {0, 1}) {
    frost.calculated = flag;
    CountingFrost loaded(&*doc);
    EXPECT_EQ(ReadBody(*doc, loaded, WriteBody(*doc, frost)), 0u);
    EXPECT_EQ(loaded.recalculations, flag);
    EXPECT_EQ(loaded.calculated, flag);
  }
}

constexpr std::uint32_t U = 0xABCDEF;  // a word GetSymbol must leave alone

struct SymbolCase {
  const char* label;
  std::int32_t calculated;
  std::int32_t vertical;
  bool withProduct;
  bool withSurface;
  std::int32_t ownEmissivity;
  const char* picture;
  std::array<std::uint32_t, 6> words;
};

class FrostModulSymbol : public FrostModulTest, public ::testing::WithParamInterface<SymbolCase> {};

TEST_P(FrostModulSymbol, ThePictureFollowsTheOrientationAndTheColoursTheMaterials) {
  const SymbolCase& c = GetParam();
  product->insulationColour = 0x000011;
  finish->colour = 0x000033;
  frost.calculated = c.calculated;
  frost.vertical = c.vertical;
  frost.ownEmissivity = c.ownEmissivity;
  if (c.withProduct) frost.insulation.Set(0, product, 50, nullptr, 50);
  if (c.withSurface) frost.SetSurface(finish);
  SymbolInfo symbol;
  symbol.words.fill(U);
  EXPECT_EQ(frost.GetSymbol(symbol), c.picture);
  EXPECT_EQ(symbol.words, c.words);
}

INSTANTIATE_TEST_SUITE_P(
    Pipes, FrostModulSymbol,
    ::testing::Values(
        SymbolCase{"not_calculated", 0, 0, true, true, 0, "RORX0", {U, U, U, U, U, U}},
        SymbolCase{"horizontal", 1, 0, true, true, 0, "ROR0", {0x008080, 0x11, 0x00FFFF, 0x33, U, U}},
        SymbolCase{"vertical_own_emissivity",
                   1,
                   1,
                   true,
                   true,
                   1,
                   "ROR1",
                   {0x008080, 0x11, 0x00FFFF, 0xC0C0C0, U, U}},
        SymbolCase{
            "nothing_chosen", 1, 0, false, false, 0, "ROR0", {0x008080, 0x00FFFF, 0x00FFFF, 0xC0C0C0, U, U}}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace kelvora
