#pragma once

#include <cstdint>

#include "core/framework/classregistry.h"
#include "core/framework/item.h"

namespace kelvora {

// Which surface list a finish belongs to.
enum class MantlingKind : std::int32_t { OuterFinish = 0, PipeSurface = 1, InnerFacing = 2 };

// A surface: the finish of insulation, the surface of a pipe or duct, or the facing of
// internal insulation.
class CMantling : public CListItem {
 public:
  CMantling() = default;
  explicit CMantling(MantlingKind k) : kind(static_cast<std::int32_t>(k)) {}

  const ClassInfo* RuntimeClass() const override { return &classInfo; }
  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<CMantling>(*this); }
  bool IsEqual(const CListItem& other) const override;
  void Serialize(CArchive& ar) override;

  std::int32_t kind = 0;
  float emissivity = 0.94f;
  std::uint32_t colour = 0x00C0C0C0;

  static constexpr ClassInfo classInfo = MakeClassInfo<CMantling>("CMantling");
};

// Where a replaced surface goes in an item that holds an outer surface and an inner
// facing: an inner facing replaces the facing, any other surface the outer one.
inline void RepointSurface(CItem& user, CMantling& successor, CMantling*& outer, CMantling*& facing) {
  if (successor.kind == static_cast<std::int32_t>(MantlingKind::InnerFacing)) {
    RepointReference(user, facing, successor);
  } else {
    RepointReference(user, outer, successor);
  }
}

// The added pipe length of one piece of equipment for one range of pipe diameters.
class CTilleggslengde : public CListItem {
 public:
  CTilleggslengde();

  const ClassInfo* RuntimeClass() const override { return &classInfo; }
  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<CTilleggslengde>(*this); }
  bool IsEqual(const CListItem& other) const override;
  void Serialize(CArchive& ar) override;

  bool InRange(float diameterMm) const { return minDiameter <= diameterMm && diameterMm <= maxDiameter; }
  // Names the entry by its range, "%.0f - %.0f mm".
  void UpdateName();
  // The range with the length it adds, which the name leaves out.
  std::string DisplayName() const override;

  float addedLength = 1.0f;   // m
  float minDiameter = 10.0f;  // mm
  float maxDiameter = 50.0f;  // mm

  static constexpr ClassInfo classInfo = MakeClassInfo<CTilleggslengde>("CTilleggslengde");
};

// An auxiliary-equipment type: valve, flange, support, ...
class CTillegg2 : public CListItem {
 public:
  const ClassInfo* RuntimeClass() const override { return &classInfo; }
  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<CTillegg2>(*this); }
  bool IsEqual(const CListItem& other) const override;
  void Serialize(CArchive& ar) override;

  // The added length for a pipe of `diameterMm`: the first range that holds it, else the
  // first range for a pipe below it, else the last range. 0 without ranges.
  float AddedLengthFor(float diameterMm) const;
  // Keeps the ranges in ascending order of added length.
  std::size_t InsertLength(std::unique_ptr<CTilleggslengde> length);

  ClonedList<CTilleggslengde> lengths;

  static constexpr ClassInfo classInfo = MakeClassInfo<CTillegg2>("CTillegg2");
};

// A liquid carried by a pipe or stored in a tank.
class CVeske : public CListItem {
 public:
  const ClassInfo* RuntimeClass() const override { return &classInfo; }
  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<CVeske>(*this); }
  bool IsEqual(const CListItem& other) const override;
  void Serialize(CArchive& ar) override;

  float density = 999.0f;        // kg/m³
  float heatCapacity = 4180.0f;  // J/kgK
  float freezingPoint = 0.0f;    // °C

  static constexpr ClassInfo classInfo = MakeClassInfo<CVeske>("CVeske");
};

}  // namespace kelvora
