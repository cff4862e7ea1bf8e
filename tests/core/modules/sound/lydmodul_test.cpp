#include "core/modules/sound/lydmodul.h"

#include <gtest/gtest.h>

#include "core/framework/stringtable.h"
#include "core/modules/sound/soundinputcheck.h"
#include "support/bodybytes.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::ExpectedBytes;
using testing::FillSound;
using testing::HasUser;
using testing::ReadBody;
using testing::WriteBody;

// "Tlumič" and "Tlumič kruhový" as the file spells them.
constexpr std::string_view kRectangularName = "Tlumi\xE8";
constexpr std::string_view kCircularName = "Tlumi\xE8 kruhov\xFD";

ExpectedBytes& ThicknessBody(ExpectedBytes& form, std::string_view name, float mm, float alpha125) {
  form.Str(name).Str("").Str("").Float(mm).Float(alpha125);
  for (float alpha : {0.65f, 1.0f, 1.0f, 1.0f, 1.0f}) form.Float(alpha);
  return form;
}

// The fields before the absorber reference, as a reset module has them but for the type
// and the calculated flag.
ExpectedBytes DefaultHead(int ductType, int calculated = 0) {
  ExpectedBytes form;
  form.Word(ductType).Word(0).Float(50).Float(400).Float(400).Float(400);
  for (float alpha : {0.25f, 0.65f, 0.95f, 1.0f, 1.0f, 1.0f}) form.Float(alpha);
  form.Str("").Word(calculated);
  return form;
}

class SoundModule : public ::testing::Test {
 protected:
  CLydModul& Module() {
    auto* module = dynamic_cast<CLydModul*>(&doc->Module(ModuleIndex::Sound));
    EXPECT_NE(module, nullptr);
    return *module;
  }
  CAbsorpsjon& Absorber(DbList list) { return static_cast<CAbsorpsjon&>(*doc->database.List(list)[0]); }
  CAbsorpsjon& Rectangular() { return Absorber(DbList::RectangularAbsorbers); }
  CAbsorpsjonTykkelse& Thickness(CAbsorpsjon& absorber, std::size_t i) { return *absorber.thicknesses[i]; }
  // Gives the rectangular absorber a second thickness, 100 mm, after the 50 mm one.
  CAbsorpsjonTykkelse& AddThickness100() {
    auto thickness = std::make_unique<CAbsorpsjonTykkelse>();
    thickness->SetThickness(100.0f);
    Rectangular().InsertThickness(std::move(thickness));
    return Thickness(Rectangular(), 1);
  }

  testing::TestDocument doc;
};

TEST_F(SoundModule, ResetRestoresTheDefaultsAndLetsGoOfTheAbsorber) {
  CLydModul& module = FillSound(*doc);
  module.calculated = 1;
  ASSERT_TRUE(HasUser(Rectangular(), module));

  module.Reset();

  EXPECT_EQ(module.ownThickness, 50.0f);
  EXPECT_EQ(module.width, 400.0f);
  EXPECT_EQ(module.height, 400.0f);
  EXPECT_EQ(module.diameter, 400.0f);
  EXPECT_EQ(module.ownAlpha, (std::array<float, 6>{0.25f, 0.65f, 0.95f, 1.0f, 1.0f, 1.0f}));
  EXPECT_EQ(module.userDefined, 0);
  EXPECT_EQ(module.ownName, "");
  EXPECT_EQ(module.ductType, 0);
  EXPECT_EQ(module.calculated, 0);
  EXPECT_EQ(module.Absorber(), nullptr);
  EXPECT_EQ(module.ThicknessRecord(), nullptr);
  EXPECT_FALSE(Rectangular().HasUsers());
  EXPECT_FALSE(Thickness(Rectangular(), 0).HasUsers());
}

TEST_F(SoundModule, AResetModuleWritesItsFieldsInFileOrder) {
  EXPECT_EQ(WriteBody(*doc, Module()), DefaultHead(0).NullRef().Data());
}

TEST_F(SoundModule, WritesReadsAndWritesTheSameBytesWithAnAbsorberChosen) {
  CLydModul& module = FillSound(*doc);
  module.calculated = 1;
  module.SetAbsorber(&Rectangular(), &AddThickness100());
  const std::string stored = WriteBody(*doc, module);

  CLydModul back(&*doc);
  EXPECT_EQ(ReadBody(*doc, back, stored), 0u);

  EXPECT_EQ(WriteBody(*doc, back), stored);
  EXPECT_EQ(back.Absorber(), &Rectangular());
  EXPECT_EQ(back.ThicknessRecord(), &Thickness(Rectangular(), 1));
  EXPECT_TRUE(HasUser(Rectangular(), back));
  EXPECT_TRUE(HasUser(Thickness(Rectangular(), 1), back));
  EXPECT_EQ(back.calculated, 1);
  EXPECT_TRUE(doc.chooser.calls.empty());
  EXPECT_TRUE(doc.messages.shown.empty());
}

struct DuctTypeRow {
  int stored;
  int read;
  std::string_view absorber;
  DbList list;
};

class SoundModuleDuctType : public SoundModule, public ::testing::WithParamInterface<DuctTypeRow> {};

TEST_P(SoundModuleDuctType, ResolvesTheAbsorberInTheListOfItsDuct) {
  const DuctTypeRow& row = GetParam();
  ExpectedBytes file = DefaultHead(row.stored).Str(row.absorber);
  ThicknessBody(file, "50.0", 50, 0.25f);

  EXPECT_EQ(ReadBody(*doc, Module(), file.Data()), 0u);

  EXPECT_EQ(Module().ductType, row.read);
  EXPECT_EQ(Module().Absorber(), &Absorber(row.list));
  EXPECT_EQ(Module().ThicknessRecord(), &Thickness(Absorber(row.list), 0));
  EXPECT_TRUE(doc.chooser.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SoundModuleDuctType,
    ::testing::Values(DuctTypeRow{0, 0, kCircularName, DbList::CircularAbsorbers},
                      DuctTypeRow{1, 1, kRectangularName, DbList::RectangularAbsorbers},
                      DuctTypeRow{3, 3, kRectangularName, DbList::RectangularAbsorbers},
                      // A damaged type is held to the last one rather than naming no picture.
                      DuctTypeRow{9, 3, kRectangularName, DbList::RectangularAbsorbers}));

// What reading a stored thickness does against the absorber's list of 50 and 100 mm.
struct StoredThicknessRow {
  const char* label;
  float mm;
  float alpha125;
  bool warned;
  bool asked;
  std::size_t used;  // index in the absorber's list
};

class SoundModuleStoredThickness : public SoundModule,
                                   public ::testing::WithParamInterface<StoredThicknessRow> {};

TEST_P(SoundModuleStoredThickness, UsesTheDatabaseEntry) {
  const StoredThicknessRow& row = GetParam();
  AddThickness100();
  doc.chooser.answer = 1;
  CAbsorpsjonTykkelse stored;
  stored.SetThickness(row.mm);
  stored.alpha125 = row.alpha125;
  CLydModul writer(&*doc);
  writer.ductType = 1;
  writer.calculated = 1;
  writer.SetAbsorber(&Rectangular(), &stored);
  const std::string file = WriteBody(*doc, writer);
  writer.Reset();

  EXPECT_EQ(ReadBody(*doc, Module(), file), 0u);

  EXPECT_EQ(Module().ThicknessRecord(), &Thickness(Rectangular(), row.used));
  // Calculated with the database's 100 mm and 0.25 at 125 Hz, whatever the file held.
  EXPECT_EQ(Module().calculated, 1);
  EXPECT_EQ(Module().results[0], "3.0 dB/m");
  EXPECT_TRUE(HasUser(Thickness(Rectangular(), row.used), Module()));
  EXPECT_EQ(doc.messages.shown.size(), row.warned ? 1u : 0u);
  if (row.warned) {
    EXPECT_EQ(doc.messages.shown[0], LoadResourceString(ids::kSoundThicknessChanged, Language::Czech));
  }
  ASSERT_EQ(doc.chooser.calls.size(), row.asked ? 1u : 0u);
  if (row.asked) {
    EXPECT_EQ(doc.chooser.calls[0].text,
              "Vybraná tloušťka 30.0 mm pro tlumič hluku Tlumič byla vymazána. Vyberte prosím jinou "
              "tloušťku z níže uvedené databáze.");
    EXPECT_EQ(doc.chooser.calls[0].names, (std::vector<std::string>{"50.0", "100.0"}));
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, SoundModuleStoredThickness,
                         ::testing::Values(StoredThicknessRow{"same", 100, 0.25f, false, false, 1},
                                           StoredThicknessRow{"changed", 100, 0.4f, true, false, 1},
                                           StoredThicknessRow{"deleted", 30, 0.25f, false, true, 1}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(SoundModule, AnAbsorberWithoutThicknessesIsWrittenWithANamelessOne) {
  Rectangular().thicknesses.clear();
  Module().ductType = 1;
  Module().SetAbsorber(&Rectangular(), nullptr);
  ExpectedBytes expected = DefaultHead(1).Str(kRectangularName);
  ThicknessBody(expected, "", 50, 0.25f);
  const std::string stored = WriteBody(*doc, Module());
  EXPECT_EQ(stored, expected.Data());

  CLydModul back(&*doc);
  EXPECT_EQ(ReadBody(*doc, back, stored), 0u);
  EXPECT_EQ(back.Absorber(), &Rectangular());
  EXPECT_EQ(back.ThicknessRecord(), nullptr);
  EXPECT_TRUE(doc.chooser.calls.empty());
}

TEST_F(SoundModule, ReadingNoAbsorberDropsTheThickness) {
  Module().SetAbsorber(&Rectangular(), &Thickness(Rectangular(), 0));
  EXPECT_EQ(ReadBody(*doc, Module(), DefaultHead(1).NullRef().Data()), 0u);
  EXPECT_EQ(Module().Absorber(), nullptr);
  EXPECT_EQ(Module().ThicknessRecord(), nullptr);
  EXPECT_FALSE(Thickness(Rectangular(), 0).HasUsers());
}

TEST_F(SoundModule, AMissingAbsorberIsChosenBeforeItsThicknessIsLookedUp) {
  ExpectedBytes file = DefaultHead(2).Str("Zmizel\xFD");
  ThicknessBody(file, "50.0", 50, 0.25f);

  EXPECT_EQ(ReadBody(*doc, Module(), file.Data()), 0u);

  ASSERT_EQ(doc.chooser.calls.size(), 1u);
  EXPECT_NE(doc.chooser.calls[0].text.find("(Zmizelý)"), std::string::npos);
  EXPECT_EQ(doc.chooser.calls[0].names, std::vector<std::string>{"Tlumič"});
  EXPECT_EQ(Module().Absorber(), &Rectangular());
  EXPECT_EQ(Module().ThicknessRecord(), &Thickness(Rectangular(), 0));
}

TEST_F(SoundModule, ADatabaseEditRepointsTheAbsorberAndTheChosenThickness) {
  CLydModul& module = Module();
  module.ductType = 1;
  module.SetAbsorber(&Rectangular(), &AddThickness100());

  doc->database.BeginEdit();
  Thickness(Rectangular(), 1).alpha125 = 0.5f;
  doc->database.CommitEdit(0, doc->messages);

  EXPECT_EQ(module.Absorber(), &Rectangular());
  ASSERT_EQ(module.ThicknessRecord(), &Thickness(Rectangular(), 1));
  EXPECT_EQ(module.ThicknessRecord()->alpha125, 0.5f);
  // Letting go must reach the new records only.
  module.Reset();
  EXPECT_FALSE(Rectangular().HasUsers());
  EXPECT_FALSE(Thickness(Rectangular(), 1).HasUsers());
}

TEST_F(SoundModule, ACalculationShowsItsFourItemsAndAFailedOneHidesThemKeepingTheInput) {
  CLydModul& module = Module();
  const std::size_t documentItems = doc->reports.List(ModuleIndex::Sound).size();
  module.ductType = 1;
  module.height = 150;
  module.SetAbsorber(&Rectangular(), &Thickness(Rectangular(), 0));
  module.Recalculate();
  ASSERT_EQ(module.calculated, 1);
  EXPECT_EQ(doc->reports.List(ModuleIndex::Sound).size(), documentItems + 4);

  // The database now makes the chosen thickness 100 mm: the document recalculates.
  doc->database.BeginEdit();
  Thickness(Rectangular(), 0).SetThickness(100.0f);
  doc->database.CommitEdit(0, doc->messages);
  module.Recalculate();

  EXPECT_EQ(module.calculated, 0);
  EXPECT_EQ(module.results[0], "");
  EXPECT_EQ(doc->reports.List(ModuleIndex::Sound).size(), documentItems);
  EXPECT_EQ(doc.messages.shown.back(), LoadResourceString(ids::kSoundNoRoom, Language::Czech));
  EXPECT_EQ(module.height, 150.0f);
  EXPECT_EQ(module.ThicknessRecord(), &Thickness(Rectangular(), 0));
}

TEST_F(SoundModule, AReplacementThicknessWithoutRoomLeavesTheReadModuleUncalculated) {
  AddThickness100();
  doc.chooser.answer = 1;  // 100 mm
  CAbsorpsjonTykkelse deleted;
  deleted.SetThickness(30.0f);
  CLydModul writer(&*doc);
  writer.ductType = 1;
  writer.height = 150;
  writer.calculated = 1;
  writer.SetAbsorber(&Rectangular(), &deleted);
  const std::string file = WriteBody(*doc, writer);
  writer.Reset();

  EXPECT_EQ(ReadBody(*doc, Module(), file), 0u);

  EXPECT_EQ(Module().calculated, 0);
  EXPECT_EQ(Module().ThicknessRecord(), &Thickness(Rectangular(), 1));
  EXPECT_EQ(doc.messages.shown,
            std::vector<std::string>{std::string(LoadResourceString(ids::kSoundNoRoom, Language::Czech))});
}

TEST_F(SoundModule, AReadModuleWithoutAbsorberOrThicknessIsLeftUncalculatedWithAMessage) {
  ExpectedBytes noAbsorber = DefaultHead(1, 1);
  noAbsorber.NullRef();
  ExpectedBytes noThickness = DefaultHead(1, 1).Str(kRectangularName);
  ThicknessBody(noThickness, "", 50, 0.25f);
  Rectangular().thicknesses.clear();
  const std::pair<const ExpectedBytes*, int> files[] = {{&noAbsorber, ids::kSoundChooseAbsorber},
                                                        {&noThickness, ids::kSoundChooseThickness}};
  for (const auto& [file, message] : files) {
    doc.messages.shown.clear();
    CLydModul back(&*doc);
    EXPECT_EQ(ReadBody(*doc, back, file->Data()), 0u);
    EXPECT_EQ(back.calculated, 0);
    EXPECT_EQ(doc.messages.shown,
              std::vector<std::string>{std::string(LoadResourceString(message, Language::Czech))});
  }
}

TEST_F(SoundModule, CoefficientsAllZeroGiveNoAttenuationAndADrawableGraph) {
  CLydModul& module = Module();
  module.userDefined = 1;
  module.ownAlpha = {};
  module.Recalculate();
  ASSERT_EQ(module.calculated, 1);
  EXPECT_EQ(module.results[5], "0.0 dB/m");
  const CSoundGraph& graph = module.Report().soundGraph;
  EXPECT_EQ(graph.yTickLabels, (std::vector<std::string>{"0", "1"}));
  for (std::uint16_t height : graph.pointHeights) EXPECT_EQ(height, graph.origin.y);
}

struct SymbolRow {
  int calculated;
  int userDefined;
  bool absorber;
  int ductType;
  std::string picture;
  std::array<std::uint32_t, 6> words;
};

class SoundModuleSymbol : public SoundModule, public ::testing::WithParamInterface<SymbolRow> {};

TEST_P(SoundModuleSymbol, NamesThePictureAndPaintsItInTheAbsorbersColours) {
  const SymbolRow& row = GetParam();
  Rectangular().insulationColour = 0x112233;
  Rectangular().surfaceColour = 0x445566;
  CLydModul& module = Module();
  module.calculated = row.calculated;
  module.userDefined = row.userDefined;
  module.ductType = row.ductType;
  if (row.absorber) module.SetAbsorber(&Rectangular(), &Thickness(Rectangular(), 0));
  SymbolInfo info;
  info.words.fill(7);

  EXPECT_EQ(module.GetSymbol(info), row.picture);
  EXPECT_EQ(info.words, row.words);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SoundModuleSymbol,
    ::testing::Values(SymbolRow{0, 0, true, 1, "KANALTYPEX0", {7, 7, 7, 7, 7, 7}},
                      SymbolRow{1, 0, true, 1, "KANALTYPE1", {0xFFFF, 0x112233, 0x8080, 0x445566, 7, 7}},
                      SymbolRow{1, 1, true, 3, "KANALTYPE3", {0xFFFF, 0xFFFF, 0x8080, 0x8080, 7, 7}},
                      SymbolRow{1, 0, false, 0, "KANALTYPE0", {0xFFFF, 0xFFFF, 0x8080, 0x8080, 7, 7}}));

}  // namespace
}  // namespace kelvora
