// Where the export draws its random numbers (the run number of an export and
// the picture tag of an RTF document). Behind an interface so tests can pick
// the numbers.
#pragma once

#include <QtGlobal>

namespace yq::report {

class RandomSource {
public:
    virtual ~RandomSource();
    // A whole number from `low` to `high`, both included (low <= high).
    virtual qint64 between(qint64 low, qint64 high) = 0;
};

// Draws from the system's random generator.
class SystemRandomSource final : public RandomSource {
public:
    qint64 between(qint64 low, qint64 high) override;
};

}  // namespace yq::report
