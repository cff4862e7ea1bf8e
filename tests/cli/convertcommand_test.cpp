#include "cli/convertcommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/clirun.h"
#include "core/framework/settingskeys.h"
#include "core/modules/run/kanaltempmodul.h"
#include "support/testdocument.h"

namespace kelvora::cli {
namespace {

namespace fs = std::filesystem;
using testing::FileBytes;

// Replaces the one stored string `from` (a record's name) by `to`, both as the file
// spells them.
std::string Renamed(std::string bytes, const std::string& from, const std::string& to) {
  const std::string stored = static_cast<char>(from.size()) + from;
  const auto at = bytes.find(stored);
  EXPECT_NE(at, std::string::npos) << from;
  EXPECT_EQ(bytes.find(stored, at + 1), std::string::npos) << from << " is stored twice";
  if (at != std::string::npos) bytes.replace(at, stored.size(), static_cast<char>(to.size()) + to);
  return bytes;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// A document over the small database that names records of both databases: a pipe run
// of water with one insulated section, a project with Czech text, the run shown in English.
class ConvertTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto mine = std::make_unique<CEgendefIsoProdukt>();
    mine->name = "Moje";
    CEgendefIsoProdukt* userProduct = mine.get();
    doc->userDatabase.Products().push_back(std::move(mine));
    ASSERT_TRUE(doc->userDatabase.Save(doc.messages));

    auto& run = dynamic_cast<CKanalTempModul&>(doc->Module(ModuleIndex::PipeRun));
    run.SetLiquid(Record<CVeske>(DbList::Liquids));
    auto section = std::make_unique<CSegment>(CSegment::kPipe, 1);
    section->layer1.Set(0, Record<CIsoProdukt>(DbList::Products), 60, userProduct, 50);
    section->SetSurface(Record<CMantling>(DbList::OuterFinishes));
    run.sections.push_back(std::move(section));
    doc->project.calculatedBy = "Ing. Nová";
    doc->project.projectName = "Výměníková stanice";
    doc->project.reference = "R-12";
    doc->project.remark = "pozn.";
    doc->currentModule = static_cast<int>(ModuleIndex::PipeRun);
    doc->englishResults = 1;
    ASSERT_TRUE(doc->Save(in));
    bytes = FileBytes(in);
    ASSERT_TRUE(WriteFileReplacing(out, "previous"));
  }

  template <class T>
  T* Record(DbList list) {
    return dynamic_cast<T*>(doc->database.List(list).front().get());
  }

  // convert IN OUT over the small database's files, then `options` (later ones win).
  CliResult Convert(const fs::path& from, const fs::path& to, const QStringList& options = {},
                    CliEnvironment environment = {}) {
    if (environment.configHome.empty()) environment.configHome = config.path();
    QStringList arguments{"convert", Arg(from), Arg(to)};
    arguments << DataOptions() << options;
    return RunCli(arguments, environment);
  }

  QStringList DataOptions() const {
    return {"--database", Arg(doc.dir / "kelvora.dat"), "--user-database", Arg(doc.dir / "egendef.dat"),
            "--climate",  Arg(doc.dir / "kelvora.cli"), "--costs",         Arg(doc.dir / "kelvora.cst")};
  }

  testing::TestDocument doc;  // the small database, climate and costs are in doc.dir
  testing::TempDir config;    // the tool's XDG_CONFIG_HOME, empty unless a test writes one
  fs::path in = doc.dir / "in.vtp";
  fs::path out = doc.dir / "out.vtp";
  std::string bytes;
};

TEST_F(ConvertTest, ACurrentDocumentComesOutByteForByte) {
  const CliResult run = Convert(in, out);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out + run.err, "");
  EXPECT_EQ(FileBytes(out), bytes);

  // In place too: the document is read whole before it is written.
  ASSERT_EQ(Convert(in, in).exitCode, 0);
  EXPECT_EQ(FileBytes(in), bytes);
}

TEST_F(ConvertTest, AnOlderProjectRecordGainsItsVersionMarker) {
  // Before the marker the record ended with the remark and had no plant name.
  const std::string current = std::string("\x0Cverison 2.03") + "\x05pozn." + std::string(1, '\0');
  const std::string older = "\x05pozn.";
  const auto at = bytes.find(current);
  ASSERT_NE(at, std::string::npos);
  std::string old = bytes;
  old.replace(at, current.size(), older);
  ASSERT_TRUE(WriteFileReplacing(in, old));

  const CliResult run = Convert(in, out);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(FileBytes(out), bytes);
}

TEST_F(ConvertTest, ADocumentThatNamesNoRecordsNeedsNoReferenceData) {
  testing::TestDocument plain;
  plain->project.projectName = "Bez odkazů";
  ASSERT_TRUE(plain->Save(in));
  const std::string plainBytes = FileBytes(in);
  const fs::path none = doc.dir / "none";

  const CliResult run =
      Convert(in, out,
              {"--database", Arg(none / "kelvora.dat"), "--user-database", Arg(none / "egendef.dat"),
               "--climate", Arg(none / "kelvora.cli"), "--costs", Arg(none / "kelvora.cst")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(FileBytes(out), plainBytes);
  // Still worth saying; a missing user database is normal and goes unmentioned.
  const std::string expected =
      "kelvora-cli: Chyba při čtení databázového souboru ({n}/kelvora.dat).\n"
      "kelvora-cli: Chyba při čtení souboru ({n}/kelvora.cli) obsahujícího "
      "klimatická data.\n"
      "kelvora-cli: Chyba při čtení souboru ({n}/kelvora.cst) obsahujícího cenu "
      "izolace.\n";
  EXPECT_EQ(run.err, Replaced(expected, "{n}", none.string()));
}

// A failed conversion: the input made from the fixture's document (none: no such file),
// the options, the code and what stderr must say. In `options` and `says`, "{t}" stands
// for the fixture's folder, "{in}" and "{out}" for the two files.
struct Failure {
  const char* name;
  std::string (*input)(const std::string& document);
  QStringList options;
  int exitCode;
  std::vector<std::string> says;
  const char* output = "out.vtp";  // in {t}
  bool outputFolderReadOnly = false;
};
void PrintTo(const Failure& c, std::ostream* os) { *os << c.name; }

class ConvertFailure : public ConvertTest, public ::testing::WithParamInterface<Failure> {};

TEST_P(ConvertFailure, ExitsWithItsCodeSayingWhyAndLeavesTheOutputAlone) {
  const Failure& c = GetParam();
  out = doc.dir / c.output;
  if (c.outputFolderReadOnly) fs::create_directories(out.parent_path());
  const bool outputFolderExists = fs::is_directory(out.parent_path());
  if (outputFolderExists) {
    ASSERT_TRUE(WriteFileReplacing(out, "previous"));
  }
  if (c.outputFolderReadOnly)
    fs::permissions(out.parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
  fs::path from = in;
  if (c.input) {
    ASSERT_TRUE(WriteFileReplacing(in, c.input(bytes)));
  } else {
    from = doc.dir / "none.vtp";
  }
  const auto expand = [&](QString text) {
    return text.replace("{t}", Arg(doc.dir.path())).replace("{in}", Arg(from)).replace("{out}", Arg(out));
  };
  QStringList options;
  for (const QString& option : c.options) options << expand(option);

  const CliResult run = Convert(from, out, options, {.permissionsBind = true});
  if (c.outputFolderReadOnly) fs::permissions(out.parent_path(), fs::perms::owner_all);

  EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
  EXPECT_EQ(run.out, "");
  for (const std::string& said : c.says) {
    EXPECT_NE(run.err.find(expand(QString::fromStdString(said)).toStdString()), std::string::npos)
        << "expected: " << said << "\nstderr: " << run.err;
  }
  if (outputFolderExists) {
    EXPECT_EQ(FileBytes(out), "previous");
  } else {
    EXPECT_FALSE(fs::exists(out));
  }
}

std::string Unchanged(const std::string& document) { return document; }

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertFailure,
    ::testing::Values(
        Failure{"RecordTheDatabaseLacks",
                [](const std::string& d) { return Renamed(d, "Voda", "Rosol"); },
                {},
                kUnreadableDocument,
                {"kelvora-cli: Soubor, který otevíráte obsahuje odkaz na kapalinu (Rosol).",
                 "kelvora-cli: Chyba při čtení dokumentu ({in}).\nSoubor odkazuje na záznam, který databáze "
                 "neobsahuje"}},
        Failure{"ProductTheUserDatabaseLacks",
                // The file spells names in Windows-1250; stderr in UTF-8.
                [](const std::string& d) { return Renamed(d, "Moje", "Ciz\xED"); },
                {},
                kUnreadableDocument,
                {"kelvora-cli: the user database holds no product \"Cizí\"", "({in})"}},
        // The desktop program would drop these references; a conversion must not.
        Failure{
            "DatabaseFileMissing",
            Unchanged,
            {"--database", "{t}/none.dat"},
            kUnreadableDocument,
            {"Chyba při čtení databázového souboru ({t}/none.dat).", "odkaz na produkt (Vata)", "({in})"}},
        Failure{"UserDatabaseFileMissing",
                Unchanged,
                {"--user-database", "{t}/none.dat"},
                kUnreadableDocument,
                {"the user database holds no product \"Moje\"", "({in})"}},
        Failure{"Truncated",
                [](const std::string& d) { return d.substr(0, d.size() - 3); },
                {},
                kUnreadableDocument,
                {"kelvora-cli: Chyba při čtení dokumentu ({in}).\nSoubor končí dříve"}},
        Failure{
            "Empty", [](const std::string&) { return std::string(); }, {}, kUnreadableDocument, {"({in})"}},
        Failure{"InputMissing", nullptr, {}, kUnreadableDocument, {"kelvora-cli: {in}: no such file\n"}},
        Failure{"OutputFolderMissing",
                Unchanged,
                {},
                kUnwritableOutput,
                {"kelvora-cli: Chyba při zápisu dokumentu ({out})."},
                "no/out.vtp"},
        Failure{"OutputFolderReadOnly",
                Unchanged,
                {},
                kUnwritableOutput,
                {"kelvora-cli: Chyba při zápisu dokumentu ({out})."},
                "locked/out.vtp",
                true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConvertTest, UsageErrorsExitOneAndWriteNothing) {
  for (const QStringList& arguments : {QStringList{"convert"}, QStringList{"convert", Arg(in)},
                                       QStringList{"convert", Arg(in), Arg(out), Arg(out)},
                                       QStringList{"convert", Arg(in), Arg(out), "--no-such-option"},
                                       QStringList{"convert", Arg(in), Arg(out), "--database"}}) {
    const CliResult run = RunCli(arguments, {.configHome = config.path()});
    EXPECT_EQ(run.exitCode, kUsageError) << arguments.join(' ').toStdString();
    EXPECT_NE(run.err, "") << arguments.join(' ').toStdString();
    EXPECT_EQ(FileBytes(out), "previous");
  }
}

TEST_F(ConvertTest, DataFilesComeFromTheDesktopProgramsSettings) {
  const fs::path ini = config / "Mirelta" / "Kelvora®.ini";
  WriteSettings(config.path(), {{settings::kDatabaseFile, doc.dir / "kelvora.dat"},
                                {settings::kUserDatabaseFile, doc.dir / "egendef.dat"},
                                {settings::kClimateFile, doc.dir / "kelvora.cli"},
                                {settings::kCostFile, doc.dir / "kelvora.cst"}});
  const std::string stored = FileBytes(ini);
  const CliResult run = RunCli({"convert", Arg(in), Arg(out)}, {.configHome = config.path()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(FileBytes(out), bytes);

  // An option wins over the settings and is not stored in them.
  WriteSettings(config.path(), {{settings::kDatabaseFile, doc.dir / "none.dat"}});
  const std::string misleading = FileBytes(ini);
  const CliResult overridden =
      RunCli({"convert", Arg(in), Arg(out), "--database", Arg(doc.dir / "kelvora.dat")},
             {.configHome = config.path()});
  ASSERT_EQ(overridden.exitCode, 0) << overridden.err;
  EXPECT_EQ(overridden.err, "");
  EXPECT_EQ(FileBytes(ini), misleading);
  EXPECT_NE(misleading, stored);
}

TEST_F(ConvertTest, OptionsLeaveNoSettingsFileBehind) {
  ASSERT_EQ(Convert(in, out).exitCode, 0);
  EXPECT_TRUE(fs::is_empty(config.path()));
}

TEST_F(ConvertTest, UnsetDataFilesAreTheShippedOnesBesideTheProgram) {
  testing::TestDocument plain;
  ASSERT_TRUE(plain->Save(in));
  const testing::TempDir elsewhere;
  const CliResult run =
      RunCli({"convert", Arg(in), Arg(out)}, {.configHome = config.path(), .workingDir = elsewhere.path()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "") << "a data file beside the program was not found";
  EXPECT_EQ(FileBytes(out), FileBytes(in));
}

}  // namespace
}  // namespace kelvora::cli
