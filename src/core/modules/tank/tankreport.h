#pragma once

#include "core/modules/tank/tankcalculation.h"
#include "core/report/graph.h"
#include "core/report/tabell.h"

namespace kelvora {

class CTankTempModul;
class ReportLists;

// The report of a tank: its results, the temperature against time of a storage, and its input. The tables
// live as long as the report and are only filled, placed, shown and hidden.
class TankReport {
 public:
  explicit TankReport(const PageModel& page);

  // Tables and graph set up empty at their starting places; nothing shown.
  void Reset(ReportLists* lists);
  void Show(const CTankTempModul& m, const TankResult& result, ReportLists* lists);
  void Hide(ReportLists* lists);

  CTabell results;
  CGraph graph;
  CTabell input;

 private:
  const PageModel& page;
};

}  // namespace kelvora
