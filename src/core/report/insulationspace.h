#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/report/drawingsurface.h"
#include "core/report/graphicsitem.h"

namespace kelvora {

// The recommended mounting clearances around insulated pipes (types 0 and 1: mat and
// shell insulation) or rectangular ducts (type 2). The Czech title is `name`.
class CInsulationSpace : public CGraphicsItem {
 public:
  // Takes the three drawings, "280", "281" and "279" for types 0, 1 and 2, from the page
  // model's picture source when it lays itself out.
  explicit CInsulationSpace(const PageModel& page);

  void SetPosition(float xMm, float yMm);
  // Sizes in metres: the outer diameter for types 0 and 1, width and height for type 2.
  virtual void SetData(int spaceType, float diameter, float width, float height);

  void Draw(DrawingSurface& surface, const LayoutRect& visible) override;
  void BeginPrinting(DrawingSurface& printer) override;
  void EndPrinting() override;

  // The values in whole mm, in the order a, b, c, d, e, D, B, H.
  enum Value { A, B, C, D, E, Diameter, Width, Height };
  // The values the drawing lists beside it for its type, in their order, and the name the
  // drawing gives each ("a", "D", …).
  std::span<const Value> ShownValues() const;
  static std::string_view Name(Value value);

  std::string titleEn;
  LayoutRect pictureRect;
  std::array<RasterPicture, 3> pictures;
  float x = 0.0f;
  float y = 0.0f;
  std::int32_t titleHeight = 0;
  std::int32_t lineHeight = 0;
  std::int32_t labelX = 0;
  std::int32_t type = 0;
  std::array<std::int32_t, 8> values{};

 private:
  void Layout();
};

}  // namespace kelvora
