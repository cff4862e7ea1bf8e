#include "core/report/fonts.h"

namespace kelvora {

namespace {

FontSpec Template(std::int32_t height, std::int32_t weight) {
  FontSpec font;
  font.height = height;
  font.weight = weight;
  return font;
}

std::int32_t Rescale(std::int32_t size, float mmPerUnit) {
  return static_cast<std::int32_t>(static_cast<float>(size) * kScreenMmPerUnit / mmPerUnit + 0.5f);
}

}  // namespace

ReportFonts::ReportFonts()
    : fonts{Template(10, kFontWeightNormal), Template(10, kFontWeightBold), Template(20, kFontWeightNormal),
            Template(10, kFontWeightNormal)},
      saved(fonts) {}

void ReportFonts::BeginPrinting(const LayoutScale& printer) {
  saved = fonts;
  for (FontSpec& font : fonts) {
    font.height = Rescale(font.height, printer.sy);
    font.width = Rescale(font.width, printer.sx);
  }
}

void ReportFonts::EndPrinting() { fonts = saved; }

}  // namespace kelvora
