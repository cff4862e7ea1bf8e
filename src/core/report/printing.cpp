#include "core/report/printing.h"

#include "core/report/drawingsurface.h"
#include "core/report/graphicsitem.h"
#include "core/report/reportlists.h"

namespace kelvora {

namespace {

// A device that reports no printable pixels still prints, on a single page.
std::int32_t PagesFor(std::int32_t reach, std::int32_t pageSize) {
  if (pageSize <= 0) return 1;
  return reach / pageSize + 1;
}

}  // namespace

PrintJob MakePrintJob(DocumentExtent extent, const PrintableArea& area) {
  PrintJob job;
  job.extent = extent;
  job.pageWidthPx = area.widthPx;
  job.pageHeightPx = area.heightPx;
  job.pagesAcross = PagesFor(extent.width, area.widthPx);
  job.pagesDown = PagesFor(extent.height, area.heightPx);
  return job;
}

PrintJob BeginPrintJob(ReportLists& reports, DrawingSurface& printer) {
  const DocumentExtent extent = reports.BeginPrinting(printer);
  return MakePrintJob(extent, printer.Printable());
}

LayoutRect PrintPageRect(const PrintJob& job, std::int32_t page) {
  const std::int32_t index = page - 1;
  const std::int32_t across = job.pagesAcross > 0 ? job.pagesAcross : 1;
  const std::int32_t left = (index % across) * job.pageWidthPx;
  const std::int32_t top = (index / across) * job.pageHeightPx;
  return {left, top, left + job.pageWidthPx, top + job.pageHeightPx};
}

std::int32_t PrintReport(ReportLists& reports, DrawingSurface& printer, const NewPageFn& newPage) {
  const PrintJob job = BeginPrintJob(reports, printer);
  std::int32_t printed = 0;
  for (std::int32_t page = 1; page <= job.PageCount(); ++page) {
    if (page > 1 && newPage && !newPage()) break;
    const LayoutRect visible = PrintPageRect(job, page);
    for (CGraphicsItem* item : reports.CurrentList()) item->Draw(printer, visible);
    ++printed;
  }
  reports.EndPrinting();
  return printed;
}

}  // namespace kelvora
