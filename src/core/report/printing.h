#pragma once

#include <cstdint>
#include <functional>

#include "core/report/pagemodel.h"
#include "core/report/units.h"

namespace kelvora {

class DrawingSurface;
class ReportLists;

// The grid of printer pages a report is cut into, in printer pixels. Pages are numbered
// from 1 and run across first, then down.
struct PrintJob {
  std::int32_t pagesAcross = 1;
  std::int32_t pagesDown = 1;
  std::int32_t pageWidthPx = 0;
  std::int32_t pageHeightPx = 0;
  DocumentExtent extent;

  std::int32_t PageCount() const { return pagesAcross * pagesDown; }
};

// The grid for a report reaching `extent` on paper whose printable area is `area`. A
// report that ends exactly on a page edge still gets the page after it, as it always has.
PrintJob MakePrintJob(DocumentExtent extent, const PrintableArea& area);

// Switches the current list to the printer's units and returns the grid. Every call must
// be matched by ReportLists::EndPrinting.
PrintJob BeginPrintJob(ReportLists& reports, DrawingSurface& printer);

// The part of the report page `page` shows, in printer pixels (document coordinates).
LayoutRect PrintPageRect(const PrintJob& job, std::int32_t page);

// Called before every page from the second on; returning false abandons the job (the
// device could not start a page). The first page is the one the device opened with.
using NewPageFn = std::function<bool()>;

// Prints every page of the current list on `printer`, the items of each page drawn first
// to last. The report is back in screen units afterwards, whether or not all pages made it.
// Returns the number of pages printed.
std::int32_t PrintReport(ReportLists& reports, DrawingSurface& printer, const NewPageFn& newPage);

}  // namespace kelvora
