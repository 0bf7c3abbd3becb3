#include "cli/RecordLine.h"

#include <cstring>
#include <stdexcept>
#include <vector>

namespace yq::cli {

namespace {

// KEY=text of one field at p; returns the end. `key` holds the key padded
// to 8 characters, so that it is copied in one move.
char* writeField(char* p, const char (&key)[8], std::size_t keySize, const DecimalField& field) {
    std::memcpy(p, key, sizeof key);
    p += keySize;
    *p++ = '=';
    return field.writeText(p);
}

// The keys of the key table, each padded to 8 characters.
struct PaddedKey {
    char text[8] = {};
    std::size_t size = 0;
};

const std::vector<PaddedKey>& paddedKeys() {
    static const std::vector<PaddedKey> keys = [] {
        std::vector<PaddedKey> v;
        for (const KeyInfo& info : keyTable()) {
            if (info.key.size() > sizeof(PaddedKey::text)) throw std::logic_error("key longer than 8 characters");
            PaddedKey k;
            std::memcpy(k.text, info.key.data(), info.key.size());
            k.size = info.key.size();
            v.push_back(k);
        }
        return v;
    }();
    return keys;
}

}  // namespace

void appendRecord(std::string& out, const DesignRecord& record) {
    // Per field: a key of at most 8 characters, '=', its text, a blank.
    constexpr std::size_t kFieldRoom = 8 + 1 + DecimalField::kMaxTextSize + 1;
    char line[48 * kFieldRoom];
    if (keyTable().size() > 48) throw std::logic_error("key table larger than a record line");
    const std::vector<PaddedKey>& keys = paddedKeys();
    char* p = line;
    std::size_t i = 0;
    for (const KeyInfo& info : keyTable()) {
        if (p != line) *p++ = ' ';
        p = writeField(p, keys[i].text, keys[i].size, record.*info.member);
        ++i;
    }
    out.append(line, static_cast<std::size_t>(p - line));
}

std::string formatRecord(const DesignRecord& record) {
    std::string line;
    line.reserve(700);
    appendRecord(line, record);
    return line;
}

}  // namespace yq::cli
