#include "core/database/isoprodukt.h"

#include <gtest/gtest.h>

#include "core/framework/archive.h"

namespace kelvora {
namespace {

std::unique_ptr<CIsoProdukt> ProductWithThicknesses(std::initializer_list<float> mm) {
  auto product = std::make_unique<CIsoProdukt>();
  for (float t : mm) product->InsertThickness(std::make_unique<CIsoTykkelse>(t));
  return product;
}

TEST(Lambda, DefaultProductAtZeroAndHundredDegrees) {
  const CIsoProdukt product;
  EXPECT_FLOAT_EQ(product.LambdaAt(0), 0.034f);
  // 0.034 + 0.0174 + 0.00131 + 0.00151
  EXPECT_FLOAT_EQ(product.LambdaAt(100), 0.05422f);
}

TEST(Lambda, IntegralIsTheClosedFormAndSigned) {
  const CIsoProdukt product;
  // 1.51e-9·1e8/4 + 1.31e-7·1e6/3 + 1.74e-4·1e4/2 + 0.034·100
  const float expected = 0.03775f + 0.0436667f + 0.87f + 3.4f;
  EXPECT_NEAR(product.LambdaIntegral(0, 100), expected, 1e-5f);
  EXPECT_NEAR(product.LambdaIntegral(100, 0), -expected, 1e-5f);
  EXPECT_EQ(product.LambdaIntegral(40, 40), 0.0f);
  // A constant conductivity integrates to λ·ΔT.
  const LambdaPolynomial constant{0, 0, 0, 0.04f};
  EXPECT_FLOAT_EQ(constant.Integral(-20, 30), 2.0f);
}

struct StandardCase {
  float requiredMetres;
  float expectedMm;
  const char* localText;
  const char* englishText;
};

class StandardThickness : public ::testing::TestWithParam<StandardCase> {};

TEST_P(StandardThickness, IsTheFirstNotThinnerThanRequired) {
  const auto product = ProductWithThicknesses({60, 80, 100, 120});
  std::string local = "unchanged", english = "unchanged";
  EXPECT_EQ(product->StandardThicknessFor(GetParam().requiredMetres, local, english), GetParam().expectedMm);
  EXPECT_EQ(local, GetParam().localText);
  EXPECT_EQ(english, GetParam().englishText);
}

INSTANTIATE_TEST_SUITE_P(Cases, StandardThickness,
                         ::testing::Values(StandardCase{0.1f, 100, "100.0", "unchanged"},
                                           StandardCase{0.02f, 60, "60.0", "unchanged"},
                                           StandardCase{0.0801f, 100, "100.0", "unchanged"},
                                           StandardCase{0.13f, -1, "Tlustší než max. standardní tloušťka",
                                                        "Larger than the largest standard thickness"}));

TEST(StandardThicknessOfAFoundThickness, IsTheNextOneUpOrNone) {
  const auto product = ProductWithThicknesses({40, 50, 60});
  std::string local, english;
  EXPECT_EQ(product->StandardThicknessFor(0.041f, local, english), 50.0f);
  EXPECT_EQ(product->StandardThicknessFor(0.06f, local, english), 60.0f);
  EXPECT_EQ(product->StandardThicknessFor(0.0605f, local, english), -1.0f);
}

TEST(Thicknesses, StayAscendingAndNameThemselves) {
  auto product = ProductWithThicknesses({30, 50});
  EXPECT_EQ(product->InsertThickness(std::make_unique<CIsoTykkelse>(40)), 1u);
  EXPECT_EQ(product->InsertThickness(std::make_unique<CIsoTykkelse>(50)), 3u);  // after its equal
  EXPECT_EQ(product->InsertThickness(std::make_unique<CIsoTykkelse>(5)), 0u);
  std::vector<std::string> names;
  for (const auto& t : product->thicknesses) names.push_back(t->name);
  EXPECT_EQ(names, (std::vector<std::string>{"5.0", "30.0", "40.0", "50.0", "50.0"}));
  EXPECT_EQ(CIsoTykkelse().name, "25.0");
}

// A list as the standard database holds it: other records and kinds out of range are
// never offered.
TEST(Applicability, OffersTheProductsFlaggedForTheKindInListOrder) {
  ItemList<CListItem> list;
  const auto add = [&](auto record, const char* name) {
    record->name = name;
    auto* added = record.get();
    list.push_back(std::move(record));
    return added;
  };
  add(std::make_unique<CIsoProdukt>(), "A")->usage[6] = 1;
  add(std::make_unique<CIsoTykkelse>(), "not a product");
  add(std::make_unique<CEgendefIsoProdukt>(), "B")->usage = {1, 0, 0, 0, 0, 0, 1};
  add(std::make_unique<CIsoProdukt>(), "C")->usage[0] = 1;
  const auto names = [&](int kind) {
    std::vector<std::string> offered;
    for (const CIsoProdukt* product : ApplicableProducts<CIsoProdukt>(list, kind))
      offered.push_back(product->name);
    return offered;
  };
  EXPECT_EQ(names(0), (std::vector<std::string>{"B", "C"}));
  EXPECT_EQ(names(6), (std::vector<std::string>{"A", "B"}));
  EXPECT_TRUE(names(3).empty());
  EXPECT_TRUE(names(-1).empty());
  EXPECT_TRUE(names(kUsageCount).empty());
}

TEST(Fit, ConstantConductivityGivesOnlyTheConstant) {
  const auto p = FitLambdaPolynomial({0, 50, 100, 150}, {0.04f, 0.04f, 0.04f, 0.04f}, false);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->c3, 0.0f);
  EXPECT_EQ(p->c2, 0.0f);
  EXPECT_EQ(p->c1, 0.0f);
  EXPECT_FLOAT_EQ(p->c0, 0.04f);
}

TEST(Fit, ThreePointsGiveTheQuadraticThroughThem) {
  // The fourth point is ignored, even where it would make the cubic system singular.
  const auto p = FitLambdaPolynomial({0, 50, 100, 50}, {0.04f, 0.045f, 0.052f, 9.0f}, true);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->c3, 0.0f);
  // The inputs are floats, so the decimal coefficients hold to a few parts in a million.
  EXPECT_NEAR(p->c2, 4.0e-7f, 4.0e-7f * 1e-5f);
  EXPECT_NEAR(p->c1, 8.0e-5f, 8.0e-5f * 1e-5f);
  EXPECT_NEAR(p->c0, 0.04f, 1e-9f);
}

TEST(Fit, FourPointsRecoverACubic) {
  const LambdaPolynomial cubic{2e-10f, 1.5e-7f, 1.2e-4f, 0.033f};
  const std::array<float, 4> t{-20, 60, 250, 600};
  std::array<float, 4> lambda{};
  for (int i = 0; i < 4; ++i) lambda[i] = cubic.At(t[i]);
  const auto p = FitLambdaPolynomial(t, lambda, false);
  ASSERT_TRUE(p);
  for (float x : {-20.0f, 0.0f, 100.0f, 400.0f, 600.0f}) EXPECT_NEAR(p->At(x), cubic.At(x), 2e-6f) << x;
  // The product's default curve sampled as the product dialog does (0, max/3, max/1.5, max).
  const CIsoProdukt product;
  const std::array<float, 4> samples{0, 200 / 3.0f, 200 / 1.5f, 200};
  std::array<float, 4> values{};
  for (int i = 0; i < 4; ++i) values[i] = product.LambdaAt(samples[i]);
  const auto back = FitLambdaPolynomial(samples, values, false);
  ASSERT_TRUE(back);
  EXPECT_NEAR(back->c3, product.lambdaCoeff3, 1e-12f);
  EXPECT_NEAR(back->c0, product.lambdaCoeff0, 1e-7f);
}

TEST(Fit, EqualTemperaturesAreRefused) {
  EXPECT_FALSE(FitLambdaPolynomial({0, 50, 50, 150}, {0.04f, 0.045f, 0.05f, 0.06f}, false));
  EXPECT_FALSE(FitLambdaPolynomial({10, 50, 10, 150}, {0.04f, 0.045f, 0.05f, 0.06f}, true));
}

TEST(ProductEquality, ComparesThermalDataNotNamesOrColours) {
  auto a = ProductWithThicknesses({40, 60});
  auto b = ProductWithThicknesses({40, 60});
  b->name = "Jiný";
  b->insulationColour = 0x00FF0000;
  b->usage[3] = 1;
  EXPECT_TRUE(a->IsEqual(*b));
  b->lambdaCoeff2 = 1e-7f;
  EXPECT_FALSE(a->IsEqual(*b));
  auto c = ProductWithThicknesses({40, 80});
  EXPECT_FALSE(a->IsEqual(*c));

  CEgendefIsoProdukt user1, user2;
  EXPECT_TRUE(user1.IsEqual(user2));
  user2.pointLambda[2] = 0.06f;
  EXPECT_FALSE(user1.IsEqual(user2));
  user2 = user1;
  user2.threePoints = 1;
  EXPECT_FALSE(user1.IsEqual(user2));
}

TEST(ProductCopy, ClonesTheThicknessesDeeply) {
  auto product = ProductWithThicknesses({20, 30});
  const auto copy = CloneItem(*product);
  ASSERT_EQ(copy->thicknesses.size(), 2u);
  EXPECT_NE(copy->thicknesses[0].get(), product->thicknesses[0].get());
  product->thicknesses[0]->SetThickness(25);
  EXPECT_EQ(copy->thicknesses[0]->thickness, 20.0f);
}

}  // namespace
}  // namespace kelvora
