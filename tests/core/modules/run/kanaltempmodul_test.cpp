#include "core/modules/run/kanaltempmodul.h"

#include <gtest/gtest.h>

#include <array>

#include "core/framework/settingskeys.h"
#include "support/bodybytes.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::CopyUserProducts;
using testing::ExpectedBytes;
using testing::FillPipeRun;
using testing::HasUser;
using testing::ReadBody;
using testing::Record;
using testing::TestDocument;
using testing::WriteBody;

CKanalTempModul& RunOf(TestDocument& doc) {
  return dynamic_cast<CKanalTempModul&>(doc->Module(ModuleIndex::PipeRun));
}

class KanalTempModulTest : public ::testing::Test {
 protected:
  TestDocument doc;
  CKanalTempModul& run = RunOf(doc);
  CVeske* water = &Record<CVeske>(*doc, DbList::Liquids);
  CIsoProdukt* product = &Record<CIsoProdukt>(*doc, DbList::Products);
  CMantling* finish = &Record<CMantling>(*doc, DbList::OuterFinishes);
  CMantling* pipeSurface = &Record<CMantling>(*doc, DbList::PipeSurfaces);
  CMantling* facing = &Record<CMantling>(*doc, DbList::InnerFacings);
  CTillegg2* valve = &Record<CTillegg2>(*doc, DbList::Equipment);
};

TEST_F(KanalTempModulTest, ResetRestoresTheDefaultsAndLetsGoOfTheLiquid) {
  EXPECT_EQ(run.currency, "Kč");
  FillPipeRun(*doc);
  run.isAir = 2;
  run.calculated = 1;
  doc.settings.SetString(settings::kCurrency.section, settings::kCurrency.key, "CZK");
  run.Reset();

  EXPECT_EQ(run.userDefinedLiquid, 0);
  EXPECT_EQ(run.liquidHeatCapacity, 4180.0f);
  EXPECT_EQ(run.liquidDensity, 999.0f);
  EXPECT_EQ(run.liquidFreezingPoint, 0.0f);
  EXPECT_EQ(run.inletTemperature, 40.0f);
  EXPECT_EQ(run.energyCostOn, 0);
  EXPECT_EQ(run.operatingHours, 8760.0f);
  EXPECT_EQ(run.energyPrice, 0.6f);
  EXPECT_EQ(run.currency, "CZK");
  EXPECT_TRUE(run.sections.empty());
  EXPECT_EQ(run.Liquid(), nullptr);
  EXPECT_FALSE(HasUser(*water, run));
  EXPECT_FALSE(product->HasUsers());
  EXPECT_FALSE(valve->HasUsers());
  EXPECT_EQ(run.isAir, 0);
  EXPECT_EQ(run.dewPointCheckOn, 0);
  EXPECT_EQ(run.relativeHumidity, 60.0f);
  EXPECT_EQ(run.nextSectionNumber, 1);
  EXPECT_EQ(run.calculated, 0);
}

TEST_F(KanalTempModulTest, AFreshModuleIsWrittenInTheOrderOfTheFile) {
  ExpectedBytes expected;
  expected.Word(0);                            // no sections
  expected.NullRef();                          // liquid
  expected.Int(0).Float(60);                   // dew-point check, humidity
  expected.Word(0).Word(0).Word(1);            // air, user liquid, next section number
  expected.Float(4180).Float(999).Float(0);    // user liquid
  expected.Float(40).Float(8760).Float(0.6f);  // inlet, hours, price
  expected.Word(0).Word(0).Str("K\xE8");       // energy cost, calculated, currency
  EXPECT_EQ(WriteBody(*doc, run), expected.Data());
}

TEST_F(KanalTempModulTest, WritingReadingAndWritingAgainKeepsEveryByteAndRegistersTheReader) {
  FillPipeRun(*doc);
  const std::string bytes = WriteBody(*doc, run);
  // The second section's class is referred to by its index, not described again.
  EXPECT_NE(bytes.find(std::string("\x01\x80\x08versjon4", 11)), std::string::npos);

  TestDocument other;
  CopyUserProducts(*doc, *other);
  CKanalTempModul& back = RunOf(other);
  back.sections.push_back(std::make_unique<CSegment>(CSegment::kPipe, 9));  // replaced, not kept
  EXPECT_EQ(ReadBody(*other, back, bytes), 0u);
  EXPECT_EQ(WriteBody(*other, back), bytes);
  EXPECT_TRUE(other.chooser.calls.empty());
  ASSERT_EQ(back.sections.size(), 2u);
  EXPECT_EQ(back.sections[1]->name, "Úsek 2");
  EXPECT_EQ(back.currency, "EUR");
  EXPECT_EQ(back.nextSectionNumber, 3);
  EXPECT_TRUE(HasUser(Record<CVeske>(*other, DbList::Liquids), back));
  EXPECT_TRUE(HasUser(Record<CIsoProdukt>(*other, DbList::Products), back.sections[1]->layer1));
  EXPECT_TRUE(HasUser(Record<CMantling>(*other, DbList::OuterFinishes), *back.sections[0]));
  EXPECT_TRUE(HasUser(Record<CTillegg2>(*other, DbList::Equipment), *back.sections[0]->auxEquipment[0]));
}

TEST_F(KanalTempModulTest, ALiquidMissingFromTheDatabaseIsChosenByTheUser) {
  run.SetLiquid(water);
  std::string bytes = WriteBody(*doc, run);
  const std::size_t at = bytes.find("\x04Voda");
  ASSERT_NE(at, std::string::npos);
  bytes.replace(at, 5, "\x04Olej");
  run.Reset();

  EXPECT_EQ(ReadBody(*doc, run, bytes), 0u);
  ASSERT_EQ(doc.chooser.calls.size(), 1u);
  EXPECT_EQ(doc.chooser.calls[0].source, MissingEntrySource::StandardDatabase);
  EXPECT_NE(doc.chooser.calls[0].text.find("(Olej)"), std::string::npos);
  EXPECT_EQ(doc.chooser.calls[0].names, std::vector<std::string>{"Voda"});
  EXPECT_EQ(run.Liquid(), water);
  EXPECT_TRUE(HasUser(*water, run));
}

TEST_F(KanalTempModulTest, AnEditedDatabaseRepointsTheLiquid) {
  run.SetLiquid(water);
  doc->database.BeginEdit();
  doc->database.List(DbList::Liquids)[0]->name = "Voda užitková";
  ASSERT_TRUE(doc->database.CommitEdit(0, doc->messages));
  CVeske* edited = &Record<CVeske>(*doc, DbList::Liquids);
  EXPECT_EQ(run.Liquid(), edited);
  EXPECT_TRUE(HasUser(*edited, run));
}

TEST_F(KanalTempModulTest, ALoadedRunIsRecalculatedOnlyWhenItWasCalculated) {
  struct CountingRun : CKanalTempModul {
    using CKanalTempModul::CKanalTempModul;
    void Recalculate() override { ++recalculations; }
    int recalculations = 0;
  };
  for (const std::int32_t flag : {0, 1}) {
    run.calculated = flag;
    CountingRun loaded(&*doc);
    EXPECT_EQ(ReadBody(*doc, loaded, WriteBody(*doc, run)), 0u);
    EXPECT_EQ(loaded.recalculations, flag);
    EXPECT_EQ(loaded.calculated, flag);
  }
}

constexpr std::uint32_t kUntouched = 0xABCDEF;

struct SymbolCase {
  const char* label;
  std::int32_t calculated;
  bool withSection;
  std::int32_t kind;
  std::int32_t bare;
  std::int32_t userEmissivityOn;
  std::int32_t facingOn;
  const char* picture;
  std::array<std::uint32_t, 6> words;
};

class KanalTempModulSymbol : public KanalTempModulTest, public ::testing::WithParamInterface<SymbolCase> {};

TEST_P(KanalTempModulSymbol, TheFirstSectionNamesThePictureAndItsColours) {
  const SymbolCase& c = GetParam();
  product->insulationColour = 0x000011;
  product->surfaceColour = 0x000022;
  finish->colour = 0x000033;
  pipeSurface->colour = 0x000044;
  facing->colour = 0x000055;
  run.calculated = c.calculated;
  if (c.withSection) {
    auto s = std::make_unique<CSegment>(c.kind, 1);
    s->bare = c.bare;
    s->userEmissivityOn = c.userEmissivityOn;
    s->facingOn = c.facingOn;
    s->layer1.Set(0, product, 50, nullptr, 50);
    s->SetSurface(c.kind == CSegment::kRectDuctInternal ? pipeSurface : finish);
    s->SetFacing(facing);
    run.sections.push_back(std::move(s));
    run.sections.push_back(std::make_unique<CSegment>(CSegment::kCircularDuct, 2));
  }
  SymbolInfo symbol;
  symbol.words.fill(kUntouched);
  EXPECT_EQ(run.GetSymbol(symbol), c.picture);
  EXPECT_EQ(symbol.words, c.words);
}

constexpr std::uint32_t U = kUntouched;

INSTANTIATE_TEST_SUITE_P(
    Runs, KanalTempModulSymbol,
    ::testing::Values(
        SymbolCase{"not_calculated", 0, true, 0, 0, 0, 0, "KANALRORX0", {U, U, U, U, U, U}},
        SymbolCase{"no_sections", 1, false, 0, 0, 0, 0, "KANALRORX0", {U, U, U, U, U, U}},
        SymbolCase{"bare", 1, true, 2, 1, 0, 0, "KANALRORX2", {U, U, U, U, U, U}},
        SymbolCase{"pipe", 1, true, 0, 0, 0, 0, "KANALROR0", {0x008080, 0x11, 0x00FFFF, 0x33, U, U}},
        SymbolCase{
            "own_emissivity", 1, true, 1, 0, 1, 0, "KANALROR1", {0x008080, 0x11, 0x00FFFF, 0xC0C0C0, U, U}},
        SymbolCase{
            "facing", 1, true, 3, 0, 0, 1, "KANALROR3", {0x008080, 0x11, 0x00FFFF, 0x55, 0xFF0000, 0x44}},
        SymbolCase{
            "no_facing", 1, true, 3, 0, 0, 0, "KANALROR3", {0x008080, 0x11, 0x00FFFF, 0x22, 0xFF0000, 0x44}}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace kelvora
