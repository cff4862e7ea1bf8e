#include "core/database/database.h"

#include <gtest/gtest.h>

#include "core/database/mantling.h"
#include "core/framework/archive.h"
#include "support/fakeplatform.h"
#include "support/tempdir.h"

namespace kelvora {
namespace {

using testing::FileBytes;
using testing::RecordingMessages;
using testing::ScriptedChooser;
using testing::TempDir;

// Something that refers to records, as modules do.
struct User : CItem {
  void ReplaceReference(CItem& replacement) override {
    if (auto* m = dynamic_cast<CMantling*>(&replacement)) surface = m;
  }
  CMantling* surface = nullptr;
};

CListItem& Add(CDataBase& db, DbList list, const std::string& name) {
  auto record = CDataBase::NewRecord(list);
  record->name = name;
  db.List(list).push_back(std::move(record));
  return *db.List(list).back();
}

CMantling& Surface(CDataBase& db, std::size_t i) {
  return static_cast<CMantling&>(*db.List(DbList::OuterFinishes)[i]);
}

class DatabaseFile : public ::testing::Test {
 protected:
  std::filesystem::path File() const { return dir / "kelvora.dat"; }
  CDataBase Filled() const {
    CDataBase db(File());
    auto& product = static_cast<CIsoProdukt&>(Add(db, DbList::Products, "Vata"));
    product.InsertThickness(std::make_unique<CIsoTykkelse>(40));
    Add(db, DbList::RectangularAbsorbers, "Tlumič");
    Add(db, DbList::OuterFinishes, "Hliník");
    Add(db, DbList::OuterFinishes, "Pozink");
    Add(db, DbList::PipeSurfaces, "Ocel");
    static_cast<CTillegg2&>(Add(db, DbList::Equipment, "Ventil"))
        .lengths.push_back(std::make_unique<CTilleggslengde>());
    Add(db, DbList::Liquids, "Voda");
    return db;
  }

  TempDir dir;
  RecordingMessages messages;
};

TEST_F(DatabaseFile, EightEmptyListsAreSixteenZeroBytes) {
  CDataBase empty(File());
  ASSERT_TRUE(empty.Save(messages));
  EXPECT_EQ(FileBytes(File()), std::string(16, '\0'));
  CDataBase back(File());
  back.Load(messages);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DatabaseFile, LoadsWhatWasSavedByteForByte) {
  CDataBase db = Filled();
  ASSERT_TRUE(db.Save(messages));
  const std::string saved = FileBytes(File());

  CDataBase back(File());
  back.Load(messages);
  EXPECT_TRUE(messages.shown.empty());
  for (int i = 0; i < kDatabaseListCount; ++i) {
    const auto list = static_cast<DbList>(i);
    EXPECT_TRUE(ListsEqual(back.List(list), db.List(list))) << i;
    EXPECT_EQ(back.List(list).size(), db.List(list).size()) << i;
  }
  std::filesystem::remove(File());
  ASSERT_TRUE(back.Save(messages));
  EXPECT_EQ(FileBytes(File()), saved);
}

TEST_F(DatabaseFile, AMissingFileIsReportedAndLeavesEmptyLists) {
  CDataBase db(File());
  db.Load(messages);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0], "Chyba při čtení databázového souboru (" + File().string() + ").");
  EXPECT_TRUE(db.List(DbList::Products).empty());
}

TEST_F(DatabaseFile, ADamagedFileIsReportedAndKeepsWhatWasRead) {
  CDataBase db = Filled();
  ASSERT_TRUE(db.Save(messages));
  std::string bytes = FileBytes(File());
  ASSERT_TRUE(WriteFileReplacing(File(), bytes.substr(0, bytes.size() - 3)));

  CDataBase back(File());
  back.Load(messages);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].find(File().string()), std::string::npos);
  EXPECT_NE(messages.shown[0].find(ArchiveErrorText(ArchiveError::EndOfFile, Language::Czech)),
            std::string::npos);
  EXPECT_EQ(back.List(DbList::Products).size(), 1u);
  EXPECT_EQ(back.List(DbList::OuterFinishes).size(), 2u);
  EXPECT_TRUE(back.List(DbList::Liquids).empty());
}

TEST_F(DatabaseFile, ARecordOfAnotherClassInAListIsRefused) {
  CArchive out;
  ItemList<CVeske> liquids;
  liquids.push_back(std::make_unique<CVeske>());
  out.WriteList(liquids);  // where the products belong
  ASSERT_TRUE(WriteFileReplacing(File(), out.Data()));
  CDataBase db(File());
  db.Load(messages);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].find(ArchiveErrorText(ArchiveError::WrongClass, Language::Czech)),
            std::string::npos);
  EXPECT_TRUE(db.List(DbList::Products).empty());
}

TEST_F(DatabaseFile, AFailedSaveReportsAndLeavesTheOldFile) {
  CDataBase db = Filled();
  ASSERT_TRUE(db.Save(messages));
  const std::string before = FileBytes(File());
  Add(db, DbList::Liquids, "Glykol");
  {
    testing::WithoutPermissionOverride asUser;
    std::filesystem::permissions(dir.path(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(db.Save(messages));
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
  }
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0], "Chyba při zápisu databázového souboru (" + File().string() + ").");
  EXPECT_EQ(FileBytes(File()), before);
  EXPECT_EQ(db.List(DbList::Liquids).size(), 2u);  // the confirmed change stays in memory
}

TEST(DatabaseReferences, ResolveNamesAndAskForMissingOnes) {
  CDataBase db("unused");
  Add(db, DbList::Equipment, "Ventil");
  Add(db, DbList::Equipment, "Příruba");
  CArchive out;
  db.WriteReference(out, db.List(DbList::Equipment)[1].get());
  db.WriteReference(out, nullptr);
  out.Write(std::string("Čerpadlo"));
  out.Write(std::string("Voda"));

  ScriptedChooser chooser;
  chooser.answer = 1;
  CArchive in(out.Data(), ClassRegistry{});
  EXPECT_EQ(db.ReadReference(in, DbList::Equipment, chooser), db.List(DbList::Equipment)[1].get());
  EXPECT_EQ(db.ReadReference(in, DbList::Equipment, chooser), nullptr);
  EXPECT_TRUE(chooser.calls.empty());

  EXPECT_EQ(db.ReadReference(in, DbList::Equipment, chooser), db.List(DbList::Equipment)[1].get());
  ASSERT_EQ(chooser.calls.size(), 1u);
  EXPECT_EQ(chooser.calls[0].source, MissingEntrySource::StandardDatabase);
  EXPECT_EQ(
      chooser.calls[0].text,
      "Soubor, který otevíráte obsahuje odkaz na doplňkové vybavení (Čerpadlo). Tento doplněk není obsažen v "
      "databázi. Vyberte prosím jiný doplněk z níže uvedené databáze. ");
  EXPECT_EQ(chooser.calls[0].names, (std::vector<std::string>{"Ventil", "Příruba"}));

  // An empty list leaves nothing to choose from: the read ends rather than drop the name.
  chooser.answer = std::nullopt;
  try {
    db.ReadReference(in, DbList::Liquids, chooser);
    ADD_FAILURE() << "read on without a record";
  } catch (const ArchiveException& e) {
    EXPECT_EQ(e.error, ArchiveError::MissingRecord);
  }
  ASSERT_EQ(chooser.calls.size(), 2u);
  EXPECT_TRUE(chooser.calls[1].names.empty());
}

TEST(UserDatabase, StartsSilentlyWithoutItsFileAndCreatesItOnCommit) {
  TempDir dir;
  RecordingMessages messages;
  CEgendefDatabase db(dir / "egendef.dat");
  db.Load(messages);
  EXPECT_TRUE(messages.shown.empty());

  db.BeginEdit();
  auto product = std::make_unique<CEgendefIsoProdukt>();
  product->name = "Moje";
  db.Products().push_back(std::move(product));
  ASSERT_TRUE(db.CommitEdit(messages));
  ASSERT_TRUE(std::filesystem::exists(dir / "egendef.dat"));

  CEgendefDatabase back(dir / "egendef.dat");
  back.Load(messages);
  ASSERT_EQ(back.Products().size(), 1u);
  EXPECT_EQ(back.Products()[0]->name, "Moje");

  ScriptedChooser chooser;
  CArchive out;
  out.Write(std::string("Cizí"));
  CArchive in(out.Data(), ClassRegistry{});
  EXPECT_EQ(back.ReadReference(in, chooser), back.Products()[0].get());
  ASSERT_EQ(chooser.calls.size(), 1u);
  EXPECT_EQ(chooser.calls[0].source, MissingEntrySource::UserDatabase);
  EXPECT_EQ(chooser.calls[0].text, "Cizí");
}

class DatabaseEditing : public DatabaseFile {
 protected:
  void SetUp() override {
    db.Save(messages);
    SetReference(user, user.surface, &Surface(db, 1));
  }
  CDataBase db = Filled();
  User user;
};

TEST_F(DatabaseEditing, ConfirmedChangesRepointEveryUserAndAreSaved) {
  db.BeginEdit();
  EXPECT_NE(&Surface(db, 1), user.surface);  // the dialog sees copies
  Surface(db, 1).name = "Pozink matný";
  Surface(db, 1).emissivity = 0.44f;
  ASSERT_TRUE(db.CommitEdit(static_cast<int>(DbList::OuterFinishes), messages));

  EXPECT_EQ(user.surface, &Surface(db, 1));
  EXPECT_EQ(user.surface->emissivity, 0.44f);
  EXPECT_EQ(Surface(db, 1).Users(), std::vector<CItem*>{&user});
  EXPECT_EQ(db.lastCategory, 3);
  // A document saved now stores the new name.
  CArchive out;
  db.WriteReference(out, user.surface);
  EXPECT_EQ(out.Data(), "\x0CPozink matn\xFD");  // Windows-1250
  CDataBase back(File());
  back.Load(messages);
  EXPECT_EQ(Surface(back, 1).name, "Pozink matný");
}

TEST_F(DatabaseEditing, CancelLeavesListsUsersAndFileUntouched) {
  const std::string before = FileBytes(File());
  CMantling* stored = &Surface(db, 1);
  db.BeginEdit();
  Surface(db, 1).emissivity = 0.1f;
  ASSERT_TRUE(RemoveIfUnused(db.List(DbList::OuterFinishes), 0));
  db.CancelEdit();
  EXPECT_EQ(db.List(DbList::OuterFinishes).size(), 2u);
  EXPECT_EQ(&Surface(db, 1), stored);
  EXPECT_EQ(user.surface, stored);
  EXPECT_EQ(stored->emissivity, 0.94f);
  EXPECT_EQ(FileBytes(File()), before);
}

TEST_F(DatabaseEditing, ARecordInUseCannotBeDeleted) {
  db.BeginEdit();
  EXPECT_FALSE(RemoveIfUnused(db.List(DbList::OuterFinishes), 1));
  EXPECT_TRUE(RemoveIfUnused(db.List(DbList::OuterFinishes), 0));
  ASSERT_TRUE(db.CommitEdit(0, messages));
  ASSERT_EQ(db.List(DbList::OuterFinishes).size(), 1u);
  EXPECT_EQ(user.surface, &Surface(db, 0));
}

}  // namespace
}  // namespace kelvora
