#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>

#include "cli/clirun.h"
#include "core/framework/fileio.h"
#include "core/modules/tank/tanktempmodul.h"
#include "support/golden.h"
#include "support/tempdir.h"
#include "support/testdocument.h"
#include "support/testpaths.h"

namespace kelvora::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kExample = kelvora::testing::SourceDir() / "examples" / "heatloss-pipe.vtp";

std::string Tool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(60000);
  return process.readAllStandardOutput().toStdString();
}

// The shipped reference data beside the tool, and no settings of the machine.
class ReportTest : public ::testing::Test {
 protected:
  CliResult Report(const QStringList& options) {
    QStringList arguments{"report"};
    arguments << options;
    return RunCli(arguments, {config.path(), dir.path()});
  }

  testing::TempDir config;
  testing::TempDir dir;
};

TEST_F(ReportTest, TextIsTheCopyTextOfEveryTableAndTextInBothLanguages) {
  const CliResult czech = Report({Arg(kExample)});
  ASSERT_EQ(czech.exitCode, 0) << czech.err;
  EXPECT_EQ(czech.err, "");
  for (const char* row :
       {"Výpočet tepelné ztráty\n", "Povrchová teplota izolace", "\t35,2 °C\n", "=> VYHOVUJE požadavku",
        "Minerální vata - izolační pouzdra 100 kg/m3", "Neizolované potrubní závěsy\tAno\n"}) {
    EXPECT_NE(czech.out.find(row), std::string::npos) << row;
  }
  // One empty line between items: results, verdict, note, input.
  EXPECT_NE(czech.out.find("kg/rok\n\nU = 0.25"), std::string::npos);

  const CliResult english = Report({Arg(kExample), "--english", "--module", "0"});
  ASSERT_EQ(english.exitCode, 0) << english.err;
  EXPECT_NE(english.out.find("Surface temperature"), std::string::npos);
  EXPECT_TRUE(std::regex_search(english.out, std::regex("\nUninsulated pipe hangers *\tYes\n")));
}

// The program's messages speak the language the desktop program speaks: the one chosen, else
// the locale's; --english asks for English messages with the English report.
TEST_F(ReportTest, MessagesSpeakTheUsersLanguage) {
  const fs::path truncated = dir.path() / "truncated.vtp";
  const std::string bytes = testing::FileBytes(kExample);
  ASSERT_TRUE(WriteFileReplacing(truncated, bytes.substr(0, bytes.size() - 3)));
  const std::string czech = "Chyba při čtení dokumentu";
  const std::string english = "Error reading the document";
  struct Case {
    const char* stored;
    const char* locale;
    bool englishOption;
    const std::string& expected;
  };
  for (const Case& c : {Case{"", "cs_CZ.UTF-8", false, czech}, Case{"", "C.UTF-8", false, english},
                        Case{"cs", "C.UTF-8", false, czech}, Case{"en", "cs_CZ.UTF-8", false, english},
                        Case{"cs", "cs_CZ.UTF-8", true, english}}) {
    QSettings(Arg(config.path() / "Mirelta" / "Kelvora®.ini"), QSettings::IniFormat)
        .setValue("Settings/LANGUAGE", QString::fromLatin1(c.stored));
    QStringList arguments{"report", Arg(truncated)};
    if (c.englishOption) arguments << "--english";
    const CliResult run = RunCli(arguments, {.configHome = config.path(), .locale = c.locale});
    EXPECT_NE(run.err.find(c.expected), std::string::npos) << c.stored << " " << c.locale << ": " << run.err;
  }
}

// Stored as calculated: reading them calculates the runs, tanks, the frost pipe and the lined
// duct again.
// The examples are entered through the program's dialogs by their end-to-end tests.
TEST_F(ReportTest, TheModuleExamplesAreCalculatedOnReadingAndReportedInBothLanguages) {
  const std::pair<const char*, const char*> examples[] = {
      {"pipe-run", "1"},      {"duct-run", "1"},           {"tank-hot-water", "2"},
      {"tank-freezing", "2"}, {"chilled-water-pipe", "3"}, {"humid-exhaust-duct", "4"},
      {"frost-pipe", "5"},    {"sound-duct", "6"},         {"economics-pipe", "7"}};
  for (const auto& [example, module] : examples) {
    for (const bool english : {false, true}) {
      QStringList options{Arg(kelvora::testing::SourceDir() / "examples" / (std::string(example) + ".vtp")),
                          "--module", module};
      if (english) options << "--english";
      const CliResult run = Report(options);
      ASSERT_EQ(run.exitCode, 0) << example << run.err;
      EXPECT_EQ(run.err.find("nan"), std::string::npos) << run.err;
      // The program's own messages only (the freezing tank warns), none of the platform's.
      std::istringstream lines(run.err);
      for (std::string line; std::getline(lines, line);)
        EXPECT_TRUE(line.starts_with("kelvora-cli: ")) << example << ": " << line;
      testing::ExpectGolden(std::string(example) + (english ? ".en.txt" : ".cz.txt"), run.out);
    }
  }
}

// A cooling box over the small test database, stored as calculated: reading calculates it
// again, results, curve and input in both languages.
TEST_F(ReportTest, ATankIsCalculatedOnReadingAndReportedInBothLanguages) {
  testing::TestDocument doc;
  auto& tank = dynamic_cast<CTankTempModul&>(doc->Module(ModuleIndex::Tank));
  tank.insulation.Set(0, &dynamic_cast<CIsoProdukt&>(*doc->database.List(DbList::Products).front()), 80,
                      nullptr, 80);
  tank.SetSurface(&dynamic_cast<CMantling&>(*doc->database.List(DbList::OuterFinishes).front()));
  tank.userDefinedLiquid = 1;
  tank.calculated = 1;
  const fs::path file = dir.path() / "tank.vtp";
  ASSERT_TRUE(doc->Save(file));
  WriteSettings(config.path(), {{settings::kDatabaseFile, doc.dir / "kelvora.dat"},
                                {settings::kUserDatabaseFile, doc.dir / "egendef.dat"},
                                {settings::kClimateFile, doc.dir / "kelvora.cli"},
                                {settings::kCostFile, doc.dir / "kelvora.cst"}});
  for (const bool english : {false, true}) {
    QStringList options{Arg(file), "--module", "2"};
    if (english) options << "--english";
    const CliResult run = Report(options);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    testing::ExpectGolden(std::string("tank") + (english ? ".en.txt" : ".cz.txt"), run.out);
  }
}

// What the calculation says goes to stderr as for text, and into the report; the numbers are
// numbers under the Czech locale the runs have.
TEST_F(ReportTest, JsonCarriesTheMessagesTheCalculationRaised) {
  const fs::path tank = kelvora::testing::SourceDir() / "examples" / "tank-freezing.vtp";
  struct Case {
    bool english;
    const char* message;
  };
  for (const Case& c :
       {Case{false, "Bod tuhnutí média dosažen před koncem doby ochlazování!"},
        Case{true, "The freezing point of the medium is reached before the end of the storage time!"}}) {
    QStringList options{Arg(tank), "--format", "json"};
    if (c.english) options << "--english";
    const CliResult run = Report(options);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, std::string("kelvora-cli: ") + c.message + "\n");
    QJsonParseError error;
    const QJsonObject report = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out;
    EXPECT_EQ(report["messages"].toArray(), QJsonArray{QString::fromUtf8(c.message)});
    const QJsonObject firstResult = report["items"][0]["rows"][0]["cells"][0].toObject();
    EXPECT_EQ(firstResult["value"].toDouble(-1), 0.0) << run.out;
    EXPECT_EQ(firstResult["unit"].toString(), QStringLiteral("°C"));
  }
}

TEST_F(ReportTest, TextGoesToTheOutputFileWhenGiven) {
  const fs::path out = dir.path() / "report.txt";
  const CliResult run = Report({Arg(kExample), "--output", Arg(out)});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(testing::FileBytes(out), Report({Arg(kExample)}).out);
}

// The pages as printed on A4: the results, verdict and input on the first, the clearances
// and both graphs on the second; the header and footer on both.
TEST_F(ReportTest, PdfHasThePrintedPages) {
  const fs::path pdf = dir.path() / "report.pdf";
  const CliResult run = Report({Arg(kExample), "--format", "pdf", "--output", Arg(pdf)});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(Tool("pdfinfo", {Arg(pdf)}).find("Pages:           2\n"), std::string::npos);
  const std::string text = Tool("pdftotext", {"-layout", Arg(pdf), "-"});
  for (const char* expected :
       {"Výpočet tepelných ztrát", "Projekt: Výměníková stanice Jih", "Povrchová teplota izolace", "VYHOVUJE",
        "Vstupní hodnoty", "Doporučené odstupové vzdálenosti", "Tepelná ztráta podle tloušťky izolace",
        "Povrchová teplota podle tloušťky izolace", "Strana 1/2", "Strana 2/2"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
}

// However the document is named on the command line, the header names it by its clean
// absolute path.
TEST_F(ReportTest, TheHeaderNamesTheDocumentByItsCleanAbsolutePath) {
  fs::create_directory(dir.path() / "sub");
  fs::copy_file(kExample, dir.path() / "pipe.vtp");
  const fs::path pdf = dir.path() / "report.pdf";
  const CliResult run = Report({"sub/../pipe.vtp", "--format", "pdf", "--output", Arg(pdf)});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string text = Tool("pdftotext", {"-layout", Arg(pdf), "-"});
  EXPECT_NE(text.find("Název souboru: " + (dir.path() / "pipe.vtp").string() + "\n"), std::string::npos)
      << text;
}

struct FailureCase {
  const char* name;
  QStringList options;  // after the document
  int exitCode;
  const char* says;
};

class ReportFailure : public ReportTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ReportFailure, ExitsWithItsCodeAndSaysWhy) {
  const FailureCase& c = GetParam();
  QStringList options{Arg(kExample)};
  if (std::string(c.name) == "MissingDocument") options = {Arg(dir.path() / "none.vtp")};
  options << c.options;
  const CliResult run = Report(options);
  EXPECT_EQ(run.exitCode, c.exitCode);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportFailure,
    ::testing::Values(
        FailureCase{"MissingDocument", {}, 2, "no such file"},
        FailureCase{"ModuleNotCalculated", {"--module", "3"}, 1, "not calculated"},
        FailureCase{"JsonOfAModuleNotCalculated", {"--format", "json", "--module", "3"}, 1, "not calculated"},
        FailureCase{"ModuleOutOfRange", {"--module", "8"}, 2, "0-7"},
        FailureCase{"UnknownFormat", {"--format", "html"}, 2, "text, pdf or json"},
        FailureCase{"PdfWithoutOutput", {"--format", "pdf"}, 2, "--output"},
        FailureCase{"UnknownOption", {"--colour"}, 2, "colour"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kelvora::cli
