#include "core/modules/economics/economics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <variant>

#include "core/document/document.h"
#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"
#include "core/modules/economics/economicsinputcheck.h"
#include "core/modules/economics/economicsreport.h"
#include "core/modules/economics/okonomimodul.h"
#include "core/report/reportlists.h"
#include "core/report/reporttext.h"
#include "support/golden.h"
#include "support/graphrules.h"
#include "support/modulefixtures.h"
#include "support/recordingsurface.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::AddAlternative;
using testing::ExpectGolden;
using testing::ModuleOf;
using testing::Record;
using testing::RecordingSurface;
using testing::TestDocument;
using testing::UserProduct;

double Factor(double rate, double years) {
  return rate == 0 ? years : (1 - std::pow(1 + rate, -years)) / rate;
}

TEST(EconomicsFactors, FollowInterestAndTheRealRateOfTheEnergyPrice) {
  const struct {
    float interest, inflation, years;
    double capital, energy;
  } cases[] = {
      {7, 0, 20, 10.594, 10.594},
      {7, 3, 20, 10.594, Factor(1.07 / 1.03 - 1, 20)},
      {0, 0, 20, 20, 20},
      // Energy dearer faster than money earns: worth more than the 20 years it lasts.
      {3, 7, 20, Factor(0.03, 20), Factor(1.03 / 1.07 - 1, 20)},
      {5, 5, 10, Factor(0.05, 10), 10},
  };
  for (const auto& c : cases) {
    const PresentValueFactors pv = AnnuityFactors(c.interest, c.inflation, c.years);
    EXPECT_NEAR(pv.capital, c.capital, 0.005) << c.interest << "/" << c.inflation;
    EXPECT_NEAR(pv.energy, c.energy, 0.005) << c.interest << "/" << c.inflation;
  }
  EXPECT_NEAR(AnnuityFactors(3, 7, 20).energy, 30.6f, 0.05f);
  EXPECT_NEAR(1000.0f / AnnuityFactors(7, 0, 20).capital, 94.39f, 0.005f);
}

TEST(EconomicsOptimum, AnEqualTotalNeverDisplacesAnEarlierCandidate) {
  const auto totals = [](std::initializer_list<float> values) {
    std::vector<EconomicsCandidate> candidates;
    for (float v : values) candidates.push_back({0, 0, 0, 0, v});
    return candidates;
  };
  EXPECT_EQ(Cheapest(totals({50, 40, 40, 45})), 1u);
  EXPECT_EQ(Cheapest(totals({40, 40})), 0u);  // a tie with the bare object keeps it
  EXPECT_EQ(Cheapest(totals({50, 60, 49.99f})), 2u);
  EXPECT_EQ(Cheapest(totals({50})), 0u);
}

class EconomicsTest : public ::testing::Test {
 protected:
  EconomicsTest() {
    doc->reports.Page().SetScreenSurface(&measure);
    m.currency = "EUR";
    m.energyPrice = 0.1f;
    m.operatingHours = 6000;
  }

  // A plane with a given outer coefficient insulated by a product of constant conductivity:
  // every figure has a closed form.
  COkoIsolasjon& ConstantPlane(float lambda, float thickness, float price) {
    CEgendefIsoProdukt& product = UserProduct(*doc, "Konstantní");
    product.SetPolynomial({0, 0, 0, lambda});
    product.minThickness = 1;
    product.maxThickness = 500;
    COkoIsolasjon& a = AddAlternative(*doc, 4);
    a.source = 1;
    a.SetUserProduct(&product);
    a.userThickness = thickness;
    a.price = price;
    a.ownEmissivity = 1;
    a.name = FormatC("Konstantní, %.1fmm, %.2f EUR/m2", {thickness, price});
    a.secondName = a.name;
    m.objectKind = 4;
    m.environment = 2;
    return a;
  }
  std::size_t Shown() { return doc->reports.List(ModuleIndex::Economics).size() - documentItems; }

  RecordingSurface measure;
  TestDocument doc;
  COkonomiModul& m = ModuleOf<COkonomiModul>(*doc, ModuleIndex::Economics);
  std::size_t documentItems = doc->reports.List(ModuleIndex::Economics).size();
};

TEST_F(EconomicsTest, APlaneWithAGivenCoefficientFollowsTheClosedFormsToThePrintedDigit) {
  m.mediumTemperature = 80;
  m.ambientTemperature = 20;
  m.userCoefficient = 8;
  m.interestRate = 6;
  m.energyInflation = 2;
  m.lifeSpan = 25;
  ConstantPlane(0.04f, 60, 450);
  const auto r = ComputeEconomics(m);
  ASSERT_TRUE(r);
  const double dT = 60;
  const double q = dT / (0.06 / 0.04 + 1.0 / 8);
  const double q0 = 8 * dT;
  const double pvn = Factor(0.06, 25);
  const double pvr = Factor(1.06 / 1.02 - 1, 25);
  const auto energy = [&](double loss) { return loss * 6000 / 1000 * 0.1 * pvr / pvn; };
  const auto printed = [](double value) { return std::round(value * 100) / 100; };
  ASSERT_EQ(r->candidates.size(), 2u);
  EXPECT_NEAR(r->candidates[0].heatLoss, q0, 0.05);
  EXPECT_NEAR(r->candidates[1].heatLoss, q, 0.05);
  EXPECT_EQ(printed(r->candidates[0].total), printed(energy(q0)));
  EXPECT_EQ(printed(r->candidates[1].energyCost), printed(energy(q)));
  EXPECT_EQ(printed(r->candidates[1].investment), printed(450 / pvn));
  EXPECT_EQ(printed(r->candidates[1].total), printed(energy(q) + 450 / pvn));
  EXPECT_EQ(r->optimum, 1u);
}

TEST_F(EconomicsTest, ACostlierAlternativeOfTheSameLossLosesAndTheReportHighlightsTheCheapest) {
  ConstantPlane(0.04f, 60, 450);
  ConstantPlane(0.04f, 60, 900);
  m.Recalculate();
  ASSERT_EQ(m.calculated, 1);
  EXPECT_EQ(m.Report().energyCost.highlightRow, 2);
  EXPECT_EQ(Shown(), 5u) << "the tables, the graph and the note that both alternatives are equally thick";
}

TEST_F(EconomicsTest, AColdLineLosesNegativelyButStillPaysForItsEnergy) {
  m.mediumTemperature = 5;
  m.ambientTemperature = 25;
  AddAlternative(*doc, 0);
  const auto r = ComputeEconomics(m);
  ASSERT_TRUE(r);
  for (const EconomicsCandidate& c : r->candidates) {
    EXPECT_LT(c.heatLoss, 0.0f);
    EXPECT_GT(c.energyCost, 0.0f);
  }
  EXPECT_LT(std::fabs(r->candidates[1].heatLoss), std::fabs(r->candidates[0].heatLoss));
}

// The stored module is judged before it is calculated: a fault leaves it uncalculated,
// its report hidden and the dialog's message told.
TEST_F(EconomicsTest, AStoredModuleThatFailsTheChecksStaysUncalculatedWithItsMessage) {
  const struct {
    const char* what;
    void (*damage)(COkonomiModul&);
    std::variant<int, const char*> message;  // 0: a range text
  } cases[] = {
      {"no alternative", [](COkonomiModul& e) { DeleteAll(e.alternatives); }, ids::kEcoNeedAlternative},
      {"no product", [](COkonomiModul& e) { e.alternatives[0]->SetStandardProduct(nullptr); },
       ids::kChooseInsulationProduct},
      {"no surface", [](COkonomiModul& e) { e.alternatives[0]->SetOuterSurface(nullptr); },
       ids::kChooseSurface},
      {"zero thickness", [](COkonomiModul& e) { e.alternatives[0]->standardThickness = 0; }, 0},
      {"life span 0", [](COkonomiModul& e) { e.lifeSpan = 0; }, 0},
      {"vertical plane without height",
       [](COkonomiModul& e) {
         e.objectKind = 4;
         e.vertical = 1;
         e.height = 0;
       },
       0},
      {"not a number", [](COkonomiModul& e) { e.energyPrice = std::numeric_limits<float>::quiet_NaN(); },
       "Cena energie: není číslo, zadejte hodnotu od 0,01 do 200."},
  };
  for (const auto& c : cases) {
    DeleteAll(m.alternatives);
    m.Reset();
    AddAlternative(*doc, 0);
    m.Recalculate();
    ASSERT_EQ(m.calculated, 1) << c.what;
    c.damage(m);
    doc.messages.shown.clear();
    m.Recalculate();
    EXPECT_EQ(m.calculated, 0) << c.what;
    EXPECT_EQ(Shown(), 0u) << c.what;
    ASSERT_EQ(doc.messages.shown.size(), 1u) << c.what;
    if (const auto* text = std::get_if<const char*>(&c.message)) {
      EXPECT_EQ(doc.messages.shown[0], *text) << c.what;
    } else if (const int id = std::get<int>(c.message)) {
      EXPECT_EQ(doc.messages.shown[0], LoadResourceString(id, Language::Czech)) << c.what;
    }
    EXPECT_EQ(doc.messages.shown[0].find("nan"), std::string::npos) << c.what;
  }
}

TEST_F(EconomicsTest, TheDialogRefusesAVerticalPlaneOutsideItsHeightsAndTakesAHorizontalOne) {
  AddAlternative(*doc, 4);
  m.objectKind = 4;
  m.height = 0;
  const auto yes = [](std::string_view) { return true; };
  EXPECT_FALSE(FirstEconomicsFault(m, yes));  // a horizontal plane has no height to judge
  m.vertical = 1;
  const auto fault = FirstEconomicsFault(m, yes);
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->input, EconomicsInput::Height);
  m.height = 5000;
  EXPECT_FALSE(FirstEconomicsFault(m, yes));
}

TEST_F(EconomicsTest, TheBareEmissivityIsNotInTheFileAndOpeningSetsItsDefaultAgain) {
  AddAlternative(*doc, 0);
  m.bareEmissivity = 0.9f;
  m.calculated = 1;
  const auto path = doc.dir / "bare.vtp";
  ASSERT_TRUE(doc->Save(path));
  ASSERT_TRUE(doc->Open(path));
  EXPECT_EQ(m.bareEmissivity, 0.5f);
  EXPECT_EQ(m.calculated, 1);
  m.bareEmissivity = 0.9f;
  doc->New();
  EXPECT_EQ(m.bareEmissivity, 0.5f);
}

// The copy text of a pipe outdoors with two standard alternatives, and of a vertical wall
// insulated inside with a user product, in both languages.
class EconomicsReportGolden : public EconomicsTest {
 protected:
  void ExpectReport(const std::string& name) {
    m.Recalculate();
    ASSERT_EQ(m.calculated, 1) << ::testing::PrintToString(doc.messages.shown);
    for (const bool english : {false, true}) {
      doc->englishResults = english ? 1 : 0;
      doc->Refresh(kLayoutChangedHint);
      ExpectGolden("economics_" + name + (english ? ".en.txt" : ".cz.txt"),
                   ReportCopyText(doc->reports, ModuleIndex::Economics));
    }
  }
};

TEST_F(EconomicsReportGolden, PipeOutdoors) {
  m.environment = 1;
  m.windSpeed = 5;
  m.diameter = 88.9f;
  AddAlternative(*doc, 0);
  COkoIsolasjon& thick = AddAlternative(*doc, 0);
  thick.standardThickness = 80;
  thick.price = 420;
  thick.name = "Vata, 80.0mm";
  thick.secondName = "Wool, 80.0mm";
  ExpectReport("pipe");
}

TEST_F(EconomicsReportGolden, VerticalWallInsulatedInside) {
  m.energyInflation = 4;
  m.interestRate = 3;
  m.vertical = 1;
  m.height = 2500;
  ConstantPlane(0.04f, 60, 450);
  m.objectKind = 5;
  m.alternatives[0]->objectKind = 5;
  ExpectReport("wall");
}

// Whole years without the decimal, in the number each language takes; the table's copy turns
// the decimal point into a comma.
TEST(EconomicsReport, CountsTheLifeSpanInYears) {
  const struct {
    float years;
    const char* czech;
    const char* english;
  } cases[] = {
      {1, "1 rok", "1 year"},          {2, "2 roky", "2 years"},        {4, "4 roky", "4 years"},
      {5, "5 let", "5 years"},         {25, "25 let", "25 years"},      {100, "100 let", "100 years"},
      {2.5f, "2.5 roku", "2.5 years"}, {0.1f, "0.1 roku", "0.1 years"}, {1.04f, "1 rok", "1 year"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(YearsText(c.years, Language::Czech), c.czech) << c.years;
    EXPECT_EQ(YearsText(c.years, Language::English), c.english) << c.years;
  }
}

// The graph of the costs against the thickness and the note on an optimum at an end of the
// thicknesses offered.
class EconomicsGraph : public EconomicsTest {
 protected:
  const CGraph& Graph() const { return m.Report().costs; }
  bool NoteShown() {
    const auto& list = doc->reports.List(ModuleIndex::Economics);
    return std::find(list.begin(), list.end(), &m.Report().optimumNote) != list.end();
  }
};

// Three alternatives out of the order of their thicknesses: every point of the three curves is
// an alternative's row of the cost table, and the one-point curve the highlighted row. The
// bare pipe is no point of theirs.
TEST_F(EconomicsGraph, ThePointsAreTheRowsOfTheCostTable) {
  m.diameter = 88.9f;
  for (const float thickness : {80.0f, 40.0f, 120.0f}) AddAlternative(*doc, 0).standardThickness = thickness;
  m.alternatives[1]->price = 900;
  m.Recalculate();
  ASSERT_EQ(m.calculated, 1);
  const CTabell& table = m.Report().energyCost;
  ASSERT_EQ(Graph().curveCount, 5);
  const float thickness[] = {0, 80, 40, 120};
  // Row k of the table, thickness and its three costs, as the graph must give them.
  std::vector<std::string> rows;
  for (int k = 2; k <= 4; ++k) {
    rows.push_back(FormatC("%.1f", {thickness[k - 1]}) + " " + table.Cell(k, 1).Text(false) + " " +
                   table.Cell(k, 2).Text(false) + " " + table.Cell(k, 3).Text(false));
  }
  std::vector<std::string> points;
  const auto cost = [](const CKurve& curve, std::size_t i) {
    return FormatC("%.2f EUR/m", {curve.yValues[i]});
  };
  const CKurve& total = Graph().Curve(0);
  ASSERT_EQ(total.pointCount, 3);
  EXPECT_TRUE(std::is_sorted(total.xValues.begin(), total.xValues.end()));
  for (std::size_t i = 0; i < 3; ++i) {
    for (int c = 1; c < 3; ++c) EXPECT_EQ(Graph().Curve(c).xValues[i], total.xValues[i]);
    points.push_back(FormatC("%.1f", {total.xValues[i]}) + " " + cost(Graph().Curve(1), i) + " " +
                     cost(Graph().Curve(2), i) + " " + cost(total, i));
  }
  std::sort(rows.begin(), rows.end());
  std::sort(points.begin(), points.end());
  EXPECT_EQ(points, rows);

  const CKurve& cheapest = Graph().Curve(3);
  ASSERT_EQ(cheapest.pointCount, 1);
  const int row = table.highlightRow;
  EXPECT_EQ(cheapest.xValues[0], thickness[row - 1]);
  EXPECT_EQ(cost(cheapest, 0), table.Cell(row, 3).Text(false));
  EXPECT_EQ(cheapest.name, FormatC("Nejlevnější varianta: %.0f,0 mm", {thickness[row - 1]}));

  // The bare pipe: a point where it fits the plot, else its cost in the legend only.
  const CKurve& bare = Graph().Curve(4);
  EXPECT_TRUE(bare.name.starts_with("Bez izolace: ") && bare.name.ends_with(" EUR/m za rok")) << bare.name;
  EXPECT_TRUE(bare.secondName.starts_with("No insulation: ")) << bare.secondName;
  ASSERT_EQ(bare.xValues.size(), std::size_t(bare.pointCount));
  const float bareTotal = std::stof(table.Cell(1, 3).Text(false));
  EXPECT_EQ(bare.pointCount == 1, bareTotal <= Graph().yMax);
}

TEST_F(EconomicsGraph, TheNoteTellsWhenTheCheapestIsAtAnEndOfTheThicknessesOffered) {
  const struct {
    const char* what;
    std::vector<std::pair<float, float>> alternatives;  // thickness, price
    int note;                                           // 0: none
  } cases[] = {
      {"thickest", {{40, 1}, {80, 1}, {120, 1}}, ids::kEcoOptimumAboveThickest},
      {"thickest first in the list", {{120, 1}, {40, 1}, {80, 1}}, ids::kEcoOptimumAboveThickest},
      {"thinnest", {{40, 1}, {80, 5000}, {120, 5000}}, ids::kEcoOptimumBelowThinnest},
      {"between", {{40, 5000}, {80, 1}, {120, 5000}}, 0},
      {"uninsulated", {{40, 5000}, {80, 5000}}, 0},
      {"one thickness", {{60, 450}, {60, 900}}, ids::kEcoOptimumAroundOnlyThickness},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DeleteAll(m.alternatives);
    for (const auto& [thickness, price] : c.alternatives) ConstantPlane(0.04f, thickness, price);
    m.Recalculate();
    ASSERT_EQ(m.calculated, 1);
    testing::ExpectEconomicsGraphShowsTheAlternatives(Graph(), doc->reports.Page());
    EXPECT_EQ(NoteShown(), c.note != 0);
    if (!c.note) continue;
    EXPECT_EQ(m.Report().optimumNote.textCz, LoadResourceString(c.note, Language::Czech));
    EXPECT_EQ(m.Report().optimumNote.textEn, LoadResourceString(c.note, Language::English));
    const auto& list = doc->reports.List(ModuleIndex::Economics);
    EXPECT_EQ(list.back(), &m.Report().optimumNote) << "after the graph";
    EXPECT_GE(m.Report().optimumNote.rect.top, Graph().rect.bottom);
  }
}

TEST_F(EconomicsGraph, DrawingCalls) {
  m.diameter = 88.9f;
  for (const float thickness : {40.0f, 80.0f}) AddAlternative(*doc, 0).standardThickness = thickness;
  m.Recalculate();
  ASSERT_EQ(m.calculated, 1);
  const auto& list = doc->reports.List(ModuleIndex::Economics);
  const auto graph = std::find(list.begin(), list.end(), &Graph());
  ASSERT_NE(graph, list.end());
  RecordingSurface surface;
  (*graph)->Draw(surface, (*graph)->rect);
  std::string text;
  for (const std::string& call : surface.calls) text += call + "\n";
  ExpectGolden("economics_graph_drawing.txt", text);
}

}  // namespace
}  // namespace kelvora
