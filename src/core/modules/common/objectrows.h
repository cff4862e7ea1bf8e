#pragma once

#include <algorithm>
#include <cstdint>

#include "core/report/tablerows.h"

namespace kelvora {

// The object kinds of the modules: 0 pipe, 1 circular duct, 2 and 3 rectangular duct insulated
// outside and inside, 4 and 5 plane surface insulated outside and inside.
inline constexpr int kObjectKindTexts[] = {ids::kHlKindPipe,        ids::kHlKindCircular,
                                           ids::kHlKindRectangular, ids::kHlKindRectangularInside,
                                           ids::kHlKindPlane,       ids::kHlKindPlaneInside};

// The kind under `label`, then its sizes, each row named for the object: the outside diameter
// of a pipe, the diameter or height and width of a duct; a plane has none.
inline void ObjectRows(TableRows& rows, int label, std::int32_t kind, float diameter, float height,
                       float width) {
  kind = std::clamp(kind, 0, 5);
  rows.AddTexts(label, kObjectKindTexts[kind]);
  switch (kind) {
    case 0:
      rows.Add(ids::kHlDiameter, "%.1f mm", diameter);
      break;
    case 1:
      rows.Add(ids::kDuctDiameter, "%.1f mm", diameter);
      break;
    case 2:
    case 3:
      rows.Add(ids::kHlHeight, "%.1f mm", height);
      rows.Add(ids::kHlWidth, "%.1f mm", width);
      break;
    default:
      break;
  }
}

inline int LengthLabel(std::int32_t kind) { return kind == 0 ? ids::kHlLength : ids::kDuctLength; }

inline int HangersLabel(std::int32_t kind) {
  return kind == 0 ? ids::kHlHangers : kind <= 3 ? ids::kDuctHangers : ids::kPlaneHangers;
}

}  // namespace kelvora
