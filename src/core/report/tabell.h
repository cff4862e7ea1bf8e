#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/framework/item.h"
#include "core/report/graphicsitem.h"

namespace kelvora {

// One cell of a report table: the Czech text in `name`, the English in `secondName`.
class CTabellVerdi : public CListItem {
 public:
  CTabellVerdi() = default;
  CTabellVerdi(std::string czech, std::string english);
  // String-table ids; 0 leaves that text empty.
  static CTabellVerdi FromIds(int czechId, int englishId);
  std::unique_ptr<CListItem> Clone() const override;

  const std::string& Text(bool english) const { return english ? secondName : name; }
};

// A ruled table: a header row of column titles, then rows of a label and values. Title
// and label id arrays end with a 0 entry; the Czech array decides the count.
class CTabell : public CGraphicsItem {
 public:
  explicit CTabell(const PageModel& page) : CGraphicsItem(page) {}

  // Alone of the building operations, names the table: its first column title in each
  // language, which heads the copied text. Modules set up once and fill in other ways later.
  void Setup(float x, float y, float columnGap, float rowGap, std::string valueFormat,
             std::span<const int> titleIdsCz, std::span<const int> labelIdsCz,
             std::span<const int> titleIdsEn, std::span<const int> labelIdsEn, std::span<const float> values,
             float minWidth);
  void SetTexts(std::span<const int> titleIdsCz, std::span<const int> titleIdsEn,
                std::span<const int> labelIdsCz, std::span<const int> labelIdsEn,
                std::span<const std::string> cellTextsCz, std::span<const std::string> cellTextsEn, float x,
                float y, int highlight);
  // Labels as texts; each list ends with an empty entry.
  void SetTextRows(std::span<const int> titleIdsCz, std::span<const int> titleIdsEn,
                   std::span<const std::string> labelsCz, std::span<const std::string> labelsEn,
                   std::span<const std::string> cellTextsCz, std::span<const std::string> cellTextsEn,
                   float x, float y, int highlight);
  // The row count is the Czech label list's length.
  void SetTextLists(std::span<const int> titleIdsCz, std::span<const int> titleIdsEn,
                    const std::vector<std::string>& labelListCz, const std::vector<std::string>& labelListEn,
                    const std::vector<std::string>& cellListCz, const std::vector<std::string>& cellListEn,
                    float x, float y, int highlight);
  void CopyFrom(const CTabell& other);
  void SetPosition(float xMm, float yMm);

  void CopyToClipboard(Clipboard& clipboard) override;
  // The language may have changed: widths are measured on the shown texts.
  void Update() override;
  void Draw(DrawingSurface& surface, const LayoutRect& visible) override;
  void BeginPrinting(DrawingSurface& printer) override;
  void EndPrinting() override;

  // The plain text the copy command puts on the clipboard.
  std::string CopyText() const;
  const CTabellVerdi& Cell(int row, int column) const;

  float y = 0.0f;
  float x = 0.0f;
  float columnGap = 0.0f;
  float rowGap = 0.0f;
  float minWidth = 0.0f;
  std::int32_t highlightRow = -1;
  std::int32_t columnCount = 0;
  std::int32_t rowCount = 0;
  std::int32_t columnGapUnits = 0;
  std::int32_t rowGapUnits = 0;
  std::int32_t textHeight = 0;
  std::string valueFormat;
  std::vector<std::uint16_t> columnWidths;

 private:
  void Place(float xMm, float yMm, int highlight);
  void Build(std::span<const int> titleIdsCz, std::span<const int> titleIdsEn, std::size_t rows,
             const std::function<CTabellVerdi(std::size_t row)>& label,
             const std::function<CTabellVerdi(std::size_t cell)>& value);
  void SetTextRowsCounted(std::span<const int> titleIdsCz, std::span<const int> titleIdsEn,
                          std::span<const std::string> labelsCz, std::span<const std::string> labelsEn,
                          std::span<const std::string> cellTextsCz, std::span<const std::string> cellTextsEn,
                          float xMm, float yMm, int highlight, std::size_t rows);
  void Layout();
};

}  // namespace kelvora
