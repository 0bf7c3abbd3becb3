#include "report/HtmlWriter.h"

#include "files/AtomicFile.h"
#include "files/Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace yq::report {

namespace {

// One line of the file: the text without trailing blanks, then CR LF.
void addLine(QByteArray& out, const QByteArray& text) {
    out += withoutTrailingBlanks(text);
    out += "\r\n";
}

}  // namespace

QString colourToHex(quint32 colour) {
    static constexpr char digits[] = "0123456789ABCDEF";
    // BBGGRR, digit by digit from 16^5 down to 16^0.
    char bgr[6];
    quint32 rest = colour & 0xFFFFFFu;
    quint32 power = 0x100000u;
    for (char& digit : bgr) {
        digit = digits[rest / power];
        rest %= power;
        power /= 16;
    }
    // Pairs in reverse order: RR GG BB.
    const char rgb[6] = {bgr[4], bgr[5], bgr[2], bgr[3], bgr[0], bgr[1]};
    return QString::fromLatin1(rgb, 6);
}

QString pageBackgroundHex(qint64 colour) { return colourToHex(colour <= 0 ? 0xFFFFFFu : static_cast<quint32>(colour)); }

QByteArray htmlPageBytes(qint64 backgroundColour, const QStringList& bodyLines) {
    QByteArray page;
    page.reserve(512);
    addLine(page, R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">)"
                  "\r\n");
    addLine(page, "<HTML><HEAD>\r\n");
    addLine(page, R"(<META content="text/html; charset=iso-8859-1" http-equiv=Content-Type>)"
                  "\r\n");
    addLine(page, R"(<META content="MSHTML 5.00.2614.3500" name=GENERATOR></HEAD>)"
                  "\r\n");
    addLine(page, "<BODY bgColor=#" + pageBackgroundHex(backgroundColour).toLatin1() + "><DIV>\r\n");
    for (const QString& line : bodyLines) addLine(page, line.toLatin1());
    addLine(page, "</DIV></BODY></HTML>");
    return page;
}

Result<> writeHtmlPage(const QString& path, qint64 backgroundColour, const QStringList& bodyLines) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return replaceFile(path, htmlPageBytes(backgroundColour, bodyLines));
}

bool readHtmlBody(const QString& path, QString& body) {
    body.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return false;
    const QString text = QString::fromLatin1(bytes);
    const QStringList lines = text.split(QLatin1Char('\n'));
    body.reserve(text.size());
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        body += withoutTrailingBlanks(line);
    }
    return true;
}

}  // namespace yq::report
