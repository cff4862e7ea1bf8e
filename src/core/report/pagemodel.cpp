#include "core/report/pagemodel.h"

namespace kelvora {

std::int32_t PageModel::PageCount(std::int32_t documentWidth) const {
  const std::int32_t pageWidth = PageWidthUnits();
  if (pageWidth <= 0) return 0;
  return static_cast<std::int32_t>(static_cast<float>(documentWidth) / static_cast<float>(pageWidth) + 0.5f);
}

void PageModel::UseDefaultPrinter(const std::optional<PrintableArea>& printer) {
  if (!printer) return;
  pageWidthMm = printer->widthMm;
  pageHeightMm = printer->heightMm;
}

void PageModel::BeginPrinting(DrawingSurface& surface) {
  printer = &surface;
  const PrintableArea area = surface.Printable();
  LayoutScale printerScale;
  if (area.widthMm > 0 && area.heightMm > 0 && area.widthPx > 0 && area.heightPx > 0) {
    printerScale.sx = static_cast<float>(area.widthMm) / static_cast<float>(area.widthPx);
    printerScale.sy = static_cast<float>(area.heightMm) / static_cast<float>(area.heightPx);
  }
  scale = printerScale;
  fonts.BeginPrinting(scale);
  printing = true;
}

void PageModel::EndPrinting() {
  if (!printing) return;
  scale = LayoutScale{};
  fonts.EndPrinting();
  printing = false;
  printer = nullptr;
}

}  // namespace kelvora
