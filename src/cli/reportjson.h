#pragma once

// A module's report as JSON, in the form docs/report-json.md describes.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kelvora {
class CQorDoc;
enum class ModuleIndex : int;
}  // namespace kelvora

namespace kelvora::cli {

struct CellNumber {
  double value = 0;
  std::string unit;  // empty for a bare number
};

// The number a report cell shows, and its unit after one space: "150.0 °C", "-12.5 W/m",
// "0,94", "1 234 kWh/rok". Nothing for words, for text after the number that is not one
// unit ("2 x 40 mm") and for what is not finite ("nan °C").
std::optional<CellNumber> NumberOfCell(std::string_view text);

// The report of `module` in the document's report language, every item in page order;
// `messages` are what reading and calculating the document said.
std::string ReportJson(const CQorDoc& doc, ModuleIndex module, std::span<const std::string> messages);

}  // namespace kelvora::cli
