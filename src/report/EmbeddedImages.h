// The pictures built into the program.
//
// The windows and the design report ask for their pictures by the file names
// they were designed with ("starYQ.bmp", "van.jpg", "milnm.ico" ...). None of
// them is read from disk: each name maps to an SVG illustration compiled into
// the program (resources/images.qrc), rendered on demand.
//
// Rendering draws text, so embeddedImage() needs a QGuiApplication; without
// one it returns a null image.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace yq::report {

// Every picture file name the program looks up, in its original spelling.
QStringList embeddedImageNames();

// True when `fileName` names a built-in picture; case does not matter.
bool hasEmbeddedImage(const QString& fileName);

// The picture's natural size in pixels (its proportions are those of the
// place the layouts give it); an invalid size for an unknown name.
QSize embeddedImageSize(const QString& fileName);

// The picture drawn at `size` (stretched to exactly that size), or at its
// natural size when `size` is empty. Areas the picture leaves open (the
// icons and the cursor) are transparent. A null image for an unknown name.
QImage embeddedImage(const QString& fileName, const QSize& size = {});

// The picture for a place of `logicalSize` on a screen of `ratio` device
// pixels per pixel: drawn from its vector source at the screen's own
// resolution (logicalSize x ratio) and marked with that ratio, so that it
// is sharp at every scale.
QImage embeddedImageAt(const QString& fileName, const QSize& logicalSize, qreal ratio);

// The SVG source of the picture; empty for an unknown name.
QByteArray embeddedImageSvg(const QString& fileName);

// A short description of what the picture shows (for tool tips and
// accessible names); empty for an unknown name.
QString embeddedImageDescription(const QString& fileName);

// Resource path of the program's own icon (":/icons/yq.svg").
QString applicationIconPath();

}  // namespace yq::report
