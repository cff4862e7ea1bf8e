#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/framework/classregistry.h"
#include "core/framework/item.h"
#include "core/framework/stringtable.h"

namespace kelvora {

// λ(T) = c3·T³ + c2·T² + c1·T + c0 in W/mK, T in °C. Evaluated in double precision and
// rounded to float, for any T: the service limit is a warning, not a clamp.
struct LambdaPolynomial {
  float c3 = 0, c2 = 0, c1 = 0, c0 = 0;

  float At(float t) const;
  // ∫ λ dT from t1 to t2, signed.
  float Integral(float t1, float t2) const;
};

// The polynomial through measured points: the cubic through four, or with `threePoints`
// the quadratic through the first three. Nothing when two of the temperatures used are
// equal, as no polynomial passes through such points.
std::optional<LambdaPolynomial> FitLambdaPolynomial(const std::array<float, 4>& temperatures,
                                                    const std::array<float, 4>& lambdas, bool threePoints);

// One standard thickness of a product.
class CIsoTykkelse : public CListItem {
 public:
  CIsoTykkelse();
  explicit CIsoTykkelse(float thicknessMm);

  const ClassInfo* RuntimeClass() const override { return &classInfo; }
  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<CIsoTykkelse>(*this); }
  bool IsEqual(const CListItem& other) const override;
  void Serialize(CArchive& ar) override;

  // Sets the thickness and the name that shows it ("%.1f").
  void SetThickness(float mm);

  float thickness = 25.0f;  // mm
  static constexpr ClassInfo classInfo = MakeClassInfo<CIsoTykkelse>("CIsoTykkelse");
};

inline constexpr int kUsageCount = 7;

// The product types a product's `productType` holds as the Czech text of one of these
// string-table entries (a few files hold the English one).
inline constexpr std::array<int, 6> kProductTypeIds{ids::kTypeWiredMat, ids::kTypeLamellaMat,
                                                    ids::kTypeSlab,     ids::kTypePipeSection,
                                                    ids::kTypeRoll,     ids::kTypeOther};
// Which of kProductTypeIds a stored type is, if any.
std::optional<std::size_t> ProductTypeIndex(std::string_view stored);

// An insulation product of the standard database.
class CIsoProdukt : public CListItem {
 public:
  const ClassInfo* RuntimeClass() const override { return &classInfo; }
  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<CIsoProdukt>(*this); }
  bool IsEqual(const CListItem& other) const override;
  void Serialize(CArchive& ar) override;

  LambdaPolynomial Polynomial() const { return {lambdaCoeff3, lambdaCoeff2, lambdaCoeff1, lambdaCoeff0}; }
  void SetPolynomial(const LambdaPolynomial& p);
  float LambdaAt(float t) const { return Polynomial().At(t); }
  float LambdaIntegral(float t1, float t2) const { return Polynomial().Integral(t1, t2); }

  // The smallest standard thickness (mm) not below `requiredMetres`; its "%.1f" goes to
  // `localText`. When none is thick enough: -1, and both texts say so.
  float StandardThicknessFor(float requiredMetres, std::string& localText, std::string& englishText) const;
  // Keeps the list ascending: a new thickness goes before the first greater one.
  std::size_t InsertThickness(std::unique_ptr<CIsoTykkelse> thickness);
  // Whether the product is offered for object kind `kind` (its usage flag; 6 is a tank).
  // The type in the display language; a type of the user's own as stored.
  std::string DisplayType() const;
  bool IsApplicable(int kind) const {
    return kind >= 0 && kind < kUsageCount && usage[static_cast<std::size_t>(kind)] != 0;
  }

  std::string producer;
  std::string productType;
  std::array<std::int32_t, kUsageCount> usage{};
  float maxTemperature = 200.0f;
  float lambdaCoeff3 = 1.51e-9f;
  float lambdaCoeff2 = 1.31e-7f;
  float lambdaCoeff1 = 1.74e-4f;
  float lambdaCoeff0 = 0.034f;
  ClonedList<CIsoTykkelse> thicknesses;
  float minThickness = 10.0f;    // mm
  float maxThickness = 1000.0f;  // mm
  std::uint32_t insulationColour = 0x0000FFFF;
  std::uint32_t surfaceColour = 0x00C0C0C0;

  static constexpr ClassInfo classInfo = MakeClassInfo<CIsoProdukt>("CIsoProdukt");

 protected:
  bool SameProductData(const CIsoProdukt& other) const;
  void ExchangeThermalData(CArchive& ar);
  void ExchangeThicknesses(CArchive& ar);
};

// A product the user defines by measured conductivity points.
class CEgendefIsoProdukt : public CIsoProdukt {
 public:
  const ClassInfo* RuntimeClass() const override { return &classInfo; }
  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<CEgendefIsoProdukt>(*this); }
  bool IsEqual(const CListItem& other) const override;
  void Serialize(CArchive& ar) override;

  std::array<float, 4> pointTemperature{0.0f, 35.0f, 70.0f, 125.0f};
  std::array<float, 4> pointLambda{0.034f, 0.044f, 0.059f, 0.077f};
  std::int32_t threePoints = 0;

  static constexpr ClassInfo classInfo = MakeClassInfo<CEgendefIsoProdukt>("CEgendefIsoProdukt");
};

// The products of `list` offered for object kind `kind`, in list order.
template <class Product, class Stored>
std::vector<Product*> ApplicableProducts(const ItemList<Stored>& list, int kind) {
  std::vector<Product*> offered;
  for (const auto& record : list) {
    auto* product = dynamic_cast<Product*>(record.get());
    if (product && product->IsApplicable(kind)) offered.push_back(product);
  }
  return offered;
}

}  // namespace kelvora
