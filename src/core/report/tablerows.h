#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"
#include "core/report/pagemodel.h"
#include "core/report/tabell.h"

namespace kelvora {

inline std::string Cz(int id) { return std::string(LoadResourceString(id, Language::Czech)); }
inline std::string En(int id) { return std::string(LoadResourceString(id, Language::English)); }

// The rows of one table: a label and the value cells in both languages.
class TableRows {
 public:
  explicit TableRows(int columns) : values(columns - 1) {}

  void Add(int label, const std::vector<std::string>& cz, const std::vector<std::string>& en) {
    AddLabelled(Cz(label), En(label), cz, en);
  }
  // The same value text in both languages.
  void Add(int label, const std::string& value) { Add(label, Repeat(value), Repeat(value)); }
  void Add(int label, std::string_view format, float value) { Add(label, FormatC(format, {value})); }
  // A value whose format differs by language.
  void Add(int label, int format, float value) {
    Add(label, Repeat(FormatC(Cz(format), {value})), Repeat(FormatC(En(format), {value})));
  }
  // Two value columns of one format, the same in both languages.
  void AddPair(int label, std::string_view format, float first, float second) {
    const std::vector<std::string> cells{FormatC(format, {first}), FormatC(format, {second})};
    Add(label, cells, cells);
  }
  void AddTexts(int label, int textId) { Add(label, Repeat(Cz(textId)), Repeat(En(textId))); }
  void AddTexts(int label, const std::string& cz, const std::string& en) {
    Add(label, Repeat(cz), Repeat(en));
  }
  void AddLabelled(std::string labelCz, std::string labelEn, const std::vector<std::string>& cz,
                   const std::vector<std::string>& en) {
    labelsCz.push_back(std::move(labelCz));
    labelsEn.push_back(std::move(labelEn));
    cellsCz.insert(cellsCz.end(), cz.begin(), cz.end());
    cellsEn.insert(cellsEn.end(), en.begin(), en.end());
  }
  std::vector<std::string> Repeat(const std::string& text) const {
    return std::vector<std::string>(static_cast<std::size_t>(values), text);
  }

  void Into(CTabell& table, std::span<const int> titles) const {
    table.SetTextLists(titles, titles, labelsCz, labelsEn, cellsCz, cellsEn, -1, -1, -1);
  }

 private:
  int values;
  std::vector<std::string> labelsCz;
  std::vector<std::string> labelsEn;
  std::vector<std::string> cellsCz;
  std::vector<std::string> cellsEn;
};

// An energy price with its unit: per kWh, in the document's currency.
inline std::string PricePerKwh(float price, std::string_view currency) {
  return FormatC("%.2f %s/kWh", {price, currency});
}

// Where the module reports put their tables and how they rule them, in mm.
inline constexpr float kTableLeft = 20.0f;
inline constexpr float kTableTop = 65.0f;  // below the page header; also the top of a continued page
inline constexpr float kTableColumnGap = 4.0f;
inline constexpr float kTableRowGap = 2.0f;
inline constexpr float kTableMinWidth = 170.0f;
inline constexpr float kReportItemGap = 10.0f;  // between items one below the other

// A module report table at the left margin with the common gaps and least width.
inline void SetUpModuleTable(CTabell& table, float top, std::span<const int> titles) {
  table.Setup(kTableLeft, top, kTableColumnGap, kTableRowGap, "%.1f", titles, {}, titles, {}, {},
              kTableMinWidth);
}

// The page flow of the module reports: below `top` on the page of `x`, or at `pageTop` of
// the next page over when it would run past the foot. Returns where the next item starts.
template <class Item>
float PlaceBelow(Item& item, const PageModel& page, float& x, float top, float pageTop) {
  item.SetPosition(x, top);
  if (item.GetBottomMm() + kReportItemGap > static_cast<float>(page.PageHeightMm())) {
    x += static_cast<float>(page.PageWidthMm());
    item.SetPosition(x, pageTop);
  }
  return item.GetBottomMm() + kReportItemGap;
}

}  // namespace kelvora
