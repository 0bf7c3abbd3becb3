#include "report/PainterRenderer.h"

#include "report/EmbeddedImages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace yq::report {

namespace {}  // namespace

ImageSource embeddedImages() {
    return [](const QString& fileName, const QSize& size) { return report::embeddedImage(fileName, size); };
}

PainterRenderer::PainterRenderer(ImageSource images) : images_(std::move(images)) {}

QImage PainterRenderer::image(const QString& name, const QSize& pixelSize) const {
    if (!images_ || pixelSize.isEmpty()) return {};
    const QString key = name + QLatin1Char('@') + QString::number(pixelSize.width()) + QLatin1Char('x') +
                        QString::number(pixelSize.height());
    auto it = cache_.constFind(key);
    if (it != cache_.constEnd()) return *it;
    QImage img = images_(name, pixelSize);
    cache_.insert(key, img);
    return img;
}

void PainterRenderer::drawPage(QPainter& painter, const Page& page, double dotsPerInch) const {
    painter.save();
    const double scale = dotsPerInch / 1000.0;
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    QPen pen(Qt::black);
    pen.setWidthF(kFrameLineWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);

    for (const PageItem& item : page.items) {
        const QRectF r(item.rect);
        switch (item.kind) {
            case ItemKind::Text:
            case ItemKind::Value: {
                if (item.text.isEmpty()) break;
                painter.setFont(qtFont(item.font, layoutPixelSize(item.font.points)));
                int flags = Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
                QRectF box = r;
                if (item.align == HAlign::Right && r.width() > 0) {
                    flags |= Qt::AlignRight;
                } else {
                    flags |= Qt::AlignLeft;
                    if (box.width() <= 0) box.setWidth(kPageWidth);
                }
                painter.drawText(box, flags, item.text);
                break;
            }
            case ItemKind::Frame:
                painter.drawRect(r);
                break;
            case ItemKind::GroupBox: {
                const QFont font = qtFont(item.font, layoutPixelSize(item.font.points));
                const QFontMetricsF metrics(font);
                const double half = metrics.height() / 2.0;
                painter.drawRect(QRectF(r.x(), r.y() + half, r.width(), r.height() - half));
                if (!item.text.isEmpty()) {
                    const QRectF caption(r.x() + kCaptionIndent, r.y(),
                                         metrics.horizontalAdvance(item.text) + 2 * kCaptionPad, metrics.height());
                    painter.fillRect(caption, Qt::white);
                    painter.setFont(font);
                    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, item.text);
                }
                break;
            }
            case ItemKind::Image: {
                const double dpi = std::min(dotsPerInch, double(kMaxImageDpi));
                const QSize pixels(qMax(1, qRound(r.width() * dpi / 1000.0)),
                                   qMax(1, qRound(r.height() * dpi / 1000.0)));
                const QImage img = image(item.text, pixels);
                if (!img.isNull()) painter.drawImage(r, img);
                break;
            }
        }
    }
    painter.restore();
}

bool PainterRenderer::drawPages(QPagedPaintDevice& device, const PageModel& model, const QList<int>& pages) const {
    QList<int> order = pages;
    if (order.isEmpty()) {
        for (int i = 0; i < model.pages.size(); ++i) order.append(i);
    }
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // Page positions count from the sheet's corner, whatever margins the
    // device keeps.
    const QRect paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const double dpi = device.logicalDpiX();
    bool first = true;
    for (int index : order) {
        if (index < 0 || index >= model.pages.size()) continue;
        if (!first) device.newPage();
        first = false;
        painter.save();
        painter.translate(-paint.left(), -paint.top());
        drawPage(painter, model.pages.at(index), dpi);
        painter.restore();
    }
    return painter.end();
}

QImage blankPageImage(QSizeF thousandths, int dpi) {
    const QSize size(qRound(thousandths.width() * dpi / 1000.0), qRound(thousandths.height() * dpi / 1000.0));
    QImage img(size, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    img.setDotsPerMeterX(dotsPerMeter);
    img.setDotsPerMeterY(dotsPerMeter);
    img.fill(Qt::white);
    return img;
}

QImage PainterRenderer::renderPageToImage(const PageModel& model, int pageIndex, int dpi) const {
    if (pageIndex < 0 || pageIndex >= model.pages.size() || dpi <= 0) return {};
    QImage img = blankPageImage(model.pageSize, dpi);
    QPainter painter(&img);
    drawPage(painter, model.pages.at(pageIndex), dpi);
    painter.end();
    return img;
}

Result<> PainterRenderer::renderToPdf(const PageModel& model, const QString& path) const {
    QPdfWriter writer(path);
    if (!QFileInfo(path).absoluteDir().exists())
        return fail(QCoreApplication::translate("ReportFiles", "folder does not exist").toStdString(),
                    QFileInfo(path).absolutePath().toStdString());
    const Problem notWritten =
        fail(QCoreApplication::translate("ReportFiles", "cannot write %1").arg(path).toStdString());
    writer.setTitle(QCoreApplication::translate("ReportPage", kReportTitle));
    writer.setCreator(QStringLiteral("YQ design calculator"));
    writer.setResolution(1200);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    if (!drawPages(writer, model)) return notWritten;
    // QPdfWriter reports nothing when the file could not be opened.
    if (!QFileInfo(path).isFile() || QFileInfo(path).size() == 0) return notWritten;
    return {};
}

}  // namespace yq::report
