#pragma once

#include "core/modules/frost/frostcalculation.h"
#include "core/report/graph.h"
#include "core/report/insulationspace.h"
#include "core/report/tabell.h"

namespace kelvora {

class CFrostModul;
class ReportLists;

// The report of a frost calculation: its results, its input, the mounting clearances and the
// water temperature over time.
// The items live as long as the module and are only filled, placed, shown and hidden.
class FrostReport {
 public:
  explicit FrostReport(const PageModel& page);

  // Tables set up empty at their starting places; nothing shown.
  void Reset(ReportLists* lists);
  void Show(const CFrostModul& m, const FrostResult& result, ReportLists* lists);
  void Hide(ReportLists* lists);

  CTabell resultTable;
  CTabell inputTable;
  CInsulationSpace clearance;
  CGraph graph;

 private:
  const PageModel& page;
};

}  // namespace kelvora
