#pragma once

#include "core/modules/condensation/internalcondensation.h"
#include "core/report/tabell.h"

namespace kelvora {

class CInnvendigKondensModul;
class ReportLists;

// The report of internal condensation: the required thickness (beside the standard one)
// and the input. The tables live as long as the report and are only filled, placed, shown
// and hidden.
class InternalCondensationReport {
 public:
  explicit InternalCondensationReport(const PageModel& page);

  // Tables set up empty at their starting places; nothing shown.
  void Reset(ReportLists* lists);
  void Show(const CInnvendigKondensModul& m, const InternalCondensationResult& result, ReportLists* lists);
  void Hide(ReportLists* lists);

  CTabell results;
  CTabell input;

 private:
  const PageModel& page;
};

}  // namespace kelvora
