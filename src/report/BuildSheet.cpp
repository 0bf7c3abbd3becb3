#include "report/BuildSheet.h"

#include "files/Text.h"
#include "report/PageModel.h"
#include "files/Picture.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>

namespace yq::report {

namespace {

// Regions of the sheet, thousandths of an inch.
constexpr double kLeft = 500;
constexpr double kRight = 7500;
constexpr double kDrawingTop = 1600;
constexpr double kDrawingBottom = 6900;
constexpr double kNotesTop = 7300;
// Not to scale: the gap between the tuning coil and the source coil, which
// the design does not set.
constexpr double kFeedGap = 200;
// Largest diameter drawn, and the least it may shrink to when labels need the room.
constexpr double kMostDrawnDiameter = 1000;
constexpr double kLeastDrawnDiameter = 300;
// Gaps between labels, lines and the parts.
constexpr double kLabelGap = 40;
constexpr double kLeaderRoom = 250;
constexpr double kChainOffset = 300;
constexpr double kLabelIndent = 120;
constexpr double kExtensionOverrun = 60;
// Widest label columns; longer texts are set smaller to fit.
constexpr double kMostLeftColumn = 2200;
constexpr double kMostChainColumn = 1700;
constexpr double kMostTotalColumn = 1400;

bool canMeasure() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

double textWidth(const FontSpec& font, const QString& text) {
    if (text.isEmpty()) return 0;
    // Without a GUI application nothing can be measured: a generous estimate.
    if (!canMeasure()) return text.size() * font.points * 1000.0 / 72.0 * 0.6;
    // The sheet measures some hundred texts after every calculation: the
    // metrics of its few fonts are kept while the application lives.
    static QHash<QString, QFontMetricsF> metrics;
    if (metrics.isEmpty()) qAddPostRoutine([] { metrics.clear(); });
    const QString key = font.face + u'/' + QString::number(font.points) + (font.bold ? u'b' : u'r');
    auto it = metrics.constFind(key);
    if (it == metrics.constEnd()) it = metrics.insert(key, QFontMetricsF(qtFont(font, layoutPixelSize(font.points))));
    return it->horizontalAdvance(text);
}

FittedText fitted(const QString& text, const FontSpec& font, double width) {
    if (textWidth(font, text) <= width) return {text, font};
    return fitText(text, font, int(std::floor(width)));
}

// The unit of every length on the sheet, as the key table gives it.
QString unitText(UnitSystem unit) { return toQString(keyInfo(Key::TL).unit(unit)); }

// Decimal to a drawing length.
double real(const Decimal& value) { return value.toReal(); }

class SheetBuilder {
    Q_DECLARE_TR_FUNCTIONS(BuildSheet)

public:
    SheetBuilder(const DesignRecord& record, const BuildSheetOptions& options)
        : r_(record), options_(options), unit_(record.unitSystem()), u_(unitText(unit_)) {
        sheet_.unit = unit_;
    }

    BuildSheet build();

private:
    struct Block {
        QString name;
        QStringList lines;
        FontSpec font;
        QList<FontSpec> lineFonts;
        double centre = 0;  // wanted middle, y
        double width = 0;
        double height = 0;
        double top = 0;  // placed top, y
    };

    QString shown(const char* key) const {
        const KeyInfo* info = findKey(key);
        const DecimalField* field = r_.field(key);
        if (!info || !field) return {};
        const QString picture = options_.picture ? options_.picture(*info, unit_) : windowPicture(*info, unit_);
        return formatNumeric(field->value(), picture.toStdString());
    }
    QString measure(const char* key) const { return QLatin1String(key) + u' ' + shown(key) + u' ' + u_; }

    int addItem(SheetItem item) {
        sheet_.items.append(std::move(item));
        return int(sheet_.items.size() - 1);
    }
    int addText(const QString& name, const QString& text, double x, double y, const FontSpec& font) {
        SheetItem item;
        item.kind = SheetItemKind::Text;
        item.name = name;
        item.text = text;
        item.font = font;
        item.rect = QRectF(x, y, textWidth(font, text), lineHeight(font.points));
        return addItem(item);
    }
    int addLine(SheetItemKind kind, const QString& name, QPointF a, QPointF b) {
        SheetItem item;
        item.kind = kind;
        item.name = name;
        item.line = QLineF(a, b);
        return addItem(item);
    }
    int addShape(SheetItemKind kind, const QString& name, const QRectF& rect, int turns = 0) {
        SheetItem item;
        item.kind = kind;
        item.name = name;
        item.rect = rect;
        item.turns = turns;
        return addItem(item);
    }

    // A drawn length: to scale, or the least size (and the part noted).
    double drawn(double designLength, const QString& part, bool* clamped) {
        const double d = designLength * sheet_.scale;
        *clamped = !(d >= kLeastDrawnSize);
        if (*clamped && !sheet_.clampedParts.contains(part)) sheet_.clampedParts.append(part);
        return *clamped ? kLeastDrawnSize : d;
    }

    Block block(const QString& name, const QStringList& lines, double maxWidth, int points = 8,
                bool boldFirst = false) const {
        Block b;
        b.name = name;
        b.font = arial(points);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const FontSpec f = arial(points, boldFirst && i == 0);
            const FittedText fit = fitted(lines.at(i), f, maxWidth);
            b.lines.append(fit.text);
            b.lineFonts.append(fit.font);
            b.width = std::max(b.width, textWidth(fit.font, fit.text));
            b.height += lineHeight(points);
        }
        return b;
    }

    // Places the blocks of one column top to bottom in the order given, each
    // as near its wanted middle as the blocks before and after it allow,
    // none overlapping another.
    static void placeColumn(QList<Block>& blocks, double top, double bottom) {
        double next = top;
        for (Block& b : blocks) {
            b.top = std::max(b.centre - b.height / 2, next);
            next = b.top + b.height + kLabelGap;
        }
        double limit = bottom;
        for (qsizetype i = blocks.size() - 1; i >= 0; --i) {
            Block& b = blocks[i];
            if (b.top + b.height > limit) b.top = limit - b.height;
            limit = b.top - kLabelGap;
        }
        // Too many lines for the column: the first pass wins, so nothing overlaps.
        double floor = -1e9;
        for (Block& b : blocks) {
            b.top = std::max(b.top, floor);
            floor = b.top + b.height + kLabelGap;
        }
    }

    // Adds a block's lines at x (left edge) and returns the index of its first line.
    int emitBlock(const Block& b, double x, bool alignRight = false) {
        int first = -1;
        double y = b.top;
        for (qsizetype i = 0; i < b.lines.size(); ++i) {
            const FontSpec& f = b.lineFonts.at(i);
            const double w = textWidth(f, b.lines.at(i));
            const int index = addText(QStringLiteral("label ") + b.name, b.lines.at(i), alignRight ? x - w : x, y, f);
            if (first < 0) first = index;
            y += lineHeight(b.font.points);
        }
        return first;
    }

    SheetDimension& addDimension(const QString& name, const char* key, bool clamped) {
        SheetDimension d;
        d.name = name;
        d.key = QLatin1String(key);
        d.valueText = shown(key);
        d.unit = u_;
        d.value = r_.field(key)->value();
        d.clamped = clamped;
        sheet_.dimensions.append(d);
        return sheet_.dimensions.last();
    }

    void titleBlock();
    void drawing();
    void notes(double* y);
    void cutList(double y);
    QString scaleText() const;

    const DesignRecord& r_;
    const BuildSheetOptions& options_;
    const UnitSystem unit_;
    const QString u_;
    BuildSheet sheet_;
};

QString SheetBuilder::scaleText() const {
    if (sheet_.scale <= 0) return tr("No scale: the design has no dimensions yet");
    // Paper length over the antenna's length.
    const double ratio = unit_ == UnitSystem::Metric ? sheet_.scale * 0.0254 : sheet_.scale / 1000.0;
    auto number = [](double v) { return v >= 10 ? QString::number(qRound(v)) : QString::number(v, 'f', 1); };
    if (ratio < 1) return tr("Scale 1 : %1").arg(number(1.0 / ratio));
    return tr("Scale %1 : 1").arg(number(ratio));
}

void SheetBuilder::titleBlock() {
    addText(QStringLiteral("title"), tr("YQ Antenna Build Sheet"), kLeft, 450, arial(16, true));
    addText(QStringLiteral("frequency"), tr("Designed for %1 MHz").arg(shown("F")), kLeft, 780, arial(10));
    addText(QStringLiteral("unit line"),
            unit_ == UnitSystem::Metric ? tr("All linear measurements are in mm")
                                        : tr("All linear measurements are in inches"),
            kLeft, 990, arial(10, true));
    if (!options_.designName.isEmpty()) {
        const FittedText name = fitted(tr("Design: %1").arg(options_.designName), arial(10), kRight - 4500);
        addText(QStringLiteral("design name"), name.text, 4500, 780, name.font);
    }
    addText(QStringLiteral("scale"), scaleText(), 4500, 990, arial(10, true));
    addLine(SheetItemKind::Rule, QStringLiteral("title rule"), {kLeft, 1300}, {kRight, 1300});
}

void SheetBuilder::drawing() {
    const double ccl = real(r_.CCL), cd = real(r_.CD), cl = real(r_.CL), scl = real(r_.SCL);
    const double pccd = real(r_.PCCD), ccd = real(r_.CCD), scd = real(r_.SCD);

    // Label texts first: their widths decide how much room the parts get.
    const double columnTop = kDrawingTop, columnBottom = kDrawingBottom + 150;
    struct Chain {
        QString name;
        const char* key;
        QString text;
    };
    const QList<Chain> chainTexts = {
        {QStringLiteral("CCL upper"), "CCL", tr("Upper cylinder %1").arg(measure("CCL"))},
        {QStringLiteral("CD spacing"), "CD", tr("Cylinder spacing %1").arg(measure("CD"))},
        {QStringLiteral("CCL lower"), "CCL", tr("Lower cylinder %1").arg(measure("CCL"))},
        {QStringLiteral("CD to coil"), "CD", tr("Spacing to coil %1").arg(measure("CD"))},
        {QStringLiteral("CL"), "CL", tr("Tuning coil %1").arg(measure("CL"))},
        {QStringLiteral("SCL"), "SCL", tr("Source coil %1").arg(measure("SCL"))},
    };
    QList<Block> chain;
    for (const Chain& c : chainTexts) chain.append(block(c.name, {c.text}, kMostChainColumn));
    QList<Block> total = {block(
        QStringLiteral("TL"),
        {tr("Overall %1").arg(measure("TL")), QStringLiteral("2 x CCL + 2 x CD + CL"), tr("source coil not included")},
        kMostTotalColumn, 8, true)};
    QList<Block> left = {
        block(QStringLiteral("CD upper"), {tr("Cylinder %1 dia.").arg(measure("CD"))}, kMostLeftColumn),
        block(QStringLiteral("PCCD"),
              {tr("Phasing coil %1 dia.").arg(measure("PCCD")),
               tr("PCNT %1 turns, LPW %2 %3 of wire").arg(shown("PCNT"), shown("LPW"), u_),
               tr("(coil and leads; wound length open)")},
              kMostLeftColumn),
        block(QStringLiteral("CD lower"), {tr("Cylinder %1 dia.").arg(measure("CD"))}, kMostLeftColumn),
        block(QStringLiteral("CCD"),
              {tr("Tuning coil %1 dia.").arg(measure("CCD")),
               tr("NT %1 turns at SP %2 %3").arg(shown("NT"), shown("SP"), u_)},
              kMostLeftColumn),
        block(QStringLiteral("SCD"),
              {tr("Source coil %1 dia.").arg(measure("SCD")), tr("SCT %1 turns, at the feed").arg(shown("SCT"))},
              kMostLeftColumn),
    };
    auto widest = [](const QList<Block>& blocks) {
        double w = 0;
        for (const Block& b : blocks) w = std::max(w, b.width);
        return w;
    };
    const double leftW = widest(left), chainW = widest(chain), totalW = widest(total);
    const double fixed =
        leftW + kLeaderRoom + kChainOffset + kLabelIndent + chainW + kLeaderRoom + kLabelIndent + totalW;
    const double mostDiameter = std::clamp(kRight - kLeft - fixed, kLeastDrawnDiameter, kMostDrawnDiameter);

    // One scale for lengths and diameters; the least sizes are kept free.
    const double axial = 2 * ccl + 2 * cd + cl + scl;
    const double room = kDrawingBottom - kDrawingTop - kFeedGap - 6 * kLeastDrawnSize;
    const double widestPart = std::max({cd, pccd, ccd, scd});
    double scale = 0;
    if (axial > 0) scale = room / axial;
    if (widestPart > 0) scale = scale > 0 ? std::min(scale, mostDiameter / widestPart) : mostDiameter / widestPart;
    if (!std::isfinite(scale) || scale < 0) scale = 0;
    sheet_.scale = scale;

    bool cUpper, cGap1, cLower, cGap2, cCoil, cSource, cCyl, cPhase, cTune, cSrc;
    const double hU = drawn(ccl, QStringLiteral(QT_TRANSLATE_NOOP("BuildSheet", "cylinder length")), &cUpper);
    const double g1 = drawn(cd, QStringLiteral(QT_TRANSLATE_NOOP("BuildSheet", "cylinder spacing")), &cGap1);
    const double hL = drawn(ccl, QStringLiteral(QT_TRANSLATE_NOOP("BuildSheet", "cylinder length")), &cLower);
    const double g2 = drawn(cd, QStringLiteral(QT_TRANSLATE_NOOP("BuildSheet", "spacing to the tuning coil")), &cGap2);
    const double hC = drawn(cl, QStringLiteral(QT_TRANSLATE_NOOP("BuildSheet", "tuning coil length")), &cCoil);
    const double hS = drawn(scl, QStringLiteral(QT_TRANSLATE_NOOP("BuildSheet", "source coil length")), &cSource);
    const double wCyl = drawn(cd, QStringLiteral(QT_TRANSLATE_NOOP("BuildSheet", "cylinder diameter")), &cCyl);
    const double wP = drawn(pccd, QStringLiteral(QT_TRANSLATE_NOOP("BuildSheet", "phasing coil diameter")), &cPhase);
    const double wC = drawn(ccd, QStringLiteral(QT_TRANSLATE_NOOP("BuildSheet", "tuning coil diameter")), &cTune);
    const double wS = drawn(scd, QStringLiteral(QT_TRANSLATE_NOOP("BuildSheet", "source coil diameter")), &cSrc);
    const double maxHalf = std::max({wCyl, wP, wC, wS}) / 2;

    // Across: left labels, the parts on the axis, the chain of lengths, the overall length.
    const double usedWidth = fixed + 2 * maxHalf;
    const double x0 = kLeft + std::max(0.0, (kRight - kLeft - usedWidth) / 2);
    const double leftEnd = x0 + leftW;
    const double axis = leftEnd + kLeaderRoom + maxHalf;
    const double xChain = axis + maxHalf + kChainOffset;
    const double chainLabelX = xChain + kLabelIndent;
    const double xTotal = chainLabelX + chainW + kLeaderRoom;
    const double totalLabelX = xTotal + kLabelIndent;

    // Along: the parts top to bottom.
    const double topU = kDrawingTop, botU = topU + hU;
    const double topL = botU + g1, botL = topL + hL;
    const double topC = botL + g2, botC = topC + hC;
    const double topS = botC + kFeedGap, botS = topS + hS;

    auto centred = [axis](double top, double height, double width) {
        return QRectF(axis - width / 2, top, width, height);
    };
    addLine(SheetItemKind::CentreLine, QStringLiteral("axis"), {axis, topU - 150}, {axis, botS + 60});
    addShape(SheetItemKind::Cylinder, QStringLiteral("upper cylinder"), centred(topU, hU, wCyl));
    addShape(SheetItemKind::Cylinder, QStringLiteral("lower cylinder"), centred(topL, hL, wCyl));
    auto turnsDrawn = [](const Decimal& turns, double height) {
        const int wanted = std::max(1, int(std::ceil(real(turns))));
        return std::clamp(std::min(wanted, int(height / 20)), 1, kMostDrawnTurns);
    };
    addShape(SheetItemKind::Coil, QStringLiteral("phasing coil"), centred(topL - g1, g1, wP), turnsDrawn(r_.PCNT, g1));
    addShape(SheetItemKind::Coil, QStringLiteral("tuning coil"), centred(topC, hC, wC), turnsDrawn(r_.NT, hC));
    addShape(SheetItemKind::Coil, QStringLiteral("source coil"), centred(topS, hS, wS), turnsDrawn(r_.SCT, hS));

    // The tuning coil's wires: from its top up the centre of the lower
    // cylinder, from its bottom up the cylinder's inside edge.
    const double insideEdge = axis + wCyl / 2 - std::min(25.0, wCyl / 4);
    const double wireEnd = topL + hL / 2;
    addLine(SheetItemKind::Line, QStringLiteral("top wire"), {axis, topC}, {axis, botL});
    addLine(SheetItemKind::HiddenLine, QStringLiteral("top wire"), {axis, botL}, {axis, wireEnd});
    addLine(SheetItemKind::Line, QStringLiteral("bottom wire"), {axis + wC / 2, botC}, {insideEdge, botC});
    addLine(SheetItemKind::Line, QStringLiteral("bottom wire"), {insideEdge, botC}, {insideEdge, botL});
    addLine(SheetItemKind::HiddenLine, QStringLiteral("bottom wire"), {insideEdge, botL}, {insideEdge, wireEnd});
    const FontSpec feedFont = arial(8);
    const QString feed = tr("Feed");
    addText(QStringLiteral("feed"), feed, axis - textWidth(feedFont, feed) / 2, botS + 100, feedFont);

    // Chain of lengths along the axis, on the right.
    struct Segment {
        double a, b, halfA, halfB;
        bool clamped;
    };
    const std::array<Segment, 6> segments = {{
        {topU, botU, wCyl / 2, wCyl / 2, cUpper},
        {botU, topL, wCyl / 2, wCyl / 2, cGap1},
        {topL, botL, wCyl / 2, wCyl / 2, cLower},
        {botL, topC, wCyl / 2, wC / 2, cGap2},
        {topC, botC, wC / 2, wC / 2, cCoil},
        {topS, botS, wS / 2, wS / 2, cSource},
    }};
    QList<double> extended;
    auto extension = [&](double y, double half, double to) {
        for (double e : extended) {
            if (std::abs(e - y) < 0.5) return;
        }
        extended.append(y);
        addLine(SheetItemKind::Extension, QStringLiteral("extension"), {axis + half + kLabelGap, y},
                {to + kExtensionOverrun, y});
    };
    // The overall length's ends reach out to its own line.
    extension(topU, wCyl / 2, xTotal);
    extension(botC, wC / 2, xTotal);
    for (qsizetype i = 0; i < chain.size(); ++i) {
        const Segment& s = segments[std::size_t(i)];
        chain[i].centre = (s.a + s.b) / 2;
        extension(s.a, s.halfA, xChain);
        extension(s.b, s.halfB, xChain);
    }
    placeColumn(chain, columnTop, columnBottom);
    for (qsizetype i = 0; i < chain.size(); ++i) {
        const Segment& s = segments[std::size_t(i)];
        const Chain& c = chainTexts.at(i);
        const int lineItem = addLine(SheetItemKind::Dimension, c.name, {xChain, s.a}, {xChain, s.b});
        const int label = emitBlock(chain[i], chainLabelX);
        const double mid = chain[i].top + chain[i].height / 2;
        if (std::abs(mid - chain[i].centre) > 1)
            addLine(SheetItemKind::Leader, c.name, {chainLabelX - 20, mid}, {xChain, chain[i].centre});
        SheetDimension& d = addDimension(c.name, c.key, s.clamped);
        d.lineItem = lineItem;
        d.labelItem = label;
    }

    // Overall length TL: the two cylinders, both spacings and the tuning coil.
    total[0].centre = (topU + botC) / 2;
    placeColumn(total, columnTop, columnBottom);
    {
        const int lineItem = addLine(SheetItemKind::Dimension, QStringLiteral("TL"), {xTotal, topU}, {xTotal, botC});
        const int label = emitBlock(total[0], totalLabelX);
        SheetDimension& d = addDimension(QStringLiteral("TL"), "TL", cUpper || cGap1 || cLower || cGap2 || cCoil);
        d.lineItem = lineItem;
        d.labelItem = label;
    }

    // Diameters across each part, labelled on the left.
    struct Across {
        const char* key;
        double y, half;
        bool clamped;
    };
    const std::array<Across, 5> across = {{
        {"CD", topU + hU / 2, wCyl / 2, cCyl},
        {"PCCD", topL - g1 / 2, wP / 2, cPhase},
        {"CD", topL + hL / 2, wCyl / 2, cCyl},
        {"CCD", topC + hC / 2, wC / 2, cTune},
        {"SCD", topS + hS / 2, wS / 2, cSrc},
    }};
    for (qsizetype i = 0; i < left.size(); ++i) left[i].centre = across[std::size_t(i)].y;
    placeColumn(left, columnTop, columnBottom);
    for (qsizetype i = 0; i < left.size(); ++i) {
        const Across& a = across[std::size_t(i)];
        const int lineItem =
            addLine(SheetItemKind::Dimension, left[i].name, {axis - a.half, a.y}, {axis + a.half, a.y});
        const int label = emitBlock(left[i], leftEnd, true);
        // The leader runs from the label's first line, which carries the value.
        const double mid = left[i].top + lineHeight(left[i].font.points) / 2.0;
        addLine(SheetItemKind::Leader, left[i].name, {leftEnd + 30, mid}, {axis - a.half, a.y});
        SheetDimension& d = addDimension(left[i].name, a.key, a.clamped);
        d.lineItem = lineItem;
        d.labelItem = label;
    }
}

// Wraps `text` into lines no wider than `width`.
QStringList wrapped(const QString& text, const FontSpec& font, double width) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && textWidth(font, candidate) > width) {
            lines.append(line);
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty()) lines.append(line);
    return lines;
}

void SheetBuilder::notes(double* y) {
    const FontSpec font = arial(8);
    QStringList texts;
    if (sheet_.scale <= 0) texts << tr("The design has no dimensions yet: calculate it before building.");
    if (!sheet_.clampedParts.isEmpty()) {
        // The parts keep their English names; the note shows them translated.
        QStringList shownParts;
        for (const QString& part : sheet_.clampedParts) shownParts << tr(part.toUtf8().constData());
        texts << tr("Not to scale, drawn larger so as to be seen: %1.").arg(shownParts.join(QStringLiteral(", ")));
    }
    texts << tr("Dashed: the tuning coil's wires inside the lower cylinder. The wire from the top of the "
                "tuning coil runs up the centre of the lower cylinder, the wire from its bottom up the "
                "inside edge.")
          << tr("Not set by the design: the phasing coil's wound length (it sits in the cylinder "
                "spacing) and the source coil's place at the feed; LPW is the whole phasing wire. "
                "Windings are drawn as strokes, at most one per 0.02 in of coil: the labels give "
                "the turns.");
    for (const QString& text : texts) {
        for (const QString& line : wrapped(text, font, kRight - kLeft)) {
            addText(QStringLiteral("note"), line, kLeft, *y, font);
            *y += lineHeight(font.points);
        }
    }
    *y += 80;
    addLine(SheetItemKind::Rule, QStringLiteral("notes rule"), {kLeft, *y}, {kRight, *y});
    *y += 120;
}

void SheetBuilder::cutList(double y) {
    addText(QStringLiteral("cut list"), tr("Cut list"), kLeft, y, arial(11, true));
    y += lineHeight(11) + 60;

    sheet_.cutList = {
        {tr("Cylinders"),
         QStringLiteral("2"),
         {tr("Non-ferrous tube, outside diameter %1").arg(measure("CD"))},
         tr("%1 each").arg(measure("CCL"))},
        {tr("Tuning coil wire"),
         QStringLiteral("1"),
         {tr("Wire %1, NT %2 turns at SP %3 %4").arg(measure("WD"), shown("NT"), shown("SP"), u_),
          tr("on a former of %1, wound length %2").arg(measure("CCD"), measure("CL"))},
         measure("LW")},
        {tr("Phasing wire"),
         QStringLiteral("1"),
         {tr("Wire %1, coil of PCNT %2 turns").arg(measure("WD"), shown("PCNT")),
          tr("on a former of %1, in the cylinder spacing").arg(measure("PCCD"))},
         measure("LPW")},
        {tr("Source coil wire"),
         QStringLiteral("1"),
         {tr("Wire %1, SCT %2 turns close wound").arg(measure("SCWD"), shown("SCT")),
          tr("on a former of %1, wound length %2").arg(measure("SCD"), measure("SCL"))},
         measure("SCWL")},
    };
    // The one sum the calculation does not make: all the wire to buy.
    const Decimal wire = r_.LW.value() + r_.LPW.value() + r_.SCWL.value();
    const QString wirePicture =
        options_.picture ? options_.picture(*findKey("LW"), unit_) : windowPicture(*findKey("LW"), unit_);
    sheet_.cutList.append({tr("Total wire"),
                           QString(),
                           {QStringLiteral("LW + LPW + SCWL")},
                           formatNumeric(wire, wirePicture.toStdString()) + u' ' + u_});

    const std::array<double, 4> columns = {kLeft, 2000, 2400, 6100};
    const FontSpec head = arial(8, true), body = arial(8);
    const double line = lineHeight(8);
    auto cell = [&](const QString& name, const QString& text, int column, double top, const FontSpec& font,
                    double right) {
        if (text.isEmpty()) return;
        const FittedText fit = fitted(text, font, right - columns[std::size_t(column)] - 60);
        addText(name, fit.text, columns[std::size_t(column)], top, fit.font);
    };
    auto rightOf = [&](int column) {
        return column + 1 < int(columns.size()) ? columns[std::size_t(column) + 1] : kRight;
    };
    const QStringList heads = {tr("Part"), tr("Qty"), tr("Material and size"), tr("Length")};
    for (int c = 0; c < 4; ++c) cell(QStringLiteral("cut list head"), heads.at(c), c, y, head, rightOf(c));
    y += line + 20;
    addLine(SheetItemKind::Rule, QStringLiteral("cut list rule"), {kLeft, y}, {kRight, y});
    y += 40;
    const QString totalWire = tr("Total wire");
    for (const CutListRow& row : sheet_.cutList) {
        const QString name = QStringLiteral("cut list ") + row.part;
        cell(name, row.part, 0, y, row.part == totalWire ? head : body, rightOf(0));
        cell(name, row.quantity, 1, y, body, rightOf(1));
        double my = y;
        for (const QString& m : row.material) {
            cell(name, m, 2, my, body, rightOf(2));
            my += line;
        }
        cell(name, row.length, 3, y, row.part == totalWire ? head : body, rightOf(3));
        y = std::max(my, y + line) + 50;
    }
    addLine(SheetItemKind::Rule, QStringLiteral("cut list rule"), {kLeft, y}, {kRight, y});
    y += 150;

    // Wire gauges nearest to each wire diameter of the design.
    addText(QStringLiteral("gauges"), tr("Nearest wire gauges"), kLeft, y, arial(10, true));
    y += lineHeight(10) + 40;
    struct Wire {
        QString label;
        const char* key;
    };
    QList<Wire> wires = {{tr("WD (all coils)"), "WD"}};
    if (r_.SCWD.value() != r_.WD.value()) wires.append({tr("SCWD (source coil)"), "SCWD"});
    for (const Wire& w : wires) {
        const Decimal d = r_.field(w.key)->value();
        if (d.sign() <= 0) continue;
        sheet_.gauges.append({w.label, QLatin1String(w.key), d, nearestGauge(awgGauges(), d, unit_),
                              nearestGauge(swgGauges(), d, unit_)});
    }
    const std::array<double, 6> gaugeColumns = {kLeft, 1900, 2900, 4300, 5400, 6800};
    auto gaugeCell = [&](const QString& name, const QString& text, int c, const FontSpec& font) {
        const double right = c + 1 < 6 ? gaugeColumns[std::size_t(c) + 1] : kRight;
        const FittedText fit = fitted(text, font, right - gaugeColumns[std::size_t(c)] - 60);
        addText(name, fit.text, gaugeColumns[std::size_t(c)], y, fit.font);
    };
    const QStringList gaugeHeads = {tr("Wire"),       tr("Diameter"),    tr("Nearest AWG"),
                                    tr("Difference"), tr("Nearest SWG"), tr("Difference")};
    for (int c = 0; c < 6; ++c) gaugeCell(QStringLiteral("gauges head"), gaugeHeads.at(c), c, head);
    y += line + 20;
    addLine(SheetItemKind::Rule, QStringLiteral("gauges rule"), {kLeft, y}, {kRight, y});
    y += 40;
    const int places = unit_ == UnitSystem::Metric ? 3 : 4;
    auto signedText = [&](const Decimal& v) {
        const QString t = QString::fromStdString(v.toFixed(places));
        return (v.rounded(places).sign() > 0 ? QStringLiteral("+") : QString()) + t + u' ' + u_;
    };
    auto gaugeText = [&](const char* system, const GaugeMatch& m) {
        return QStringLiteral("%1 %2: %3 %4")
            .arg(QLatin1String(system), QLatin1String(m.gauge->name),
                 QString::fromStdString(m.diameter.toFixed(places)), u_);
    };
    if (sheet_.gauges.isEmpty()) {
        gaugeCell(QStringLiteral("gauges"), tr("No wire diameter"), 0, body);
        y += line;
    }
    for (const WireGaugeRow& g : sheet_.gauges) {
        const QString name = QStringLiteral("gauges ") + g.key;
        gaugeCell(name, g.wire, 0, body);
        gaugeCell(name, shown(g.key.toLatin1().constData()) + u' ' + u_, 1, body);
        gaugeCell(name, gaugeText("AWG", g.awg), 2, body);
        gaugeCell(name, signedText(g.awg.difference), 3, body);
        gaugeCell(name, gaugeText("SWG", g.swg), 4, body);
        gaugeCell(name, signedText(g.swg.difference), 5, body);
        y += line + 30;
    }
}

BuildSheet SheetBuilder::build() {
    sheet_.items.reserve(160);
    drawing();
    // The title names the scale, which the drawing has settled.
    titleBlock();
    double y = kNotesTop;
    notes(&y);
    cutList(y);
    return std::move(sheet_);
}

}  // namespace

QString windowPicture(const KeyInfo& info, UnitSystem unit) { return toQString(info.picture(unit)); }

const SheetItem* BuildSheet::find(SheetItemKind kind, const QString& name) const {
    for (const SheetItem& item : items) {
        if (item.kind == kind && item.name == name) return &item;
    }
    return nullptr;
}

const SheetDimension* BuildSheet::dimension(const QString& name) const {
    for (const SheetDimension& d : dimensions) {
        if (d.name == name) return &d;
    }
    return nullptr;
}

QStringList BuildSheet::texts() const {
    QStringList out;
    for (const SheetItem& item : items) {
        if (item.kind == SheetItemKind::Text) out.append(item.text);
    }
    return out;
}

BuildSheet buildBuildSheet(const DesignRecord& record, const BuildSheetOptions& options) {
    return SheetBuilder(record, options).build();
}

}  // namespace yq::report
