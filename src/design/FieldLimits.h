// What a field's storage holds: the window's entries and yq-calc refuse a
// value outside it instead of letting the field cut it to its limit.
#pragma once

#include "design/Decimal.h"

namespace yq {

// The largest value a field of this storage holds (its negative is the least).
inline Decimal largestHeld(Storage storage) {
    return Decimal::scaled(DecimalField(storage).maxMantissa(), storage.places);
}

// Whether a field of this storage holds the value once rounded to its places.
inline bool storageHolds(Storage storage, const Decimal& value) {
    const Decimal rounded = value.rounded(storage.places);
    const Decimal magnitude = rounded.sign() < 0 ? -rounded : rounded;
    return magnitude <= largestHeld(storage);
}

}  // namespace yq
