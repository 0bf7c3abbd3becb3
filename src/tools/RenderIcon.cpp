// Build tool: renders the program's SVG icon as square PNG files of the
// given sizes, for the icon theme folders of the package.
//   yq-render-icon SOURCE.svg OUTDIR SIZE...   writes OUTDIR/SIZExSIZE/apps/yq.png
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: yq-render-icon SOURCE.svg OUTDIR SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer{QString::fromLocal8Bit(argv[1])};
    if (!renderer.isValid()) {
        std::fprintf(stderr, "yq-render-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size <= 0 || size > 4096) {
            std::fprintf(stderr, "yq-render-icon: bad size %s\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        const QString file = folder + QStringLiteral("/yq.png");
        if (!QDir().mkpath(folder) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "yq-render-icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
