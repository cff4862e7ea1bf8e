#include "core/report/tabell.h"

#include <algorithm>

#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"
#include "core/report/clipboard.h"
#include "core/report/drawingsurface.h"
#include "core/report/pagemodel.h"

namespace kelvora {

namespace {

constexpr Colour kHighlightRowColour = Rgb(255, 255, 0);

std::string Load(int id, Language language) {
  return id ? std::string(LoadResourceString(id, language)) : std::string();
}

// Entries of an id array up to its 0 terminator (or its end).
std::size_t IdCount(std::span<const int> idList) {
  return static_cast<std::size_t>(std::find(idList.begin(), idList.end(), 0) - idList.begin());
}

// Entries of a text list up to its empty terminator (or its end).
std::size_t TextCount(std::span<const std::string> texts) {
  return static_cast<std::size_t>(
      std::find_if(texts.begin(), texts.end(), [](const std::string& t) { return t.empty(); }) -
      texts.begin());
}

// The English array is read in step with the Czech one and may be shorter.
template <class T>
T At(std::span<const T> list, std::size_t i) {
  return i < list.size() ? list[i] : T{};
}

std::size_t CodePoints(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(
      text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

CTabellVerdi::CTabellVerdi(std::string czech, std::string english) {
  name = std::move(czech);
  secondName = std::move(english);
}

CTabellVerdi CTabellVerdi::FromIds(int czechId, int englishId) {
  return CTabellVerdi(Load(czechId, Language::Czech), Load(englishId, Language::English));
}

std::unique_ptr<CListItem> CTabellVerdi::Clone() const {
  return std::make_unique<CTabellVerdi>(name, secondName);
}

const CTabellVerdi& CTabell::Cell(int row, int column) const {
  return static_cast<const CTabellVerdi&>(*children.at(static_cast<std::size_t>(row * columnCount + column)));
}

void CTabell::Build(std::span<const int> titleIdsCz, std::span<const int> titleIdsEn, std::size_t rows,
                    const std::function<CTabellVerdi(std::size_t row)>& label,
                    const std::function<CTabellVerdi(std::size_t cell)>& value) {
  children.clear();
  const std::size_t columns = IdCount(titleIdsCz);
  for (std::size_t c = 0; c < columns; ++c) {
    children.push_back(
        std::make_unique<CTabellVerdi>(CTabellVerdi::FromIds(titleIdsCz[c], At(titleIdsEn, c))));
  }
  for (std::size_t r = 0; r < rows; ++r) {
    children.push_back(std::make_unique<CTabellVerdi>(label(r)));
    for (std::size_t c = 1; c < columns; ++c) {
      children.push_back(std::make_unique<CTabellVerdi>(value(r * (columns - 1) + c - 1)));
    }
  }
  columnCount = static_cast<std::int32_t>(columns);
  // Without columns the rows hold no cells at all.
  rowCount = columns ? static_cast<std::int32_t>(rows + 1) : 1;
  if (columns == 0) children.clear();
  Layout();
}

void CTabell::Place(float xMm, float yMm, int highlight) {
  if (xMm >= 0.0f) x = xMm;
  if (yMm >= 0.0f) y = yMm;
  highlightRow = highlight;
}

void CTabell::Setup(float xMm, float yMm, float columnGapMm, float rowGapMm, std::string format,
                    std::span<const int> titleIdsCz, std::span<const int> labelIdsCz,
                    std::span<const int> titleIdsEn, std::span<const int> labelIdsEn,
                    std::span<const float> values, float minWidthMm) {
  Place(xMm, yMm, -1);
  name = Load(At(titleIdsCz, 0), Language::Czech);
  secondName = Load(At(titleIdsEn, 0), Language::English);
  columnGap = columnGapMm;
  rowGap = rowGapMm;
  minWidth = minWidthMm;
  valueFormat = std::move(format);
  Build(
      titleIdsCz, titleIdsEn, IdCount(labelIdsCz),
      [&](std::size_t r) { return CTabellVerdi::FromIds(labelIdsCz[r], At(labelIdsEn, r)); },
      [&](std::size_t i) {
        const std::string text = FormatC(valueFormat, {At(values, i)});
        return CTabellVerdi(text, text);
      });
}

void CTabell::SetTexts(std::span<const int> titleIdsCz, std::span<const int> titleIdsEn,
                       std::span<const int> labelIdsCz, std::span<const int> labelIdsEn,
                       std::span<const std::string> cellTextsCz, std::span<const std::string> cellTextsEn,
                       float xMm, float yMm, int highlight) {
  Place(xMm, yMm, highlight);
  Build(
      titleIdsCz, titleIdsEn, IdCount(labelIdsCz),
      [&](std::size_t r) { return CTabellVerdi::FromIds(labelIdsCz[r], At(labelIdsEn, r)); },
      [&](std::size_t i) { return CTabellVerdi(At(cellTextsCz, i), At(cellTextsEn, i)); });
}

void CTabell::SetTextRows(std::span<const int> titleIdsCz, std::span<const int> titleIdsEn,
                          std::span<const std::string> labelsCz, std::span<const std::string> labelsEn,
                          std::span<const std::string> cellTextsCz, std::span<const std::string> cellTextsEn,
                          float xMm, float yMm, int highlight) {
  SetTextRowsCounted(titleIdsCz, titleIdsEn, labelsCz, labelsEn, cellTextsCz, cellTextsEn, xMm, yMm,
                     highlight, TextCount(labelsCz));
}

void CTabell::SetTextLists(std::span<const int> titleIdsCz, std::span<const int> titleIdsEn,
                           const std::vector<std::string>& labelListCz,
                           const std::vector<std::string>& labelListEn,
                           const std::vector<std::string>& cellListCz,
                           const std::vector<std::string>& cellListEn, float xMm, float yMm, int highlight) {
  SetTextRowsCounted(titleIdsCz, titleIdsEn, labelListCz, labelListEn, cellListCz, cellListEn, xMm, yMm,
                     highlight, labelListCz.size());
}

void CTabell::SetTextRowsCounted(std::span<const int> titleIdsCz, std::span<const int> titleIdsEn,
                                 std::span<const std::string> labelsCz, std::span<const std::string> labelsEn,
                                 std::span<const std::string> cellTextsCz,
                                 std::span<const std::string> cellTextsEn, float xMm, float yMm,
                                 int highlight, std::size_t rows) {
  Place(xMm, yMm, highlight);
  Build(
      titleIdsCz, titleIdsEn, rows, [&](std::size_t r) { return CTabellVerdi(labelsCz[r], At(labelsEn, r)); },
      [&](std::size_t i) { return CTabellVerdi(At(cellTextsCz, i), At(cellTextsEn, i)); });
}

void CTabell::CopyFrom(const CTabell& other) {
  name = other.name;
  secondName = other.secondName;
  rect = other.rect;
  children.clear();
  for (const auto& cell : other.children) {
    children.push_back(static_cast<const CTabellVerdi&>(*cell).Clone());
  }
  y = other.y;
  x = other.x;
  columnGap = other.columnGap;
  rowGap = other.rowGap;
  minWidth = other.minWidth;
  highlightRow = other.highlightRow;
  columnCount = other.columnCount;
  rowCount = other.rowCount;
  columnGapUnits = other.columnGapUnits;
  rowGapUnits = other.rowGapUnits;
  textHeight = other.textHeight;
  valueFormat = other.valueFormat;
  columnWidths = other.columnWidths;
}

void CTabell::SetPosition(float xMm, float yMm) {
  x = xMm;
  y = yMm;
  Layout();
}

void CTabell::Layout() {
  const PageModel& page = Page();
  const bool english = page.English();
  rect.top = page.MmToUnitsY(y);
  rect.left = page.MmToUnitsX(x);
  columnGapUnits = page.MmToUnitsX(columnGap);
  rowGapUnits = page.MmToUnitsY(rowGap);
  columnWidths.assign(static_cast<std::size_t>(columnCount), 0);
  textHeight = 0;
  if (DrawingSurface* measure = page.Measuring()) {
    measure->SelectFont(page.Font(FontTemplate::Bold));
    for (int c = 0; c < columnCount; ++c) {
      const TextExtent extent = measure->MeasureText(Cell(0, c).Text(english));
      columnWidths[static_cast<std::size_t>(c)] = static_cast<std::uint16_t>(extent.width);
      textHeight = extent.height;
    }
    measure->SelectFont(page.Font(FontTemplate::Normal));
    for (int r = 1; r < rowCount; ++r) {
      for (int c = 0; c < columnCount; ++c) {
        const auto width = static_cast<std::uint16_t>(measure->MeasureText(Cell(r, c).Text(english)).width);
        auto& column = columnWidths[static_cast<std::size_t>(c)];
        column = std::max(column, width);
      }
    }
  }
  std::int32_t width = 0;
  for (std::uint16_t w : columnWidths) width += w;
  if (columnCount > 1) width += (columnCount - 1) * columnGapUnits;
  rect.right = rect.left + width;
  const std::int32_t least = page.MmToUnitsX(minWidth);
  if (least > width && columnCount > 0) {
    columnWidths[0] = static_cast<std::uint16_t>(columnWidths[0] + least - width);
    rect.right += least - width;
  }
  rect.bottom = rect.top + (textHeight + rowGapUnits) * rowCount + rowGapUnits;
}

void CTabell::Update() { Layout(); }

void CTabell::Draw(DrawingSurface& surface, const LayoutRect& visible) {
  if (!rect.Intersects(visible)) return;
  DrawSelectionHighlight(surface, visible);
  const PageModel& page = Page();
  const bool english = page.English();
  const LayoutRect r = rect.ShiftedBack({visible.left, visible.top});
  const std::int32_t pitch = textHeight + rowGapUnits;

  const std::int32_t thick = page.MmToUnitsY(0.5f);
  const std::int32_t firstRule = r.top + textHeight + rowGapUnits + rowGapUnits / 2;
  for (int i = 0; i < std::max(rowCount, 1); ++i) {
    const bool edge = i == 0 || i == rowCount - 1;
    const std::int32_t ruleY = firstRule + i * pitch;
    surface.DrawLine({r.left, ruleY}, {r.right, ruleY}, edge ? thick : 1, kReportTextColour);
  }

  surface.SetTextColour(kReportTextColour);
  for (int row = 0; row < rowCount; ++row) {
    const std::int32_t textTop = r.top + rowGapUnits + row * pitch;
    surface.SelectFont(page.Font(row == 0 ? FontTemplate::Bold : FontTemplate::Normal));
    if (row > 0 && row == highlightRow) {
      surface.FillRect({r.left, textTop, r.right, textTop + textHeight}, kHighlightRowColour);
    }
    std::int32_t columnLeft = r.left;
    for (int c = 0; c < columnCount; ++c) {
      const std::int32_t columnRight = columnLeft + columnWidths[static_cast<std::size_t>(c)];
      if (c == 0) {
        surface.SetTextAlign(TextAlign::LeftTop);
        surface.DrawText({columnLeft, textTop}, Cell(row, c).Text(english));
      } else {
        surface.SetTextAlign(TextAlign::RightTop);
        surface.DrawText({columnRight, textTop}, Cell(row, c).Text(english));
      }
      columnLeft = columnRight + columnGapUnits;
    }
  }
  surface.SetTextAlign(TextAlign::LeftTop);
}

void CTabell::BeginPrinting(DrawingSurface&) { Layout(); }

void CTabell::EndPrinting() { Layout(); }

void CTabell::CopyToClipboard(Clipboard& clipboard) { clipboard.SetText(CopyText()); }

std::string CTabell::CopyText() const {
  const bool english = Page().English();
  // A spreadsheet reads the decimal separator of its report's language; labels keep their points.
  const auto text = [&](int row, int column) {
    std::string t = Cell(row, column).Text(english);
    if (!english && row > 0 && column > 0) {
      const std::size_t point = t.find('.');
      if (point != std::string::npos) t[point] = ',';
    }
    return t;
  };
  std::vector<std::size_t> widths(static_cast<std::size_t>(columnCount), 0);
  for (int row = 0; row < rowCount && columnCount > 0; ++row) {
    for (int c = 0; c < columnCount; ++c) {
      auto& w = widths[static_cast<std::size_t>(c)];
      w = std::max(w, CodePoints(Cell(row, c).Text(english)));
    }
  }
  std::string out = english ? secondName : name;
  out += '\n';
  for (int row = 0; row < rowCount && columnCount > 0; ++row) {
    for (int c = 0; c < columnCount; ++c) {
      const std::string cell = text(row, c);
      out += cell;
      if (c + 1 < columnCount) {
        out.append(widths[static_cast<std::size_t>(c)] - CodePoints(cell), ' ');
        out += '\t';
      }
    }
    out += '\n';
  }
  return out;
}

}  // namespace kelvora
