#pragma once

#include <string>

#include "core/framework/stringtable.h"
#include "core/modules/economics/economics.h"
#include "core/report/graph.h"
#include "core/report/tabell.h"
#include "core/report/textitems.h"

namespace kelvora {

class COkonomiModul;
class ReportLists;

// A life span with its unit, "%.1f" but whole years without the decimal, in the grammatical
// number the language takes: "1 rok", "3 roky", "25 let", "2.5 roku"; "1 year", "25 years".
std::string YearsText(float years, Language language);

// The report of the economics module: heat loss and yearly costs of the uninsulated object
// and of every alternative, the cheapest highlighted, the input, then the costs against the
// thickness and, where the cheapest lies at an end of the thicknesses offered, a note that the
// optimum may lie beyond them. The items live as long as the report and are only filled, placed,
// shown and hidden.
class EconomicsReport {
 public:
  explicit EconomicsReport(const PageModel& page);

  void Reset(ReportLists* lists);
  void Show(const COkonomiModul& m, const EconomicsResult& result, ReportLists* lists);
  void Hide(ReportLists* lists);

  CTabell heatLoss;
  CTabell energyCost;
  CTabell input;
  // Total, energy and insulation cost by thickness, the bare object at 0, and the cheapest.
  CGraph costs;
  CColoredText optimumNote;

 private:
  const PageModel& page;
};

}  // namespace kelvora
