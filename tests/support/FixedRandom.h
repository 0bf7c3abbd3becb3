// A random source for tests: hands out the given values in order (the low
// bound once they are used up) and records the ranges asked for.
#pragma once

#include "report/RandomSource.h"

#include <QList>
#include <QPair>

namespace yq::test {

class FixedRandom final : public report::RandomSource {
public:
    explicit FixedRandom(QList<qint64> values) : values_(std::move(values)) {}
    qint64 between(qint64 low, qint64 high) override {
        ranges.append({low, high});
        return values_.isEmpty() ? low : values_.takeFirst();
    }
    QList<QPair<qint64, qint64>> ranges;

private:
    QList<qint64> values_;
};

}  // namespace yq::test
