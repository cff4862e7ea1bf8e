#pragma once

#include <QPageSize>
#include <QString>

#include "core/report/drawingsurface.h"

namespace kelvora {

class ReportLists;

// Writes the pages of the current list to a PDF, cut into pages as a printer with this
// paper would cut them. The file appears only when it is complete: an older file of that
// name survives any failure. On failure `error`, when given, says why.
// The printable part of a page of this paper in the PDF: the page model takes it as the
// default printer's, so that the report is paged as it will be exported.
PrintableArea PdfPrintableArea(const QPageSize& pageSize = QPageSize(QPageSize::A4));

bool ExportReportPdf(ReportLists& reports, const QString& path,
                     const QPageSize& pageSize = QPageSize(QPageSize::A4), QString* error = nullptr);

}  // namespace kelvora
