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

void PageModel::BeginPrinting(const PrintableArea& printer) {
  LayoutScale printerScale;
  if (printer.widthMm > 0 && printer.heightMm > 0 && printer.widthPx > 0 && printer.heightPx > 0) {
    printerScale.sx = static_cast<float>(printer.widthMm) / static_cast<float>(printer.widthPx);
    printerScale.sy = static_cast<float>(printer.heightMm) / static_cast<float>(printer.heightPx);
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
}

}  // namespace kelvora
