#include "core/database/isoprodukt.h"

#include "core/framework/archive.h"
#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"

namespace kelvora {

float LambdaPolynomial::At(float t) const {
  const double x = t;
  return static_cast<float>(c3 * x * x * x + c2 * x * x + c1 * x + double{c0});
}

float LambdaPolynomial::Integral(float t1, float t2) const {
  const double a = t1;
  const double b = t2;
  return static_cast<float>(c3 * (b * b * b * b - a * a * a * a) / 4 + c2 * (b * b * b - a * a * a) / 3 +
                            c1 * (b * b - a * a) / 2 + c0 * (b - a));
}

std::optional<LambdaPolynomial> FitLambdaPolynomial(const std::array<float, 4>& temperatures,
                                                    const std::array<float, 4>& lambdas, bool threePoints) {
  // Newton's divided differences in double precision, then expanded to powers of T.
  const int n = threePoints ? 3 : 4;
  std::array<double, 4> t{}, d{};
  for (int i = 0; i < n; ++i) {
    t[i] = temperatures[i];
    d[i] = lambdas[i];
  }
  for (int level = 1; level < n; ++level) {
    for (int i = n - 1; i >= level; --i) {
      const double span = t[i] - t[i - level];
      if (span == 0) return std::nullopt;
      d[i] = (d[i] - d[i - 1]) / span;
    }
  }
  // Horner on the Newton form: p = d0 + (T - t0)(d1 + (T - t1)(d2 + (T - t2) d3)).
  std::array<double, 4> c{};  // c[k] multiplies T^k
  c[0] = d[n - 1];
  for (int i = n - 2; i >= 0; --i) {
    for (int k = 3; k >= 1; --k) c[k] = c[k - 1] - t[i] * c[k];
    c[0] = d[i] - t[i] * c[0];
  }
  return LambdaPolynomial{static_cast<float>(c[3]), static_cast<float>(c[2]), static_cast<float>(c[1]),
                          static_cast<float>(c[0])};
}

CIsoTykkelse::CIsoTykkelse() { SetThickness(25.0f); }

CIsoTykkelse::CIsoTykkelse(float thicknessMm) { SetThickness(thicknessMm); }

void CIsoTykkelse::SetThickness(float mm) {
  thickness = mm;
  name = FormatC("%.1f", {mm});
}

bool CIsoTykkelse::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CIsoTykkelse*>(&other);
  return o && o->thickness == thickness;
}

void CIsoTykkelse::Serialize(CArchive& ar) { ar.Exchange(name, thickness); }

void CIsoProdukt::SetPolynomial(const LambdaPolynomial& p) {
  lambdaCoeff3 = p.c3;
  lambdaCoeff2 = p.c2;
  lambdaCoeff1 = p.c1;
  lambdaCoeff0 = p.c0;
}

bool CIsoProdukt::SameProductData(const CIsoProdukt& o) const {
  return ListsEqual(thicknesses, o.thicknesses) && maxTemperature == o.maxTemperature &&
         lambdaCoeff3 == o.lambdaCoeff3 && lambdaCoeff2 == o.lambdaCoeff2 && lambdaCoeff1 == o.lambdaCoeff1 &&
         lambdaCoeff0 == o.lambdaCoeff0 && minThickness == o.minThickness && maxThickness == o.maxThickness;
}

bool CIsoProdukt::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CIsoProdukt*>(&other);
  return o && SameProductData(*o);
}

void CIsoProdukt::ExchangeThermalData(CArchive& ar) {
  CListItem::Serialize(ar);
  ar.Exchange(maxTemperature, minThickness, maxThickness, lambdaCoeff3, lambdaCoeff2, lambdaCoeff1,
              lambdaCoeff0, insulationColour, surfaceColour);
}

void CIsoProdukt::ExchangeThicknesses(CArchive& ar) {
  if (ar.IsLoading()) DeleteAll(thicknesses);
  ar.ExchangeList(thicknesses);
}

void CIsoProdukt::Serialize(CArchive& ar) {
  ExchangeThermalData(ar);
  ar.Exchange(producer, productType);
  for (auto& flag : usage) ar.Exchange(flag);
  ExchangeThicknesses(ar);
}

std::optional<std::size_t> ProductTypeIndex(std::string_view stored) {
  for (std::size_t i = 0; i < kProductTypeIds.size(); ++i) {
    if (stored == LoadResourceString(kProductTypeIds[i], Language::Czech) ||
        stored == LoadResourceString(kProductTypeIds[i], Language::English))
      return i;
  }
  return std::nullopt;
}

std::string CIsoProdukt::DisplayType() const {
  const auto index = ProductTypeIndex(productType);
  return index ? std::string(LoadResourceString(kProductTypeIds[*index], DisplayLanguage())) : productType;
}

float CIsoProdukt::StandardThicknessFor(float requiredMetres, std::string& localText,
                                        std::string& englishText) const {
  const float requiredMm = requiredMetres * 1000.0f;
  for (const auto& t : thicknesses) {
    if (t->thickness >= requiredMm) {
      localText = FormatC("%.1f", {t->thickness});
      return t->thickness;
    }
  }
  localText = LoadResourceString(ids::kLargerThanMaxStandardThickness, Language::Czech);
  englishText = LoadResourceString(ids::kLargerThanMaxStandardThickness, Language::English);
  return -1.0f;
}

std::size_t CIsoProdukt::InsertThickness(std::unique_ptr<CIsoTykkelse> thickness) {
  return InsertAscending(thicknesses, std::move(thickness),
                         [](const CIsoTykkelse& t) { return t.thickness; });
}

bool CEgendefIsoProdukt::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CEgendefIsoProdukt*>(&other);
  return o && SameProductData(*o) && pointTemperature == o->pointTemperature &&
         pointLambda == o->pointLambda && threePoints == o->threePoints;
}

void CEgendefIsoProdukt::Serialize(CArchive& ar) {
  ExchangeThermalData(ar);
  for (auto& flag : usage) ar.Exchange(flag);
  ExchangeThicknesses(ar);
  for (std::size_t i = 0; i < pointTemperature.size(); ++i) ar.Exchange(pointTemperature[i], pointLambda[i]);
  ar.Exchange(threePoints);
}

}  // namespace kelvora
