// Draws the report's pages with QPainter: on screen (print preview), on a
// printer, into PDF and into images.
#pragma once

#include "design/Result.h"
#include "report/PageModel.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;
class QPagedPaintDevice;

namespace yq::report {

// The report's images by file name, drawn at about `pixelSize`; a null image
// draws nothing.
using ImageSource = std::function<QImage(const QString& fileName, const QSize& pixelSize)>;

// The program's own images ("YQ_logo_small.gif", "starYQ.bmp").
ImageSource embeddedImages();

// Highest resolution at which images are rasterised for printers and PDF.
inline constexpr int kMaxImageDpi = 300;

// A white image of a page `thousandths` (thousandths of an inch) in size at
// `dpi`, its resolution recorded; the PNG renderers draw on it.
QImage blankPageImage(QSizeF thousandths, int dpi);

class PainterRenderer {
public:
    explicit PainterRenderer(ImageSource images = embeddedImages());

    // Draws `page` with the page's top-left corner at the painter's current
    // origin, at `dotsPerInch` device units per inch of the page.
    void drawPage(QPainter& painter, const Page& page, double dotsPerInch) const;

    // Draws the listed pages (0-based; all when empty) into a paged device,
    // one sheet each, positions from the sheet's top-left corner. The device
    // must have its page size set; the painter is opened here. Returns false
    // when painting could not start.
    bool drawPages(QPagedPaintDevice& device, const PageModel& model, const QList<int>& pages = {}) const;

    // One page as an image of the page's size at `dpi`, white background.
    QImage renderPageToImage(const PageModel& model, int pageIndex, int dpi) const;

    // Every page into a PDF file on A4 paper, or why the file could not be
    // written.
    Result<> renderToPdf(const PageModel& model, const QString& path) const;

private:
    QImage image(const QString& name, const QSize& pixelSize) const;

    ImageSource images_;
    mutable QHash<QString, QImage> cache_;
};

}  // namespace yq::report
