#pragma once
// Conversions between automation values (JSON) and the C++ types of members: bool, integers,
// floating point, text, and Value itself. They coerce the way automation callers expect
// (a number for a text, true as -1, a numeric text for a number) and raise "Type mismatch" or
// "Overflow" with the member's name otherwise.

#include <cmath>
#include <concepts>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "platform/automation/dispatch.h"

namespace automation {

namespace detail {
[[noreturn]] void typeMismatch(std::string_view source, std::string_view member, const Value& v,
                               std::string_view expected);
[[noreturn]] void overflow(std::string_view source, std::string_view member, const Value& v);
// A number from a value: numbers as they are, true as -1, false as 0, numeric texts parsed.
double toNumber(const Value& v, std::string_view source, std::string_view member);
bool toBool(const Value& v, std::string_view source, std::string_view member);
std::string toText(const Value& v, std::string_view source, std::string_view member);
}  // namespace detail

template <class T>
std::remove_cvref_t<T> fromValue(const Value& v, std::string_view source, std::string_view member) {
    using U = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<U, Value>) {
        return v;
    } else if constexpr (std::is_same_v<U, bool>) {
        return detail::toBool(v, source, member);
    } else if constexpr (std::is_integral_v<U>) {
        if (v.is_number_integer()) {
            if (v.is_number_unsigned()) {
                auto n = v.get<uint64_t>();
                if (n > static_cast<uint64_t>(std::numeric_limits<U>::max()))
                    detail::overflow(source, member, v);
                return static_cast<U>(n);
            }
            auto n = v.get<int64_t>();
            if (std::cmp_less(n, std::numeric_limits<U>::min()) ||
                std::cmp_greater(n, std::numeric_limits<U>::max()))
                detail::overflow(source, member, v);
            return static_cast<U>(n);
        }
        // Fractions round to the nearest integer, halves to even, as automation does.
        double d = std::nearbyint(detail::toNumber(v, source, member));
        if (!(d >= static_cast<double>(std::numeric_limits<U>::min()) &&
              d <= static_cast<double>(std::numeric_limits<U>::max())))
            detail::overflow(source, member, v);
        return static_cast<U>(d);
    } else if constexpr (std::is_floating_point_v<U>) {
        return static_cast<U>(detail::toNumber(v, source, member));
    } else if constexpr (std::is_same_v<U, std::string>) {
        return detail::toText(v, source, member);
    } else {
        static_assert(!sizeof(U*), "unsupported member type");
    }
}

template <class T>
Value toValue(T&& v) {
    return Value(std::forward<T>(v));
}

}  // namespace automation
