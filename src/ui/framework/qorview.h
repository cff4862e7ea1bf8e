#pragma once

#include <QAbstractScrollArea>
#include <QPageSize>
#include <QString>

#include <array>
#include <memory>

#include "core/document/document.h"
#include "core/report/pagemodel.h"
#include "core/report/units.h"

class QPrinter;

namespace kelvora {

class CGraphicsItem;
class HelpViewer;
class ScreenMeasuringSurface;

// Shows the report pages of the document's current module: scrolls over the strip of
// pages, hands clicks to the report items (selection, help, copy), shows a hand over
// them, and prints the pages. It is the document's one view and the screen surface the
// report items measure with.
class CQorView : public QAbstractScrollArea, public DocumentObserver {
  Q_OBJECT

 public:
  CQorView(CQorDoc& document, HelpViewer& help, QWidget* parent = nullptr);
  ~CQorView() override;

  void DocumentChanged(std::uint32_t hint) override;
  // Every module's report of the new document shows from its top-left corner.
  void DocumentStarted() override;

  // Copy is offered only for a selected table, graph or coloured text.
  bool CanCopy() const;
  void Copy();
  // The framework's print dialog, then the pages; false when cancelled or failed. Without
  // a printer, the default one at high resolution; with one, the paper and device the
  // print setup chose.
  bool Print();
  bool Print(QPrinter& printer);
  void PrintPreview();
  void PrintPreview(QPrinter& printer);
  // The pages as a printer with this paper prints them; says why on failure.
  bool ExportPdf(const QString& path, QString* error = nullptr);
  // Prints the current report on `printer` page by page; returns the pages printed.
  int PrintOn(QPrinter& printer);

  // What the screen shows on the empty page of a module without a report: where to enter
  // its input. Empty while the module has a report. Never printed.
  QString StartHint() const;

  // Document coordinates of the visible part, in layout units.
  const LayoutRect& VisibleRect() const { return visibleRect; }
  CGraphicsItem* SelectedItem() const { return selectedItem; }

 signals:
  // The selection changed, so Copy may have become possible or impossible.
  void SelectionChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void TakeDefaultPrinterPage();
  // Fits the scroll bars to the extent and the client size, keeping visibleRect's
  // left-top where it can.
  void ApplyScrollRanges();
  void ForgetSelection();
  void DrawPages(QPainter& painter) const;
  void DrawStartHint(QPainter& painter) const;

  CQorDoc& document;
  HelpViewer& help;
  std::unique_ptr<ScreenMeasuringSurface> measuring;
  LayoutRect visibleRect;
  DocumentExtent extent;
  int shownModule = 0;
  std::array<LayoutPoint, kModuleCount> savedPositions{};
  CGraphicsItem* selectedItem = nullptr;
  bool overItem = false;
  LayoutRect overRect;
  bool printing = false;
};

}  // namespace kelvora
