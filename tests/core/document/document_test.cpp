#include "core/document/document.h"

#include <gtest/gtest.h>

#include "core/framework/archive.h"
#include "core/framework/editors.h"
#include "core/framework/settingskeys.h"
#include "core/modules/economics/okonomimodul.h"
#include "core/modules/heatloss/varmetapmodul.h"
#include "core/modules/run/kanaltempmodul.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::FileBytes;
using testing::ModuleOf;
using testing::TestDocument;

struct HintRecorder : DocumentObserver {
  void DocumentChanged(std::uint32_t hint) override { hints.push_back(hint); }
  std::vector<std::uint32_t> hints;
};

std::string Bytes(CProject& project) {
  CArchive out;
  project.Serialize(out);
  return out.Data();
}

TEST(Project, WritesTheVersionMarkerBeforeRemarkAndPlant) {
  CProject project;
  project.calculatedBy = "Ing. Nová";
  project.projectName = "Kotelna";
  project.reference = "R1";
  project.remark = "pozn.";
  project.plantName = "K2";
  const std::string bytes = Bytes(project);
  EXPECT_EQ(bytes, std::string("\x09Ing. Nov\xE1") + "\x07Kotelna" + "\x02R1" + "\x0Cverison 2.03" +
                       "\x05pozn." + "\x02K2");
  CProject back;
  CArchive in(bytes, ClassRegistry{});
  back.Serialize(in);
  EXPECT_EQ(back.plantName, "K2");
  EXPECT_EQ(back.remark, "pozn.");
}

TEST(Project, AnOlderFileHasNoPlantName) {
  CProject project;
  project.plantName = "kept";
  CArchive in(std::string("\x01"
                          "a"
                          "\x01"
                          "b"
                          "\x01"
                          "c"
                          "\x06"
                          "remark"),
              ClassRegistry{});
  project.Serialize(in);
  EXPECT_EQ(project.reference, "c");
  EXPECT_EQ(project.remark, "remark");
  EXPECT_EQ(project.plantName, "kept");
  EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Document, ReadsTheReferenceDataInOrderReportingWhatIsMissing) {
  testing::RecordingMessages messages;
  testing::ScriptedChooser chooser;
  testing::MemorySettings settings;
  testing::FakeLocale locale;
  testing::TempDir dir;
  CQorDoc doc(DocumentServices{messages, chooser, settings, locale, dir.path()});
  // The user database is silent when missing; the working directory holds none of them.
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[0], "Chyba při čtení databázového souboru (kelvora.dat).");
  EXPECT_EQ(messages.shown[1], "Chyba při čtení souboru (kelvora.cli) obsahujícího klimatická data.");
  EXPECT_EQ(messages.shown[2], "Chyba při čtení souboru (kelvora.cst) obsahujícího cenu izolace.");
  EXPECT_EQ(doc.currentModule, 0);
  EXPECT_FALSE(doc.English());
}

TEST(Document, SavesAndOpensItsFileByteForByte) {
  TestDocument doc;
  doc->project.projectName = "Výměníková stanice";
  doc->currentModule = 6;
  doc->englishResults = 1;
  const auto file = doc.dir / "a.vtp";
  ASSERT_TRUE(doc->Save(file));
  const std::string saved = FileBytes(file);
  // The last six bytes: WORD current module, int32 English results.
  EXPECT_EQ(saved.substr(saved.size() - 6), std::string("\x06\x00\x01\x00\x00\x00", 6));

  TestDocument other;
  HintRecorder view;
  other->AddObserver(view);
  ASSERT_TRUE(other->Open(file));
  EXPECT_EQ(other->project.projectName, "Výměníková stanice");
  EXPECT_EQ(other->currentModule, 6);
  EXPECT_TRUE(other->English());
  EXPECT_FALSE(other->IsModified());
  EXPECT_EQ(view.hints, std::vector<std::uint32_t>{kLayoutChangedHint});
  ASSERT_TRUE(other->Save(doc.dir / "b.vtp"));
  EXPECT_EQ(FileBytes(doc.dir / "b.vtp"), saved);
}

// A folder or a device chosen as a document is told by name; the open document stays.
TEST(Document, OpeningWhatIsNoFileKeepsTheOpenDocument) {
  TestDocument doc;
  doc->project.projectName = "Výměníková stanice";
  std::filesystem::create_directory(doc.dir / "folder.vtp");
  for (const std::filesystem::path& path : {doc.dir / "folder.vtp", std::filesystem::path("/dev/zero")}) {
    SCOPED_TRACE(path.string());
    doc.messages.shown.clear();
    EXPECT_FALSE(doc->Open(path));
    EXPECT_EQ(doc->project.projectName, "Výměníková stanice");
    ASSERT_EQ(doc.messages.shown.size(), 1u);
    EXPECT_NE(doc.messages.shown[0].find(path.string()), std::string::npos) << doc.messages.shown[0];
  }
}

// The currency of each module that names costs.
std::vector<std::string> Currencies(CQorDoc& doc) {
  return {ModuleOf<CVarmeTapModul>(doc, ModuleIndex::HeatLoss).currency,
          ModuleOf<CKanalTempModul>(doc, ModuleIndex::PipeRun).currency,
          ModuleOf<COkonomiModul>(doc, ModuleIndex::Economics).currency};
}

TEST(Document, ANewDocumentTakesTheCurrencyOfTheSystemLocale) {
  struct Case {
    const char* symbol;
    const char* code;
    const char* currency;
  };
  const Case cases[] = {
      {"Kč", "CZK", "Kč"},
      {"$", "USD", "$"},
      {"€", "EUR", "€"},
      {"zł", "PLN", "zł"},
      // Windows-1250, which the document file is written in, has no "£" and no Cyrillic.
      {"£", "GBP", "GBP"},
      {"лв.", "BGN", "BGN"},
      // The currency fields hold three characters.
      {"Kčs.", "", "EUR"},
      // A locale that names no currency (C, POSIX).
      {"", "", "EUR"},
  };
  TestDocument doc;
  for (const Case& c : cases) {
    doc.locale.symbol = c.symbol;
    doc.locale.code = c.code;
    doc->New();
    EXPECT_EQ(Currencies(*doc), std::vector<std::string>(3, c.currency)) << c.symbol;
  }
}

TEST(Document, AnOpenedDocumentKeepsItsCurrencyAndAStoredSettingOutranksTheLocale) {
  TestDocument doc;
  ASSERT_TRUE(doc->Save(doc.dir / "czech.vtp"));
  doc.locale.symbol = "$";
  doc.locale.code = "USD";
  ASSERT_TRUE(doc->Open(doc.dir / "czech.vtp"));
  EXPECT_EQ(Currencies(*doc), std::vector<std::string>(3, "Kč"));

  doc.settings.SetString(settings::kCurrency.section, settings::kCurrency.key, "CHF");
  doc->New();
  EXPECT_EQ(Currencies(*doc), std::vector<std::string>(3, "CHF"));
}

TEST(Document, KeepsTheCleanAbsolutePathOfItsFile) {
  TestDocument doc;
  std::filesystem::create_directory(doc.dir / "sub");
  const auto clean = doc.dir / "a.vtp";
  ASSERT_TRUE(doc->Save(doc.dir / "sub" / ".." / "." / "a.vtp"));
  EXPECT_EQ(doc->pathName, clean);
  ASSERT_TRUE(doc->Open(doc.dir / "sub" / ".." / "a.vtp"));
  EXPECT_EQ(doc->pathName, clean);
}

TEST(Document, ADamagedFileIsReportedWithItsName) {
  TestDocument doc;
  const auto file = doc.dir / "damaged.vtp";
  ASSERT_TRUE(WriteFileReplacing(file,
                                 "\x05"
                                 "ab"));
  doc.messages.shown.clear();
  EXPECT_FALSE(doc->Open(file));
  ASSERT_EQ(doc.messages.shown.size(), 1u);
  EXPECT_NE(doc.messages.shown[0].find("Chyba při čtení dokumentu (" + file.string() + ")."),
            std::string::npos);
  EXPECT_FALSE(doc->Open(doc.dir / "none.vtp"));
}

TEST(Document, AFailedOpenLeavesTheOpenDocumentAsItWas) {
  TestDocument doc;
  doc->project.projectName = "Otevřený";
  doc->currentModule = 2;
  const auto before = doc.dir / "before.vtp";
  ASSERT_TRUE(doc->Save(before));

  TestDocument other;
  other->project.projectName = "Jiný";
  const auto file = doc.dir / "other.vtp";
  ASSERT_TRUE(other->Save(file));
  std::string damaged = FileBytes(file);
  damaged.resize(damaged.size() - 3);
  ASSERT_TRUE(WriteFileReplacing(file, damaged));

  EXPECT_FALSE(doc->Open(file));
  ASSERT_TRUE(doc->Save(doc.dir / "after.vtp"));
  EXPECT_EQ(FileBytes(doc.dir / "after.vtp"), FileBytes(before));
}

TEST(Document, AMissingRecordWithoutAChoiceEndsTheRead) {
  TestDocument doc;
  const auto file = doc.dir / "a.vtp";
  ASSERT_TRUE(doc->Save(file));
  std::string bytes = FileBytes(file);
  // Rename the first stored reference to a record the database lacks.
  const std::string null = std::string(1, 25) + "Standard_database_element";
  const auto at = bytes.find(null);
  ASSERT_NE(at, std::string::npos);
  bytes.replace(at, null.size(), std::string(1, 4) + "Nic!");
  ASSERT_TRUE(WriteFileReplacing(file, bytes));

  doc.chooser.answer = std::nullopt;
  doc.messages.shown.clear();
  EXPECT_FALSE(doc->Open(file));
  ASSERT_EQ(doc.chooser.calls.size(), 1u);
  EXPECT_NE(doc.chooser.calls[0].text.find("(Nic!)"), std::string::npos);
  ASSERT_EQ(doc.messages.shown.size(), 1u);
  EXPECT_NE(doc.messages.shown[0].find(ArchiveErrorText(ArchiveError::MissingRecord, Language::Czech)),
            std::string::npos);

  doc.chooser.answer = 0;
  EXPECT_TRUE(doc->Open(file));
  EXPECT_EQ(doc.chooser.calls.size(), 2u);
}

TEST(Document, AStoredCurrentModuleOutOfRangeIsKeptInRange) {
  TestDocument doc;
  const auto file = doc.dir / "a.vtp";
  ASSERT_TRUE(doc->Save(file));
  std::string bytes = FileBytes(file);
  bytes[bytes.size() - 6] = 9;
  ASSERT_TRUE(WriteFileReplacing(file, bytes));
  ASSERT_TRUE(doc->Open(file));
  EXPECT_EQ(doc->currentModule, kModuleCount - 1);
}

TEST(Document, CommandsRefreshWithTheirHints) {
  TestDocument doc;
  HintRecorder view;
  doc->AddObserver(view);
  doc->ChooseModule(3);
  doc->ToggleEnglishResults();
  EXPECT_EQ(doc->currentModule, 3);
  EXPECT_TRUE(doc->English());
  EXPECT_TRUE(doc->IsModified());

  int projectEdits = 0;
  Editors().Register<CProject>([&](CProject& project) {
    ++projectEdits;
    project.remark = "edited";
    return projectEdits == 1 ? 1 : 0;
  });
  doc->EditProject();  // confirmed
  doc->EditProject();  // cancelled: no refresh
  Editors().Unregister<CProject>();
  EXPECT_EQ(doc->project.remark, "edited");
  EXPECT_EQ(view.hints, (std::vector<std::uint32_t>{kLayoutChangedHint, kLayoutChangedHint, 0}));

  doc->project.projectName = "x";
  doc->New();
  EXPECT_EQ(doc->project.projectName, "");
  EXPECT_EQ(doc->currentModule, 0);
  EXPECT_FALSE(doc->English());
  EXPECT_FALSE(doc->IsModified());
  doc->RemoveObserver(view);
}

}  // namespace
}  // namespace kelvora
