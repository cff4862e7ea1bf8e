#pragma once

#include <array>
#include <string>

#include "core/modules/sound/soundcalculation.h"
#include "core/report/graph.h"
#include "core/report/tabell.h"
#include "core/report/textitems.h"

namespace kelvora {

class CLydModul;
class ReportLists;

// The six attenuations, the limit frequency and the acoustic cross-section as the results
// table shows them.
std::array<std::string, 8> ResultTexts(const SoundResult& result);

// The report of a lined duct: the attenuation curve, the results, the notes on where the
// results hold, and the input. The items live as long as the report and are only filled,
// placed, shown and hidden.
class SoundReport {
 public:
  explicit SoundReport(const PageModel& page);

  // Items set up empty at their starting places; nothing shown.
  void Reset(ReportLists* lists);
  // The results table shows the module's result texts.
  void Show(const CLydModul& m, const SoundDuct& duct, const SoundResult& result, ReportLists* lists);
  void Hide(ReportLists* lists);

  CTabell resultTable;
  CSoundGraph soundGraph;
  CTabell inputTable;
  CText notes;

 private:
  // In the order the report list takes them.
  std::array<CGraphicsItem*, 4> Items() { return {&inputTable, &resultTable, &soundGraph, &notes}; }

  const PageModel& page;
};

}  // namespace kelvora
