#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/report/pagemodel.h"

namespace kelvora {

class CGraphicsItem;
class DrawingSurface;
enum class ModuleIndex : int;

// The report items of the eight modules, one list per module in drawing order, with the
// page model they are laid out in. The lists do not own their items; the modules and the
// document do, and take them out again before they go.
class ReportLists {
 public:
  static constexpr std::size_t kListCount = 8;

  PageModel& Page() { return page; }
  const PageModel& Page() const { return page; }

  void AddItem(ModuleIndex module, CGraphicsItem& item);
  void RemoveItem(ModuleIndex module, const CGraphicsItem& item);
  // The shown module changed: its items refresh what they take from the document.
  void ActivateList(ModuleIndex module);

  ModuleIndex Current() const { return current; }
  const std::vector<CGraphicsItem*>& List(ModuleIndex module) const;
  const std::vector<CGraphicsItem*>& CurrentList() const { return List(current); }

  // The extent rounded up to whole 100 mm steps with room to spare, so the view always
  // scrolls a little past the last item.
  DocumentExtent ComputeScreenExtent(std::int32_t minWidth, std::int32_t minHeight);
  DocumentExtent BeginPrinting(DrawingSurface& printer);
  void EndPrinting();
  DocumentExtent Extent() const { return page.Extent(); }
  std::int32_t PageCount() const { return page.PageCount(); }

 private:
  std::vector<CGraphicsItem*>& MutableList(ModuleIndex module);
  DocumentExtent PlainExtent(std::int32_t minWidth, std::int32_t minHeight) const;

  PageModel page;
  std::array<std::vector<CGraphicsItem*>, kListCount> lists;
  ModuleIndex current{};
};

}  // namespace kelvora
