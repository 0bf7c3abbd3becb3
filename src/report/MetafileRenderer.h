// Writes each report page as a placeable Windows metafile (WMF), the page
// images of the document export: the 22-byte placeable header, then the
// metafile with an anisotropic mapping whose window is the page (8.000 x
// 11.689 in at 1440 units per inch), the fonts, texts, rectangles, group
// boxes and images. Written with libUEMF.
//
// The images are the bulk of a page (the RTF document carries every page's
// metafile, and a report has a page per user), so each is stored as the
// smallest bitmap that shows it as drawn; see metafileBitmap().
#pragma once

#include "report/PageModel.h"
#include "report/PainterRenderer.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QRgb>

namespace yq::report {

// Logical units per inch of the page images.
inline constexpr int kMetafileUnitsPerInch = 1440;
// Resolution at which images are stored in the page images.
inline constexpr int kMetafileImageDpi = 100;

// A device-independent bitmap as the metafile's bitmap record carries it.
struct MetafileBitmap {
    // Compressions of the bitmap header.
    static constexpr quint32 kRgb = 0;   // uncompressed rows, each padded to 4 bytes
    static constexpr quint32 kRle8 = 1;  // 8-bit run-length encoding

    int width = 0;
    int height = 0;
    int bitCount = 0;  // 8 (palette) or 24 (blue, green, red)
    quint32 compression = kRgb;
    QList<QRgb> palette;  // the 8-bit bitmap's colours
    QByteArray bits;      // the pixels, bottom row first
};

// Largest root-mean-square difference, in colour levels of 0 to 255 per
// channel, at which an image with more than 256 colours is still stored with
// a palette of 256. The report's drawings (flat colours, anti-aliased edges
// and gentle gradients) come out near 1 and look the same at print size;
// photographs would show bands and are kept at 24 bits.
inline constexpr double kMaxPaletteError = 2.5;

// `image` (composed over white) as the smallest bitmap that shows it:
//   - at most 256 colours: an 8-bit palette of exactly those colours;
//   - more colours, but a palette of 256 keeps the root-mean-square error
//     within kMaxPaletteError: the 8-bit bitmap of that palette, without
//     dithering (which would only add noise at these sizes);
//   - otherwise 24 bits per pixel.
// An 8-bit bitmap is run-length encoded (RLE8) when that is smaller, which it
// is for drawings on a plain background.
MetafileBitmap metafileBitmap(const QImage& image);

class MetafileRenderer {
public:
    explicit MetafileRenderer(ImageSource images = embeddedImages(), int imageDpi = kMetafileImageDpi);

    // One page as a placeable metafile; empty when libUEMF failed.
    QByteArray renderPage(const Page& page) const;
    // Every page in order; each image is encoded once for all pages.
    QList<QByteArray> renderPages(const PageModel& model) const;

private:
    QByteArray renderPage(const Page& page, QHash<QString, MetafileBitmap>& bitmaps) const;

    ImageSource images_;
    int imageDpi_;
};

// Text in the Western Windows code page (1252), with the nearest legible form
// of characters it lacks ("?" where there is none).
QByteArray toWindows1252(const QString& text);

}  // namespace yq::report
