#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/database/isoprodukt.h"
#include "core/database/mantling.h"
#include "core/framework/classregistry.h"
#include "core/framework/item.h"
#include "core/modules/economics/economicsreport.h"

namespace kelvora {

// One insulation alternative of the economics module: a product at a thickness, its
// installed price and the finishes that set its surface emissivity. `name` and
// `secondName` are its display texts in Czech and English.
class COkoIsolasjon : public CListItem {
 public:
  COkoIsolasjon() = default;
  explicit COkoIsolasjon(std::int32_t kind) : objectKind(kind) {}
  // A copy registers itself with every record it refers to.
  COkoIsolasjon(const COkoIsolasjon& other);
  COkoIsolasjon& operator=(const COkoIsolasjon&) = delete;
  ~COkoIsolasjon() override;

  const ClassInfo* RuntimeClass() const override { return &classInfo; }
  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<COkoIsolasjon>(*this); }
  void Serialize(CArchive& ar) override;
  // A user product replaces the user product, a standard product the standard product,
  // an inner facing the inner surface and any other surface the outer surface.
  void ReplaceReference(CItem& replacement) override;

  // Everything but the users, which stay with each alternative.
  void Assign(const COkoIsolasjon& other);
  // The display texts from the product (English name of a standard product), thickness
  // and price in `currency` per `unit`.
  void UpdateNames(std::string_view currency, std::string_view unit);

  float Thickness() const { return IsStandard() ? standardThickness : userThickness; }  // mm
  const CIsoProdukt* Product() const;
  bool IsStandard() const { return source != 1; }
  // Kinds insulated on the inside take their outer surface from the pipe-surface list.
  bool InsulatedInside() const { return objectKind == 3 || objectKind == 5; }

  CIsoProdukt* StandardProduct() const { return standardProduct; }
  CEgendefIsoProdukt* UserProduct() const { return userProduct; }
  CMantling* OuterSurface() const { return outerSurface; }
  CMantling* InnerSurface() const { return innerSurface; }
  void SetStandardProduct(CIsoProdukt* record) { SetReference(*this, standardProduct, record); }
  void SetUserProduct(CEgendefIsoProdukt* record) { SetReference(*this, userProduct, record); }
  void SetOuterSurface(CMantling* record) { SetReference(*this, outerSurface, record); }
  void SetInnerSurface(CMantling* record) { SetReference(*this, innerSurface, record); }

  std::int32_t source = 0;  // 0 standard product, 1 user product
  std::int32_t objectKind = 0;
  float standardThickness = 50.0f;  // mm
  float userThickness = 50.0f;      // mm
  float price = 100.0f;             // per m, or per m² for plane surfaces
  std::int32_t ownEmissivity = 0;
  float emissivity = 0.94f;
  std::int32_t useInnerSurface = 0;

  static constexpr ClassInfo classInfo = MakeClassInfo<COkoIsolasjon>("COkoIsolasjon");

 private:
  CIsoProdukt* standardProduct = nullptr;
  CEgendefIsoProdukt* userProduct = nullptr;
  CMantling* outerSurface = nullptr;
  CMantling* innerSurface = nullptr;
};

// How an alternative paints the object picture: its insulation, the inner face of an object
// insulated inside, and the outer surface.
struct AlternativeColours {
  std::uint32_t insulation = 0;
  std::uint32_t inner = 0;
  std::uint32_t outer = 0;
};
AlternativeColours ColoursOf(const COkoIsolasjon& a);

// Compares insulation alternatives for one pipe, duct or plane by their yearly cost:
// energy lost over the depreciation period plus the annualised investment.
class COkonomiModul : public CQorModul {
 public:
  explicit COkonomiModul(ModuleContext* owner = nullptr);
  COkonomiModul(const COkonomiModul&) = delete;
  COkonomiModul& operator=(const COkonomiModul&) = delete;
  ~COkonomiModul() override;

  // The economics dialog; confirmed, the alternatives are compared again.
  int Edit() override;
  void Serialize(CArchive& ar) override;
  void Reset() override;
  // Shows the report, or hides it and tells the user why there is none.
  void Recalculate() override;
  std::string GetSymbol(SymbolInfo& symbol) const override;

  const EconomicsReport& Report() const { return *report; }
  ModuleContext* Context() const { return context; }
  // The dialog's copy of the inputs, alternatives included, and back.
  void AssignInputs(const COkonomiModul& other);

  static constexpr std::size_t kMaxAlternatives = 25;

  std::string currency;
  float mediumTemperature = 50.0f;   // °C
  float ambientTemperature = 10.0f;  // °C
  float diameter = 100.0f;           // mm
  float height = 200.0f;             // mm; also the plate height of a plane
  float width = 200.0f;              // mm
  std::int32_t environment = 0;      // 0 indoors, 1 outdoors, 2 user coefficient
  float windSpeed = 2.0f;            // m/s
  float userCoefficient = 5.0f;      // W/m²K
  float operatingHours = 8760.0f;    // h/year
  float energyPrice = 0.6f;          // per kWh
  float interestRate = 7.0f;         // %
  float energyInflation = 0.0f;      // % per year
  float lifeSpan = 20.0f;            // years
  ItemList<COkoIsolasjon> alternatives;
  std::int32_t objectKind = 0;  // 0-5
  std::int32_t flowUnit = 0;    // 0 m³/h, 1 l/s, 2 m/s
  float flow = 10.0f;
  std::int32_t vertical = 0;
  // Not stored in the file: reading one sets the default again.
  float bareEmissivity = 0.5f;

 private:
  ReportLists* Lists() const;

  std::unique_ptr<EconomicsReport> report;
};

}  // namespace kelvora
