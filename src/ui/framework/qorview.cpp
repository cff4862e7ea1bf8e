#include "ui/framework/qorview.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <algorithm>
#include <optional>

#include "core/report/clipboard.h"
#include "core/report/graph.h"
#include "core/report/graphicsitem.h"
#include "core/report/printing.h"
#include "core/report/tabell.h"
#include "core/report/textitems.h"
#include "ui/framework/pdfexport.h"
#include "ui/framework/qpaintersurface.h"

namespace kelvora {

namespace {

class QtClipboard : public Clipboard {
 public:
  void SetText(std::string_view text) override {
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }
};

const QColor kDeskColour(128, 128, 128);
const QColor kPageEdgeColour(96, 96, 96);
const QColor kHintColour(64, 64, 64);

LayoutPoint ViewPoint(const QMouseEvent& event) {
  const QPoint at = event.position().toPoint();
  return {at.x(), at.y()};
}

// The items that highlight their selection also copy themselves; the rest only select.
bool IsCopyable(const CGraphicsItem& item) {
  return dynamic_cast<const CTabell*>(&item) || dynamic_cast<const CColoredText*>(&item) ||
         dynamic_cast<const CGraph*>(&item) || dynamic_cast<const CSoundGraph*>(&item);
}

}  // namespace

CQorView::CQorView(CQorDoc& document, HelpViewer& help, QWidget* parent)
    : QAbstractScrollArea(parent),
      document(document),
      help(help),
      measuring(std::make_unique<ScreenMeasuringSurface>()) {
  // Bars that come and go would resize the client area, and a resize sends the view back
  // to the top-left corner, losing the position a module switch has just restored.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);

  document.reports.Page().SetScreenSurface(measuring.get());
  TakeDefaultPrinterPage();
  document.AddObserver(*this);
  DocumentStarted();
}

CQorView::~CQorView() {
  document.RemoveObserver(*this);
  PageModel& page = document.reports.Page();
  if (page.Measuring() == measuring.get()) page.SetScreenSurface(nullptr);
}

void CQorView::TakeDefaultPrinterPage() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  std::optional<PrintableArea> area;
  if (!info.isNull()) {
    QPrinter printer(info, QPrinter::HighResolution);
    area = PrintableAreaOf(printer);
  }
  document.reports.Page().UseDefaultPrinter(area);
}

void CQorView::DocumentChanged(std::uint32_t hint) {
  if (hint == kLayoutChangedHint) {
    ForgetSelection();
    savedPositions.at(static_cast<std::size_t>(shownModule)) = {visibleRect.left, visibleRect.top};
    shownModule = std::clamp(document.currentModule, 0, kModuleCount - 1);
    const LayoutPoint restored = savedPositions.at(static_cast<std::size_t>(shownModule));
    visibleRect = {restored.x, restored.y, restored.x + visibleRect.Width(),
                   restored.y + visibleRect.Height()};
  } else if (selectedItem) {
    // A recalculation may have taken the item off the page.
    const auto& list = document.reports.CurrentList();
    if (std::find(list.begin(), list.end(), selectedItem) == list.end()) ForgetSelection();
  }
  overItem = false;
  viewport()->unsetCursor();
  extent = document.reports.ComputeScreenExtent(0, 0);
  ApplyScrollRanges();
  viewport()->update();
}

void CQorView::DocumentStarted() {
  visibleRect = {0, 0, viewport()->width(), viewport()->height()};
  shownModule = std::clamp(document.currentModule, 0, kModuleCount - 1);
  savedPositions.fill({});
  DocumentChanged(0);
}

void CQorView::ForgetSelection() {
  if (!selectedItem) return;
  selectedItem->selected = 0;
  selectedItem = nullptr;
  emit SelectionChanged();
}

void CQorView::ApplyScrollRanges() {
  const int width = viewport()->width();
  const int height = viewport()->height();
  const int maxX = std::max(0, extent.width - width);
  const int maxY = std::max(0, extent.height - height);
  const int left = std::clamp(visibleRect.left, 0, maxX);
  const int top = std::clamp(visibleRect.top, 0, maxY);
  visibleRect = {left, top, left + width, top + height};

  // The bars follow visibleRect here; only the user's scrolling moves visibleRect through them.
  QScrollBar* horizontal = horizontalScrollBar();
  QScrollBar* vertical = verticalScrollBar();
  const QSignalBlocker quietH(horizontal);
  const QSignalBlocker quietV(vertical);
  horizontal->setRange(0, maxX);
  horizontal->setPageStep(std::max(1, width));
  horizontal->setSingleStep(std::max(1, width / 8));
  horizontal->setValue(left);
  vertical->setRange(0, maxY);
  vertical->setPageStep(std::max(1, height));
  vertical->setSingleStep(std::max(1, height / 8));
  vertical->setValue(top);
}

void CQorView::scrollContentsBy(int, int) {
  const int left = horizontalScrollBar()->value();
  const int top = verticalScrollBar()->value();
  visibleRect = {left, top, left + visibleRect.Width(), top + visibleRect.Height()};
  viewport()->update();
}

void CQorView::resizeEvent(QResizeEvent*) {
  visibleRect = {0, 0, viewport()->width(), viewport()->height()};
  ApplyScrollRanges();
  viewport()->update();
}

void CQorView::keyPressEvent(QKeyEvent* event) {
  QScrollBar* horizontal = horizontalScrollBar();
  QScrollBar* vertical = verticalScrollBar();
  switch (event->key()) {
    case Qt::Key_PageUp:
      vertical->triggerAction(QAbstractSlider::SliderPageStepSub);
      break;
    case Qt::Key_PageDown:
      vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
      break;
    case Qt::Key_Home:
      horizontal->triggerAction(QAbstractSlider::SliderPageStepSub);
      break;
    case Qt::Key_End:
      horizontal->triggerAction(QAbstractSlider::SliderPageStepAdd);
      break;
    case Qt::Key_Up:
      vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
      break;
    case Qt::Key_Down:
      vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      break;
    case Qt::Key_Left:
      horizontal->triggerAction(QAbstractSlider::SliderSingleStepSub);
      break;
    case Qt::Key_Right:
      horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      break;
    default:
      QAbstractScrollArea::keyPressEvent(event);
      return;
  }
  event->accept();
}

// One notch (120) moves the report by 120 layout units, whatever the system's wheel setting.
void CQorView::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta == 0) {
    event->ignore();
    return;
  }
  QScrollBar* vertical = verticalScrollBar();
  vertical->setValue(std::clamp(vertical->value() - delta, 0, vertical->maximum()));
  event->accept();
}

void CQorView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  if (selectedItem) selectedItem->selected = 0;
  selectedItem = nullptr;
  const LayoutPoint point = ViewPoint(*event);
  const auto& list = document.reports.CurrentList();
  // Later items lie on top of earlier ones.
  for (auto item = list.rbegin(); item != list.rend(); ++item) {
    if ((*item)->HitTest(point, visibleRect)) {
      selectedItem = *item;
      break;
    }
  }
  emit SelectionChanged();
  viewport()->update();
}

// A left click is handled on the press; its release must not reach the window behind.
void CQorView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    event->accept();
  } else {
    QAbstractScrollArea::mouseReleaseEvent(event);
  }
}

void CQorView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QAbstractScrollArea::mouseDoubleClickEvent(event);
    return;
  }
  const LayoutPoint point = ViewPoint(*event);
  const auto& list = document.reports.CurrentList();
  for (auto item = list.rbegin(); item != list.rend(); ++item) {
    if ((*item)->ShowHelp(point, visibleRect, help)) break;
  }
}

void CQorView::mouseMoveEvent(QMouseEvent* event) {
  const LayoutPoint view = ViewPoint(*event);
  const LayoutPoint point{view.x + visibleRect.left, view.y + visibleRect.top};
  if (overItem && overRect.Contains(point)) return;
  overItem = false;
  for (const CGraphicsItem* item : document.reports.CurrentList()) {
    if (item->Contains(point)) {
      overItem = true;
      overRect = item->rect;
      break;
    }
  }
  if (overItem) {
    viewport()->setCursor(Qt::PointingHandCursor);
  } else {
    viewport()->unsetCursor();
  }
}

bool CQorView::CanCopy() const { return selectedItem && IsCopyable(*selectedItem); }

void CQorView::Copy() {
  if (!CanCopy()) return;
  QtClipboard clipboard;
  selectedItem->CopyToClipboard(clipboard);
}

void CQorView::DrawPages(QPainter& painter) const {
  const PageModel& page = document.reports.Page();
  const int pageWidth = page.PageWidthUnits();
  const int pageHeight = page.MmToUnitsY(static_cast<float>(page.PageHeightMm()));
  if (pageWidth <= 0 || pageHeight <= 0) return;
  const int pages = std::max(1, page.PageCount());
  painter.setPen(kPageEdgeColour);
  for (int k = 0; k < pages; ++k) {
    const QRect sheet(k * pageWidth - visibleRect.left, -visibleRect.top, pageWidth, pageHeight);
    painter.fillRect(sheet, Qt::white);
    painter.drawRect(sheet.adjusted(0, 0, -1, -1));
  }
}

// The hint names the menu item as the main window shows it, in the interface language. On
// the page it speaks the language of the results, except that an English interface speaks
// English throughout.
QString CQorView::StartHint() const {
  if (document.Module(shownModule).calculated) return {};
  const QString menuItem = tr("Editovat › Vstupní údaje...");
  return document.English() ? QStringLiteral("Enter the input data: ") + menuItem
                            : tr("Zadejte vstupní data: %1").arg(menuItem);
}

// Centred on the visible part of the first page.
void CQorView::DrawStartHint(QPainter& painter) const {
  const QString hint = StartHint();
  if (hint.isEmpty()) return;
  const PageModel& page = document.reports.Page();
  const QRect sheet(-visibleRect.left, -visibleRect.top, page.PageWidthUnits(),
                    page.MmToUnitsY(static_cast<float>(page.PageHeightMm())));
  const QRect area = sheet.intersected(viewport()->rect());
  if (area.isEmpty()) return;
  QFont font = this->font();
  font.setPointSizeF(font.pointSizeF() * 1.25);
  painter.setFont(font);
  painter.setPen(kHintColour);
  painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, hint);
}

void CQorView::paintEvent(QPaintEvent* event) {
  if (printing) return;
  QPainter painter(viewport());
  painter.fillRect(event->rect(), kDeskColour);
  DrawPages(painter);
  QPainterSurface surface(painter, SurfaceKind::Screen);
  for (CGraphicsItem* item : document.reports.CurrentList()) item->Draw(surface, visibleRect);
  DrawStartHint(painter);
}

int CQorView::PrintOn(QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return 0;
  printing = true;
  const LayoutRect savedVisibleRect = visibleRect;
  int printed = 0;
  {
    QPainterSurface surface(painter, SurfaceKind::Printer);
    printed = PrintReport(document.reports, surface, [&] { return printer.newPage(); });
  }
  painter.end();
  printing = false;
  visibleRect = savedVisibleRect;
  viewport()->update();
  return printed;
}

bool CQorView::Print() {
  QPrinter printer(QPrinter::HighResolution);
  return Print(printer);
}

bool CQorView::Print(QPrinter& printer) {
  QPrintDialog dialog(&printer, this);
  // The whole report is always printed; a page range would not be honoured.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  bool printed = false;
  if (dialog.exec() == QDialog::Accepted) printed = PrintOn(printer) > 0;
  TakeDefaultPrinterPage();
  return printed;
}

void CQorView::PrintPreview() {
  QPrinter printer(QPrinter::HighResolution);
  PrintPreview(printer);
}

void CQorView::PrintPreview(QPrinter& printer) {
  QPrintPreviewDialog dialog(&printer, this);
  connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* target) { PrintOn(*target); });
  dialog.exec();
  TakeDefaultPrinterPage();
}

bool CQorView::ExportPdf(const QString& path, QString* error) {
  printing = true;
  const bool written = ExportReportPdf(document.reports, path, QPageSize(QPageSize::A4), error);
  printing = false;
  viewport()->update();
  return written;
}

}  // namespace kelvora
