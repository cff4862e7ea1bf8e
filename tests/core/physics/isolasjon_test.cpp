#include "core/physics/isolasjon.h"

#include <gtest/gtest.h>

#include "support/bodybytes.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::HasUser;
using testing::Record;
using testing::TestDocument;

TEST(Layer, StartsAtFiftyMillimetresWithoutProduct) {
  CIsolasjon layer;
  layer.Reset(3, 0);
  EXPECT_EQ(layer.Thickness(), 50.0f);
  EXPECT_TRUE(layer.IsStandard());
  EXPECT_EQ(layer.Product(), nullptr);
  EXPECT_EQ(layer.objectKind, 3);
  EXPECT_EQ(layer.thicknessGiven, 0);
  EXPECT_EQ(layer.Description(false), "");
  EXPECT_EQ(layer.Summary(true), "");
  EXPECT_EQ(layer.FillColour(), 0x0000FFFFu);
  EXPECT_EQ(layer.SecondColour(), 0x00C0C0C0u);
}

TEST(Layer, KeepsEachSourcesThicknessAndIgnoresAnUnknownSource) {
  TestDocument doc;
  auto& wool = Record<CIsoProdukt>(*doc, DbList::Products);
  wool.producer = "Obecný";
  auto& own = testing::UserProduct(*doc, "Vlastní");
  CIsolasjon layer;
  layer.Set(0, &wool, 60, &own, 35);
  EXPECT_EQ(layer.Thickness(), 60.0f);
  EXPECT_EQ(layer.Description(true), "Wool (Obecný)");
  EXPECT_EQ(layer.Summary(true), "Produkt:\nVata\nTloušťka: 60.0 mm");
  layer.source = 1;
  EXPECT_EQ(layer.Thickness(), 35.0f);
  EXPECT_EQ(layer.Product(), &own);
  EXPECT_EQ(layer.Description(false), "Vlastní (Jiný)");
  EXPECT_EQ(layer.Description(true), "Vlastní (user-defined)");
  EXPECT_EQ(layer.Summary(false), "Produkt:\nVlastní");
  layer.source = 0;
  EXPECT_EQ(layer.Thickness(), 60.0f);
  layer.Set(2, &wool, 70, &own, 35);
  EXPECT_EQ(layer.source, 0);
  EXPECT_EQ(layer.Thickness(), 70.0f);
}

TEST(Layer, DescribesAStandardProductWithItsProducerWhenItNamesOne) {
  TestDocument doc;
  auto& wool = Record<CIsoProdukt>(*doc, DbList::Products);
  CIsolasjon layer;
  layer.Set(0, &wool, 60, nullptr, 50);
  const struct {
    const char* producer;
    bool english;
    const char* description;
  } rows[] = {{"Obecný", false, "Vata (Obecný)"}, {"", false, "Vata"}, {"", true, "Wool"}};
  for (const auto& row : rows) {
    wool.producer = row.producer;
    EXPECT_EQ(layer.Description(row.english), row.description) << row.producer << row.english;
  }
}

TEST(Layer, CopiesRegisterAndLetGo) {
  TestDocument doc;
  auto& wool = Record<CIsoProdukt>(*doc, DbList::Products);
  auto& own = testing::UserProduct(*doc, "Vlastní");
  auto layer = std::make_unique<CIsolasjon>();
  layer->Set(1, &wool, 50, &own, 40);
  {
    const CIsolasjon copy(*layer);
    EXPECT_TRUE(HasUser(wool, copy));
    EXPECT_TRUE(HasUser(own, copy));
  }
  EXPECT_EQ(wool.Users(), std::vector<CItem*>{layer.get()});
  CIsolasjon other;
  other.Assign(*layer);
  layer->Reset(0, 1);
  EXPECT_EQ(wool.Users(), std::vector<CItem*>{&other});
  layer.reset();
  EXPECT_TRUE(HasUser(own, other));
}

TEST(Layer, FollowsItsProductsThroughADatabaseEdit) {
  TestDocument doc;
  CIsolasjon layer;
  layer.Set(0, &Record<CIsoProdukt>(*doc, DbList::Products), 50, nullptr, 50);
  doc->database.BeginEdit();
  Record<CIsoProdukt>(*doc, DbList::Products).lambdaCoeff0 = 0.05f;
  ASSERT_TRUE(doc->database.CommitEdit(0, doc->messages));
  EXPECT_EQ(layer.StandardProduct(), &Record<CIsoProdukt>(*doc, DbList::Products));
  EXPECT_EQ(layer.StandardProduct()->lambdaCoeff0, 0.05f);
}

TEST(EquipmentEntry, EquivalentLength) {
  TestDocument doc;
  auto& valve = Record<CTillegg2>(*doc, DbList::Equipment);  // 10-50 mm: 1 m
  CTilleggsutstyr entry;
  entry.count = 3;
  EXPECT_EQ(entry.EquivalentLength(30), 0.0f);  // neither a database entry nor user defined
  entry.SetEquipment(&valve);
  EXPECT_EQ(entry.EquivalentLength(30), 3.0f);
  entry.userDefined = 1;
  entry.equivalentLength = 1.5f;
  EXPECT_EQ(entry.EquivalentLength(30), 4.5f);
  EXPECT_EQ(entry.EquivalentLength(900), 4.5f);
}

TEST(EquipmentEntry, NamesAndFileForm) {
  TestDocument doc;
  auto& valve = Record<CTillegg2>(*doc, DbList::Equipment);
  valve.secondName = "Valve";
  CTilleggsutstyr entry;
  entry.count = 2;
  entry.SetEquipment(&valve);
  entry.UpdateNames("ignored");
  EXPECT_EQ(entry.name, "Ventil; 2");
  EXPECT_EQ(entry.secondName, "Valve; 2");

  const std::string bytes = testing::WriteBody(*doc, entry);
  EXPECT_EQ(bytes, testing::ExpectedBytes().Str("Ventil; 2").Int(2).Int(0).Float(1).Str("Ventil").Data());
  CTilleggsutstyr back;
  EXPECT_EQ(testing::ReadBody(*doc, back, bytes), 0u);
  EXPECT_EQ(back.name, "Ventil; 2");
  EXPECT_EQ(back.secondName, "");
  EXPECT_EQ(back.EnglishName(), "Valve; 2") << "the English report names a loaded entry from its record";
  EXPECT_EQ(back.count, 2);
  EXPECT_EQ(back.Equipment(), &valve);
  EXPECT_TRUE(HasUser(valve, back));

  const auto clone = CloneItem(back);
  EXPECT_EQ(clone->Equipment(), &valve);
  EXPECT_TRUE(HasUser(valve, *clone));

  entry.userDefined = 1;
  entry.UpdateNames("Kompenzátor");
  EXPECT_EQ(entry.secondName, "Kompenzátor; 2");
  EXPECT_EQ(entry.EnglishName(), "Kompenzátor; 2");

  valve.secondName.clear();
  EXPECT_EQ(back.EnglishName(), "Ventil; 2") << "a record without an English name: the local name";
}

// What the equipment dialog offers as the typed name: the display name without its count,
// so that editing an entry again does not pile up counts.
TEST(EquipmentEntry, UserNameIsTheDisplayNameWithoutItsCount) {
  const struct {
    const char* name;
    std::int32_t count;
    const char* userName;
  } cases[] = {
      {"Kompenzátor; 2", 2, "Kompenzátor"},
      {"Příruba; 3; 3", 3, "Příruba; 3"},
      {"Příruba; 3", 12, "Příruba; 3"},
      {"Bez počtu", 1, "Bez počtu"},
      {"", 1, ""},
  };
  for (const auto& c : cases) {
    CTilleggsutstyr entry;
    entry.name = c.name;
    entry.count = c.count;
    EXPECT_EQ(entry.UserName(), c.userName) << c.name;
    entry.userDefined = 1;
    entry.UpdateNames(entry.UserName());
    EXPECT_EQ(entry.UserName(), c.userName) << c.name;
  }
}

}  // namespace
}  // namespace kelvora
