#include "ui/framework/pdfexport.h"

#include <QCoreApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "core/report/printing.h"
#include "core/report/reportlists.h"
#include "ui/framework/qpaintersurface.h"

namespace kelvora {

namespace {

constexpr int kPdfDotsPerInch = 600;
// What an office printer typically cannot reach at the paper's edges.
constexpr qreal kPrinterMarginMm = 5.0;

bool Fail(QString* error, const QString& why) {
  if (error) *error = why;
  return false;
}

QPageLayout PdfPageLayout(const QPageSize& pageSize) {
  const QMarginsF margins(kPrinterMarginMm, kPrinterMarginMm, kPrinterMarginMm, kPrinterMarginMm);
  return QPageLayout(pageSize, QPageLayout::Portrait, margins, QPageLayout::Millimeter);
}

}  // namespace

PrintableArea PdfPrintableArea(const QPageSize& pageSize) {
  const QPageLayout layout = PdfPageLayout(pageSize);
  const QRectF mm = layout.paintRect(QPageLayout::Millimeter);
  const QRect px = layout.paintRectPixels(kPdfDotsPerInch);
  return {static_cast<std::int32_t>(mm.width()), static_cast<std::int32_t>(mm.height()), px.width(),
          px.height()};
}

bool ExportReportPdf(ReportLists& reports, const QString& path, const QPageSize& pageSize, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return Fail(error, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
  }
  {
    QPdfWriter writer(&file);
    writer.setCreator(QCoreApplication::applicationName());
    writer.setTitle(QStringLiteral("Kelvora"));
    writer.setResolution(kPdfDotsPerInch);
    writer.setPageLayout(PdfPageLayout(pageSize));
    QPainter painter;
    if (!painter.begin(&writer)) {
      file.cancelWriting();
      return Fail(error, QStringLiteral("Cannot start the PDF %1").arg(path));
    }
    QPainterSurface surface(painter, SurfaceKind::Printer);
    bool pageRefused = false;
    PrintReport(reports, surface, [&] {
      pageRefused = !writer.newPage();
      return !pageRefused;
    });
    painter.end();
    if (pageRefused) {
      file.cancelWriting();
      return Fail(error, QStringLiteral("Cannot add a page to the PDF %1").arg(path));
    }
  }
  if (!file.commit()) {
    return Fail(error, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
  }
  return true;
}

}  // namespace kelvora
