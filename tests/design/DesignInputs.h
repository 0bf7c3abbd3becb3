// Designs of the design tests, from key and value texts.
#pragma once

#include "design/DesignRecord.h"

#include <initializer_list>
#include <utility>

namespace yq::test {

using Inputs = std::initializer_list<std::pair<const char*, const char*>>;

// A record of `system` with the given fields set.
inline DesignRecord design(UnitSystem system, Inputs inputs) {
    DesignRecord r(system);
    for (const auto& [key, value] : inputs) *r.field(key) = Decimal::of(value);
    return r;
}

}  // namespace yq::test
