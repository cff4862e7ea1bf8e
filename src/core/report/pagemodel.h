#pragma once

#include <cstdint>
#include <optional>

#include "core/report/drawingsurface.h"
#include "core/report/fonts.h"
#include "core/report/units.h"

namespace kelvora {

class PictureSource;

// How far the shown report reaches, in layout units.
struct DocumentExtent {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const DocumentExtent&) const = default;
};

// What every report item is laid out in: units, page size, fonts, the language of the
// texts, the surface that measures text and the extent of the shown report. Pages lie side
// by side on one strip: page k spans x from k * PageWidthUnits() to (k + 1) * PageWidthUnits().
class PageModel {
 public:
  const LayoutScale& Scale() const { return scale; }
  std::int32_t MmToUnitsX(float mm) const { return scale.MmToUnitsX(mm); }
  std::int32_t MmToUnitsY(float mm) const { return scale.MmToUnitsY(mm); }
  float UnitsToMmY(std::int32_t units) const { return scale.UnitsToMmY(units); }

  std::int32_t PageWidthMm() const { return pageWidthMm; }
  std::int32_t PageHeightMm() const { return pageHeightMm; }
  std::int32_t PageWidthUnits() const { return MmToUnitsX(static_cast<float>(pageWidthMm)); }
  // Pages a report of this width fills; a report that reaches only a little onto the
  // next page does not count it.
  std::int32_t PageCount(std::int32_t documentWidth) const;
  // Pages of the shown report: the copies header and footer draw.
  std::int32_t PageCount() const { return PageCount(extent.width); }
  DocumentExtent Extent() const { return extent; }
  void SetExtent(DocumentExtent reach) { extent = reach; }

  bool English() const { return english; }
  void SetEnglish(bool on) { english = on; }

  // The screen outside printing (the view registers it), the printer while printing.
  // Without one, layout places items without measuring their texts.
  DrawingSurface* Measuring() const { return printing ? printer : screen; }
  void SetScreenSurface(DrawingSurface* surface) { screen = surface; }

  // The program's pictures; without a source the items draw no pictures.
  const PictureSource* Pictures() const { return pictures; }
  void SetPictureSource(const PictureSource* source) { pictures = source; }

  // The page takes the default printer's printable size; without a printer it keeps
  // the size it has.
  void UseDefaultPrinter(const std::optional<PrintableArea>& printer);

  const FontSpec& Font(FontTemplate which) const { return fonts.Get(which); }

  // Between these two every length is in printer pixels. A printer reporting no area
  // leaves the screen scale in place.
  void BeginPrinting(DrawingSurface& printer);
  void EndPrinting();
  bool IsPrinting() const { return printing; }

 private:
  LayoutScale scale;
  std::int32_t pageWidthMm = 200;
  std::int32_t pageHeightMm = 280;
  ReportFonts fonts;
  bool printing = false;
  bool english = false;
  DocumentExtent extent;
  DrawingSurface* screen = nullptr;
  DrawingSurface* printer = nullptr;
  const PictureSource* pictures = nullptr;
};

}  // namespace kelvora
