#include "cli/dbjson.h"
#include "cli/jsontext.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/database/absorpsjon.h"
#include "core/database/database.h"
#include "core/database/klima.h"
#include "core/database/mantling.h"
#include "core/framework/archive.h"

namespace kelvora::cli {
namespace {

std::string Bytes(CItem& container) {
  CArchive ar;
  container.Serialize(ar);
  return ar.Data();
}

float ThroughQtJson(const std::string& number) {
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString("[" + number + "]"));
  return static_cast<float>(document.array().at(0).toDouble());
}

struct FloatCase {
  float value;
  const char* text;  // empty: travels as a string, not a number
};
void PrintTo(const FloatCase& c, std::ostream* os) { *os << c.text; }

class FormatFloatTest : public ::testing::TestWithParam<FloatCase> {};

TEST_P(FormatFloatTest, PrintsTheShortestTextThatReadsBack) {
  const FloatCase& c = GetParam();
  const std::string text = FormatFloat(c.value);
  EXPECT_EQ(text, c.text);
  if (!text.empty()) {
    EXPECT_EQ(std::bit_cast<std::uint32_t>(ThroughQtJson(text)), std::bit_cast<std::uint32_t>(c.value));
  }
}

INSTANTIATE_TEST_SUITE_P(Values, FormatFloatTest,
                         ::testing::Values(FloatCase{0.034f, "0.034"}, FloatCase{1.51e-9f, "1.51e-09"},
                                           FloatCase{4180.0f, "4180"}, FloatCase{0.1f, "0.1"},
                                           FloatCase{-273.15f, "-273.15"}, FloatCase{0.0f, "0"},
                                           FloatCase{std::numeric_limits<float>::max(), "3.4028235e+38"},
                                           FloatCase{std::numeric_limits<float>::denorm_min(), "1e-45"},
                                           // The one float whose shortest text, read as a double, rounds to
                                           // its neighbour ("7.038531e-26").
                                           FloatCase{0x1.5c87fap-84f, "7.038530691851209e-26"},
                                           FloatCase{-0.0f, ""},
                                           FloatCase{std::numeric_limits<float>::infinity(), ""},
                                           FloatCase{std::numeric_limits<float>::quiet_NaN(), ""}));

// Qt reads a number as a double and the program then rounds it to float; the printed text
// must survive that path for every finite float, not only the friendly ones.
TEST(FormatFloat, EveryFiniteFloatSurvivesQtJson) {
  int checked = 0;
  for (std::uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 4099) {
    const float value = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
    const std::string text = FormatFloat(value);
    if (!std::isfinite(value) || text.empty()) continue;
    ASSERT_EQ(std::bit_cast<std::uint32_t>(ThroughQtJson(text)), static_cast<std::uint32_t>(bits)) << text;
    ++checked;
  }
  EXPECT_GT(checked, 1000000);
}

TEST(DbJson, FloatsJsonCannotCarryRoundTripAsStrings) {
  CKlima climate{std::filesystem::path()};
  for (float t : {-0.0f, std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                  std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::max(),
                  std::numeric_limits<float>::denorm_min()}) {
    auto location = std::make_unique<CKlimasted>();
    location->temperature = t;
    climate.locations.push_back(std::move(location));
  }
  const std::string json = ToJson(DataKind::Climate, climate);
  EXPECT_NE(json.find("\"temperature\": \"-0\""), std::string::npos) << json;
  const ParsedData parsed = FromJson(QByteArray::fromStdString(json));
  EXPECT_EQ(Bytes(*parsed.container), Bytes(climate));
}

// Left-out keys take the values of a new record of the list, and names that only repeat
// numbers are derived from them.
TEST(DbJson, MissingKeysTakeTheValuesOfANewRecord) {
  const ParsedData parsed = FromJson(R"({
    "file": "database",
    "products": [{"name": "P", "thicknesses": [{"thickness": 40}]}],
    "circularAbsorbers": [{"name": "A", "thicknesses": [{"thickness": 30}]}],
    "innerFacings": [{"name": "F"}],
    "equipment": [{"name": "E", "lengths": [{"minDiameter": 60, "maxDiameter": 115}]}],
    "liquids": [{}]
  })");
  ASSERT_EQ(parsed.kind, DataKind::Database);

  CDataBase expected{std::filesystem::path()};
  auto product = CDataBase::NewRecord(DbList::Products);
  product->name = "P";
  dynamic_cast<CIsoProdukt&>(*product).thicknesses.push_back(std::make_unique<CIsoTykkelse>(40.0f));
  expected.List(DbList::Products).push_back(std::move(product));
  auto absorber = CDataBase::NewRecord(DbList::CircularAbsorbers);
  absorber->name = "A";
  auto absorberThickness = std::make_unique<CAbsorpsjonTykkelse>();
  absorberThickness->SetThickness(30.0f);
  dynamic_cast<CAbsorpsjon&>(*absorber).thicknesses.push_back(std::move(absorberThickness));
  expected.List(DbList::CircularAbsorbers).push_back(std::move(absorber));
  auto facing = CDataBase::NewRecord(DbList::InnerFacings);
  facing->name = "F";
  expected.List(DbList::InnerFacings).push_back(std::move(facing));
  auto equipment = CDataBase::NewRecord(DbList::Equipment);
  equipment->name = "E";
  auto range = std::make_unique<CTilleggslengde>();
  range->minDiameter = 60.0f;
  range->maxDiameter = 115.0f;
  range->UpdateName();
  dynamic_cast<CTillegg2&>(*equipment).lengths.push_back(std::move(range));
  expected.List(DbList::Equipment).push_back(std::move(equipment));
  expected.List(DbList::Liquids).push_back(CDataBase::NewRecord(DbList::Liquids));

  EXPECT_EQ(Bytes(*parsed.container), Bytes(expected));
  const auto& db = dynamic_cast<const CDataBase&>(*parsed.container);
  EXPECT_EQ(dynamic_cast<const CAbsorpsjon&>(*db.List(DbList::CircularAbsorbers)[0]).kind, 1);
  EXPECT_EQ(dynamic_cast<const CMantling&>(*db.List(DbList::InnerFacings)[0]).kind, 2);
  EXPECT_EQ(dynamic_cast<const CTillegg2&>(*db.List(DbList::Equipment)[0]).lengths[0]->name, "60 - 115 mm");
}

TEST(DbJson, DumpWritesEveryKeyInRecordOrder) {
  // The English name of a preset has no room in the file: read and checked, never written.
  const ParsedData parsed = FromJson(
      R"({"file": "costs", "presets": [{"name": "Pouzdra", "nameEn": "Pipe sections", "price": 12.5}]})");
  EXPECT_EQ(ToJson(parsed.kind, *parsed.container),
            "{\n"
            "  \"file\": \"costs\",\n"
            "  \"presets\": [\n"
            "    {\n"
            "      \"name\": \"Pouzdra\",\n"
            "      \"label\": \"\",\n"
            "      \"price\": 12.5\n"
            "    }\n"
            "  ]\n"
            "}\n");
}

struct BadDocument {
  const char* name;
  const char* json;
  const char* message;  // the whole message, path included
};
void PrintTo(const BadDocument& c, std::ostream* os) { *os << c.name; }

class BadDocumentTest : public ::testing::TestWithParam<BadDocument> {};

TEST_P(BadDocumentTest, NamesWhereAndWhat) {
  try {
    FromJson(GetParam().json);
    FAIL() << "accepted";
  } catch (const JsonError& e) {
    EXPECT_EQ(std::string(e.what()), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadDocumentTest,
    ::testing::Values(
        BadDocument{"Syntax", "{\"file\": \"costs\",\n \"presets\": [,]}",
                    "invalid JSON at line 2, column 14: illegal value"},
        BadDocument{"NotAnObject", "[]", "expected an object with the key \"file\""},
        BadDocument{"UnknownFile", R"({"file": "project"})",
                    "\"file\": expected one of \"database\", \"userDatabase\", \"climate\", \"costs\""},
        BadDocument{"UnknownTopKey", R"({"file": "climate", "locations": [], "places": []})",
                    "unknown key \"places\""},
        BadDocument{"UnknownRecordKey", R"({"file": "costs", "presets": [{"name": "A", "unit": "m"}]})",
                    "presets[0] (\"A\"): unknown key \"unit\""},
        // A user's product stores no producer, so the key is not the class's.
        BadDocument{"KeyOfAnotherClass", R"({"file": "userDatabase", "products": [{"producer": "X"}]})",
                    "products[0]: unknown key \"producer\""},
        BadDocument{
            "UnknownNestedKey",
            R"({"file": "database", "products": [{"name": "P", "thicknesses": [{"thickness": 4, "alpha125": 1}]}]})",
            "products[0] (\"P\").thicknesses[0]: unknown key \"alpha125\""},
        BadDocument{"NumberAsText", R"({"file": "costs", "presets": [{"price": "12"}]})",
                    "presets[0].price: expected a number"},
        BadDocument{"TextAsNumber", R"({"file": "costs", "presets": [{"name": 12}]})",
                    "presets[0].name: expected a text"},
        BadDocument{"EnglishNameAsNumber", R"({"file": "costs", "presets": [{"name": "A", "nameEn": 12}]})",
                    "presets[0] (\"A\").nameEn: expected a text"},
        BadDocument{"ListNotArray", R"({"file": "costs", "presets": {}})",
                    "presets: expected an array of records"},
        BadDocument{"RecordNotObject", R"({"file": "costs", "presets": [1]})",
                    "presets[0]: expected a record (an object)"},
        BadDocument{"UsageTooShort", R"({"file": "database", "products": [{"usage": [1, 0]}]})",
                    "products[0].usage: expected an array of 7 integers"},
        BadDocument{"UsageNotInteger",
                    R"({"file": "database", "products": [{"usage": [1, 0, 0, 0, 0, 0, 0.5]}]})",
                    "products[0].usage: expected an integer from -2147483648 to 2147483647"},
        BadDocument{"KindBeyondWord", R"({"file": "database", "outerFinishes": [{"kind": 65536}]})",
                    "outerFinishes[0].kind: expected an integer from 0 to 65535"},
        BadDocument{"ColourShort", R"({"file": "database", "outerFinishes": [{"colour": "0xFFFF"}]})",
                    "outerFinishes[0].colour: expected a colour \"0x00BBGGRR\" (eight hexadecimal digits)"},
        BadDocument{"ColourNumber", R"({"file": "database", "outerFinishes": [{"colour": 255}]})",
                    "outerFinishes[0].colour: expected a colour \"0x00BBGGRR\" (eight hexadecimal digits)"},
        BadDocument{"FloatOverflow", R"({"file": "climate", "locations": [{"windSpeed": 1e39}]})",
                    "locations[0].windSpeed: number too large for a float"},
        BadDocument{"OutsideCodePage", R"({"file": "climate", "locations": [{"name": "Київ"}]})",
                    "locations[0] (\"Київ\").name: \"Київ\" has characters the files' code page "
                    "(Windows-1250) cannot store"}),
    [](const ::testing::TestParamInfo<BadDocument>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kelvora::cli
