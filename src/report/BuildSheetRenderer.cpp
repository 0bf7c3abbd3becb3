#include "report/BuildSheetRenderer.h"

#include "files/AtomicFile.h"
#include "report/PageModel.h"
#include "report/PainterRenderer.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace yq::report {

namespace {

// Line widths and arrows, thousandths of an inch.
constexpr double kOutlineWidth = 12;
constexpr double kWireWidth = 8;
constexpr double kThinWidth = 4;
constexpr double kArrowLength = 70;
constexpr double kArrowHalfWidth = 20;
const QColor kTubeFill(226, 229, 234);
const QColor kFormerFill(247, 240, 226);
const QColor kCopper(150, 80, 20);

QPen pen(double width, Qt::PenStyle style = Qt::SolidLine, const QColor& colour = Qt::black) {
    QPen p(colour);
    p.setWidthF(width);
    p.setStyle(style);
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    return p;
}

void arrowHead(QPainter& painter, QPointF tip, QPointF direction) {
    // `direction` points from the tip back along the line (unit length).
    const QPointF normal(-direction.y(), direction.x());
    const QPointF base = tip + direction * kArrowLength;
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(base + normal * kArrowHalfWidth);
    path.lineTo(base - normal * kArrowHalfWidth);
    path.closeSubpath();
    painter.fillPath(path, Qt::black);
}

void dimensionLine(QPainter& painter, const QLineF& line) {
    painter.setPen(pen(kThinWidth));
    const double length = line.length();
    if (length <= 0) return;
    const QPointF unit = (line.p2() - line.p1()) / length;
    if (length >= 2.5 * kArrowLength) {
        // Arrows inside, pointing out to the extension lines.
        painter.drawLine(line);
        arrowHead(painter, line.p1(), unit);
        arrowHead(painter, line.p2(), -unit);
    } else {
        // Too short for the arrows: they stand outside and point in.
        painter.drawLine(line);
        painter.drawLine(QLineF(line.p1() - unit * 2 * kArrowLength, line.p1()));
        painter.drawLine(QLineF(line.p2(), line.p2() + unit * 2 * kArrowLength));
        arrowHead(painter, line.p1(), -unit);
        arrowHead(painter, line.p2(), unit);
    }
}

void coil(QPainter& painter, const QRectF& r, int turns) {
    painter.fillRect(r, kFormerFill);
    painter.setPen(pen(kThinWidth));
    painter.drawRect(r);
    if (turns <= 0) return;
    // Each turn is drawn as one slanted stroke across the former.
    const double pitch = r.height() / turns;
    painter.setPen(pen(std::min(kWireWidth, std::max(2.0, pitch * 0.4)), Qt::SolidLine, kCopper));
    for (int i = 0; i < turns; ++i) {
        const double y = r.top() + pitch * i;
        painter.drawLine(QPointF(r.left(), y + pitch * 0.15), QPointF(r.right(), y + pitch * 0.85));
    }
}

}  // namespace

void drawBuildSheet(QPainter& painter, const BuildSheet& sheet, double dotsPerInch) {
    painter.save();
    const double scale = dotsPerInch / 1000.0;
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBrush(Qt::NoBrush);
    for (const SheetItem& item : sheet.items) {
        switch (item.kind) {
            case SheetItemKind::Text: {
                if (item.text.isEmpty()) break;
                painter.setPen(Qt::black);
                painter.setFont(qtFont(item.font, layoutPixelSize(item.font.points)));
                QRectF box = item.rect;
                box.setWidth(std::max(box.width(), 1.0) + 200);  // never clip the last glyph
                painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, item.text);
                break;
            }
            case SheetItemKind::Cylinder:
                painter.fillRect(item.rect, kTubeFill);
                painter.setPen(pen(kOutlineWidth));
                painter.drawRect(item.rect);
                break;
            case SheetItemKind::Coil:
                coil(painter, item.rect, item.turns);
                break;
            case SheetItemKind::Line:
                painter.setPen(pen(kWireWidth, Qt::SolidLine, kCopper));
                painter.drawLine(item.line);
                break;
            case SheetItemKind::HiddenLine:
                painter.setPen(pen(kWireWidth, Qt::DashLine, kCopper));
                painter.drawLine(item.line);
                break;
            case SheetItemKind::CentreLine:
                painter.setPen(pen(kThinWidth, Qt::DashDotLine, Qt::darkGray));
                painter.drawLine(item.line);
                break;
            case SheetItemKind::Extension:
            case SheetItemKind::Leader:
                painter.setPen(pen(kThinWidth, Qt::SolidLine, Qt::darkGray));
                painter.drawLine(item.line);
                break;
            case SheetItemKind::Rule:
                painter.setPen(pen(kThinWidth));
                painter.drawLine(item.line);
                break;
            case SheetItemKind::Dimension:
                dimensionLine(painter, item.line);
                break;
        }
    }
    painter.restore();
}

bool drawBuildSheet(QPagedPaintDevice& device, const BuildSheet& sheet) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // Positions count from the paper's corner, whatever margins the device keeps.
    const QRect paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
    painter.translate(-paint.left(), -paint.top());
    drawBuildSheet(painter, sheet, device.logicalDpiX());
    return painter.end();
}

QImage renderBuildSheetImage(const BuildSheet& sheet, int dpi) {
    if (dpi <= 0) return {};
    QImage img = blankPageImage(sheet.size, dpi);
    QPainter painter(&img);
    drawBuildSheet(painter, sheet, dpi);
    painter.end();
    return img;
}

namespace {

Result<> store(const QString& path, const QByteArray& bytes) {
    if (bytes.isEmpty())
        return fail(QCoreApplication::translate("ReportFiles", "nothing was drawn for %1").arg(path).toStdString());
    return replaceFile(path, bytes);
}

Problem cannotDraw(const QString& path) {
    return fail(QCoreApplication::translate("ReportFiles", "cannot draw %1").arg(path).toStdString());
}

}  // namespace

Result<> writeBuildSheetPdf(const BuildSheet& sheet, const QString& path) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(QCoreApplication::translate("BuildSheet", kBuildSheetTitle));
        writer.setCreator(QStringLiteral("YQ design calculator"));
        writer.setResolution(1200);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        if (!drawBuildSheet(writer, sheet)) return cannotDraw(path);
    }
    return store(path, bytes);
}

Result<> writeBuildSheetSvg(const BuildSheet& sheet, const QString& path) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setTitle(QCoreApplication::translate("BuildSheet", kBuildSheetTitle));
        svg.setDescription(QStringLiteral("YQ design calculator"));
        // One unit a thousandth of an inch: the sheet's own coordinates.
        svg.setResolution(1000);
        svg.setSize(sheet.size.toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), sheet.size));
        QPainter painter;
        if (!painter.begin(&svg)) return cannotDraw(path);
        painter.fillRect(QRectF(QPointF(0, 0), sheet.size), Qt::white);
        drawBuildSheet(painter, sheet, 1000);
        painter.end();
    }
    return store(path, bytes);
}

Result<> writeBuildSheetPng(const BuildSheet& sheet, const QString& path, int dpi) {
    const QImage img = renderBuildSheetImage(sheet, dpi);
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (img.isNull() || !img.save(&buffer, "PNG")) return cannotDraw(path);
    }
    return store(path, bytes);
}

}  // namespace yq::report
