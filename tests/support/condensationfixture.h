#pragma once

// A condensation module over the small test database with its product and outer surface
// chosen, and what a stopped or reported calculation leaves.

#include <gtest/gtest.h>

#include <string>

#include "core/document/document.h"
#include "core/framework/stringtable.h"
#include "core/report/reportlists.h"
#include "core/report/reporttext.h"
#include "support/golden.h"
#include "support/modulefixtures.h"
#include "support/recordingsurface.h"
#include "support/testdocument.h"

namespace kelvora::testing {

inline std::string Czech(int id) { return std::string(LoadResourceString(id, Language::Czech)); }

template <class Module, ModuleIndex kIndex>
class CondensationFixture : public ::testing::Test {
 protected:
  CondensationFixture() {
    m.insulation.Set(0, &product, 0, nullptr, 0);
    m.SetSurface(&Record<CMantling>(*doc, DbList::OuterFinishes));
  }

  // Report items the module has put in its list.
  std::size_t Shown() { return doc->reports.List(kIndex).size() - documentItems; }

  void ExpectStop(const std::string& message) {
    doc.messages.shown.clear();
    m.Recalculate();
    EXPECT_EQ(m.calculated, 0);
    EXPECT_EQ(Shown(), 0u);
    ASSERT_EQ(doc.messages.shown.size(), 1u);
    EXPECT_EQ(doc.messages.shown[0], message);
  }

  // The copy text of the report in both languages against the golden files `name`.cz/.en.txt.
  void ExpectReport(const std::string& name, std::size_t items) {
    doc->reports.Page().SetScreenSurface(&measure);
    m.Recalculate();
    ASSERT_EQ(m.calculated, 1) << ::testing::PrintToString(doc.messages.shown);
    EXPECT_EQ(Shown(), items);
    for (const bool english : {false, true}) {
      doc->englishResults = english ? 1 : 0;
      doc->Refresh(kLayoutChangedHint);
      ExpectGolden(name + (english ? ".en.txt" : ".cz.txt"), ReportCopyText(doc->reports, kIndex));
    }
  }

  RecordingSurface measure;
  TestDocument doc;
  Module& m = ModuleOf<Module>(*doc, kIndex);
  CIsoProdukt& product = Record<CIsoProdukt>(*doc, DbList::Products);
  std::size_t documentItems = doc->reports.List(kIndex).size();
};

}  // namespace kelvora::testing
