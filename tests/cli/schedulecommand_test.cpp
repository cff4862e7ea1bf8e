#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/clirun.h"
#include "cli/linelist.h"
#include "core/framework/fileio.h"
#include "core/framework/textencoding.h"
#include "support/golden.h"
#include "support/tempdir.h"
#include "support/testpaths.h"

namespace kelvora::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = kelvora::testing::SourceDir() / "tests/cli/fixtures";

TEST(LineListTest, ReadsWhatSpreadsheetsSave) {
  struct Case {
    const char* name;
    std::string bytes;
    char separator;
    bool byteOrderMark;
    std::vector<std::vector<std::string>> records;
  };
  const Case cases[] = {
      {"semicolons, CRLF, blank line", "a;b\r\n1,5;x\r\n\r\n;y\r\n", ';', false, {{"1,5", "x"}, {"", "y"}}},
      {"commas, quotes, BOM",
       "\xEF\xBB\xBF"
       "a,b\n\"1,5\",\"say \"\"hi\"\"\"\n\"two\nlines\",z",
       ',',
       true,
       {{"1,5", "say \"hi\""}, {"two\nlines", "z"}}},
      {"tabs", "a\tb\n1\t2\n", '\t', false, {{"1", "2"}}},
      {"Windows-1250",
       "n\xE1zev;x\n" + Utf8ToCp1250("Minerální vata") + ";1\n",
       ';',
       false,
       {{"Minerální vata", "1"}}},
  };
  for (const Case& c : cases) {
    const auto list = ReadLineList(c.bytes);
    ASSERT_TRUE(list) << c.name;
    EXPECT_EQ(list->separator, c.separator) << c.name;
    EXPECT_EQ(list->byteOrderMark, c.byteOrderMark) << c.name;
    std::vector<std::vector<std::string>> records;
    for (const auto& record : list->records) records.push_back(record.fields);
    EXPECT_EQ(records, c.records) << c.name;
  }
  EXPECT_EQ(ReadLineList("a;b\n")->header, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(ReadLineList("a;b\n\"x\ny\";1\n2;3\n")->records[1].fileLine, 4);
  EXPECT_FALSE(ReadLineList("\n \n"));
}

TEST(LineListTest, CellsRoundTripAndNumbersReadAsSpreadsheetsWriteThem) {
  const std::vector<std::string> fields{"plain", "a;b", "say \"hi\"", "two\nlines", ""};
  const auto back = ReadLineList("h1;h2;h3;h4;h5\n" + WriteCsvLine(fields, ';'));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->records.at(0).fields, fields);

  const std::pair<const char*, std::optional<float>> numbers[] = {
      {"1,5", 1.5f},
      {" -12.5 ", -12.5f},
      {"1 234,5", 1234.5f},
      {"1\xC2\xA0"
       "234",
       1234.0f},
      {"+3", 3.0f},
      {"sixty", {}},
      {"1.2.3", {}},
      {"12 mm", {}},
      {"", {}},
      {"inf", {}},
      {"nan", {}},
      {"1e39", {}},
  };
  for (const auto& [text, value] : numbers) EXPECT_EQ(ParseCellNumber(text), value) << text;
}

// The report's rows by label: each row's cells, the decimal comma of the copy text read as
// a point.
std::map<std::string, std::vector<std::string>> ReportRows(const std::string& report) {
  std::map<std::string, std::vector<std::string>> rows;
  std::istringstream lines(report);
  std::string line;
  while (std::getline(lines, line)) {
    std::vector<std::string> cells;
    std::istringstream parts(line);
    std::string cell;
    while (std::getline(parts, cell, '\t')) cells.push_back(std::string(TrimmedCell(cell)));
    if (cells.size() < 2) continue;
    const std::string label = cells.front();
    cells.erase(cells.begin());
    rows.emplace(label, cells);
  }
  return rows;
}

// The number a cell starts with ("35,2 °C", "0.25"); NaN for none.
double Number(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  return end == text.c_str() ? std::nan("") : value;
}

// Where --documents puts line `index` (from 0).
std::string DocumentName(std::size_t index, std::string id) {
  std::string number = std::to_string(index + 1);
  number.insert(0, 4 - number.size(), '0');
  for (char& c : id) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.') c = '_';
  }
  return number + "-" + id + ".vtp";
}

class ScheduleTest : public ::testing::Test {
 protected:
  CliResult Schedule(const QStringList& options) {
    QStringList arguments{"schedule"};
    arguments << options;
    return RunCli(arguments, {config.path(), dir.path()});
  }

  testing::TempDir config;
  testing::TempDir dir;
};

using Record = std::map<std::string, std::string>;

std::vector<Record> Records(const std::string& bytes) {
  const auto list = ReadLineList(bytes);
  std::vector<Record> records;
  if (!list) return records;
  for (const auto& record : list->records) {
    Record named;
    for (std::size_t k = 0; k < list->header.size(); ++k)
      named[list->header[k]] = k < record.fields.size() ? record.fields[k] : "";
    records.push_back(named);
  }
  return records;
}

// A computed line against the report of its document: the same figures, where the report
// shows them, and the inputs it echoes.
void ExpectLineIsItsReport(const Record& input, const Record& output, const std::string& report) {
  const auto rows = ReportRows(report);
  const auto cell = [&](const std::string& label, std::size_t column = 0) {
    const auto row = rows.find(label);
    return row == rows.end() || column >= row->second.size() ? std::nan("") : Number(row->second[column]);
  };
  const auto value = [&](const char* key) { return Number(output.at(key)); };
  const std::string calculation = input.count("calculation") ? input.at("calculation") : "given";
  const bool plane = input.at("object").starts_with("plane");
  const std::string transmittance =
      plane ? "Thermal transmittance of the insulated surface" : "Linear thermal transmittance";

  EXPECT_EQ(cell("Medium temperature"), Number(input.at("medium_C")));
  EXPECT_EQ(cell("Ambient temperature"), Number(input.at("ambient_C")));
  EXPECT_EQ(output.at("heat_loss_unit"), plane ? "W/m2" : "W/m");
  if (calculation == "given") {
    double thickness = 0.0;
    for (const char* layer : {"Insulation thickness, layer 1", "Insulation thickness, layer 2",
                              "Insulation thickness, layer 3"}) {
      if (rows.count(layer)) thickness += cell(layer);
    }
    EXPECT_NEAR(value("thickness_mm"), thickness, 1e-9);
    EXPECT_EQ(value("heat_loss"), cell("Heat loss"));
    EXPECT_EQ(value("surface_temperature_C"), cell("Surface temperature"));
    EXPECT_EQ(value("U"), cell(transmittance));
    EXPECT_EQ(value("heat_loss_total_W"), rows.count("Total heat loss including the auxiliary equipment")
                                              ? cell("Total heat loss including the auxiliary equipment")
                                              : cell("Total heat loss"));
    EXPECT_EQ(output.at("standard_thickness_mm"), "");
  } else if (value("thickness_mm") == 0.0 && rows.count("Total heat loss")) {
    // No requirement below the first band of degree-hours: the bare object.
    EXPECT_EQ(cell("Required insulation thickness"), 0.0);
    EXPECT_EQ(value("heat_loss_total_W"), cell("Total heat loss"));
    EXPECT_EQ(value("surface_temperature_C"), cell("Surface temperature"));
  } else {
    // Beside a standard thickness the rows name the thickness alone; the columns say which.
    const bool standard = rows.count("Insulation thickness") && rows.at("Insulation thickness").size() == 2;
    EXPECT_EQ(value("thickness_mm"),
              cell(standard ? "Insulation thickness" : "Required insulation thickness"));
    EXPECT_EQ(value("heat_loss"), cell("Heat loss"));
    EXPECT_EQ(value("U"), cell(transmittance));
    if (standard) {
      EXPECT_EQ(value("standard_thickness_mm"), cell("Insulation thickness", 1));
      EXPECT_EQ(value("surface_temperature_C"), cell("Surface temperature"));
    } else {
      EXPECT_EQ(output.at("standard_thickness_mm"), "");
    }
  }
  const std::string verdict = output.at("regulation");
  const bool stated = report.find("193/2007") != std::string::npos;
  EXPECT_EQ(verdict != "none", stated);
  if (report.find("Complies with") != std::string::npos) {
    EXPECT_EQ(verdict, "compliant");
  }
  if (report.find("Does NOT comply") != std::string::npos) {
    EXPECT_EQ(verdict, "not compliant");
  }
}

// Every line of the fixture computed as its own document would be, or refused with the
// message its "expect" column names ("fail:TEXT"); "note:TEXT" is a remark on a computed line.
TEST_F(ScheduleTest, EveryLineEqualsTheReportOfItsDocument) {
  for (const char* fixture : {"schedule-cases.csv", "schedule-comma.csv"}) {
    SCOPED_TRACE(fixture);
    const fs::path documents = dir / (std::string(fixture) + "-documents");
    const fs::path output = dir / (std::string(fixture) + "-out.csv");
    const CliResult run = Schedule(
        {Arg(kFixtures / fixture), "--english", "--documents", Arg(documents), "--output", Arg(output)});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.err, "kelvora-cli: column \"expect\" is skipped\n");

    const auto inputs = Records(testing::FileBytes(kFixtures / fixture));
    const auto outputs = Records(testing::FileBytes(output));
    ASSERT_EQ(outputs.size(), inputs.size());
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      const Record& input = inputs[i];
      const Record& out = outputs[i];
      SCOPED_TRACE(input.at("id"));
      EXPECT_EQ(out.at("id"), input.at("id"));
      const std::string expect = input.at("expect");
      if (expect.starts_with("fail:")) {
        EXPECT_EQ(out.at("thickness_mm"), "");
        EXPECT_EQ(out.at("heat_loss"), "");
        EXPECT_NE(out.at("message"), "");
        EXPECT_NE(out.at("message").find(expect.substr(5)), std::string::npos) << out.at("message");
        continue;
      }
      if (expect.starts_with("note:")) {
        EXPECT_NE(out.at("message").find(expect.substr(5)), std::string::npos) << out.at("message");
      }
      const CliResult report =
          RunCli({"report", Arg(documents / DocumentName(i, input.at("id")))}, {config.path(), dir.path()});
      ASSERT_EQ(report.exitCode, 0) << report.err;
      ExpectLineIsItsReport(input, out, report.out);
    }
  }
}

TEST_F(ScheduleTest, TheTemplateComputesAndJsonCarriesNumbers) {
  const fs::path lines = dir / "template.csv";
  for (const char* language : {"cs_CZ.UTF-8", "C.UTF-8"}) {
    SCOPED_TRACE(language);
    const CliResult shown = RunCli({"schedule", "--template", "--output", Arg(lines)},
                                   {config.path(), dir.path(), false, language});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    const CliResult run = Schedule({Arg(lines)});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Records(run.out).size(), 3u);
  }

  const CliResult json = Schedule({Arg(kFixtures / "schedule-comma.csv"), "--format", "json"});
  EXPECT_EQ(json.exitCode, 1);
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json.out));
  const QJsonArray rows = document.object().value("lines").toArray();
  ASSERT_EQ(rows.size(), 3);
  const QJsonObject first = rows[0].toObject();
  EXPECT_EQ(first.value("id").toString(), "HW 1, boiler room");
  EXPECT_TRUE(first.value("computed").toBool());
  EXPECT_EQ(first.value("thickness_mm").toDouble(), 40.0);
  EXPECT_TRUE(first.value("heat_loss").isDouble());
  EXPECT_TRUE(first.value("standard_thickness_mm").isNull());
  EXPECT_EQ(first.value("regulation").toString(), "not compliant");
  const QJsonObject refused = rows[2].toObject();
  EXPECT_FALSE(refused.value("computed").toBool());
  EXPECT_TRUE(refused.value("heat_loss").isNull());
  EXPECT_NE(refused.value("message").toString().indexOf("diameter_mm"), -1);
}

TEST_F(ScheduleTest, ExitStatusTellsWhatHappened) {
  const fs::path good = dir / "good.csv";
  ASSERT_TRUE(
      WriteFileReplacing(good,
                         "id,object,diameter_mm,medium_C,ambient_C,product1,thickness1_mm,jacket\n"
                         "A,pipe,60.3,150,20,Mineral wool pipe sections 100 kg/m3,50,Nerezový plech\n"));
  EXPECT_EQ(Schedule({Arg(good)}).exitCode, 0);
  const CliResult missing = Schedule({Arg(dir / "none.csv")});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_NE(missing.err.find("none.csv"), std::string::npos);
  ASSERT_TRUE(WriteFileReplacing(dir / "empty.csv", "\n"));
  EXPECT_EQ(Schedule({Arg(dir / "empty.csv")}).exitCode, 2);
  EXPECT_EQ(Schedule({Arg(good), "--format", "xml"}).exitCode, 2);
  EXPECT_EQ(Schedule({}).exitCode, 2);
  // An output that cannot be written leaves nothing half written.
  EXPECT_EQ(Schedule({Arg(good), "--output", Arg(dir / "no" / "such" / "out.csv")}).exitCode, 2);
}

// Windows-1250, as Czech spreadsheets save, gives what UTF-8 gives.
TEST_F(ScheduleTest, AListInWindows1250ReadsAsInUtf8) {
  const fs::path utf8 = kFixtures / "schedule-cases.csv";
  const fs::path cp1250 = dir / "cp1250.csv";
  ASSERT_TRUE(WriteFileReplacing(cp1250, Utf8ToCp1250(testing::FileBytes(utf8))));
  const CliResult fromUtf8 = Schedule({Arg(utf8)});
  const CliResult fromCp1250 = Schedule({Arg(cp1250)});
  EXPECT_EQ(fromCp1250.exitCode, 1);
  EXPECT_EQ(fromCp1250.out, fromUtf8.out);
}

// The plant of the README, every line computed; the README shows this result.
TEST_F(ScheduleTest, TheExampleLineListComputesEveryLine) {
  const CliResult run = Schedule({Arg(kelvora::testing::SourceDir() / "examples" / "line-list.csv")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  testing::ExpectGolden("line-list.out.csv", run.out);
}

}  // namespace
}  // namespace kelvora::cli
