#include "report/EmbeddedImages.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <array>

// The resources live in the static core library, so they must be registered
// explicitly; the macro cannot be used inside a namespace.
static void registerEmbeddedImages() { Q_INIT_RESOURCE(images); }

namespace yq::report {
namespace {

struct Picture {
    const char* fileName;  // as the windows and the report ask for it
    const char* svg;       // resource under ":/images/"
    int width;             // natural size in pixels
    int height;
    const char* description;
};

// Natural sizes keep the proportions of each picture's place: window pictures
// at two pixels per dialog unit, the report's pictures at one pixel per five
// thousandths of an inch, icons and the cursor at 32 x 32.
constexpr std::array<Picture, 18> kPictures{{
    // design report (958 x 1510, 3302 x 3333) and the Help tab (239 x 270)
    {"YQ_logo_small.gif", "YQ_logo_small.svg", 192, 302, QT_TRANSLATE_NOOP("Pictures", "YQ antenna logo")},
    {"starYQ.bmp", "starYQ.svg", 660, 666,
     QT_TRANSLATE_NOOP("Pictures", "YQ Star antenna: general arrangement with its parts named")},
    {"yq_star.jpg", "yq_star.svg", 478, 540, QT_TRANSLATE_NOOP("Pictures", "The parts of the YQ Star antenna")},
    // main window (545 x 61, 101 x 142, 199 x 146, 67 x 78)
    {"mt_business_top.jpg", "mt_business_top.svg", 1090, 122,
     QT_TRANSLATE_NOOP("Pictures", "YQ Antenna Design Calculator banner")},
    {"yqantenna1.jpg", "yqantenna1.svg", 202, 284, QT_TRANSLATE_NOOP("Pictures", "A YQ antenna on a garden mast")},
    {"van.jpg", "van.svg", 398, 292, QT_TRANSLATE_NOOP("Pictures", "A YQ antenna mounted on a camper van")},
    {"BrannocQuillet.jpg", "BrannocQuillet.svg", 134, 156,
     QT_TRANSLATE_NOOP("Pictures", "Illustrated portrait: a radio amateur at the radio bench")},
    // pictures window (241 x 164, 95 x 164, 89 x 106, then five of 87 x 101)
    {"yq_008.jpg", "yq_008.svg", 482, 328,
     QT_TRANSLATE_NOOP("Pictures", "A YQ antenna on the roof of a house at sunset")},
    {"ex2.jpg", "ex2.svg", 190, 328, QT_TRANSLATE_NOOP("Pictures", "A portable YQ antenna on a tripod by the sea")},
    {"userpic1.jpg", "userpic1.svg", 178, 212,
     QT_TRANSLATE_NOOP("Pictures", "Winding the tuning coil on the workbench")},
    {"userpic2.jpg", "userpic2.svg", 174, 202,
     QT_TRANSLATE_NOOP("Pictures", "Tuning a YQ antenna with an antenna analyser")},
    {"ex5.jpg", "ex5.svg", 174, 202, QT_TRANSLATE_NOOP("Pictures", "A YQ antenna on an apartment balcony")},
    {"ex6.jpg", "ex6.svg", 174, 202, QT_TRANSLATE_NOOP("Pictures", "A YQ antenna on a mountain summit")},
    {"ex3.jpg", "ex3.svg", 174, 202, QT_TRANSLATE_NOOP("Pictures", "The parts of a YQ antenna laid out on the bench")},
    {"ex7.jpg", "ex7.svg", 174, 202, QT_TRANSLATE_NOOP("Pictures", "A YQ antenna on a winter night")},
    // window icons and the link cursor (its hot spot is at 10,1)
    {"milnm.ico", "milnm.svg", 32, 32, QT_TRANSLATE_NOOP("Pictures", "YQ program icon")},
    {"AGENT.ICO", "AGENT.svg", 32, 32, QT_TRANSLATE_NOOP("Pictures", "About icon: radio operator")},
    {"hand2.cur", "hand2.svg", 32, 32, QT_TRANSLATE_NOOP("Pictures", "Hand pointer for links")},
}};

void ensureRegistered() {
    static const bool registered = [] {
        registerEmbeddedImages();
        return true;
    }();
    (void)registered;
}

const Picture* find(const QString& fileName) {
    for (const Picture& picture : kPictures) {
        if (fileName.compare(QLatin1String(picture.fileName), Qt::CaseInsensitive) == 0) return &picture;
    }
    return nullptr;
}

QString resourcePath(const Picture& picture) { return QStringLiteral(":/images/") + QLatin1String(picture.svg); }

}  // namespace

QStringList embeddedImageNames() {
    QStringList names;
    names.reserve(static_cast<qsizetype>(kPictures.size()));
    for (const Picture& picture : kPictures) names << QLatin1String(picture.fileName);
    return names;
}

bool hasEmbeddedImage(const QString& fileName) { return find(fileName) != nullptr; }

QSize embeddedImageSize(const QString& fileName) {
    const Picture* picture = find(fileName);
    return picture ? QSize(picture->width, picture->height) : QSize();
}

QByteArray embeddedImageSvg(const QString& fileName) {
    const Picture* picture = find(fileName);
    if (!picture) return {};
    ensureRegistered();
    QFile file(resourcePath(*picture));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QImage embeddedImage(const QString& fileName, const QSize& size) {
    const Picture* picture = find(fileName);
    // Text in the pictures needs the font database of a GUI application.
    if (!picture || !qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return {};
    const QSize target = size.isEmpty() ? QSize(picture->width, picture->height) : size;
    ensureRegistered();
    QSvgRenderer renderer{resourcePath(*picture)};
    if (!renderer.isValid()) return {};
    QImage image(target, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return {};
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(target)));
    painter.end();
    return image;
}

QImage embeddedImageAt(const QString& fileName, const QSize& logicalSize, qreal ratio) {
    if (ratio <= 0) ratio = 1;
    QImage image = embeddedImage(fileName, (QSizeF(logicalSize) * ratio).toSize());
    image.setDevicePixelRatio(ratio);
    return image;
}

QString embeddedImageDescription(const QString& fileName) {
    const Picture* picture = find(fileName);
    return picture ? QCoreApplication::translate("Pictures", picture->description) : QString();
}

QString applicationIconPath() {
    ensureRegistered();
    return QStringLiteral(":/icons/yq.svg");
}

}  // namespace yq::report
