#include "files/ResultsFile.h"

#include "files/DesignFile.h"

#include <QFile>

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
    const char* title;
    const char* key;
};

const Column kColumns[] = {
    {"Freq", "F"},           {"RR", "RR"},
    {"Cyl Diam", "CD"},      {"L/D", "LD"},
    {"CylCap", "C"},         {"XC", "XC"},
    {"BandWidth", "BW"},     {"Q", "Q"},
    {"TotalLength", "TL"},   {"measured BW", "MBW"},
    {"Variance", "V"},       {"WireDiameter", "WD"},
    {"WireSpacing", "SP"},   {"TPI", "TPI"},
    {"Cyl to Wire Cap", "EWC"}, {"Cyl to Coil Cap", "ECC"},
    {"CoilInductance", "CI"}, {"No.Turns", "NT"},
    {"CoilLength", "CL"},    {"LengthCoilWire", "LW"},
    {"CylinderLength", "CCL"}, {"CoilDiam", "CCD"},
    {"%WaveLength", "PWL"},  {"LengthPhaseWire", "LPW"},
    {"PhCoilDiam", "PCCD"},  {"PhCoilTurns", "PCNT"},
    {"Ratio", "RAT"},        {"Factor", "FAC"},
    {"AntennaEfficiency", "AE"}, {"Wire Resistance", "WR"},
    {"DB Loss", "DBL"},      {"Sc Length", "SCL"},
    {"Sc Turns", "SCT"},     {"SC Inductance", "SCI"},
    {"Sc Diam", "SCD"},      {"Sc Wire Length", "SCWL"},
};

constexpr int kValueFieldLength = 20;
constexpr int kUserFieldLength = 40;

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

bool writeAll(int fd, const QByteArray& bytes) {
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

}  // namespace

QStringList resultsTitles() {
    QStringList titles;
    for (const Column& c : kColumns) titles << QString::fromLatin1(c.title);
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
        fields << plainDecimalText(record.field(c.key)->value()).left(kValueFieldLength);
    }
    fields << user.left(kUserFieldLength);
    return fields;
}

AppendResult appendResultsRow(const QString& path, const DesignRecord& record, const QString& user,
                              const QString& titleLastField, int lockTimeoutMs) {
    AppendResult result;
    const QByteArray name = QFile::encodeName(path);
    // Never truncate and never re-create: open the file as it is, or create
    // it when it does not exist.
    Descriptor fd(::open(name.constData(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
    if (fd.get() < 0) {
        result.error = QStringLiteral("the results file %1 could not be opened: %2").arg(path, systemError());
        return result;
    }
    // One writer at a time, so lines never interleave.
    int waited = 0;
    while (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            result.error = QStringLiteral("the results file %1 could not be locked: %2").arg(path, systemError());
            return result;
        }
        if (waited >= lockTimeoutMs) {
            result.error = QStringLiteral("the results file %1 is in use by another program").arg(path);
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        waited += 10;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        result.error = QStringLiteral("the results file %1 could not be read: %2").arg(path, systemError());
        return result;
    }
    QByteArray bytes;
    if (info.st_size == 0) {
        QStringList titles = resultsTitles();
        titles << titleLastField.left(kUserFieldLength);
        bytes += csvLine(titles) + "\r\n";
        result.created = true;
    }
    bytes += csvLine(resultsRow(record, user)) + "\r\n";
    if (!writeAll(fd.get(), bytes)) {
        result.error = QStringLiteral("the results row could not be written to %1: %2").arg(path, systemError());
        // Take back whatever part of the row reached the file.
        if (::ftruncate(fd.get(), info.st_size) != 0) {
            result.error += QStringLiteral(" (the file may end in a partial line)");
        }
        result.created = false;
        return result;
    }
    if (::fsync(fd.get()) != 0 && errno != EINVAL) {
        result.error = QStringLiteral("the results row could not be written to %1: %2").arg(path, systemError());
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace yq
