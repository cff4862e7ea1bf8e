#pragma once

#include <cstdint>
#include <string>

#include "core/database/isoprodukt.h"
#include "core/database/mantling.h"
#include "core/framework/classregistry.h"
#include "core/framework/item.h"

namespace kelvora {

// Where the product of a layer comes from.
enum class ProductSource : std::int32_t { Standard = 0, User = 1 };

// One insulation layer of a calculation: a product from either database and its
// thickness. The two thicknesses are kept apart so that switching the source back and
// forth keeps each side's value. Every live layer is registered with its products.
class CIsolasjon : public CItem {
 public:
  CIsolasjon() = default;
  CIsolasjon(const CIsolasjon& other);
  CIsolasjon& operator=(const CIsolasjon& other);
  ~CIsolasjon() override;

  void Serialize(CArchive& ar) override;
  void ReplaceReference(CItem& replacement) override;

  void Reset(std::int32_t kind, std::int32_t thicknessGiven);
  // A source of 2 or more leaves the source as it was.
  void Set(std::int32_t newSource, CIsoProdukt* standard, float standardMm, CEgendefIsoProdukt* user,
           float userMm);
  void Assign(const CIsolasjon& other);

  float Thickness() const { return IsStandard() ? standardThickness : userThickness; }  // mm
  // Whether the thickness is one the layer's dialog can give: more than nothing, and no more
  // than any product may allow (NaN fails).
  bool ThicknessPossible() const {
    const float mm = Thickness();
    return mm > 0.0f && mm <= kMaxThickness;
  }
  static constexpr float kMaxThickness = 2000.0f;  // mm
  const CIsoProdukt* Product() const;
  bool IsStandard() const { return source != static_cast<std::int32_t>(ProductSource::User); }
  std::string Description(bool english) const;
  std::string Summary(bool withThickness) const;
  std::uint32_t FillColour() const;
  std::uint32_t SecondColour() const;

  CIsoProdukt* StandardProduct() const { return standardProduct; }
  CEgendefIsoProdukt* UserProduct() const { return userProduct; }

  std::int32_t source = 0;
  std::int32_t objectKind = 0;  // an object kind, or 6 for a tank
  std::int32_t thicknessGiven = 1;
  float userThickness = 50.0f;      // mm
  float standardThickness = 50.0f;  // mm

 private:
  CIsoProdukt* standardProduct = nullptr;
  CEgendefIsoProdukt* userProduct = nullptr;
};

// One auxiliary-equipment entry of a heat-loss calculation: a database equipment type or
// a length the user gives, times a count.
class CTilleggsutstyr : public CListItem {
 public:
  CTilleggsutstyr() = default;
  CTilleggsutstyr(const CTilleggsutstyr& other);
  CTilleggsutstyr& operator=(const CTilleggsutstyr&) = delete;
  ~CTilleggsutstyr() override;

  const ClassInfo* RuntimeClass() const override { return &classInfo; }
  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<CTilleggsutstyr>(*this); }
  void Serialize(CArchive& ar) override;
  void ReplaceReference(CItem& replacement) override;

  // Total equivalent pipe length in m for a pipe of outside diameter `diameterMm`.
  float EquivalentLength(float diameterMm) const;
  void SetEquipment(CTillegg2* entry) { SetReference(*this, equipment, entry); }
  CTillegg2* Equipment() const { return equipment; }
  // Rebuilds both display names ("%s; %d") from the database entry, or from the name the
  // user typed for a user-defined entry.
  void UpdateNames(const std::string& userName);
  // The name the user typed, as the display name holds it before its count.
  std::string UserName() const;
  // The English display name. A file keeps only the local one, so a database entry takes
  // the English name of its record; without one, the local name stands.
  std::string EnglishName() const;
  std::string DisplayName() const override;

  // What the equipment dialog takes.
  static constexpr std::int32_t kMaxCount = 1000;
  static constexpr float kMaxEquivalentLength = 1000.0f;

  std::int32_t count = 1;
  std::int32_t userDefined = 0;
  float equivalentLength = 1.0f;  // m, of one piece

  static constexpr ClassInfo classInfo = MakeClassInfo<CTilleggsutstyr>("CTilleggsutstyr");

 private:
  CTillegg2* equipment = nullptr;
};

}  // namespace kelvora
