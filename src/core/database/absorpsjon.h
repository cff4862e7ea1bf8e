#pragma once

#include <cstdint>

#include "core/framework/classregistry.h"
#include "core/framework/item.h"

namespace kelvora {

// Octave bands 125, 250, 500, 1000, 2000 and 4000 Hz, addressed by index 0 … 5.
inline constexpr int kOctaveBands = 6;

// One thickness of a sound absorber with its absorption coefficient per octave band.
class CAbsorpsjonTykkelse : public CListItem {
 public:
  CAbsorpsjonTykkelse();

  const ClassInfo* RuntimeClass() const override { return &classInfo; }
  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<CAbsorpsjonTykkelse>(*this); }
  void Serialize(CArchive& ar) override;

  // Sets the thickness and the name that shows it ("%.1f").
  void SetThickness(float mm);
  float& Alpha(int band);
  float Alpha(int band) const;
  // True when the thickness or any coefficient differs (the sound module warns of it).
  bool DataDiffers(const CAbsorpsjonTykkelse& other) const;

  float thickness = 50.0f;  // mm
  float alpha125 = 0.25f;
  float alpha250 = 0.65f;
  float alpha500 = 1.0f;
  float alpha1000 = 1.0f;
  float alpha2000 = 1.0f;
  float alpha4000 = 1.0f;

  static constexpr ClassInfo classInfo = MakeClassInfo<CAbsorpsjonTykkelse>("CAbsorpsjonTykkelse");
};

enum class AbsorberKind : std::int32_t { RectangularDuct = 0, CircularDuct = 1 };

// A sound absorber product for lining ducts.
class CAbsorpsjon : public CListItem {
 public:
  CAbsorpsjon() = default;
  explicit CAbsorpsjon(AbsorberKind k) : kind(static_cast<std::int32_t>(k)) {}

  const ClassInfo* RuntimeClass() const override { return &classInfo; }
  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<CAbsorpsjon>(*this); }
  bool IsEqual(const CListItem& other) const override;
  void Serialize(CArchive& ar) override;

  // Keeps the list ascending: a new thickness goes before the first greater one.
  std::size_t InsertThickness(std::unique_ptr<CAbsorpsjonTykkelse> thickness);

  std::int32_t kind = 0;
  ClonedList<CAbsorpsjonTykkelse> thicknesses;
  std::uint32_t insulationColour = 0x0000FFFF;
  std::uint32_t surfaceColour = 0x00008080;

  static constexpr ClassInfo classInfo = MakeClassInfo<CAbsorpsjon>("CAbsorpsjon");
};

}  // namespace kelvora
