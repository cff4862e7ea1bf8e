#pragma once

#include <string>

#include "core/framework/item.h"
#include "core/report/units.h"

namespace kelvora {

class Clipboard;
class DrawingSurface;
class HelpViewer;
class PageModel;

// Base of everything placed on the report pages. Items are made by the modules and the
// document, refilled by every recalculation and never stored.
class CGraphicsItem : public CListItem {
 public:
  explicit CGraphicsItem(const PageModel& page) : page(&page) {}
  CGraphicsItem(const CGraphicsItem&) = delete;
  CGraphicsItem& operator=(const CGraphicsItem&) = delete;

  // `point` is in view coordinates; `visible` is the visible area in document
  // coordinates. Remembers the answer for the selection highlight and the copy command.
  virtual bool HitTest(LayoutPoint point, const LayoutRect& visible);
  virtual bool Contains(LayoutPoint documentPoint) const;
  // Opens the help topic when the point lies on the item, as Contains sees it.
  virtual bool ShowHelp(LayoutPoint point, const LayoutRect& visible, HelpViewer& help);
  virtual void CopyToClipboard(Clipboard& clipboard);
  virtual void Update();
  virtual void Draw(DrawingSurface& surface, const LayoutRect& visible);
  // Printing changes every unit; the items that lay themselves out redo it on both ends.
  virtual void BeginPrinting(DrawingSurface& printer);
  virtual void EndPrinting();

  float GetBottomMm() const;

  ItemList<CItem> children;
  LayoutRect rect;
  std::string helpTopic;
  std::int32_t selected = 0;

 protected:
  const PageModel& Page() const { return *page; }
  // The selectable items paint this behind their content; paper never shows it.
  void DrawSelectionHighlight(DrawingSurface& surface, const LayoutRect& visible) const;

 private:
  const PageModel* page;
};

}  // namespace kelvora
