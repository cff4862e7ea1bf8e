#pragma once

// A module's report text compared with its frozen texts in both languages.

#include <string>

#include "core/document/document.h"
#include "core/report/reporttext.h"
#include "support/golden.h"

namespace kelvora::testing {

// `stem` + ".cz.txt" and `stem` + ".en.txt"; the language is switched as the user does.
inline void ExpectReportGoldens(CQorDoc& doc, ModuleIndex module, const std::string& stem) {
  for (const bool english : {false, true}) {
    doc.englishResults = english ? 1 : 0;
    doc.Refresh(kLayoutChangedHint);
    ExpectGolden(stem + (english ? ".en.txt" : ".cz.txt"), ReportCopyText(doc.reports, module));
  }
}

}  // namespace kelvora::testing
