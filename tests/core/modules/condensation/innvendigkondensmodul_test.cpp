#include "core/modules/condensation/innvendigkondensmodul.h"

#include <gtest/gtest.h>

#include <array>

#include "support/bodybytes.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::ExpectedBytes;
using testing::FillInternalCondensation;
using testing::HasUser;
using testing::ReadBody;
using testing::TestDocument;
using testing::WriteBody;

// The body of a freshly reset module whose surroundings and flow unit were set to these.
std::string FreshBody(std::uint16_t environment, std::uint16_t flowUnit) {
  ExpectedBytes b;
  b.Layer(0, 50, 50, 1, 0);
  b.Word(0).Float(20).Float(10);
  b.Word(0).Float(50).Float(200).Float(200).Float(10);
  b.Word(environment).Float(2).Float(5).Word(0).Float(0.94f);
  b.Float(40).Float(50).Float(100);
  b.Word(flowUnit).Word(0).Int(0).Int(0);
  b.NullRef();
  return b.Data();
}

class InnvendigKondensModulTest : public ::testing::Test {
 protected:
  TestDocument doc;
  CInnvendigKondensModul& module =
      dynamic_cast<CInnvendigKondensModul&>(doc->Module(ModuleIndex::InternalCondensation));
  CIsoProdukt* product = static_cast<CIsoProdukt*>(doc->database.List(DbList::Products)[0].get());
  CMantling* outer = static_cast<CMantling*>(doc->database.List(DbList::OuterFinishes)[0].get());
};

TEST_F(InnvendigKondensModulTest, ResetRestoresTheDefaultsAndLetsGoOfEveryRecord) {
  FillInternalCondensation(*doc);
  module.calculated = 1;

  module.Reset();

  EXPECT_EQ(module.calculated, 0);
  EXPECT_EQ(module.diameter, 50.0f);
  EXPECT_EQ(module.height, 200.0f);
  EXPECT_EQ(module.width, 200.0f);
  EXPECT_EQ(module.length, 10.0f);
  EXPECT_EQ(module.inletTemperature, 40.0f);
  EXPECT_EQ(module.relativeHumidity, 50.0f);
  EXPECT_EQ(module.flow, 100.0f);
  EXPECT_EQ(module.flowUnit, 0);
  EXPECT_EQ(module.ambientTemperature, 20.0f);
  EXPECT_EQ(module.environment, 0);
  EXPECT_EQ(module.windSpeed, 2.0f);
  EXPECT_EQ(module.userOuterCoefficient, 5.0f);
  EXPECT_EQ(module.userInnerCoefficientOn, 0);
  EXPECT_EQ(module.userInnerCoefficient, 10.0f);
  EXPECT_EQ(module.userEmissivityOn, 0);
  EXPECT_EQ(module.userEmissivity, 0.94f);
  EXPECT_EQ(module.suspensionsOn, 0);
  EXPECT_EQ(module.rectangular, 0);
  EXPECT_EQ(module.vertical, 0);
  // The duct is circular until the dialog says otherwise.
  EXPECT_EQ(module.insulation.objectKind, 1);
  EXPECT_EQ(module.insulation.thicknessGiven, 0);
  EXPECT_EQ(module.insulation.StandardProduct(), nullptr);
  EXPECT_EQ(module.Surface(), nullptr);
  EXPECT_FALSE(product->HasUsers());
  EXPECT_FALSE(outer->HasUsers());
}

TEST_F(InnvendigKondensModulTest, AFreshModuleWritesItsFieldsInFileOrder) {
  EXPECT_EQ(WriteBody(*doc, module), FreshBody(0, 0));
}

TEST_F(InnvendigKondensModulTest, ReadsBackWhatItWroteAndRegistersWithEachRecord) {
  FillInternalCondensation(*doc);
  module.calculated = 1;

  const std::string bytes = WriteBody(*doc, module);
  ExpectedBytes expected;
  expected.Layer(0, 40, 25, 2, 0, "Vata", "Vlastn\xED");
  expected.Word(1).Float(5).Float(12.5f);
  expected.Word(1).Float(160).Float(500).Float(250).Float(35);
  expected.Word(1).Float(3).Float(7).Word(1).Float(0.25f);
  expected.Float(32).Float(65).Float(1.5f);
  expected.Word(2).Word(1).Int(1).Int(1);
  expected.Str(
      "Hlin\xED"
      "k");  // as the file spells it
  EXPECT_EQ(bytes, expected.Data());

  CInnvendigKondensModul back(&*doc);
  EXPECT_EQ(ReadBody(*doc, back, bytes), 0u);
  EXPECT_EQ(back.rectangular, 1);
  EXPECT_EQ(back.userInnerCoefficient, 12.5f);
  EXPECT_EQ(back.length, 35.0f);
  EXPECT_EQ(back.flow, 1.5f);
  EXPECT_EQ(back.flowUnit, 2);
  EXPECT_EQ(back.calculated, 1);
  EXPECT_EQ(back.suspensionsOn, 1);
  EXPECT_EQ(back.Surface(), outer);
  EXPECT_EQ(back.insulation.StandardProduct(), product);
  EXPECT_TRUE(HasUser(*outer, back));
  EXPECT_TRUE(HasUser(*product, back.insulation));
  EXPECT_TRUE(doc.chooser.calls.empty());
  EXPECT_EQ(WriteBody(*doc, back), bytes);
}

TEST_F(InnvendigKondensModulTest, MissingRecordsArePickedByTheUser) {
  auto own = std::make_unique<CEgendefIsoProdukt>();
  own->name = "Moje vata";
  CEgendefIsoProdukt* userProduct = own.get();
  doc->userDatabase.Products().push_back(std::move(own));
  module.insulation.Set(1, nullptr, 50, userProduct, 50);
  module.SetSurface(outer);
  const std::string bytes = WriteBody(*doc, module);
  module.Reset();
  outer->name = "Zinek";
  userProduct->name = "Jiná vata";

  CInnvendigKondensModul back(&*doc);
  EXPECT_EQ(ReadBody(*doc, back, bytes), 0u);
  ASSERT_EQ(doc.chooser.calls.size(), 2u);
  EXPECT_EQ(doc.chooser.calls[0].source, MissingEntrySource::UserDatabase);
  EXPECT_EQ(doc.chooser.calls[0].text, "Moje vata");
  EXPECT_EQ(doc.chooser.calls[1].source, MissingEntrySource::StandardDatabase);
  EXPECT_NE(doc.chooser.calls[1].text.find("(Hliník)"), std::string::npos);
  EXPECT_EQ(back.insulation.UserProduct(), userProduct);
  EXPECT_EQ(back.Surface(), outer);
  EXPECT_TRUE(HasUser(*userProduct, back.insulation));
  EXPECT_TRUE(HasUser(*outer, back));
}

TEST_F(InnvendigKondensModulTest, ADamagedFlowUnitOrSurroundingsIsKeptInRange) {
  CInnvendigKondensModul back(&*doc);
  EXPECT_EQ(ReadBody(*doc, back, FreshBody(4, 9)), 0u);
  EXPECT_EQ(back.environment, 2);
  EXPECT_EQ(back.flowUnit, 2);
}

TEST_F(InnvendigKondensModulTest, AnEditedDatabaseRepointsSurfaceAndProduct) {
  module.SetSurface(outer);
  module.insulation.Set(0, product, 50, nullptr, 50);

  doc->database.BeginEdit();
  static_cast<CMantling*>(doc->database.List(DbList::OuterFinishes)[0].get())->emissivity = 0.1f;
  ASSERT_TRUE(doc->database.CommitEdit(0, doc->messages));

  auto* newOuter = static_cast<CMantling*>(doc->database.List(DbList::OuterFinishes)[0].get());
  EXPECT_EQ(module.Surface(), newOuter);
  EXPECT_EQ(module.Surface()->emissivity, 0.1f);
  EXPECT_EQ(module.insulation.StandardProduct(), doc->database.List(DbList::Products)[0].get());
  EXPECT_TRUE(HasUser(*newOuter, module));
}

TEST_F(InnvendigKondensModulTest, AStoredCalculatedFlagRecalculatesOnceEverythingIsRead) {
  struct Recording : CInnvendigKondensModul {
    using CInnvendigKondensModul::CInnvendigKondensModul;
    void Recalculate() override {
      ++runs;
      surfaceAtRun = Surface();
    }
    int runs = 0;
    CMantling* surfaceAtRun = nullptr;
  };
  module.SetSurface(outer);
  for (std::int32_t flag : {0, 1}) {
    module.calculated = flag;
    Recording back(&*doc);
    EXPECT_EQ(ReadBody(*doc, back, WriteBody(*doc, module)), 0u);
    EXPECT_EQ(back.runs, flag);
    EXPECT_EQ(back.calculated, flag);
    EXPECT_EQ(back.surfaceAtRun, flag ? outer : nullptr);
  }
}

constexpr std::uint32_t U = 7;  // a colour word the module must leave alone

struct SymbolRow {
  std::int32_t calculated;
  std::int32_t rectangular;
  std::int32_t vertical;
  bool withProduct;
  bool withSurface;
  std::int32_t userEmissivityOn;
  const char* picture;
  std::array<std::uint32_t, 6> words;
};

class InnvendigKondensSymbolTest : public InnvendigKondensModulTest,
                                   public ::testing::WithParamInterface<SymbolRow> {};

// Product 0x0000AA, surface 0x0000CC.
TEST_P(InnvendigKondensSymbolTest, NamesThePictureAndPaintsItInTheChosenColours) {
  const SymbolRow row = GetParam();
  product->insulationColour = 0xAA;
  outer->colour = 0xCC;
  module.calculated = row.calculated;
  module.rectangular = row.rectangular;
  module.vertical = row.vertical;
  module.userEmissivityOn = row.userEmissivityOn;
  if (row.withProduct) module.insulation.Set(0, product, 50, nullptr, 50);
  if (row.withSurface) module.SetSurface(outer);

  SymbolInfo symbol;
  symbol.words.fill(U);
  EXPECT_EQ(module.GetSymbol(symbol), row.picture);
  EXPECT_EQ(symbol.words, row.words);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InnvendigKondensSymbolTest,
    ::testing::Values(SymbolRow{0, 1, 1, true, true, 0, "KANALX0", {U, U, U, U, U, U}},
                      SymbolRow{1, 0, 0, true, true, 0, "KANAL0", {0x008080, 0xAA, 0xFFFF, 0xCC, U, U}},
                      SymbolRow{
                          1, 1, 0, false, true, 1, "KANAL1", {0x008080, 0xFFFF, 0xFFFF, 0xC0C0C0, U, U}},
                      SymbolRow{1, 0, 1, true, false, 0, "KANAL2", {0x008080, 0xAA, 0xFFFF, 0xC0C0C0, U, U}},
                      // Flags read from a file as 2 still mean yes.
                      SymbolRow{1, 2, 2, true, true, 0, "KANAL3", {0x008080, 0xAA, 0xFFFF, 0xCC, U, U}}));

}  // namespace
}  // namespace kelvora
