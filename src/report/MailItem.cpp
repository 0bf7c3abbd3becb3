#include "report/MailItem.h"

#include "files/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>

#include <algorithm>

namespace yq::report {

namespace {

constexpr char kCrlf[] = "\r\n";
// Base64 never holds "_", quoted-printable writes every "=" as "=3D", and
// no line of either starts with "--=", so this boundary cannot turn up
// inside a part.
constexpr char kBoundary[] = "=_YQ_mixed_part_boundary_=";
constexpr qsizetype kBase64LineLength = 76;
constexpr qsizetype kHeaderLineLength = 78;

bool isPlainAscii(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E) return false;
    }
    return true;
}

// Header text on one logical line: line breaks and other controls become
// blanks, so no text can add a header of its own.
QString singleLine(const QString& text) {
    QString line = text;
    for (QChar& c : line) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QLatin1Char(' ');
    }
    return line;
}

// A header field, folded at blanks so lines stay within 78 characters
// where the text allows it.
QByteArray asciiHeader(const QByteArray& name, const QByteArray& value) {
    QByteArray out = name + ": ";
    qsizetype lineLength = out.size();
    const QList<QByteArray> words = value.split(' ');
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QByteArray& word = words.at(i);
        if (i > 0) {
            if (lineLength + 1 + word.size() > kHeaderLineLength && lineLength > name.size() + 2) {
                out += kCrlf;
                lineLength = 0;
            }
            out += ' ';
            ++lineLength;
        }
        out += word;
        lineLength += word.size();
    }
    return out + kCrlf;
}

// Text outside ASCII as encoded words (RFC 2047, UTF-8, base64), each at
// most 75 characters and never splitting a character.
QByteArray encodedWords(const QString& text) {
    QList<QByteArray> words;
    QByteArray chunk;
    const auto flush = [&] {
        if (!chunk.isEmpty()) words.append("=?UTF-8?B?" + chunk.toBase64() + "?=");
        chunk.clear();
    };
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QByteArray bytes = text.mid(i, length).toUtf8();
        if (chunk.size() + bytes.size() > 45)  // 45 bytes give 60 base64 characters
            flush();
        chunk += bytes;
        i += length;
    }
    flush();
    return words.join("\r\n ");
}

QByteArray textHeader(const QByteArray& name, const QString& value) {
    const QString line = singleLine(value);
    if (isPlainAscii(line)) return asciiHeader(name, line.toLatin1());
    return name + ": " + encodedWords(line) + kCrlf;
}

// A parameter such as filename="Report.rtf"; names outside plain ASCII, or
// with quotes or backslashes, use the RFC 2231 form.
QByteArray parameter(const QByteArray& name, const QString& value) {
    const QString text = singleLine(value);
    if (isPlainAscii(text) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\\')))
        return name + "=\"" + text.toLatin1() + '"';
    return name + "*=UTF-8''" + text.toUtf8().toPercentEncoding();
}

QByteArray contentTypeFor(const QString& displayName) {
    static const QMimeDatabase database;
    const QMimeType type = database.mimeTypeForFile(displayName, QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault()) return "application/octet-stream";
    // Private text types (such as those of INI files) travel as plain text.
    if (type.name().startsWith(QLatin1String("application/x-")) && type.inherits(QStringLiteral("text/plain")))
        return "text/plain";
    return type.name().toLatin1();
}

void appendBase64(QByteArray& out, const QByteArray& data) {
    const QByteArray encoded = data.toBase64();
    for (qsizetype at = 0; at < encoded.size(); at += kBase64LineLength) {
        out += encoded.mid(at, kBase64LineLength);
        out += kCrlf;
    }
}

// Quoted-printable fits text that is 7-bit: it costs little more than the
// text itself, where base64 adds a third.
bool suitsQuotedPrintable(const QByteArray& data) {
    for (const char c : data) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0 || byte >= 0x80) return false;
    }
    return true;
}

// Quoted-printable that gives back every byte as it was: everything but the
// printable characters other than "=" is written as =XX (line ends too, so
// no decoder can change them), and soft line breaks keep lines within 76
// characters.
void appendQuotedPrintable(QByteArray& out, const QByteArray& data) {
    static constexpr char digits[] = "0123456789ABCDEF";
    constexpr qsizetype maxLine = 75;  // plus the "=" of a soft line break
    out.reserve(out.size() + data.size() + data.size() / 8 + 16);
    qsizetype lineLength = 0;
    for (const char c : data) {
        const auto byte = static_cast<unsigned char>(c);
        const bool literal = byte >= 33 && byte <= 126 && byte != '=';
        const qsizetype width = literal ? 1 : 3;
        if (lineLength + width > maxLine) {
            out += "=\r\n";
            lineLength = 0;
        }
        if (literal) {
            out += c;
        } else {
            out += '=';
            out += digits[byte >> 4];
            out += digits[byte & 0x0F];
        }
        lineLength += width;
    }
    out += kCrlf;
}

bool readFile(const QString& path, QByteArray& data) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    data = file.readAll();
    return file.error() == QFileDevice::NoError;
}

}  // namespace

QString attachmentDisplayName(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return cut < 0 ? path : path.mid(cut + 1);
}

AttachmentCheck checkAttachments(const QList<MailAttachment>& attachments) {
    AttachmentCheck check;
    for (const MailAttachment& attachment : attachments) {
        if (attachment.path.trimmed().isEmpty()) continue;
        const QFileInfo info(attachment.path);
        if (info.isFile() && info.isReadable())
            check.readable.append(attachment);
        else
            check.unreadable.append(attachment.path);
    }
    return check;
}

QByteArray mimeDraftBytes(const MailItem& item, const QDateTime& date, QStringList* missingAttachments) {
    QByteArray out;
    out += "MIME-Version: 1.0\r\n";
    out += "Date: " + date.toString(Qt::RFC2822Date).toLatin1() + kCrlf;
    out += textHeader("To", item.to);
    if (!item.cc.trimmed().isEmpty()) out += textHeader("Cc", item.cc);
    if (!item.bcc.trimmed().isEmpty()) out += textHeader("Bcc", item.bcc);
    out += textHeader("Subject", item.subject);
    out += "X-Unsent: 1\r\n";
    if (item.importance == MailImportance::High) {
        out += "Importance: High\r\n";
        out += "X-Priority: 1 (Highest)\r\n";
    }
    out += QByteArray("Content-Type: multipart/mixed; boundary=\"") + kBoundary + "\"\r\n";
    out += kCrlf;
    out += "This is a multi-part message in MIME format.\r\n";

    out += QByteArray("--") + kBoundary + kCrlf;
    out += "Content-Type: text/html; charset=UTF-8\r\n";
    out += "Content-Transfer-Encoding: base64\r\n";
    out += kCrlf;
    appendBase64(out, item.htmlBody.toUtf8());

    for (const MailAttachment& attachment : item.attachments) {
        if (attachment.path.trimmed().isEmpty()) continue;
        QByteArray data;
        if (!readFile(attachment.path, data)) {
            if (missingAttachments) missingAttachments->append(attachment.path);
            continue;
        }
        const QString name =
            attachment.displayName.isEmpty() ? attachmentDisplayName(attachment.path) : attachment.displayName;
        out += QByteArray("--") + kBoundary + kCrlf;
        out += "Content-Type: " + contentTypeFor(name) + "; " + parameter("name", name) + kCrlf;
        out += "Content-Disposition: attachment; " + parameter("filename", name) + kCrlf;
        if (suitsQuotedPrintable(data)) {
            out += "Content-Transfer-Encoding: quoted-printable\r\n";
            out += kCrlf;
            appendQuotedPrintable(out, data);
        } else {
            out += "Content-Transfer-Encoding: base64\r\n";
            out += kCrlf;
            appendBase64(out, data);
        }
    }
    out += QByteArray("--") + kBoundary + "--\r\n";
    return out;
}

DraftResult writeMimeDraft(const MailItem& item, const QString& path, const QDateTime& date) {
    DraftResult result;
    const QByteArray bytes = mimeDraftBytes(item, date, &result.missingAttachments);
    QDir().mkpath(QFileInfo(path).absolutePath());
    result.written = replaceFile(path, bytes);
    return result;
}

}  // namespace yq::report
