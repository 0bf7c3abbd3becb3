// The arbitrary-precision integer behind the rare wide Decimal values.
// Include this header only where a big integer is used: it is heavy to parse.
#pragma once

#include "design/Decimal.h"

#include <boost/multiprecision/cpp_int.hpp>

#include <utility>

namespace yq {

// A distinct class (not an alias) so that Decimal.h can name it without
// including Boost; it is the library's integer in every other respect.
class BigInt : public boost::multiprecision::cpp_int {
public:
    using Base = boost::multiprecision::cpp_int;
    using Base::Base;
    BigInt() = default;
    BigInt(const Base& value) : Base(value) {}                 // NOLINT: a big integer is one
    BigInt(Base&& value) noexcept : Base(std::move(value)) {}  // NOLINT

    using Base::operator=;
    using Base::operator+=;
    using Base::operator-=;
    using Base::operator*=;
    using Base::operator/=;
    using Base::operator%=;
    BigInt& operator+=(const BigInt& other) { return assign(base() + other.base()); }
    BigInt& operator-=(const BigInt& other) { return assign(base() - other.base()); }
    BigInt& operator*=(const BigInt& other) { return assign(base() * other.base()); }
    BigInt& operator/=(const BigInt& other) { return assign(base() / other.base()); }
    BigInt& operator%=(const BigInt& other) { return assign(base() % other.base()); }

    const Base& base() const { return *this; }

private:
    BigInt& assign(Base value) {
        Base::operator=(std::move(value));
        return *this;
    }
};

}  // namespace yq

// The library's operators must take BigInt as one of its own numbers, not as
// a foreign type convertible to one: otherwise they are ambiguous.
namespace boost::multiprecision {
template <class Num>
struct is_compatible_arithmetic_type<yq::BigInt, Num> : public mpl::false_ {};
namespace detail {
template <>
struct is_valid_mixed_compare<yq::BigInt::Base, yq::BigInt> : public mpl::false_ {};
}  // namespace detail
}  // namespace boost::multiprecision
