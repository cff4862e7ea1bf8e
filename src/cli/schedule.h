#pragma once

// A line list through the heat-loss calculation: each record set up as the input dialog
// would set the module, checked as the dialog checks it, and computed by the module itself.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cliplatform.h"
#include "cli/linelist.h"

namespace kelvora {
class CQorDoc;
class CVarmeTapModul;
}  // namespace kelvora

namespace kelvora::cli {

// The input columns, in the order a record is applied and the template lists them.
enum class Column {
  Id,
  Object,
  Orientation,
  Diameter,
  Width,
  Height,
  Length,
  Area,
  Medium,
  Ambient,
  Surroundings,
  Wind,
  Coefficient,
  Calculation,
  Target,
  TargetUnit,
  Product1,
  Thickness1,
  Product2,
  Thickness2,
  Product3,
  Thickness3,
  Jacket,
  Emissivity,
  InnerFacing,
  BareEmissivity,
  Hangers,
  Equipment,
  Flow,
  FlowUnit,
  Price,
  Hours,
  Co2,
  Currency,
};
inline constexpr std::size_t kColumnCount = static_cast<std::size_t>(Column::Currency) + 1;

// The header names of the input columns, indexed by Column.
const std::array<std::string_view, kColumnCount>& ColumnNames();

// What the report shows for a computed line, as it prints the numbers (decimal point).
struct LineFigures {
  std::string thickness;          // mm: found, or the layers' sum when given
  std::string standardThickness;  // mm; empty when the thickness is given or none is thick enough
  std::string heatLoss;
  std::string heatLossUnit;  // "W/m", or "W/m2" for planes
  std::string total;         // W over the length or area, equipment included
  std::string surfaceTemperature;
  std::string u;
  std::string uUnit;
  std::string regulation;  // "compliant", "not compliant" or "none"
};

struct LineOutcome {
  std::string id;
  std::optional<LineFigures> figures;  // nothing when the line could not be computed
  std::string message;                 // why not, or what the calculation remarked
};

// The output columns, and one line's fields under them.
std::vector<std::string> OutcomeHeader();
std::vector<std::string> OutcomeFields(const LineOutcome& outcome, bool decimalComma);

// What the calculation tells the user, kept for the line that raised it.
class CollectedMessages : public UnansweredMessages {
 public:
  void Show(std::string_view text) override { texts.emplace_back(text); }

  std::vector<std::string> texts;
};

class Schedule {
 public:
  // `messages` must be the document's own.
  Schedule(CQorDoc& doc, CollectedMessages& messages, const std::vector<std::string>& header);

  // Header names that are no input column: skipped.
  const std::vector<std::string>& UnknownColumns() const { return unknown; }

  // Computes one record in the document's heat-loss module, which holds it afterwards.
  LineOutcome Compute(const LineList::Record& record);

 private:
  CQorDoc& doc;
  CVarmeTapModul& module;
  CollectedMessages& messages;
  std::array<std::optional<std::size_t>, kColumnCount> fieldOf;
  std::vector<std::string> unknown;
};

// A header with every column and three lines (a pipe, a duct, a wall) that compute with
// the shipped data.
std::string ScheduleTemplate(char separator, bool decimalComma);

}  // namespace kelvora::cli
