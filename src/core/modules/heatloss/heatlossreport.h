#pragma once

#include "core/report/graph.h"
#include "core/report/insulationspace.h"
#include "core/report/tabell.h"
#include "core/report/textitems.h"

namespace kelvora {

class CVarmeTapModul;
class ReportLists;
struct HeatLossResult;
struct RegulationVerdict;
struct SavingsResult;

// The report pages of the heat-loss module: results, the regulation verdict and its note,
// every input again, the mounting clearances, and the heat loss and the surface temperature
// against the thickness of layer 1. The items live as long as the module and
// are only filled, placed, shown and hidden.
class HeatLossReport {
 public:
  explicit HeatLossReport(const PageModel& page);

  // Empty tables at their starting places, nothing shown.
  void Reset(ReportLists* lists);
  // Fills the tables from a successful solve, places the items page by page and shows them.
  void Show(const CVarmeTapModul& m, const HeatLossResult& result, const SavingsResult& savings,
            const RegulationVerdict& verdict, ReportLists* lists);
  void Hide(ReportLists* lists);

  CTabell results;
  CColoredText verdict;
  CColoredText note;
  CTabell input;
  CInsulationSpace clearance;
  CGraph lossGraph;
  CGraph surfaceGraph;

 private:
  // Below `top` (mm) on the page of `x`, or at the top of the next page when the item
  // would run past the page's foot.
  template <class Item>
  void PlaceBelow(Item& item, float x, float top);

  const PageModel& page;
};

}  // namespace kelvora
