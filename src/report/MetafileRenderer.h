// Writes each report page as a placeable Windows metafile (WMF), the page
// images of the document export: the 22-byte placeable header, then the
// metafile with an anisotropic mapping whose window is the page (8.000 x
// 11.689 in at 1440 units per inch), the fonts, texts, rectangles, group
// boxes and images. Written with libUEMF.
#pragma once

#include "report/PageModel.h"
#include "report/PainterRenderer.h"

#include <QByteArray>
#include <QList>

namespace yq::report {

// Logical units per inch of the page images.
inline constexpr int kMetafileUnitsPerInch = 1440;
// Resolution at which images are stored in the page images.
inline constexpr int kMetafileImageDpi = 100;

class MetafileRenderer {
public:
    explicit MetafileRenderer(ImageSource images = embeddedImages(), int imageDpi = kMetafileImageDpi);

    // One page as a placeable metafile; empty when libUEMF failed.
    QByteArray renderPage(const Page& page) const;
    // Every page in order.
    QList<QByteArray> renderPages(const PageModel& model) const;

private:
    ImageSource images_;
    int imageDpi_;
};

// Text in the Western Windows code page (1252), with the nearest legible form
// of characters it lacks ("?" where there is none).
QByteArray toWindows1252(const QString& text);

}  // namespace yq::report
