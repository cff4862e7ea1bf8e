#include "core/modules/run/sectionsummary.h"

#include <gtest/gtest.h>

#include "core/modules/run/segment.h"
#include "support/displaylanguage.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::Record;
using testing::TestDocument;
using testing::UserProduct;

TEST(SectionSummary, APipeWithTwoLayersNamesBothInItsUnitsAndThePipeFlowInHundredths) {
  TestDocument doc;
  CSegment pipe(CSegment::kPipe, 1);
  pipe.layer1.Set(0, &Record<CIsoProdukt>(*doc, DbList::Products), 50, nullptr, 50);
  pipe.secondLayerOn = 1;
  pipe.layer2.Set(1, nullptr, 30, &UserProduct(*doc, "Moje"), 20);
  pipe.flowUnit = 1;
  pipe.flow = 2.5f;
  EXPECT_EQ(
      DescribeSection(pipe),
      "Typ úseku: Potrubí\nIzolační produkt: Vata\nTloušťka: 50.0 mm\nPrůměr: 100.0 mm\nDélka potrubí: "
      "10.00 m\nOkolní teplota: 20.0 °C\nPrůtok média do úseku: 2.50 l/s\n\nIzolační produkt - vrstva 2: "
      "Moje (Jiný)\nTloušťka izolace - vrstva 2: 20.0 mm");
}

TEST(SectionSummary, ABareDuctHasNoThicknessAndWholeDuctFlows) {
  CSegment duct(CSegment::kRectDuctInternal, 1);
  duct.bare = 1;
  duct.secondLayerOn = 1;
  duct.flow = 1234.4f;
  EXPECT_EQ(
      DescribeSection(duct),
      "Typ úseku: Obdélníkové potrubí, vnitřní izolace\nIzolační produkt: Bez izolace (holé)\nTloušťka: 0.0 "
      "mm\n"
      "Výška: 200.0 mm\nŠířka: 200.0 mm\nDélka potrubí: 10.00 m\nOkolní teplota: 20.0 °C\nPrůtok média do "
      "úseku: 1234 m3/h\n");
}

TEST(SectionSummary, SpeaksTheDisplayLanguage) {
  TestDocument doc;
  CSegment duct(CSegment::kCircularDuct, 1);
  duct.layer1.Set(0, &Record<CIsoProdukt>(*doc, DbList::Products), 50, nullptr, 50);
  duct.flowUnit = 2;
  duct.flow = 3.0f;
  const testing::EnglishDisplay english;
  EXPECT_EQ(DescribeSection(duct),
            "Section type: Circular duct\nInsulation product: Wool\nInsulation thickness: 50.0 mm\nDiameter: "
            "100.0 mm\nLength: 10.00 m\nAmbient temperature: 20.0 °C\nFlow into the section: 3.00 m/s\n");
}

}  // namespace
}  // namespace kelvora
