#include "cli/dbcommand.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <string>

#include "cli/clirun.h"
#include "core/database/database.h"
#include "core/framework/fileio.h"
#include "core/framework/platform.h"
#include "support/testpaths.h"

namespace kelvora::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kBinDir = kelvora::testing::BinDir();
const fs::path kFixtures = kelvora::testing::SourceDir() / "tests/cli/fixtures";

std::string FileBytes(const fs::path& path) { return ReadWholeFile(path).value_or("<unreadable>"); }

void WriteBytes(const fs::path& path, const std::string& bytes) {
  ASSERT_TRUE(WriteFileReplacing(path, bytes));
}

class TempFolder {
 public:
  TempFolder() { EXPECT_TRUE(dir.isValid()); }
  fs::path operator/(const char* name) const { return fs::path(dir.path().toStdString()) / name; }

 private:
  QTemporaryDir dir;
};

// dump, then build of the dump, gives the file back byte for byte; the dump of the
// rebuilt file is the same text.
void ExpectRoundTrip(const fs::path& binary, const char* kind) {
  TempFolder temp;
  const CliResult dump = RunCli({"db", "dump", Arg(binary)});
  ASSERT_EQ(dump.exitCode, 0) << dump.err;
  EXPECT_EQ(dump.err, "");
  EXPECT_NE(dump.out.find(std::string("\"file\": \"") + kind + "\""), std::string::npos)
      << dump.out.substr(0, 80);
  WriteBytes(temp / "dump.json", dump.out);

  const CliResult build = RunCli({"db", "build", Arg(temp / "dump.json"), Arg(temp / "rebuilt")});
  ASSERT_EQ(build.exitCode, 0) << build.err;
  EXPECT_EQ(build.out + build.err, "");
  EXPECT_EQ(FileBytes(temp / "rebuilt"), FileBytes(binary));
  EXPECT_EQ(RunCli({"db", "dump", Arg(temp / "rebuilt")}).out, dump.out);
}

struct ShippedFile {
  const char* binary;
  const char* kind;
};
void PrintTo(const ShippedFile& c, std::ostream* os) { *os << c.binary; }

class ShippedFileTest : public ::testing::TestWithParam<ShippedFile> {};

TEST_P(ShippedFileTest, DumpThenBuildGivesTheSameBytes) {
  const fs::path binary = kBinDir / GetParam().binary;
  ASSERT_TRUE(fs::exists(binary)) << binary << " is compiled from data/ by the build";
  ExpectRoundTrip(binary, GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedFileTest,
                         ::testing::Values(ShippedFile{"kelvora.dat", "database"},
                                           ShippedFile{"kelvora.cli", "climate"},
                                           ShippedFile{"kelvora.cst", "costs"}),
                         [](const auto& info) { return std::string(info.param.kind); });

class SilentMessages : public Messages {
 public:
  void Show(std::string_view text) override { shown += std::string(text) + "\n"; }
  bool AskOkCancel(std::string_view) override { return false; }
  bool AskYesNo(std::string_view) override { return false; }
  std::string shown;
};

TEST(DbCommand, UserDatabaseFromJsonLoadsAndRoundTrips) {
  TempFolder temp;
  const CliResult build = RunCli({"db", "build", Arg(kFixtures / "egendef.json"), Arg(temp / "egendef.dat")});
  ASSERT_EQ(build.exitCode, 0) << build.err;

  // The program's own reader sees what the JSON says, defaults where it is silent.
  CEgendefDatabase db(temp / "egendef.dat");
  SilentMessages messages;
  db.Load(messages);
  EXPECT_EQ(messages.shown, "");
  ASSERT_EQ(db.Products().size(), 2u);
  const CEgendefIsoProdukt& measured = *db.Products()[0];
  EXPECT_EQ(measured.name, "Pěnové sklo - vlastní měření");
  EXPECT_EQ(measured.description, "Zkušební vzorek \"B\"\tz roku 2019;\r\nbajt \u0081 kódová stránka nezná.");
  EXPECT_EQ(measured.usage, (std::array<std::int32_t, 7>{1, 0, 0, 0, 1, 0, 1}));
  EXPECT_EQ(measured.lambdaCoeff1, 0.000131f);
  EXPECT_EQ(measured.insulationColour, 0x00404040u);
  ASSERT_EQ(measured.thicknesses.size(), 3u);
  EXPECT_EQ(measured.thicknesses[1]->name, "62.5");
  EXPECT_EQ(measured.thicknesses[2]->name, "180.0");
  EXPECT_EQ(measured.thicknesses[2]->thickness, 180.0f);
  EXPECT_EQ(measured.pointTemperature, (std::array<float, 4>{-10.0f, 10.0f, 50.0f, 100.0f}));
  const CEgendefIsoProdukt& sparse = *db.Products()[1];
  const CEgendefIsoProdukt fresh;
  EXPECT_EQ(sparse.threePoints, 1);
  EXPECT_EQ(sparse.usage, fresh.usage);
  EXPECT_EQ(sparse.maxTemperature, fresh.maxTemperature);
  EXPECT_EQ(sparse.lambdaCoeff0, fresh.lambdaCoeff0);
  EXPECT_EQ(sparse.surfaceColour, fresh.surfaceColour);
  EXPECT_TRUE(sparse.thicknesses.empty());

  ExpectRoundTrip(temp / "egendef.dat", "userDatabase");
}

struct Detection {
  const char* name;
  std::string bytes;
  const char* fileName;
  std::optional<DataKind> forced;
  DataKind expected;
};
void PrintTo(const Detection& c, std::ostream* os) { *os << c.fileName; }

class DetectionTest : public ::testing::TestWithParam<Detection> {};

TEST_P(DetectionTest, TakesTheKindThatReadsTheWholeFile) {
  TempFolder temp;
  const Detection& c = GetParam();
  WriteBytes(temp / c.fileName, c.bytes);
  std::string error;
  const auto data = ReadDataFile(temp / c.fileName, c.forced, error);
  ASSERT_TRUE(data) << error;
  EXPECT_EQ(DataKindName(data->kind), DataKindName(c.expected));
}

const std::string kEmptyList(2, '\0');

INSTANTIATE_TEST_SUITE_P(
    Cases, DetectionTest,
    ::testing::Values(
        // Only eight counts make a standard database, whatever the name.
        Detection{"EightEmptyLists", std::string(16, '\0'), "kelvora.cli", std::nullopt, DataKind::Database},
        // One empty list fits three kinds: the name decides.
        Detection{"EmptyClimate", kEmptyList, "kelvora.cli", std::nullopt, DataKind::Climate},
        Detection{"EmptyCosts", kEmptyList, "kelvora.cst", std::nullopt, DataKind::Costs},
        Detection{"EmptyUserDatabase", kEmptyList, "egendef.dat", std::nullopt, DataKind::UserDatabase},
        Detection{"EmptyOtherName", kEmptyList, "kelvora.dat", std::nullopt, DataKind::UserDatabase},
        Detection{"Forced", kEmptyList, "egendef.dat", DataKind::Costs, DataKind::Costs}),
    [](const auto& info) { return std::string(info.param.name); });

// What a failing command is given and what it must say. "{t}" is the temporary folder,
// "{bin}" the folder of the shipped files.
struct Failure {
  const char* name;
  QStringList arguments;
  const char* fileContent;  // written to {t}/in first unless null
  const char* named;        // the file the message must name
  const char* says;
};
void PrintTo(const Failure& c, std::ostream* os) { *os << c.arguments.join(' ').toStdString(); }

class FailureTest : public ::testing::TestWithParam<Failure> {};

TEST_P(FailureTest, ExitsNonzeroNamingTheFile) {
  TempFolder temp;
  const Failure& c = GetParam();
  const std::string shipped = FileBytes(kBinDir / "kelvora.dat");
  if (c.fileContent) {
    std::string content = c.fileContent;
    if (content == "<truncated database>") content = shipped.substr(0, shipped.size() / 2);
    if (content == "<database and more>") content = shipped + "??";
    WriteBytes(temp / "in", content);
  }
  WriteBytes(temp / "out", "previous");
  QStringList arguments;
  for (QString argument : c.arguments) {
    arguments << argument.replace("{t}", Arg(temp / "")).replace("{bin}", Arg(kBinDir / ""));
  }
  const std::string named =
      QString(c.named).replace("{t}", Arg(temp / "")).replace("{bin}", Arg(kBinDir / "")).toStdString();

  const CliResult run = RunCli(arguments);
  EXPECT_NE(run.exitCode, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind("kelvora-cli: " + named + ": ", 0), 0u) << run.err;
  EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
  EXPECT_EQ(FileBytes(temp / "out"), "previous") << "a failed build must leave the previous file";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailureTest,
    ::testing::Values(
        Failure{
            "DumpMissingFile", {"db", "dump", "{t}missing.dat"}, nullptr, "{t}missing.dat", "no such file"},
        Failure{"DumpTruncated",
                {"db", "dump", "{t}in"},
                "<truncated database>",
                "{t}in",
                "damaged (read as database: The file ends before the content it describes.)"},
        Failure{"DumpTrailingBytes",
                {"db", "dump", "{t}in"},
                "<database and more>",
                "{t}in",
                "(read as database: 2 bytes follow the records)"},
        Failure{"DumpForcedWrongKind",
                {"db", "dump", "--kind", "climate", "{bin}kelvora.dat"},
                nullptr,
                "{bin}kelvora.dat",
                "damaged climate file: The file holds an object of an unknown kind."},
        Failure{"BuildMissingJson",
                {"db", "build", "{t}missing.json", "{t}out"},
                nullptr,
                "{t}missing.json",
                "no such file"},
        Failure{"BuildInvalidJson",
                {"db", "build", "{t}in", "{t}out"},
                "{\"file\": \"costs\", \"presets\": [}",
                "{t}in",
                "invalid JSON at line 1"},
        Failure{"BuildUnknownKey",
                {"db", "build", "{t}in", "{t}out"},
                R"({"file": "climate", "locations": [{"name": "Praha", "altitude": 235}]})",
                "{t}in",
                "locations[0] (\"Praha\"): unknown key \"altitude\""},
        Failure{"BuildWrongType",
                {"db", "build", "{t}in", "{t}out"},
                R"({"file": "costs", "presets": [{"name": "A", "price": "cheap"}]})",
                "{t}in",
                "presets[0] (\"A\").price: expected a number"},
        Failure{"BuildUnwritable",
                {"db", "build", "{t}in", "{t}no/such/folder/out"},
                R"({"file": "costs"})",
                "{t}no/such/folder/out",
                "cannot be written"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DbCommand, UsageErrorsExitNonzero) {
  for (const QStringList& arguments :
       {QStringList{"db"}, QStringList{"db", "dump"}, QStringList{"db", "build", "only-one"},
        QStringList{"db", "dump", "x", "--kind", "drawing"}, QStringList{"db", "shrink", "x"},
        QStringList{"db", "dump", "x", "--no-such-option"}}) {
    const CliResult run = RunCli(arguments);
    EXPECT_NE(run.exitCode, 0) << arguments.join(' ').toStdString();
    EXPECT_NE(run.err, "") << arguments.join(' ').toStdString();
  }
}

}  // namespace
}  // namespace kelvora::cli
