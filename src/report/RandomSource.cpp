#include "report/RandomSource.h"

#include <QRandomGenerator>

namespace yq::report {

RandomSource::~RandomSource() = default;

qint64 SystemRandomSource::between(qint64 low, qint64 high) {
    if (high <= low) return low;
    return QRandomGenerator::global()->bounded(low, high + 1);
}

}  // namespace yq::report
