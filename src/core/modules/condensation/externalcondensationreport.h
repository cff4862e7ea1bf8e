#pragma once

#include "core/modules/condensation/externalcondensation.h"
#include "core/report/insulationspace.h"
#include "core/report/tabell.h"

namespace kelvora {

class CUtvendigKondensModul;
class ReportLists;

// The report of external condensation: the required thickness (beside the standard one),
// the input and, for pipes and externally insulated ducts, the mounting clearances. The
// items live as long as the report and are only filled, placed, shown and hidden.
class ExternalCondensationReport {
 public:
  explicit ExternalCondensationReport(const PageModel& page);

  // Tables and drawing set up empty at their starting places; nothing shown.
  void Reset(ReportLists* lists);
  void Show(const CUtvendigKondensModul& m, const ExternalCondensationResult& result, ReportLists* lists);
  void Hide(ReportLists* lists);

  CTabell results;
  CTabell input;
  CInsulationSpace space;

 private:
  const PageModel& page;
};

}  // namespace kelvora
