#include "cli/dbjson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QString>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <utility>

#include "cli/jsontext.h"
#include "core/database/absorpsjon.h"
#include "core/database/database.h"
#include "core/database/isoprodukt.h"
#include "core/database/klima.h"
#include "core/database/kostnad.h"
#include "core/database/mantling.h"
#include "core/framework/textencoding.h"

namespace kelvora::cli {
namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kWordMax = 0xFFFF;  // fields kept as int but stored as a WORD

// JSON numbers cannot carry these floats, and Qt reads "-0" as +0; they travel as strings.
constexpr std::string_view kNegativeZero = "-0";
constexpr std::string_view kInfinity = "inf";
constexpr std::string_view kNegativeInfinity = "-inf";
constexpr std::string_view kNaN = "nan";

std::string_view SpecialFloatName(float value) {
  if (std::isnan(value)) return kNaN;
  if (std::isinf(value)) return value > 0 ? kInfinity : kNegativeInfinity;
  return kNegativeZero;
}

std::string FormatColour(std::uint32_t colour) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "0x";
  for (int shift = 28; shift >= 0; shift -= 4) text += kDigits[(colour >> shift) & 0xF];
  return text;
}

// Writes a document with keys in the order the record functions name them, arrays of
// numbers and the records of a record's own list (thicknesses, diameter ranges) on one
// line, as the files in data/.
class JsonWriter {
 public:
  std::string Finish() { return json.Finish(); }

  void Text(const char* key, const std::string& value) {
    json.Key(key);
    json.String(value);
  }
  void Number(const char* key, const float& value) {
    json.Key(key);
    AppendFloat(value);
  }
  void Integer(const char* key, const std::int32_t& value, std::int64_t, std::int64_t) {
    json.Key(key);
    json.Literal(std::to_string(value));
  }
  void Colour(const char* key, const std::uint32_t& value) {
    json.Key(key);
    json.String(FormatColour(value));
  }
  template <std::size_t N>
  void Integers(const char* key, const std::array<std::int32_t, N>& values) {
    json.Key(key);
    json.Open('[', true);
    for (std::int32_t value : values) {
      json.Element();
      json.Literal(std::to_string(value));
    }
    json.Close(']');
  }
  template <std::size_t N>
  void Numbers(const char* key, const std::array<float, N>& values) {
    json.Key(key);
    json.Open('[', true);
    for (float value : values) {
      json.Element();
      AppendFloat(value);
    }
    json.Close(']');
  }
  template <class T, class Make, class Each>
  void List(const char* key, ItemList<T>& list, Make&&, Each&& each) {
    const bool oneLine = nested;  // the list of a record
    json.Key(key);
    json.Open('[');
    for (auto& record : list) {
      json.Element();
      json.Open('{', oneLine);
      nested = true;
      each(*this, *record);
      nested = oneLine;
      json.Close('}');
    }
    json.Close(']');
  }
  bool Missing(const char*) const { return false; }
  void UnstoredText(const char*) {}

 private:
  void AppendFloat(float value) {
    const std::string text = FormatFloat(value);
    if (text.empty()) {
      json.String(SpecialFloatName(value));
    } else {
      json.Literal(text);
    }
  }

  JsonText json;
  bool nested = false;  // inside a record
};

// Reads the keys the record functions name from one JSON object; a key left out leaves
// the field as it is. Every failure throws JsonError with the path of the value.
class JsonReader {
 public:
  JsonReader(QJsonObject object, std::string where) : object(std::move(object)), where(std::move(where)) {}

  void Text(const char* key, std::string& value) {
    const QJsonValue v = Take(key);
    if (v.isUndefined()) return;
    if (!v.isString()) Fail(key, "expected a text");
    std::string text = v.toString().toStdString();
    if (Cp1250ToUtf8(Utf8ToCp1250(text)) != text) {
      Fail(key, "\"" + text + "\" has characters the files' code page (Windows-1250) cannot store");
    }
    value = std::move(text);
  }
  void Number(const char* key, float& value) {
    const QJsonValue v = Take(key);
    if (!v.isUndefined()) value = ToFloat(key, v);
  }
  void Integer(const char* key, std::int32_t& value, std::int64_t min, std::int64_t max) {
    const QJsonValue v = Take(key);
    if (!v.isUndefined()) value = ToInteger(key, v, min, max);
  }
  void Colour(const char* key, std::uint32_t& value) {
    const QJsonValue v = Take(key);
    if (v.isUndefined()) return;
    const std::string text = v.toString().toStdString();
    const char* digits = text.data() + 2;
    const char* end = text.data() + text.size();
    std::uint32_t parsed = 0;
    if (!v.isString() || text.size() != 10 || text.compare(0, 2, "0x") != 0 ||
        std::from_chars(digits, end, parsed, 16).ptr != end) {
      Fail(key, "expected a colour \"0x00BBGGRR\" (eight hexadecimal digits)");
    }
    value = parsed;
  }
  template <std::size_t N>
  void Integers(const char* key, std::array<std::int32_t, N>& values) {
    const QJsonArray array = FixedArray(key, N, "integers");
    for (qsizetype i = 0; i < array.size(); ++i) {
      values[static_cast<std::size_t>(i)] = ToInteger(key, array[i], kInt32Min, kInt32Max);
    }
  }
  template <std::size_t N>
  void Numbers(const char* key, std::array<float, N>& values) {
    const QJsonArray array = FixedArray(key, N, "numbers");
    for (qsizetype i = 0; i < array.size(); ++i) values[static_cast<std::size_t>(i)] = ToFloat(key, array[i]);
  }
  template <class T, class Make, class Each>
  void List(const char* key, ItemList<T>& list, Make&& make, Each&& each) {
    const QJsonValue v = Take(key);
    if (v.isUndefined()) return;
    if (!v.isArray()) Fail(key, "expected an array of records");
    const QJsonArray array = v.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
      std::string path = Path(key) + "[" + std::to_string(i) + "]";
      if (!array[i].isObject()) throw JsonError(path + ": expected a record (an object)");
      const QJsonObject element = array[i].toObject();
      if (element.value(QLatin1String("name")).isString()) {
        path += " (\"" + element.value(QLatin1String("name")).toString().toStdString() + "\")";
      }
      JsonReader reader(element, std::move(path));
      auto record = make();
      each(reader, *record);
      reader.CheckNoOtherKeys();
      list.push_back(std::move(record));
    }
  }
  bool Missing(const char* key) const { return !object.contains(QLatin1String(key)); }
  // A text the binary file has no room for: checked as any text, then left out.
  void UnstoredText(const char* key) {
    std::string dropped;
    Text(key, dropped);
  }

  void CheckNoOtherKeys() const {
    for (const QString& key : object.keys()) {
      const std::string name = key.toStdString();
      if (!used.contains(name)) {
        throw JsonError((where.empty() ? "" : where + ": ") + "unknown key \"" + name + "\"");
      }
    }
  }

 private:
  QJsonValue Take(const char* key) {
    used.insert(key);
    return object.value(QLatin1String(key));
  }
  std::string Path(std::string_view key) const {
    return where.empty() ? std::string(key) : where + "." + std::string(key);
  }
  [[noreturn]] void Fail(const char* key, const std::string& what) const {
    throw JsonError(Path(key) + ": " + what);
  }

  QJsonArray FixedArray(const char* key, std::size_t size, const char* what) {
    const QJsonValue v = Take(key);
    if (v.isUndefined()) return {};
    if (!v.isArray() || static_cast<std::size_t>(v.toArray().size()) != size) {
      Fail(key, "expected an array of " + std::to_string(size) + " " + what);
    }
    return v.toArray();
  }

  float ToFloat(const char* key, const QJsonValue& v) const {
    if (v.isString()) {
      const std::string text = v.toString().toStdString();
      if (text == kNegativeZero) return -0.0f;
      if (text == kInfinity) return std::numeric_limits<float>::infinity();
      if (text == kNegativeInfinity) return -std::numeric_limits<float>::infinity();
      if (text == kNaN) return std::numeric_limits<float>::quiet_NaN();
    }
    if (!v.isDouble()) Fail(key, "expected a number");
    const double d = v.toDouble();
    // Beyond FLT_MAX plus half a step the value would round to infinity.
    if (!(std::fabs(d) < 0x1.ffffffp127)) Fail(key, "number too large for a float");
    return static_cast<float>(d);
  }

  std::int32_t ToInteger(const char* key, const QJsonValue& v, std::int64_t min, std::int64_t max) const {
    const double d = v.toDouble();
    if (!v.isDouble() || d != std::trunc(d) || d < static_cast<double>(min) || d > static_cast<double>(max)) {
      Fail(key, "expected an integer from " + std::to_string(min) + " to " + std::to_string(max));
    }
    return static_cast<std::int32_t>(d);
  }

  QJsonObject object;
  std::string where;
  std::set<std::string, std::less<>> used;
};

// One function per record class names its keys for both directions, as Serialize does
// for the archive. Keys that repeat other fields (thickness and range names, the climate
// list line) are derived when a hand-written file leaves them out.

template <class Io, class T>
void RecordList(Io& io, const char* key, ItemList<T>& list) {
  io.List(
      key, list, [] { return std::make_unique<T>(); },
      [](Io& element, T& record) { Fields(element, record); });
}

template <class Io>
void ListItemFields(Io& io, CListItem& record) {
  io.Text("name", record.name);
  io.Text("secondName", record.secondName);
  io.Text("description", record.description);
}

template <class Io>
void Fields(Io& io, CIsoTykkelse& t) {
  io.Text("name", t.name);
  io.Number("thickness", t.thickness);
  if (io.Missing("name")) t.SetThickness(t.thickness);
}

template <class Io>
void ProductFields(Io& io, CIsoProdukt& p, bool standard) {
  ListItemFields(io, p);
  if (standard) {
    io.Text("producer", p.producer);
    io.Text("productType", p.productType);
  }
  io.Integers("usage", p.usage);
  io.Number("maxTemperature", p.maxTemperature);
  io.Number("lambdaCoeff3", p.lambdaCoeff3);
  io.Number("lambdaCoeff2", p.lambdaCoeff2);
  io.Number("lambdaCoeff1", p.lambdaCoeff1);
  io.Number("lambdaCoeff0", p.lambdaCoeff0);
  io.Number("minThickness", p.minThickness);
  io.Number("maxThickness", p.maxThickness);
  io.Colour("insulationColour", p.insulationColour);
  io.Colour("surfaceColour", p.surfaceColour);
  RecordList(io, "thicknesses", p.thicknesses);
}

template <class Io>
void Fields(Io& io, CIsoProdukt& p) {
  ProductFields(io, p, true);
}

// The user's product stores no producer and type.
template <class Io>
void Fields(Io& io, CEgendefIsoProdukt& p) {
  ProductFields(io, p, false);
  io.Numbers("pointTemperature", p.pointTemperature);
  io.Numbers("pointLambda", p.pointLambda);
  io.Integer("threePoints", p.threePoints, kInt32Min, kInt32Max);
}

template <class Io>
void Fields(Io& io, CAbsorpsjonTykkelse& t) {
  ListItemFields(io, t);
  io.Number("thickness", t.thickness);
  io.Number("alpha125", t.alpha125);
  io.Number("alpha250", t.alpha250);
  io.Number("alpha500", t.alpha500);
  io.Number("alpha1000", t.alpha1000);
  io.Number("alpha2000", t.alpha2000);
  io.Number("alpha4000", t.alpha4000);
  if (io.Missing("name")) t.SetThickness(t.thickness);
}

template <class Io>
void Fields(Io& io, CAbsorpsjon& a) {
  ListItemFields(io, a);
  io.Integer("kind", a.kind, 0, kWordMax);
  io.Colour("insulationColour", a.insulationColour);
  io.Colour("surfaceColour", a.surfaceColour);
  RecordList(io, "thicknesses", a.thicknesses);
}

template <class Io>
void Fields(Io& io, CMantling& m) {
  ListItemFields(io, m);
  io.Integer("kind", m.kind, 0, kWordMax);
  io.Number("emissivity", m.emissivity);
  io.Colour("colour", m.colour);
}

template <class Io>
void Fields(Io& io, CTilleggslengde& l) {
  ListItemFields(io, l);
  io.Number("addedLength", l.addedLength);
  io.Number("minDiameter", l.minDiameter);
  io.Number("maxDiameter", l.maxDiameter);
  if (io.Missing("name")) l.UpdateName();
}

template <class Io>
void Fields(Io& io, CTillegg2& e) {
  ListItemFields(io, e);
  RecordList(io, "lengths", e.lengths);
}

template <class Io>
void Fields(Io& io, CVeske& v) {
  ListItemFields(io, v);
  io.Number("density", v.density);
  io.Number("heatCapacity", v.heatCapacity);
  io.Number("freezingPoint", v.freezingPoint);
}

template <class Io>
void Fields(Io& io, CKlimasted& k) {
  ListItemFields(io, k);
  io.Text("displayText", k.displayText);
  io.Number("temperature", k.temperature);
  io.Number("windSpeed", k.windSpeed);
  if (io.Missing("displayText")) k.UpdateDisplayText();
}

// A cost preset stores only these three. The English name of a shipped preset is built
// into the program instead.
template <class Io>
void Fields(Io& io, CIsoKostnad& c) {
  io.Text("name", c.name);
  io.UnstoredText("nameEn");
  io.Text("label", c.label);
  io.Number("price", c.price);
}

// A list of the standard database; a new record is the database's own (absorbers and
// surfaces get the kind of their list).
template <class T, class Io>
void DatabaseList(Io& io, CDataBase& db, DbList which, const char* key) {
  io.List(
      key, db.List(which), [which] { return CDataBase::NewRecord(which); },
      [](Io& element, CListItem& record) { Fields(element, dynamic_cast<T&>(record)); });
}

template <class Io>
void Fields(Io& io, CDataBase& db) {
  DatabaseList<CIsoProdukt>(io, db, DbList::Products, "products");
  DatabaseList<CAbsorpsjon>(io, db, DbList::RectangularAbsorbers, "rectangularAbsorbers");
  DatabaseList<CAbsorpsjon>(io, db, DbList::CircularAbsorbers, "circularAbsorbers");
  DatabaseList<CMantling>(io, db, DbList::OuterFinishes, "outerFinishes");
  DatabaseList<CMantling>(io, db, DbList::PipeSurfaces, "pipeSurfaces");
  DatabaseList<CMantling>(io, db, DbList::InnerFacings, "innerFacings");
  DatabaseList<CTillegg2>(io, db, DbList::Equipment, "equipment");
  DatabaseList<CVeske>(io, db, DbList::Liquids, "liquids");
}

template <class Io>
void ContainerFields(Io& io, DataKind kind, CItem& container) {
  switch (kind) {
    case DataKind::Database:
      Fields(io, dynamic_cast<CDataBase&>(container));
      return;
    case DataKind::UserDatabase:
      RecordList(io, "products", dynamic_cast<CEgendefDatabase&>(container).Products());
      return;
    case DataKind::Climate:
      RecordList(io, "locations", dynamic_cast<CKlima&>(container).locations);
      return;
    case DataKind::Costs:
      RecordList(io, "presets", dynamic_cast<CKostnad&>(container).presets);
      return;
  }
}

std::string ExpectedFileText() {
  std::string text = "\"file\": expected one of ";
  for (DataKind kind : kAllDataKinds) {
    if (kind != kAllDataKinds[0]) text += ", ";
    text += "\"" + std::string(DataKindName(kind)) + "\"";
  }
  return text;
}

}  // namespace

std::string_view DataKindName(DataKind kind) {
  switch (kind) {
    case DataKind::Database:
      return "database";
    case DataKind::UserDatabase:
      return "userDatabase";
    case DataKind::Climate:
      return "climate";
    case DataKind::Costs:
      return "costs";
  }
  return {};
}

std::optional<DataKind> DataKindFromName(std::string_view name) {
  for (DataKind kind : kAllDataKinds) {
    if (DataKindName(kind) == name) return kind;
  }
  return std::nullopt;
}

std::unique_ptr<CItem> NewContainer(DataKind kind) {
  switch (kind) {
    case DataKind::Database:
      return std::make_unique<CDataBase>(std::filesystem::path());
    case DataKind::UserDatabase:
      return std::make_unique<CEgendefDatabase>(std::filesystem::path());
    case DataKind::Climate:
      return std::make_unique<CKlima>(std::filesystem::path());
    case DataKind::Costs:
      return std::make_unique<CKostnad>(std::filesystem::path());
  }
  return nullptr;
}

const ClassRegistry& ContainerClasses(DataKind kind) {
  switch (kind) {
    case DataKind::Database:
      return DatabaseClasses();
    case DataKind::UserDatabase:
      return UserDatabaseClasses();
    case DataKind::Climate:
      return ClimateClasses();
    case DataKind::Costs:
      return CostClasses();
  }
  return CostClasses();
}

std::string ToJson(DataKind kind, CItem& container) {
  JsonWriter writer;
  writer.Text("file", std::string(DataKindName(kind)));
  ContainerFields(writer, kind, container);
  return writer.Finish();
}

ParsedData FromJson(const QByteArray& json) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(json, &error);
  if (error.error != QJsonParseError::NoError) {
    // Qt's offset is just past the character it stumbled on.
    const QByteArray before = json.left(std::max(error.offset - 1, 0));
    const auto line = before.count('\n') + 1;
    const auto column = before.size() - before.lastIndexOf('\n');
    throw JsonError("invalid JSON at line " + std::to_string(line) + ", column " + std::to_string(column) +
                    ": " + error.errorString().toStdString());
  }
  if (!document.isObject()) throw JsonError("expected an object with the key \"file\"");
  const QJsonObject top = document.object();
  const QJsonValue file = top.value(QLatin1String("file"));
  const auto kind = DataKindFromName(file.toString().toStdString());
  if (!file.isString() || !kind) throw JsonError(ExpectedFileText());

  JsonReader reader(top, "");
  std::string ignored;
  reader.Text("file", ignored);
  auto container = NewContainer(*kind);
  ContainerFields(reader, *kind, *container);
  reader.CheckNoOtherKeys();
  return {*kind, std::move(container)};
}

}  // namespace kelvora::cli
