#include "files/ResultsFile.h"

#include "files/DesignFile.h"
#include "files/Text.h"

#include "files/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cerrno>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace yq {

namespace {

struct Column {
    std::string_view title;
    Key key;
};

constexpr std::array<Column, 36> kColumns{{
    {"Freq", Key::F},
    {"RR", Key::RR},
    {"Cyl Diam", Key::CD},
    {"L/D", Key::LD},
    {"CylCap", Key::C},
    {"XC", Key::XC},
    {"BandWidth", Key::BW},
    {"Q", Key::Q},
    {"TotalLength", Key::TL},
    {"measured BW", Key::MBW},
    {"Variance", Key::V},
    {"WireDiameter", Key::WD},
    {"WireSpacing", Key::SP},
    {"TPI", Key::TPI},
    {"Cyl to Wire Cap", Key::EWC},
    {"Cyl to Coil Cap", Key::ECC},
    {"CoilInductance", Key::CI},
    {"No.Turns", Key::NT},
    {"CoilLength", Key::CL},
    {"LengthCoilWire", Key::LW},
    {"CylinderLength", Key::CCL},
    {"CoilDiam", Key::CCD},
    {"%WaveLength", Key::PWL},
    {"LengthPhaseWire", Key::LPW},
    {"PhCoilDiam", Key::PCCD},
    {"PhCoilTurns", Key::PCNT},
    {"Ratio", Key::RAT},
    {"Factor", Key::FAC},
    {"AntennaEfficiency", Key::AE},
    {"Wire Resistance", Key::WR},
    {"DB Loss", Key::DBL},
    {"Sc Length", Key::SCL},
    {"Sc Turns", Key::SCT},
    {"SC Inductance", Key::SCI},
    {"Sc Diam", Key::SCD},
    {"Sc Wire Length", Key::SCWL},
}};

constexpr int kValueFieldLength = 20;
constexpr int kUserColumnLength = 40;

// Each column has a title that fits its field and shows a quantity of its own.
constexpr bool columnsAreSound() {
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        if (kColumns[i].title.empty() || kColumns[i].title.size() > kValueFieldLength) return false;
        for (std::size_t j = i + 1; j < kColumns.size(); ++j) {
            if (kColumns[i].key == kColumns[j].key || kColumns[i].title == kColumns[j].title) return false;
        }
    }
    return true;
}
static_assert(columnsAreSound());

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

QString systemError(int error) { return systemErrorText(error); }

// A text that a spreadsheet would take for a formula (its first character,
// blanks aside, is "=", "+", "-" or "@") gets a leading apostrophe, the
// neutral form spreadsheets document for text that must stay text. Control
// characters (a line break would split the row) become blanks.
QString neutralText(const QString& text) {
    QString t = text;
    for (QChar& c : t) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    qsizetype first = 0;
    while (first < t.size() && t[first] == u' ') ++first;
    if (first < t.size() && (t[first] == u'=' || t[first] == u'+' || t[first] == u'-' || t[first] == u'@'))
        t.prepend(u'\'');
    return t;
}

// The last byte of the file, or -1 when it is empty or cannot be read.
int lastByte(int fd, off_t size) {
    if (size <= 0) return -1;
    char c = 0;
    return ::pread(fd, &c, 1, size - 1) == 1 ? static_cast<unsigned char>(c) : -1;
}

}  // namespace

QStringList resultsTitles() {
    QStringList titles;
    for (const Column& c : kColumns) titles << toQString(c.title);
    return titles;
}

QString plainDecimalText(const Decimal& value) {
    return withoutTrailingZeros(QString::fromStdString(value.toString()));
}

QByteArray csvLine(const QStringList& fields) {
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QString f = fields[i];
        while (f.endsWith(u' ')) f.chop(1);
        f.replace(u'"', QStringLiteral("\"\""));
        if (i > 0) line += u',';
        line += u'"' + f + u'"';
    }
    return line.toUtf8();
}

QStringList resultsRow(const DesignRecord& record, const QString& user) {
    QStringList fields;
    for (const Column& c : kColumns) {
        fields << plainDecimalText(record.field(c.key).value()).left(kValueFieldLength);
    }
    fields << neutralText(user.left(kUserColumnLength));
    return fields;
}

QString resultsFilePath(const QString& folder) {
    const QDir dir(folder.isEmpty() ? QDir::currentPath() : folder);
    const QString name = QString::fromLatin1(kResultsFileName);
    if (QFileInfo::exists(dir.filePath(name))) return dir.filePath(name);
    // As a case-insensitive file system would: "yq.csv" is the results file.
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& other : names) {
        if (other.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(other);
    }
    return dir.filePath(name);
}

namespace detail {
int (*resultsFileSync)(int) = ::fsync;
}

AppendResult appendResultsRow(const QString& path, const DesignRecord& record, const QString& user,
                              const QString& titleLastField, int lockTimeoutMs) {
    Appended result;
    const auto failure = [&path](const char* what, const QString& reason) {
        return fail(QCoreApplication::translate("Files", what).arg(path).toStdString(), reason.toStdString());
    };
    const QByteArray name = QFile::encodeName(path);
    // Never truncate and never re-create: open the file as it is, or create
    // it when it does not exist.
    Descriptor fd(::open(name.constData(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
    if (fd.get() < 0) {
        const int error = errno;
        return failure(QT_TRANSLATE_NOOP("Files", "the results file %1 could not be opened"), systemError(error));
    }
    // One writer at a time, so lines never interleave.
    int waited = 0;
    while (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            const int error = errno;
            return failure(QT_TRANSLATE_NOOP("Files", "the results file %1 could not be locked"), systemError(error));
        }
        if (waited >= lockTimeoutMs) {
            return failure(QT_TRANSLATE_NOOP("Files", "the results file %1 is in use by another program"), {});
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        waited += 10;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        const int error = errno;
        return failure(QT_TRANSLATE_NOOP("Files", "the results file %1 could not be read"), systemError(error));
    }
    QByteArray bytes;
    // A last line without its line break (a hand-edited file) is ended
    // first, so the new row starts on a line of its own.
    const int last = lastByte(fd.get(), info.st_size);
    if (last >= 0 && last != '\n' && last != '\r') bytes += "\r\n";
    if (info.st_size == 0) {
        QStringList titles = resultsTitles();
        titles << neutralText(titleLastField.left(kUserColumnLength));
        bytes += csvLine(titles) + "\r\n";
        result.created = true;
    }
    bytes += csvLine(resultsRow(record, user)) + "\r\n";
    int error = 0;
    if (!writeAll(fd.get(), bytes, error)) {
        QString reason = systemError(error);
        // Take back whatever part of the row reached the file.
        if (::ftruncate(fd.get(), info.st_size) != 0) {
            reason += QCoreApplication::translate("Files", " (the file may end in a partial line)");
        }
        return failure(QT_TRANSLATE_NOOP("Files", "the results row could not be written to %1"), reason);
    }
    // The whole row is in the file: it counts as written even when it could
    // not be flushed to disk, so that a retry does not add it twice.
    if (detail::resultsFileSync(fd.get()) != 0 && errno != EINVAL) {
        const int syncError = errno;
        result.warning =
            QCoreApplication::translate("Files", "the results row was added to %1 but could not be flushed to disk: %2")
                .arg(path, systemError(syncError));
    }
    return result;
}

}  // namespace yq
