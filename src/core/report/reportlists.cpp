#include "core/report/reportlists.h"

#include <algorithm>

#include "core/framework/moduleindex.h"
#include "core/report/drawingsurface.h"
#include "core/report/graphicsitem.h"

namespace kelvora {

namespace {

std::int32_t NextWholeStep(std::int32_t value, std::int32_t step) {
  if (step <= 0) return value;
  return (value / step + 1) * step;
}

}  // namespace

const std::vector<CGraphicsItem*>& ReportLists::List(ModuleIndex module) const {
  return lists.at(static_cast<std::size_t>(module));
}

std::vector<CGraphicsItem*>& ReportLists::MutableList(ModuleIndex module) {
  return lists.at(static_cast<std::size_t>(module));
}

void ReportLists::AddItem(ModuleIndex module, CGraphicsItem& item) {
  auto& list = MutableList(module);
  if (std::find(list.begin(), list.end(), &item) == list.end()) list.push_back(&item);
}

void ReportLists::RemoveItem(ModuleIndex module, const CGraphicsItem& item) {
  auto& list = MutableList(module);
  const auto found = std::find(list.begin(), list.end(), &item);
  if (found != list.end()) list.erase(found);
}

void ReportLists::ActivateList(ModuleIndex module) {
  static_cast<void>(List(module));
  current = module;
  for (CGraphicsItem* item : CurrentList()) item->Update();
}

DocumentExtent ReportLists::PlainExtent(std::int32_t minWidth, std::int32_t minHeight) const {
  DocumentExtent reach{minWidth, minHeight};
  for (const CGraphicsItem* item : CurrentList()) {
    reach.width = std::max(reach.width, item->rect.right);
    reach.height = std::max(reach.height, item->rect.bottom);
  }
  return reach;
}

DocumentExtent ReportLists::ComputeScreenExtent(std::int32_t minWidth, std::int32_t minHeight) {
  const DocumentExtent reach = PlainExtent(minWidth, minHeight);
  page.SetExtent(
      {NextWholeStep(reach.width, page.MmToUnitsX(100)), NextWholeStep(reach.height, page.MmToUnitsY(100))});
  return page.Extent();
}

DocumentExtent ReportLists::BeginPrinting(DrawingSurface& printer) {
  page.BeginPrinting(printer);
  for (CGraphicsItem* item : CurrentList()) item->BeginPrinting(printer);
  page.SetExtent(PlainExtent(0, 0));
  return page.Extent();
}

void ReportLists::EndPrinting() {
  page.EndPrinting();
  for (CGraphicsItem* item : CurrentList()) item->EndPrinting();
  page.SetExtent(PlainExtent(0, 0));
}

}  // namespace kelvora
