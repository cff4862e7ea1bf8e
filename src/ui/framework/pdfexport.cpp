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

}  // namespace

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
    const QMarginsF margins(kPrinterMarginMm, kPrinterMarginMm, kPrinterMarginMm, kPrinterMarginMm);
    writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, margins, QPageLayout::Millimeter));
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
