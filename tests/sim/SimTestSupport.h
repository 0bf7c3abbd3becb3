// Designs, stored nec2c files and the nec2c of the machine, for the
// simulation tests.
#pragma once

#include "design/DesignTools.h"
#include "sim/Nec2cRunner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>

namespace yq::test {

inline DesignRecord calculated(UnitSystem system, std::initializer_list<std::pair<const char*, const char*>> inputs) {
    DesignRecord r(system);
    for (const auto& [key, value] : inputs) *r.field(key) = Decimal::of(value);
    reCalcAs(r, system == UnitSystem::Metric);
    return r;
}

// F=7.15 CD=2 LD=6 WD=0.04 SP=0.08 CCD=2 inches, and its millimetre twin.
inline DesignRecord forty() {
    return calculated(UnitSystem::Imperial,
                      {{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}});
}
inline DesignRecord fortyMetric() {
    return calculated(UnitSystem::Metric,
                      {{"F", "7.15"}, {"CD", "50.8"}, {"LD", "6"}, {"WD", "1.016"}, {"SP", "2.032"}, {"CCD", "50.8"}});
}
inline DesignRecord twenty() {
    return calculated(UnitSystem::Imperial,
                      {{"F", "14.2"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}});
}

inline std::string stored(const std::string& name) {
    std::ifstream in(std::string(YQ_TEST_DATA) + "/nec2c/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

#define YQ_NEEDS_NEC2C()                                                                     \
    do {                                                                                     \
        if (yq::sim::findProgram("nec2c").empty()) GTEST_SKIP() << "nec2c is not installed"; \
    } while (0)

}  // namespace yq::test
