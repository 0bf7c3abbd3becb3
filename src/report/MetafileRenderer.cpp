#include "report/MetafileRenderer.h"

#include "report/CodePages.h"

#include <uemf.h>
#include <uwmf.h>

#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

namespace yq::report {

namespace {

constexpr int kPlaceableSize = 22;

int toUnits(int thousandths) { return qRound(thousandths * kMetafileUnitsPerInch / 1000.0); }

U_POINT16 point(int x, int y) {
    U_POINT16 p;
    p.x = static_cast<int16_t>(x);
    p.y = static_cast<int16_t>(y);
    return p;
}

// Owns the libUEMF writer for one page and frees it on every path.
class Writer {
public:
    Writer() {
        // libUEMF writes through a FILE; the finished bytes are also kept in
        // its buffer, which is what we take. Nothing needs the file itself.
        ok_ = wmf_start("/dev/null", 64 * 1024, 64 * 1024, &track_) == 0 && wmf_htable_create(32, 32, &handles_) == 0;
    }
    ~Writer() {
        if (track_) wmf_free(&track_);
        if (handles_) wmf_htable_free(&handles_);
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    bool ok() const { return ok_; }
    WMFHANDLES* handles() { return handles_; }

    void header(char* rec) {
        if (!rec || wmf_header_append(reinterpret_cast<U_METARECORD*>(rec), track_, 1) != 0) ok_ = false;
    }
    void append(char* rec) {
        if (!rec || wmf_append(reinterpret_cast<U_METARECORD*>(rec), track_, 1) != 0) ok_ = false;
    }

    QByteArray finish() {
        if (!ok_ || wmf_finish(track_) != 0) return {};
        return QByteArray(track_->buf, static_cast<qsizetype>(track_->used));
    }

private:
    WMFTRACK* track_ = nullptr;
    WMFHANDLES* handles_ = nullptr;
    bool ok_ = false;
};

// The header fields libUEMF fills from its own bookkeeping count the
// placeable header as part of the metafile; set them as readers expect:
// the size in 16-bit words without the placeable header, and the largest
// record's size in words.
void fixMetaHeader(QByteArray& wmf) {
    if (wmf.size() < kPlaceableSize + 18) return;
    auto* data = reinterpret_cast<uchar*>(wmf.data());
    const qsizetype words = (wmf.size() - kPlaceableSize) / 2;
    quint32 largest = 0;
    qsizetype offset = kPlaceableSize + 18;
    while (offset + 6 <= wmf.size()) {
        const quint32 size = qFromLittleEndian<quint32>(data + offset);
        if (size < 3 || offset + qsizetype(size) * 2 > wmf.size()) break;
        largest = std::max(largest, size);
        offset += qsizetype(size) * 2;
    }
    qToLittleEndian<quint32>(static_cast<quint32>(words), data + kPlaceableSize + 6);
    qToLittleEndian<quint32>(largest, data + kPlaceableSize + 12);
}

// The image as it shows on the paper: transparent parts are white.
QImage overWhite(const QImage& source) {
    QImage img(source.size(), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.drawImage(0, 0, source);
    p.end();
    return img;
}

int distance2(QRgb a, QRgb b) {
    const int r = qRed(a) - qRed(b);
    const int g = qGreen(a) - qGreen(b);
    const int bl = qBlue(a) - qBlue(b);
    return r * r + g * g + bl * bl;
}

// The palette entry nearest `colour`, and its squared distance.
std::pair<int, int> nearest(QRgb colour, const QList<QRgb>& palette) {
    int best = 0;
    int bestDistance = distance2(colour, palette.front());
    for (qsizetype k = 1; k < palette.size() && bestDistance > 0; ++k) {
        const int d = distance2(colour, palette[k]);
        if (d < bestDistance) {
            best = int(k);
            bestDistance = d;
        }
    }
    return {best, bestDistance};
}

struct Shade {
    QRgb colour;
    quint32 count;  // pixels of this colour
};

int channel(QRgb c, int which) { return which == 0 ? qRed(c) : which == 1 ? qGreen(c) : qBlue(c); }

// A palette of at most `size` colours for the weighted colours `shades`:
// median cut (split the box of colours with the widest channel at its
// weighted median until there are `size` boxes), then a few rounds of
// moving each colour to the mean of the shades nearest it.
QList<QRgb> reducedPalette(std::vector<Shade> shades, int size) {
    struct Box {
        std::size_t begin, end;
        int axis, range;
    };
    auto measure = [&shades](std::size_t begin, std::size_t end) {
        Box box{begin, end, 0, -1};
        for (int axis = 0; axis < 3; ++axis) {
            int low = 255, high = 0;
            for (std::size_t i = begin; i < end; ++i) {
                const int v = channel(shades[i].colour, axis);
                low = std::min(low, v);
                high = std::max(high, v);
            }
            if (high - low > box.range) {
                box.range = high - low;
                box.axis = axis;
            }
        }
        return box;
    };
    std::vector<Box> boxes{measure(0, shades.size())};
    while (static_cast<int>(boxes.size()) < size) {
        auto widest =
            std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.range < b.range; });
        if (widest->range <= 0) break;
        const Box box = *widest;
        std::sort(shades.begin() + qsizetype(box.begin), shades.begin() + qsizetype(box.end),
                  [axis = box.axis](const Shade& a, const Shade& b) {
                      return channel(a.colour, axis) < channel(b.colour, axis);
                  });
        quint64 total = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) total += shades[i].count;
        std::size_t split = box.begin + 1;
        quint64 below = shades[box.begin].count;
        while (split + 1 < box.end && 2 * below < total) below += shades[split++].count;
        *widest = measure(box.begin, split);
        boxes.push_back(measure(split, box.end));
    }

    QList<QRgb> palette;
    for (const Box& box : boxes) {
        quint64 n = 0, r = 0, g = 0, b = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            const Shade& s = shades[i];
            n += s.count;
            r += quint64(qRed(s.colour)) * s.count;
            g += quint64(qGreen(s.colour)) * s.count;
            b += quint64(qBlue(s.colour)) * s.count;
        }
        palette.append(qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n)));
    }
    for (int round = 0; round < 6; ++round) {
        std::vector<quint64> sums(static_cast<std::size_t>(palette.size()) * 4, 0);
        for (const Shade& s : shades) {
            quint64* sum = sums.data() + 4 * nearest(s.colour, palette).first;
            sum[0] += s.count;
            sum[1] += quint64(qRed(s.colour)) * s.count;
            sum[2] += quint64(qGreen(s.colour)) * s.count;
            sum[3] += quint64(qBlue(s.colour)) * s.count;
        }
        for (qsizetype k = 0; k < palette.size(); ++k) {
            const quint64* sum = sums.data() + 4 * k;
            if (sum[0] == 0) continue;
            const quint64 n = sum[0];
            palette[k] = qRgb(int((sum[1] + n / 2) / n), int((sum[2] + n / 2) / n), int((sum[3] + n / 2) / n));
        }
    }
    return palette;
}

// Beyond this many colours an image is a photograph rather than a drawing;
// it is not worth reducing (and would cost time).
constexpr qsizetype kMaxColoursToReduce = 8192;

// The palette and each pixel's index in it, or nothing when a palette of
// 256 cannot show `img` within kMaxPaletteError.
std::optional<std::pair<QList<QRgb>, std::vector<uchar>>> palettised(const QImage& img) {
    const int width = img.width();
    const int height = img.height();
    // Counted by runs of one colour, which drawings are made of.
    QHash<QRgb, quint32> counts;
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < width;) {
            int end = x + 1;
            while (end < width && line[end] == line[x]) ++end;
            counts[line[x] | 0xFF000000u] += quint32(end - x);
            if (counts.size() > kMaxColoursToReduce) return std::nullopt;
            x = end;
        }
    }
    std::vector<Shade> shades;
    shades.reserve(std::size_t(counts.size()));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) shades.push_back({it.key(), it.value()});
    // In order of the colours, so that the palette does not depend on how
    // the table happens to iterate.
    std::sort(shades.begin(), shades.end(), [](const Shade& a, const Shade& b) { return a.colour < b.colour; });

    QList<QRgb> palette;
    if (shades.size() <= 256) {
        for (const Shade& s : shades) palette.append(s.colour);
    } else {
        palette = reducedPalette(shades, 256);
    }
    QHash<QRgb, uchar> index;
    quint64 error = 0;
    for (const Shade& s : shades) {
        const auto [best, distance] = nearest(s.colour, palette);
        index.insert(s.colour, static_cast<uchar>(best));
        error += quint64(distance) * s.count;
    }
    const double pixels = double(width) * double(height);
    if (std::sqrt(double(error) / (3.0 * pixels)) > kMaxPaletteError) return std::nullopt;

    std::vector<uchar> indices(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        uchar* out = indices.data() + std::size_t(y) * std::size_t(width);
        QRgb last = 0;
        uchar lastIndex = 0;
        for (int x = 0; x < width; ++x) {
            if (x == 0 || line[x] != last) {
                last = line[x];
                lastIndex = index.value(last | 0xFF000000u);
            }
            out[x] = lastIndex;
        }
    }
    return std::make_pair(palette, std::move(indices));
}

// Rows of indices, bottom row first, each padded to 4 bytes.
QByteArray plainRows8(const std::vector<uchar>& indices, int width, int height) {
    const int stride = (width + 3) & ~3;
    QByteArray bits(qsizetype(stride) * height, '\0');
    for (int y = 0; y < height; ++y) {
        std::memcpy(bits.data() + qsizetype(y) * stride,
                    indices.data() + std::size_t(height - 1 - y) * std::size_t(width), std::size_t(width));
    }
    return bits;
}

// RLE8, bottom row first: a run is (count, index); three or more pixels
// without runs go in one absolute block (0, count, the indices, padded to
// 16 bits); each row ends with (0, 0), the last with end of bitmap (0, 1).
QByteArray rle8Rows(const std::vector<uchar>& indices, int width, int height) {
    QByteArray out;
    out.reserve(qsizetype(width) * height / 4 + 2 * height + 2);
    for (int y = 0; y < height; ++y) {
        const uchar* row = indices.data() + std::size_t(height - 1 - y) * std::size_t(width);
        int i = 0;
        while (i < width) {
            int run = 1;
            while (i + run < width && run < 255 && row[i + run] == row[i]) ++run;
            if (run >= 2) {
                out.append(char(run)).append(char(row[i]));
                i += run;
                continue;
            }
            // A stretch of single pixels, up to where a run of three begins.
            int j = i + 1;
            while (j < width && j - i < 255 && !(j + 2 < width && row[j] == row[j + 1] && row[j] == row[j + 2])) ++j;
            const int n = j - i;
            if (n >= 3) {
                out.append('\0').append(char(n));
                out.append(reinterpret_cast<const char*>(row + i), n);
                if (n % 2) out.append('\0');
            } else {
                for (int k = i; k < j; ++k) out.append('\1').append(char(row[k]));
            }
            i = j;
        }
        out.append('\0').append(y + 1 < height ? '\0' : '\1');
    }
    return out;
}

// Rows of blue, green, red, bottom row first, each padded to 4 bytes.
QByteArray plainRows24(const QImage& img) {
    const int width = img.width();
    const int height = img.height();
    const int stride = (width * 3 + 3) & ~3;
    QByteArray bits(qsizetype(stride) * height, '\0');
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(height - 1 - y));
        char* out = bits.data() + qsizetype(y) * stride;
        for (int x = 0; x < width; ++x) {
            out[3 * x] = static_cast<char>(qBlue(line[x]));
            out[3 * x + 1] = static_cast<char>(qGreen(line[x]));
            out[3 * x + 2] = static_cast<char>(qRed(line[x]));
        }
    }
    return bits;
}

class PageWriter {
public:
    explicit PageWriter(Writer& w) : w_(w) {}

    void begin() {
        U_PAIRF* inches = U_PAIRF_set(kPageWidth / 1000.0f, kPageHeight / 1000.0f);  // allocated by libUEMF
        w_.header(inches ? U_WMRHEADER_set(inches, kMetafileUnitsPerInch) : nullptr);
        std::free(inches);
        w_.append(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC));
        w_.append(U_WMRSETWINDOWORG_set(point(0, 0)));
        w_.append(U_WMRSETWINDOWEXT_set(point(toUnits(kPageWidth), toUnits(kPageHeight))));
        w_.append(U_WMRSETBKMODE_set(U_TRANSPARENT));
        w_.append(U_WMRSETBKCOLOR_set(U_RGB(255, 255, 255)));
        w_.append(U_WMRSETTEXTCOLOR_set(U_RGB(0, 0, 0)));
        w_.append(U_WMRSETTEXTALIGN_set(U_TA_TOP | U_TA_LEFT | U_TA_NOUPDATECP));
        textAlign_ = U_TA_LEFT;
        w_.append(U_WMRSETSTRETCHBLTMODE_set(U_COLORONCOLOR));

        w_.append(wcreatepenindirect_set(&pen_, w_.handles(),
                                         U_PEN_set(U_PS_SOLID, toUnits(kFrameLineWidth), U_RGB(0, 0, 0))));
        w_.append(wselectobject_set(pen_, w_.handles()));
        w_.append(wcreatebrushindirect_set(&brush_, w_.handles(), U_WLOGBRUSH_set(U_BS_NULL, U_RGB(0, 0, 0), 0)));
        w_.append(wselectobject_set(brush_, w_.handles()));
    }

    void end() {
        if (font_) w_.append(wdeleteobject_set(&font_, w_.handles()));
        w_.append(wdeleteobject_set(&brush_, w_.handles()));
        w_.append(wdeleteobject_set(&pen_, w_.handles()));
        w_.append(U_WMREOF_set());
    }

    // `x` is the text's left edge, or its right edge when `alignRight`.
    // Each run of one code page is written with the advance of every
    // character as the layout's font has it, so that a reader drawing with
    // another face still puts each character in its place and the text
    // keeps its width.
    void text(const QString& text, const FontSpec& font, int x, int y, bool alignRight, bool opaque = false) {
        if (text.isEmpty()) return;
        const QList<EncodedRun> runs = encodeRuns(text);
        const QList<double> positions = layoutPositions(font, text);
        constexpr double scale = kMetafileUnitsPerInch / 1000.0;
        const double left = alignRight ? x - positions.constLast() * scale : x;
        auto at = [&](double thousandths) { return qRound(left + thousandths * scale); };

        const uint16_t align = alignRight ? U_TA_RIGHT : U_TA_LEFT;
        if (align != textAlign_) {
            w_.append(U_WMRSETTEXTALIGN_set(align | U_TA_TOP | U_TA_NOUPDATECP));
            textAlign_ = align;
        }
        if (opaque) w_.append(U_WMRSETBKMODE_set(U_OPAQUE));
        for (const EncodedRun& run : runs) {
            const qsizetype count = run.bytes.size();
            if (count == 0) continue;
            selectFont(font, run.charset);
            // Where each byte's character starts; a character written as
            // several bytes shares its advance among them.
            std::vector<int> starts(static_cast<std::size_t>(count));
            for (qsizetype k = 0; k < count;) {
                const int source = run.sources[k];
                qsizetype group = k;
                while (group < count && run.sources[group] == source) ++group;
                const int next = group < count ? run.sources[group] : run.end;
                const double from = positions[source];
                const double to = positions[next];
                for (qsizetype j = k; j < group; ++j) {
                    starts[static_cast<std::size_t>(j)] = at(from + (to - from) * double(j - k) / double(group - k));
                }
                k = group;
            }
            const int runEnd = at(positions[run.end]);
            std::vector<int16_t> dx(static_cast<std::size_t>(count));
            for (std::size_t k = 0; k < dx.size(); ++k) {
                const int following = k + 1 < dx.size() ? starts[k + 1] : runEnd;
                dx[k] = static_cast<int16_t>(following - starts[k]);
            }
            QByteArray bytes = run.bytes;  // mutable copy for libUEMF
            const int reference = alignRight ? runEnd : starts.front();
            w_.append(U_WMREXTTEXTOUT_set(point(reference, y), static_cast<int16_t>(count), 0, bytes.constData(),
                                          dx.data(), U_RECT16_set(point(0, 0), point(0, 0))));
        }
        if (opaque) w_.append(U_WMRSETBKMODE_set(U_TRANSPARENT));
    }

    void rectangle(int left, int top, int right, int bottom) {
        w_.append(U_WMRRECTANGLE_set(U_RECT16_set(point(left, top), point(right, bottom))));
    }

    void image(const MetafileBitmap& bmp, int x, int y, int width, int height) {
        if (bmp.width <= 0 || bmp.height <= 0) return;
        std::vector<U_RGBQUAD> colours;
        for (QRgb c : bmp.palette)
            colours.push_back(rgbquad_set(uint8_t(qRed(c)), uint8_t(qGreen(c)), uint8_t(qBlue(c)), 0));
        U_BITMAPINFOHEADER header = bitmapinfoheader_set(bmp.width, bmp.height, 1, uint16_t(bmp.bitCount),
                                                         bmp.compression, static_cast<uint32_t>(bmp.bits.size()), 0, 0,
                                                         static_cast<uint32_t>(colours.size()), 0);
        PU_BITMAPINFO info = bitmapinfo_set(header, colours.empty() ? nullptr : colours.data());
        if (!info) return;
        w_.append(U_WMRSTRETCHDIB_set(point(x, y), point(width, height), point(0, 0), point(bmp.width, bmp.height),
                                      U_DIB_RGB_COLORS, U_SRCCOPY, info, static_cast<uint32_t>(bmp.bits.size()),
                                      bmp.bits.constData()));
        std::free(info);
    }

private:
    void selectFont(const FontSpec& spec, std::uint8_t charset) {
        if (font_ && spec == current_ && charset == charset_) return;
        // The metafile names the layout's own faces; the program that shows
        // the document picks its own stand-in where a face is missing.
        QByteArray face = spec.face.toLatin1().left(31);
        U_FONT* f = U_FONT_set(static_cast<int16_t>(-toUnits(qRound(spec.points * 1000.0 / 72.0))), 0, 0, 0,
                               (spec.bold || faceIsBold(spec.face)) ? U_FW_BOLD : U_FW_NORMAL, 0, 0, 0, charset,
                               U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY,
                               U_VARIABLE_PITCH | U_FF_SWISS, face.data());
        if (!f) return;
        uint32_t created = 0;
        w_.append(wcreatefontindirect_set(&created, w_.handles(), f));
        std::free(f);
        w_.append(wselectobject_set(created, w_.handles()));
        if (font_) w_.append(wdeleteobject_set(&font_, w_.handles()));
        font_ = created;
        current_ = spec;
        charset_ = charset;
    }

    Writer& w_;
    uint32_t pen_ = 0;
    uint32_t brush_ = 0;
    uint32_t font_ = 0;
    FontSpec current_;
    std::uint8_t charset_ = 0;
    uint16_t textAlign_ = U_TA_LEFT;
};

}  // namespace

QByteArray toWindows1252(const QString& text) { return encodeInCodePage(text, 1252); }

MetafileBitmap metafileBitmap(const QImage& image) {
    MetafileBitmap bmp;
    if (image.isNull()) return bmp;
    const QImage img = overWhite(image);
    bmp.width = img.width();
    bmp.height = img.height();
    if (auto indexed = palettised(img)) {
        bmp.bitCount = 8;
        bmp.palette = std::move(indexed->first);
        bmp.bits = plainRows8(indexed->second, bmp.width, bmp.height);
        QByteArray rle = rle8Rows(indexed->second, bmp.width, bmp.height);
        if (rle.size() < bmp.bits.size()) {
            bmp.compression = MetafileBitmap::kRle8;
            bmp.bits = std::move(rle);
        }
    } else {
        bmp.bitCount = 24;
        bmp.bits = plainRows24(img);
    }
    return bmp;
}

MetafileRenderer::MetafileRenderer(ImageSource images, int imageDpi)
    : images_(std::move(images)), imageDpi_(imageDpi > 0 ? imageDpi : kMetafileImageDpi) {}

QByteArray MetafileRenderer::renderPage(const Page& page) const {
    QHash<QString, MetafileBitmap> bitmaps;
    return renderPage(page, bitmaps);
}

QByteArray MetafileRenderer::renderPage(const Page& page, QHash<QString, MetafileBitmap>& bitmaps) const {
    Writer writer;
    if (!writer.ok()) return {};
    PageWriter out(writer);
    out.begin();
    for (const PageItem& item : page.items) {
        // Edges are converted, not sizes, so that boxes that share an edge
        // on the page share it in the metafile.
        const int x = toUnits(item.rect.x());
        const int y = toUnits(item.rect.y());
        const int w = toUnits(item.rect.x() + item.rect.width()) - x;
        const int h = toUnits(item.rect.y() + item.rect.height()) - y;
        switch (item.kind) {
            case ItemKind::Text:
            case ItemKind::Value: {
                const bool right = item.align == HAlign::Right && w > 0;
                out.text(item.text, item.font, right ? x + w : x, y, right);
                break;
            }
            case ItemKind::Frame:
                out.rectangle(x, y, x + w, y + h);
                break;
            case ItemKind::GroupBox: {
                const int half = toUnits(lineHeight(item.font.points)) / 2;
                out.rectangle(x, y + half, x + w, y + h);
                if (!item.text.isEmpty()) {
                    // The caption is written on a white background so that it
                    // interrupts the box's top line, padded by one space each side.
                    out.text(QLatin1Char(' ') + item.text + QLatin1Char(' '), item.font,
                             x + toUnits(kCaptionIndent) - toUnits(kCaptionPad), y, false, true);
                }
                break;
            }
            case ItemKind::Image: {
                if (!images_) break;
                const QSize pixels(qMax(1, qRound(item.rect.width() * imageDpi_ / 1000.0)),
                                   qMax(1, qRound(item.rect.height() * imageDpi_ / 1000.0)));
                const QString key = item.text + QLatin1Char('@') + QString::number(pixels.width()) + QLatin1Char('x') +
                                    QString::number(pixels.height());
                auto it = bitmaps.find(key);
                if (it == bitmaps.end()) it = bitmaps.insert(key, metafileBitmap(images_(item.text, pixels)));
                out.image(*it, x, y, w, h);
                break;
            }
        }
    }
    out.end();
    QByteArray wmf = writer.finish();
    fixMetaHeader(wmf);
    return wmf;
}

QList<QByteArray> MetafileRenderer::renderPages(const PageModel& model) const {
    QList<QByteArray> pages;
    pages.reserve(model.pages.size());
    QHash<QString, MetafileBitmap> bitmaps;
    for (const Page& page : model.pages) pages.append(renderPage(page, bitmaps));
    return pages;
}

}  // namespace yq::report
