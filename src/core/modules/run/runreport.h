#pragma once

#include <memory>
#include <span>
#include <vector>

#include "core/modules/run/runcalculation.h"
#include "core/report/graph.h"
#include "core/report/tabell.h"
#include "core/report/textitems.h"

namespace kelvora {

class CKanalTempModul;
class ReportLists;

// The report of a pipe or duct run: each section's results, the note of the dew-point check
// when the run makes it, the run's energy, the insulation it needs, the module's input, one input table
// per section and the medium's temperature along the run. The items live as long as the report and are only
// filled, placed, shown and hidden; a table per section is made as the run grows, so no run is too long for
// it.
class RunReport {
 public:
  explicit RunReport(const PageModel& page);

  // The four module tables set up empty at their starting places; nothing shown.
  void Reset(ReportLists* lists);
  // Fills every table from a finished run (`results` in section order) and shows them.
  void Show(const CKanalTempModul& m, std::span<const RunSectionResult> results, float totalHeatLoss,
            float totalLength, ReportLists* lists);
  void Hide(ReportLists* lists);

  CTabell results;
  CColoredText dewPointNote;
  CTabell energy;
  CTabell insulation;
  CTabell input;
  std::vector<std::unique_ptr<CTabell>> sectionInputs;
  // One curve per section, then the freezing or dew point the run checks as a level.
  CGraph temperatures;

 private:
  // The page flow: below `top` on the page of `x`, or at the top of the next page over
  // when it would run past the foot. Returns where the next item starts.
  template <class Item>
  float PlaceBelow(Item& item, float& x, float top);

  const PageModel& page;
};

}  // namespace kelvora
