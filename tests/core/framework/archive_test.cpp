#include "core/framework/archive.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/testitems.h"

namespace kelvora {
namespace {

using testing::Bytes;
using testing::TestClasses;
using testing::TestContainer;
using testing::TestPlainItem;
using testing::TestRecord;

std::unique_ptr<TestRecord> Record(std::string name, float value = 0) {
  auto r = std::make_unique<TestRecord>();
  r->name = std::move(name);
  r->value = value;
  return r;
}

CArchive Load(std::string bytes) { return CArchive(std::move(bytes), TestClasses()); }

ArchiveError ErrorOf(const std::function<void()>& read) {
  try {
    read();
  } catch (const ArchiveException& e) {
    return e.error;
  }
  ADD_FAILURE() << "the read succeeded";
  return ArchiveError::ReadOnly;
}

// The body of a TestRecord named "A" with value 0: three strings and two numbers.
std::string RecordBody(char name) { return Bytes({1, name, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}); }

TEST(ArchivePrimitives, AreLittleEndianAndReadBackExactly) {
  CArchive out;
  out.Write(std::uint8_t{0xAB});
  out.Write(std::uint16_t{0x1234});
  out.Write(std::int32_t{-2});
  out.Write(std::uint32_t{0x00FF8040});
  out.Write(1.5f);
  out.Write(-0.25);
  EXPECT_EQ(out.Data(), Bytes({0xAB, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0x40, 0x80, 0xFF, 0x00, 0x00,
                               0x00, 0xC0, 0x3F, 0,    0,    0,    0,    0,    0,    0xD0, 0xBF}));

  CArchive in = Load(out.Data());
  std::uint8_t b = 0;
  std::uint16_t w = 0;
  std::int32_t i = 0;
  std::uint32_t d = 0;
  float f = 0;
  double g = 0;
  in.Exchange(b, w, i, d, f, g);
  EXPECT_EQ(b, 0xAB);
  EXPECT_EQ(w, 0x1234);
  EXPECT_EQ(i, -2);
  EXPECT_EQ(d, 0x00FF8040u);
  EXPECT_EQ(f, 1.5f);
  EXPECT_EQ(g, -0.25);
  EXPECT_EQ(in.Remaining(), 0u);
}

TEST(ArchivePrimitives, DirectionIsEnforced) {
  CArchive out;
  std::int32_t v = 0;
  EXPECT_EQ(ErrorOf([&] { out.Read(v); }), ArchiveError::WriteOnly);
  CArchive in = Load(Bytes({1, 0, 0, 0}));
  EXPECT_EQ(ErrorOf([&] { in.Write(v); }), ArchiveError::ReadOnly);
}

struct StringCase {
  std::size_t length;
  std::string prefix;
  friend void PrintTo(const StringCase& c, std::ostream* os) { *os << c.length << " bytes"; }
};

class ArchiveStringLength : public ::testing::TestWithParam<StringCase> {};

TEST_P(ArchiveStringLength, TakesTheShortestPrefixAndReadsBack) {
  const std::string text(GetParam().length, 'x');
  CArchive out;
  out.Write(text);
  EXPECT_EQ(out.Data().substr(0, GetParam().prefix.size()), GetParam().prefix);
  EXPECT_EQ(out.Data().size(), GetParam().prefix.size() + text.size());

  CArchive in = Load(out.Data());
  std::string back;
  in.Read(back);
  EXPECT_EQ(back, text);
  EXPECT_EQ(in.Remaining(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Prefixes, ArchiveStringLength,
                         ::testing::Values(StringCase{0, Bytes({0})}, StringCase{254, Bytes({0xFE})},
                                           StringCase{255, Bytes({0xFF, 0xFF, 0x00})},
                                           StringCase{65533, Bytes({0xFF, 0xFD, 0xFF})},
                                           StringCase{65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0})},
                                           StringCase{70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 1, 0})}));

TEST(ArchiveStrings, StoreCzechTextInWindows1250) {
  CArchive out;
  out.Write(std::string("Čáp °C"));
  EXPECT_EQ(out.Data(), Bytes({6, 0xC8, 0xE1, 'p', ' ', 0xB0, 'C'}));
  CArchive in = Load(out.Data());
  std::string back;
  in.Read(back);
  EXPECT_EQ(back, "Čáp °C");
}

TEST(ArchiveStrings, ReadTheWideFormNarrowedToTheCodePage) {
  // FF FE FF marks UTF-16LE; "Ž" survives, the Greek alpha does not exist in Windows-1250.
  CArchive in = Load(
      Bytes({0xFF, 0xFE, 0xFF, 3, 'a', 0, 0x7D, 0x01, 0xB1, 0x03, 0xFF, 0xFE, 0xFF, 0xFF, 1, 0, 'b', 0}));
  std::string first, second;
  in.Read(first);
  in.Read(second);
  EXPECT_EQ(first, "aŽ?");
  EXPECT_EQ(second, "b");
}

TEST(ArchiveCounts, SwitchToADoubleWordAt65535) {
  CArchive out;
  out.WriteCount(65534);
  out.WriteCount(65535);
  EXPECT_EQ(out.Data(), Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}));
  CArchive in = Load(out.Data());
  EXPECT_EQ(in.ReadCount(), 65534u);
  EXPECT_EQ(in.ReadCount(), 65535u);
}

TEST(ArchiveLists, OfSixtyFiveThousandFiveHundredThirtyFiveElementsRoundTrip) {
  ItemList<TestRecord> list;
  for (int i = 0; i < 65535; ++i) list.push_back(Record("r", static_cast<float>(i)));
  CArchive out;
  out.WriteList(list);
  EXPECT_EQ(out.Data().substr(0, 6), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0}));

  CArchive in = Load(out.Data());
  ItemList<TestRecord> back;
  in.ReadList(back);
  ASSERT_EQ(back.size(), 65535u);
  EXPECT_TRUE(ListsEqual(list, back));
  EXPECT_EQ(in.Remaining(), 0u);
}

TEST(ArchiveLists, WorkedExampleDescribesTheClassOnceAcrossTheFile) {
  ItemList<TestRecord> first, second;
  first.push_back(Record("A"));
  first.push_back(Record("B"));
  second.push_back(Record("C"));
  CArchive out;
  out.WriteList(first);
  out.WriteList(second);
  const std::string expected = Bytes({2, 0, 0xFF, 0xFF, 1, 0, 6, 0}) + "CVeske" + RecordBody('A') +
                               Bytes({0x01, 0x80}) + RecordBody('B') + Bytes({1, 0, 0x01, 0x80}) +
                               RecordBody('C');
  EXPECT_EQ(out.Data(), expected);

  CArchive in = Load(out.Data());
  ItemList<TestRecord> a, b;
  in.ReadList(a);
  in.ReadList(b);
  ASSERT_EQ(a.size(), 2u);
  ASSERT_EQ(b.size(), 1u);
  EXPECT_EQ(a[1]->name, "B");
  EXPECT_EQ(b[0]->name, "C");
}

TEST(ArchiveLists, IndicesCountClassesAndObjectsTogether) {
  // Record (class 1, object 2), container (class 3, object 4) holding a record (object 5),
  // then a plain item: class 6, so its second object refers to class tag 0x8006.
  auto container = std::make_unique<TestContainer>();
  container->children.push_back(Record("in"));
  TestRecord record;
  TestPlainItem plain1, plain2;
  CArchive out;
  out.WriteObject(&record);
  out.WriteObject(container.get());
  out.WriteObject(&plain1);
  out.WriteObject(&plain2);
  out.WriteObject(&record);
  const std::string& d = out.Data();
  // End of plain1's body, plain2 as class 6 and its body, the back-reference to object 2.
  EXPECT_EQ(d.substr(d.size() - 10), Bytes({0, 0, 0x06, 0x80, 0, 0, 0, 0, 0x02, 0x00}));
}

TEST(ArchiveObjects, NullAndEmptyListAreTwoZeroBytes) {
  CArchive out;
  out.WriteObject(nullptr);
  out.WriteList(ItemList<TestRecord>{});
  EXPECT_EQ(out.Data(), Bytes({0, 0, 0, 0}));
  CArchive in = Load(out.Data());
  EXPECT_EQ(in.ReadObject<TestRecord>(), nullptr);
  ItemList<TestRecord> list;
  in.ReadList(list);
  EXPECT_TRUE(list.empty());
}

TEST(ArchiveObjects, LargeIndicesUseTheDoubleWordTags) {
  // 0x7FFF records push the next class past the one-word range.
  ItemList<TestRecord> records;
  for (int i = 0; i < 0x7FFF; ++i) records.push_back(Record("r"));
  TestPlainItem plain1, plain2;
  CArchive out;
  out.WriteList(records);
  out.WriteObject(&plain1);
  out.WriteObject(&plain2);
  out.WriteObject(records.back().get());
  const std::string& d = out.Data();
  // plain2: class 0x8001 as 7FFF + 80008001, then its 4-byte body; the back-reference to
  // the last record (index 0x8000) as 7FFF + 00008000.
  EXPECT_EQ(d.substr(d.size() - 16),
            Bytes({0xFF, 0x7F, 0x01, 0x80, 0x00, 0x80, 0, 0, 0, 0, 0xFF, 0x7F, 0x00, 0x80, 0, 0}));

  CArchive in = Load(d.substr(0, d.size() - 6));
  ItemList<TestRecord> back;
  in.ReadList(back);
  EXPECT_EQ(back.size(), records.size());
  EXPECT_NE(in.ReadObject<TestPlainItem>(), nullptr);
  EXPECT_NE(in.ReadObject<TestPlainItem>(), nullptr);
  EXPECT_EQ(in.Remaining(), 0u);
}

TEST(ArchiveObjects, ASubclassIsAcceptedWhereItsBaseIsExpected) {
  ItemList<CListItem> list;
  list.push_back(Record("r", 2.5f));
  list.push_back(std::make_unique<TestContainer>());
  CArchive out;
  out.WriteList(list);
  CArchive in = Load(out.Data());
  ItemList<CListItem> back;
  in.ReadList(back);
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(dynamic_cast<TestRecord&>(*back[0]).value, 2.5f);
  EXPECT_NE(dynamic_cast<TestContainer*>(back[1].get()), nullptr);
}

struct Versioned : CItem {
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring()) {
      ar.WriteMarker("versjon4");
      ar.Exchange(added);
    } else if (ar.ReadMarker("versjon4", oldText)) {
      ar.Exchange(added);
    }
  }
  std::string oldText;
  std::int32_t added = 0;
};

TEST(ArchiveMarkers, TellTheNewLayoutFromTheOld) {
  Versioned written;
  written.added = 7;
  CArchive out;
  written.Serialize(out);
  Versioned fresh;
  CArchive in = Load(out.Data());
  fresh.Serialize(in);
  EXPECT_EQ(fresh.added, 7);
  EXPECT_EQ(fresh.oldText, "");

  Versioned old;
  CArchive oldFile = Load(Bytes({3, 'a', 'b', 'c'}));
  old.Serialize(oldFile);
  EXPECT_EQ(old.oldText, "abc");
  EXPECT_EQ(old.added, 0);
}

struct Referrer : CItem {
  TestRecord* product = nullptr;
};

TEST(ArchiveReferences, StoreNamesAndResolveThemWithRegistration) {
  ItemList<TestRecord> database;
  database.push_back(Record("Wool"));
  database.push_back(Record("Glass"));
  CArchive out;
  out.WriteReference(database[1].get());
  out.WriteReference(nullptr);
  out.WriteReference(database[0].get());
  out.Write(std::string("Gone"));
  EXPECT_EQ(out.Data().substr(6, 26), "\x19Standard_database_element");

  CArchive in = Load(out.Data());
  Referrer user;
  std::vector<std::string> missing;
  auto onMissing = [&](const std::string& name) {
    missing.push_back(name);
    return database[0].get();
  };
  SetReference(user, user.product, ReadReference(in, database, onMissing));
  EXPECT_EQ(user.product, database[1].get());
  EXPECT_EQ(database[1]->Users(), std::vector<CItem*>{&user});

  SetReference(user, user.product, ReadReference(in, database, onMissing));
  EXPECT_EQ(user.product, nullptr);
  EXPECT_FALSE(database[1]->HasUsers());
  EXPECT_FALSE(database[0]->HasUsers());

  SetReference(user, user.product, ReadReference(in, database, onMissing));
  SetReference(user, user.product, ReadReference(in, database, onMissing));
  EXPECT_EQ(missing, std::vector<std::string>{"Gone"});
  EXPECT_EQ(user.product, database[0].get());
  EXPECT_EQ(database[0]->Users().size(), 1u);
}

// A valid archive of two lists: records with a nested container, then a plain item.
std::string SmallArchive() {
  ItemList<CListItem> list;
  list.push_back(Record("Čep", 1));
  auto container = std::make_unique<TestContainer>();
  container->name = "box";
  container->children.push_back(Record("inner", 2));
  list.push_back(std::move(container));
  TestPlainItem plain;
  CArchive out;
  out.WriteList(list);
  out.WriteObject(&plain);
  return out.Data();
}

void ReadSmallArchive(std::string bytes) {
  CArchive in = Load(std::move(bytes));
  ItemList<CListItem> list;
  in.ReadList(list);
  in.ReadObject<TestPlainItem>();
}

TEST(ArchiveMalformed, EveryTruncationEndsAsEndOfFile) {
  const std::string full = SmallArchive();
  ReadSmallArchive(full);
  for (std::size_t n = 0; n < full.size(); ++n) {
    EXPECT_EQ(ErrorOf([&] { ReadSmallArchive(full.substr(0, n)); }), ArchiveError::EndOfFile) << "at " << n;
  }
}

struct MalformedCase {
  const char* what;
  std::string bytes;
  ArchiveError error;
  friend void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.what; }
};

class ArchiveMalformedInput : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(ArchiveMalformedInput, EndsInItsError) {
  EXPECT_EQ(ErrorOf([&] {
              CArchive in = Load(GetParam().bytes);
              ItemList<TestRecord> list;
              in.ReadList(list);
            }),
            GetParam().error);
}

std::string NewClass(std::string name, int schema = 1) {
  return Bytes({0xFF, 0xFF, schema, 0, static_cast<int>(name.size()), 0}) + name;
}

const std::string kRecordClass = NewClass("CVeske");

INSTANTIATE_TEST_SUITE_P(
    Cases, ArchiveMalformedInput,
    ::testing::Values(
        MalformedCase{"class tag of an index never given", Bytes({1, 0, 0x05, 0x80}), ArchiveError::BadIndex},
        MalformedCase{"class tag naming an object",
                      Bytes({2, 0}) + kRecordClass + RecordBody('a') + Bytes({0x02, 0x80}),
                      ArchiveError::BadIndex},
        MalformedCase{"object index out of range", Bytes({1, 0, 0x09, 0x00}), ArchiveError::BadIndex},
        MalformedCase{"big object index out of range", Bytes({1, 0, 0xFF, 0x7F, 0x00, 0x00, 0x01, 0x00}),
                      ArchiveError::BadIndex},
        MalformedCase{"one object owned twice",
                      Bytes({2, 0}) + kRecordClass + RecordBody('a') + Bytes({0x02, 0x00}),
                      ArchiveError::BadIndex},
        MalformedCase{"null element in a list", Bytes({1, 0, 0, 0}), ArchiveError::BadIndex},
        MalformedCase{"unknown class", Bytes({1, 0}) + NewClass("CNobody"), ArchiveError::BadClass},
        MalformedCase{"class name of 64 bytes", Bytes({1, 0}) + NewClass(std::string(64, 'C')),
                      ArchiveError::BadClass},
        MalformedCase{"bad schema", Bytes({1, 0}) + NewClass("CVeske", 2), ArchiveError::BadSchema},
        MalformedCase{"object of another class",
                      Bytes({1, 0}) + NewClass("CTestPlainItem") + Bytes({0, 0, 0, 0}),
                      ArchiveError::WrongClass},
        MalformedCase{"count of four billion",
                      Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) + std::string(14, '\0'),
                      ArchiveError::EndOfFile},
        MalformedCase{"string length of four billion",
                      Bytes({1, 0}) + kRecordClass + Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
                      ArchiveError::EndOfFile},
        MalformedCase{"wide string of four billion characters",
                      Bytes({1, 0}) + kRecordClass +
                          Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}),
                      ArchiveError::EndOfFile}),
    [](const auto& info) {
      std::string name = info.param.what;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

TEST(ArchiveMalformed, DeepNestingIsRefused) {
  std::string bytes = Bytes({1, 0}) + NewClass("CTestContainer");
  const std::string containerBody = Bytes({0, 0, 0, 1, 0});  // three empty strings, one child
  bytes += containerBody;
  for (int i = 0; i < CArchive::kMaxDepth + 5; ++i) bytes += Bytes({0x01, 0x80}) + containerBody;
  EXPECT_EQ(ErrorOf([&] {
              CArchive in = Load(bytes);
              ItemList<TestContainer> list;
              in.ReadList(list);
            }),
            ArchiveError::TooDeep);
}

TEST(ArchiveMalformed, ElementsReadBeforeAFailureStayInTheList) {
  CArchive in = Load(Bytes({2, 0}) + kRecordClass + RecordBody('a') + Bytes({0x01, 0x80, 1}));
  ItemList<TestRecord> list;
  EXPECT_THROW(in.ReadList(list), ArchiveException);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0]->name, "a");
}

TEST(ArchiveErrors, HaveTextsInBothLanguages) {
  for (auto e : {ArchiveError::ReadOnly, ArchiveError::WriteOnly, ArchiveError::EndOfFile,
                 ArchiveError::BadSchema, ArchiveError::BadClass, ArchiveError::BadIndex,
                 ArchiveError::WrongClass, ArchiveError::TooDeep, ArchiveError::MissingRecord}) {
    EXPECT_FALSE(ArchiveErrorText(e, Language::Czech).empty());
    EXPECT_NE(ArchiveErrorText(e, Language::Czech), ArchiveErrorText(e, Language::English));
  }
}

}  // namespace
}  // namespace kelvora
