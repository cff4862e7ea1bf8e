#include "cli/reportjson.h"

#include <charconv>
#include <cmath>

#include "cli/jsontext.h"
#include "core/document/document.h"
#include "core/report/graph.h"
#include "core/report/insulationspace.h"
#include "core/report/reporttext.h"
#include "core/report/tabell.h"
#include "core/report/textitems.h"

namespace kelvora::cli {
namespace {

constexpr std::string_view kFormatName = "kelvora-report";
constexpr int kFormatVersion = 1;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of a space that may group thousands at `at`: plain, no-break or narrow
// no-break; 0 for none.
std::size_t GroupSpaceAt(std::string_view text, std::size_t at) {
  for (const std::string_view space : {" ", "\xC2\xA0", "\xE2\x80\xAF"}) {
    if (text.substr(at).starts_with(space)) return space.size();
  }
  return 0;
}

bool IsUnit(std::string_view unit) {
  if (unit.empty() || IsDigit(unit.front()) || std::string_view("+-.,").find(unit.front()) != unit.npos)
    return false;
  return unit.find_first_of(" \t\n") == unit.npos;
}

std::string NumberText(double value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

// Floats in their shortest text; JSON has no number for what is not finite.
void Number(JsonText& json, float value) {
  const std::string text = FormatFloat(value);
  json.Literal(text.empty() ? (std::isfinite(value) ? "0" : "null") : text);
}

void Coordinate(JsonText& json, float value) {
  json.Element();
  Number(json, value);
}

void Text(JsonText& json, std::string_view key, std::string_view text) {
  json.Key(key);
  json.String(text);
}

void Cell(JsonText& json, const std::string& text) {
  json.Element();
  json.Open('{', true);
  Text(json, "text", text);
  if (const auto number = NumberOfCell(text)) {
    json.Key("value");
    json.Literal(NumberText(number->value));
    Text(json, "unit", number->unit);
  }
  json.Close('}');
}

void Table(JsonText& json, const CTabell& table, bool english) {
  Text(json, "type", "table");
  Text(json, "name", english ? table.secondName : table.name);
  json.Key("header");
  json.Open('[', true);
  for (int c = 0; c < table.columnCount; ++c) {
    json.Element();
    json.String(table.Cell(0, c).Text(english));
  }
  json.Close(']');
  json.Key("rows");
  json.Open('[');
  for (int row = 1; row < table.rowCount; ++row) {
    json.Element();
    json.Open('{', true);
    Text(json, "label", table.Cell(row, 0).Text(english));
    json.Key("cells");
    json.Open('[');
    for (int c = 1; c < table.columnCount; ++c) Cell(json, table.Cell(row, c).Text(english));
    json.Close(']');
    json.Close('}');
  }
  json.Close(']');
}

// The range and step of an axis as drawn; a step of 0 for ticks that are not evenly valued.
struct DrawnAxis {
  float min = 0.0f;
  float max = 0.0f;
  float step = 0.0f;
};

// An axis title shows its unit in brackets: "Time [h]".
void Axis(JsonText& json, std::string_view key, std::string_view title, const DrawnAxis& drawn) {
  const std::size_t first = title.find_first_not_of(' ');
  title =
      first == title.npos ? std::string_view() : title.substr(first, title.find_last_not_of(' ') - first + 1);
  const std::size_t open = title.find('[');
  const std::size_t close = title.find(']', open);
  json.Key(key);
  json.Open('{', true);
  Text(json, "title", title);
  Text(json, "unit", close == title.npos ? std::string_view() : title.substr(open + 1, close - open - 1));
  json.Key("min");
  Number(json, drawn.min);
  json.Key("max");
  Number(json, drawn.max);
  json.Key("step");
  Number(json, drawn.step);
  json.Close('}');
}

template <class Xs, class Ys>
void Curve(JsonText& json, std::string_view name, const Xs& xs, const Ys& ys, const CKurve* level = nullptr) {
  json.Element();
  json.Open('{', true);
  Text(json, "name", name);
  if (level) {
    json.Key("level");
    json.Open('{', true);
    json.Key("value");
    Number(json, level->yValues.empty() ? 0.0f : level->yValues.front());
    json.Key("outsideRange");
    json.Literal(level->outsideRange ? "true" : "false");
    json.Close('}');
  }
  json.Key("points");
  json.Open('[');
  for (std::size_t i = 0; i < xs.size() && i < ys.size(); ++i) {
    json.Element();
    json.Open('[');
    Coordinate(json, xs[i]);
    Coordinate(json, ys[i]);
    json.Close(']');
  }
  json.Close(']');
  json.Close('}');
}

void Graph(JsonText& json, const CGraph& graph, bool english) {
  Text(json, "type", "graph");
  Text(json, "title", english ? graph.secondName : graph.name);
  Axis(json, "x", english ? graph.xAxisTitleEn : graph.xAxisTitleCz, {graph.xMin, graph.xMax, graph.xStep});
  Axis(json, "y", english ? graph.yAxisTitleEn : graph.yAxisTitleCz, {graph.yMin, graph.yMax, graph.yStep});
  json.Key("curves");
  json.Open('[');
  for (int i = 0; i < graph.curveCount; ++i) {
    const CKurve& curve = graph.Curve(i);
    Curve(json, english ? curve.secondName : curve.name, curve.xValues, curve.yValues,
          curve.level ? &curve : nullptr);
  }
  json.Close(']');
}

void SoundGraph(JsonText& json, const CSoundGraph& graph, bool english) {
  Text(json, "type", "graph");
  Text(json, "title", english ? CSoundGraph::kTitleEn : CSoundGraph::kTitleCz);
  // One tick an octave band, evenly spaced: the x axis has no step of its own.
  Axis(json, "x", english ? CSoundGraph::kXAxisTitleEn : CSoundGraph::kXAxisTitleCz,
       {CSoundGraph::kBandFrequencies.front(), CSoundGraph::kBandFrequencies.back(), 0.0f});
  Axis(json, "y", english ? CSoundGraph::kYAxisTitleEn : CSoundGraph::kYAxisTitleCz,
       {0.0f, graph.yStep * static_cast<float>(graph.yTickCount - 1), graph.yStep});
  json.Key("curves");
  json.Open('[');
  Curve(json, english ? CSoundGraph::kLegendEn : CSoundGraph::kLegendCz, CSoundGraph::kBandFrequencies,
        graph.values);
  json.Close(']');
}

void Clearances(JsonText& json, const CInsulationSpace& space, bool english) {
  Text(json, "type", "clearances");
  Text(json, "title", english ? space.titleEn : space.name);
  json.Key("values");
  json.Open('[');
  for (const CInsulationSpace::Value value : space.ShownValues()) {
    json.Element();
    json.Open('{', true);
    Text(json, "name", CInsulationSpace::Name(value));
    json.Key("value");
    json.Literal(std::to_string(space.values[value]));
    Text(json, "unit", "mm");
    json.Close('}');
  }
  json.Close(']');
}

// The header and footer only frame the items.
void Item(JsonText& json, const CGraphicsItem& item, bool english) {
  const auto open = [&] {
    json.Element();
    json.Open('{');
  };
  if (const auto* table = dynamic_cast<const CTabell*>(&item)) {
    open();
    Table(json, *table, english);
  } else if (const auto* graph = dynamic_cast<const CGraph*>(&item)) {
    open();
    Graph(json, *graph, english);
  } else if (const auto* sound = dynamic_cast<const CSoundGraph*>(&item)) {
    open();
    SoundGraph(json, *sound, english);
  } else if (const auto* paragraph = dynamic_cast<const CColoredText*>(&item)) {
    open();
    Text(json, "type", "text");
    Text(json, "text", paragraph->CopyText());
  } else if (const auto* block = dynamic_cast<const CText*>(&item)) {
    open();
    Text(json, "type", "titledText");
    Text(json, "title", english ? block->secondName : block->name);
    json.Key("lines");
    json.Open('[');
    for (const std::string& line : english ? block->linesEn : block->linesCz) {
      json.Element();
      json.String(line);
    }
    json.Close(']');
  } else if (const auto* space = dynamic_cast<const CInsulationSpace*>(&item)) {
    open();
    Clearances(json, *space, english);
  } else {
    return;
  }
  json.Close('}');
}

}  // namespace

std::optional<CellNumber> NumberOfCell(std::string_view text) {
  std::string number;
  std::size_t i = 0;
  const auto digits = [&] {
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i])) number += text[i++];
    return i - start;
  };
  if (text.starts_with('-')) number += text[i++];
  const std::size_t lead = digits();
  if (lead == 0) return std::nullopt;
  // After a first group of at most three digits, spaced groups of exactly three go on.
  while (lead <= 3) {
    const std::size_t group = i + GroupSpaceAt(text, i);
    const auto digitAt = [&](std::size_t at) { return at < text.size() && IsDigit(text[at]); };
    if (group == i || !digitAt(group) || !digitAt(group + 1) || !digitAt(group + 2) || digitAt(group + 3))
      break;
    i = group;
    digits();
  }
  if (i + 1 < text.size() && (text[i] == '.' || text[i] == ',') && IsDigit(text[i + 1])) {
    number += '.';
    ++i;
    digits();
  }
  const std::string_view rest = text.substr(i);
  CellNumber cell;
  if (!rest.empty()) {
    if (!rest.starts_with(' ') || !IsUnit(rest.substr(1))) return std::nullopt;
    cell.unit = rest.substr(1);
  }
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), cell.value);
  if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(cell.value))
    return std::nullopt;
  return cell;
}

std::string ReportJson(const CQorDoc& doc, ModuleIndex module, std::span<const std::string> messages) {
  const bool english = doc.reports.Page().English();
  const CHeader& header = *doc.headers[static_cast<std::size_t>(module)];
  JsonText json;
  Text(json, "format", kFormatName);
  json.Key("version");
  json.Literal(std::to_string(kFormatVersion));
  json.Key("module");
  json.Open('{', true);
  json.Key("index");
  json.Literal(std::to_string(static_cast<int>(module)));
  Text(json, "name", english ? header.titleEn : header.titleCz);
  json.Close('}');
  Text(json, "language", english ? "en" : "cs");
  json.Key("project");
  json.Open('{');
  Text(json, "name", doc.project.projectName);
  Text(json, "equipment", doc.project.plantName);
  Text(json, "responsible", doc.project.calculatedBy);
  const std::u8string file = doc.pathName.u8string();
  Text(json, "file", std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
  json.Close('}');
  json.Key("items");
  json.Open('[');
  for (const CGraphicsItem* item : ItemsInPageOrder(doc.reports, module)) Item(json, *item, english);
  json.Close(']');
  json.Key("messages");
  json.Open('[');
  for (const std::string& message : messages) {
    json.Element();
    json.String(message);
  }
  json.Close(']');
  return json.Finish();
}

}  // namespace kelvora::cli
