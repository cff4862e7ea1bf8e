#include "core/report/textitems.h"

#include <algorithm>
#include <string_view>

#include "core/framework/stringtable.h"
#include "core/report/clipboard.h"
#include "core/report/pagemodel.h"

namespace kelvora {

namespace {

TextExtent Measure(DrawingSurface* surface, const FontSpec& font, std::string_view text) {
  if (!surface) return {};
  surface->SelectFont(font);
  return surface->MeasureText(text);
}

// The lines the surfaces' word wrap makes: breaks at line ends, and at spaces where the
// next word would overflow; a word wider than the line stands alone. The surface only
// reports the height, but the rectangle must end at the longest line.
std::int32_t LongestWrappedLine(DrawingSurface& surface, std::string_view text, std::int32_t width) {
  std::int32_t longest = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    std::string_view paragraph = text.substr(start, end - start);
    if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
    std::size_t lineStart = 0;
    std::size_t lineEnd = 0;  // end of the last word that fits
    std::size_t pos = 0;
    while (pos <= paragraph.size()) {
      const std::size_t space = std::min(paragraph.find(' ', pos), paragraph.size());
      const std::string_view candidate = paragraph.substr(lineStart, space - lineStart);
      if (lineEnd > lineStart && surface.MeasureText(candidate).width > width) {
        longest =
            std::max(longest, surface.MeasureText(paragraph.substr(lineStart, lineEnd - lineStart)).width);
        lineStart = pos;
      }
      lineEnd = space;
      pos = space + 1;
    }
    longest = std::max(longest, surface.MeasureText(paragraph.substr(lineStart, lineEnd - lineStart)).width);
    start = end + 1;
  }
  return longest;
}

}  // namespace

// --- CText ---

void CText::SetContent(int titleIdCz, int titleIdEn, const std::vector<int>& lineIdsCz,
                       const std::vector<int>& lineIdsEn, int count, float xMm, float yMm) {
  name = std::string(LoadResourceString(titleIdCz, Language::Czech));
  secondName = std::string(LoadResourceString(titleIdEn, Language::English));
  lineCount = std::max(0, count);
  linesCz.assign(static_cast<std::size_t>(lineCount), std::string());
  linesEn.assign(static_cast<std::size_t>(lineCount), std::string());
  for (std::size_t i = 0; i < static_cast<std::size_t>(lineCount); ++i) {
    if (i < lineIdsCz.size()) linesCz[i] = LoadResourceString(lineIdsCz[i], Language::Czech);
    if (i < lineIdsEn.size()) linesEn[i] = LoadResourceString(lineIdsEn[i], Language::English);
  }
  x = xMm;
  y = yMm;
  Layout();
}

void CText::SetPosition(float xMm, float yMm) {
  x = xMm;
  y = yMm;
  Layout();
}

void CText::Update() { Layout(); }

void CText::BeginPrinting(DrawingSurface&) { Layout(); }

void CText::EndPrinting() { Layout(); }

void CText::Layout() {
  const PageModel& page = Page();
  DrawingSurface* surface = page.Measuring();
  const bool english = page.English();
  rect.left = page.MmToUnitsX(x);
  rect.top = page.MmToUnitsY(y);
  const TextExtent title = Measure(surface, page.Font(FontTemplate::Bold), english ? secondName : name);
  std::int32_t width = title.width;
  titleHeight = title.height;
  const auto& lines = english ? linesEn : linesCz;
  if (surface) {
    surface->SelectFont(page.Font(FontTemplate::Normal));
    lineHeight = surface->MeasureText(" ").height;
    for (const std::string& line : lines) {
      const TextExtent extent = surface->MeasureText(line);
      width = std::max(width, extent.width);
      lineHeight = std::max(lineHeight, extent.height);
    }
  } else {
    lineHeight = 0;
  }
  rect.right = rect.left + width;
  rect.bottom = rect.top + titleHeight + (lineCount + 1) * lineHeight;
}

void CText::Draw(DrawingSurface& surface, const LayoutRect& visible) {
  if (!rect.Intersects(visible)) return;
  const PageModel& page = Page();
  const bool english = page.English();
  const std::int32_t left = rect.left - visible.left;
  const std::int32_t top = rect.top - visible.top;
  surface.SetTextColour(kReportTextColour);
  surface.SetTextAlign(TextAlign::LeftTop);
  surface.SelectFont(page.Font(FontTemplate::Bold));
  surface.DrawText({left, top}, english ? secondName : name);
  surface.SelectFont(page.Font(FontTemplate::Normal));
  const auto& lines = english ? linesEn : linesCz;
  // One empty line between the title and the lines.
  std::int32_t lineTop = top + titleHeight + lineHeight;
  for (const std::string& line : lines) {
    surface.DrawText({left, lineTop}, line);
    lineTop += lineHeight;
  }
}

// --- CColoredText ---

void CColoredText::SetContent(std::string czech, std::string english, Colour textColour, float xMm,
                              float yMm) {
  textCz = std::move(czech);
  textEn = std::move(english);
  colour = textColour;
  x = xMm;
  y = yMm;
  Layout();
}

void CColoredText::SetPosition(float xMm, float yMm) {
  x = xMm;
  y = yMm;
  Layout();
}

const std::string& CColoredText::CopyText() const { return Page().English() ? textEn : textCz; }

void CColoredText::CopyToClipboard(Clipboard& clipboard) { clipboard.SetText(CopyText()); }

void CColoredText::Update() { Layout(); }

void CColoredText::BeginPrinting(DrawingSurface&) { Layout(); }

void CColoredText::EndPrinting() { Layout(); }

void CColoredText::Layout() {
  const PageModel& page = Page();
  rect.left = page.MmToUnitsX(x);
  rect.top = page.MmToUnitsY(y);
  rect.right = rect.left + page.PageWidthUnits();
  rect.bottom = rect.top;
  DrawingSurface* surface = page.Measuring();
  if (!surface) return;
  surface->SelectFont(page.Font(FontTemplate::Bold));
  const std::string& text = CopyText();
  rect.bottom = rect.top + surface->WrappedTextHeight(rect, text);
  rect.right = rect.left + LongestWrappedLine(*surface, text, rect.Width());
}

void CColoredText::Draw(DrawingSurface& surface, const LayoutRect& visible) {
  if (!rect.Intersects(visible)) return;
  DrawSelectionHighlight(surface, visible);
  surface.SetTextColour(colour);
  surface.SetTextAlign(TextAlign::LeftTop);
  surface.SelectFont(Page().Font(FontTemplate::Bold));
  surface.DrawWrappedText(rect.ShiftedBack({visible.left, visible.top}), CopyText());
}

}  // namespace kelvora
