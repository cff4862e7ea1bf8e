#include "core/report/reporttext.h"

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

std::string ReportCopyText(const ReportLists& lists, ModuleIndex module) {
  std::string out;
  for (CGraphicsItem* item : lists.List(module)) {
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
