#include "core/report/graphicsitem.h"

#include "core/framework/help.h"
#include "core/report/clipboard.h"
#include "core/report/drawingsurface.h"
#include "core/report/pagemodel.h"

namespace kelvora {

namespace {

LayoutPoint ToDocument(LayoutPoint point, const LayoutRect& visible) {
  return {point.x + visible.left, point.y + visible.top};
}

}  // namespace

bool CGraphicsItem::HitTest(LayoutPoint point, const LayoutRect& visible) {
  selected = rect.Contains(ToDocument(point, visible)) ? 1 : 0;
  return selected != 0;
}

bool CGraphicsItem::Contains(LayoutPoint documentPoint) const { return rect.Contains(documentPoint); }

bool CGraphicsItem::ShowHelp(LayoutPoint point, const LayoutRect& visible, HelpViewer& help) {
  if (!Contains(ToDocument(point, visible))) return false;
  help.OpenTopic(helpTopic);
  return true;
}

void CGraphicsItem::CopyToClipboard(Clipboard&) {}

void CGraphicsItem::Update() {}

void CGraphicsItem::Draw(DrawingSurface&, const LayoutRect&) {}

void CGraphicsItem::BeginPrinting(DrawingSurface&) {}

void CGraphicsItem::EndPrinting() {}

float CGraphicsItem::GetBottomMm() const { return page->UnitsToMmY(rect.bottom); }

void CGraphicsItem::DrawSelectionHighlight(DrawingSurface& surface, const LayoutRect& visible) const {
  if (!selected || surface.IsPrinter()) return;
  surface.FillRect(rect.ShiftedBack({visible.left, visible.top}), kSelectionColour);
}

}  // namespace kelvora
