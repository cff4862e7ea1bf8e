#pragma once

#include <cstdint>

namespace kelvora {

// Millimetres per layout unit on screen: a hundredth of an inch.
inline constexpr float kScreenMmPerUnit = 0.254f;

struct LayoutPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// A rectangle in layout units; left and top belong to it, right and bottom do not.
struct LayoutRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  std::int32_t Width() const { return right - left; }
  std::int32_t Height() const { return bottom - top; }
  bool Contains(LayoutPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  bool Intersects(const LayoutRect& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  // The rectangle as seen through a view whose visible area starts at `origin`.
  LayoutRect ShiftedBack(LayoutPoint origin) const {
    return {left - origin.x, top - origin.y, right - origin.x, bottom - origin.y};
  }
  bool operator==(const LayoutRect&) const = default;
};

// Millimetres per layout unit in each direction: 0.254 on screen, one printer pixel while
// printing.
struct LayoutScale {
  float sx = kScreenMmPerUnit;
  float sy = kScreenMmPerUnit;

  // Rounded half up for positive lengths and truncated toward zero, as every item has
  // always been placed; negative lengths therefore round toward zero.
  std::int32_t MmToUnitsX(float mm) const { return static_cast<std::int32_t>(mm / sx + 0.5f); }
  std::int32_t MmToUnitsY(float mm) const { return static_cast<std::int32_t>(mm / sy + 0.5f); }
  float UnitsToMmY(std::int32_t units) const { return static_cast<float>(units) * sy; }
};

}  // namespace kelvora
