#include "design/UnitSystemRules.h"

#include <gtest/gtest.h>

namespace yq {
namespace {

// The flag is a byte: whatever number a file leaves in it, only its low eight
// bits count, and only 1 is a design in millimetres; what SAVE writes and
// the unit the report prints follow from that alone.
TEST(MetricFlag, TakesANumberAsAByteAndOnlyOneIsMetric) {
    struct Case {
        long long read;
        int byte;
        const char* written;
        const char* reportUnit;
    };
    const Case cases[] = {
        {0, 0, "0", "inches"}, {1, 1, "1", "mm"},        {2, 2, "0", "inches"}, {256, 0, "0", "inches"},
        {257, 1, "1", "mm"},   {-1, 255, "0", "inches"}, {-255, 1, "1", "mm"},  {1000000000, 0, "0", "inches"},
    };
    for (const auto& c : cases) {
        const MetricFlag flag = MetricFlag::fromWholeNumber(c.read);
        EXPECT_EQ(int(flag), c.byte) << c.read;
        EXPECT_EQ(flag, MetricFlag(static_cast<int>(c.read % 65536))) << c.read;  // the same byte rule on assignment
        EXPECT_EQ(flag.fileText(), c.written) << c.read;
        EXPECT_EQ(UnitSystemRules::of(flag.system()).reportUnitText, c.reportUnit) << c.read;
    }
}

}  // namespace
}  // namespace yq
