#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/report/units.h"

namespace kelvora {

enum class FontTemplate : std::size_t { Normal = 0, Bold = 1, Large = 2, Footer = 3 };

inline constexpr std::int32_t kFontWeightNormal = 400;
inline constexpr std::int32_t kFontWeightBold = 700;
inline constexpr std::uint8_t kCentralEuropeanCharset = 238;

// A font as the surfaces receive it. Heights and widths are character sizes in layout
// units; width 0 lets the surface choose the width that fits the height.
struct FontSpec {
  std::string face = "Arial";
  std::int32_t height = 10;
  std::int32_t width = 0;
  std::int32_t weight = kFontWeightNormal;
  std::uint8_t charset = kCentralEuropeanCharset;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;

  bool operator==(const FontSpec&) const = default;
};

// The four templates every report item draws with.
class ReportFonts {
 public:
  ReportFonts();

  const FontSpec& Get(FontTemplate which) const { return fonts[static_cast<std::size_t>(which)]; }

  // Printer pixels are far smaller than screen units; rescaling keeps text at its
  // physical size. EndPrinting puts back exactly what BeginPrinting saved, so rounding
  // never accumulates over many print runs.
  void BeginPrinting(const LayoutScale& printer);
  void EndPrinting();

 private:
  std::array<FontSpec, 4> fonts;
  std::array<FontSpec, 4> saved;
};

}  // namespace kelvora
