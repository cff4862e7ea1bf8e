#include "core/report/reporttext.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/report/clipboard.h"
#include "core/report/graphicsitem.h"
#include "core/report/reportlists.h"

namespace kelvora {

namespace {

class TextCollector : public Clipboard {
 public:
  void SetText(std::string_view copied) override {
    text = copied;
    copiedAny = true;
  }
  std::string text;
  bool copiedAny = false;
};

}  // namespace

std::vector<CGraphicsItem*> ItemsInPageOrder(const ReportLists& lists, ModuleIndex module) {
  // A module may keep its items in another order than its pages show them.
  std::vector<CGraphicsItem*> items = lists.List(module);
  const std::int32_t pageWidth = std::max(lists.Page().PageWidthUnits(), 1);
  std::stable_sort(items.begin(), items.end(), [pageWidth](const CGraphicsItem* a, const CGraphicsItem* b) {
    return std::pair(a->rect.left / pageWidth, a->rect.top) <
           std::pair(b->rect.left / pageWidth, b->rect.top);
  });
  return items;
}

std::string ReportCopyText(const ReportLists& lists, ModuleIndex module) {
  std::string out;
  for (CGraphicsItem* item : ItemsInPageOrder(lists, module)) {
    TextCollector collector;
    item->CopyToClipboard(collector);
    if (!collector.copiedAny) continue;
    if (!out.empty()) out += '\n';
    out += collector.text;
    if (out.empty() || out.back() != '\n') out += '\n';
  }
  return out;
}

}  // namespace kelvora
