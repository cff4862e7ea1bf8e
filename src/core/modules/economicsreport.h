#pragma once

#include "core/modules/economics.h"
#include "core/report/tabell.h"

namespace kelvora {

class COkonomiModul;
class ReportLists;

// The report of the economics module: heat loss and yearly costs of the uninsulated object
// and of every alternative, the cheapest highlighted, then the input. The tables live as long
// as the report and are only filled, placed, shown and hidden.
class EconomicsReport {
 public:
  explicit EconomicsReport(const PageModel& page);

  void Reset(ReportLists* lists);
  void Show(const COkonomiModul& m, const EconomicsResult& result, ReportLists* lists);
  void Hide(ReportLists* lists);

  CTabell heatLoss;
  CTabell energyCost;
  CTabell input;

 private:
  const PageModel& page;
};

}  // namespace kelvora
