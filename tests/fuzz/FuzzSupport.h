// Shared pieces of the fuzz targets: a private scratch folder, whole-file
// reads and writes, and a check that stops the run with a message (the
// fuzzer then keeps the input as a finding).
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace yq::fuzz {

// One scratch folder per process, removed at exit.
inline const QString& scratchFolder() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/yq-fuzz-XXXXXX"));
    static const QString path = dir.path();
    return path;
}

inline QString scratchFile(const QString& name) { return QDir(scratchFolder()).filePath(name); }

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// The fuzzer's input as bytes (deep copy: the buffer is the fuzzer's).
inline QByteArray inputBytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// Reads small choices off the front of the input.
class Choices {
public:
    Choices(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t byte() {
        if (size_ == 0) return 0;
        --size_;
        return *data_++;
    }
    QByteArray rest() const { return inputBytes(data_, size_); }

private:
    const uint8_t* data_;
    size_t size_;
};

[[noreturn]] inline void fail(const char* what, const QByteArray& detail = {}) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    if (!detail.isEmpty()) std::fprintf(stderr, "%s\n", detail.toPercentEncoding(" =[]\",.;").constData());
    std::abort();
}

}  // namespace yq::fuzz

#define YQ_FUZZ_CHECK(condition, detail)                          \
    do {                                                          \
        if (!(condition)) ::yq::fuzz::fail(#condition, (detail)); \
    } while (0)
