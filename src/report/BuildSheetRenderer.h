// Draws the build sheet with QPainter: on screen, on a printer, into PDF
// (QPdfWriter) and PNG, and into SVG (QSvgGenerator). Texts are drawn as
// text, so the PDF and the SVG keep every value searchable.
#pragma once

#include "design/Result.h"
#include "report/BuildSheet.h"

#include <QImage>
#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace yq::report {

// Draws the sheet with its top-left corner at the painter's origin, at
// `dotsPerInch` device units per inch of the sheet.
void drawBuildSheet(QPainter& painter, const BuildSheet& sheet, double dotsPerInch);

// Draws the sheet on one page of a paged device (printer, PDF), positions
// from the paper's corner. The device must have its page size set. Returns
// false when painting could not start.
bool drawBuildSheet(QPagedPaintDevice& device, const BuildSheet& sheet);

// The sheet as an image at `dpi`, white background.
QImage renderBuildSheetImage(const BuildSheet& sheet, int dpi);

// Writes the sheet as a file, or says why it could not be written. The PDF
// is one A4 page.
Result<> writeBuildSheetPdf(const BuildSheet& sheet, const QString& path);
Result<> writeBuildSheetSvg(const BuildSheet& sheet, const QString& path);
Result<> writeBuildSheetPng(const BuildSheet& sheet, const QString& path, int dpi = 150);

}  // namespace yq::report
