#pragma once
// Decimal numbers of the scaled value types: a stored raw integer stands for
// raw * a * 10^b (SNVT_temp_p: a = 1, b = -2). Parsing is exact (no floating point) so that
// a text maps to the same raw value on every machine.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace netdb::values::detail {

struct Scale {
    int a = 1;  // scaling factor
    int b = 0;  // decimal exponent, <= 0
};

// Parses "[+|-]digits[sep digits]" (blanks around it allowed) to the nearest raw value, halves
// rounded away from zero. Returns nothing when the text is no such number; a number of more
// than six integer digits gives a raw value beyond every type's range.
std::optional<int64_t> parseScaled(std::string_view text, char sep, Scale scale);

// Formats a raw value with `sep`, showing at least `minDigits` and at most the scale's digits
// after the separator (trailing zeros beyond `minDigits` are dropped).
std::string formatScaled(int64_t raw, Scale scale, int minDigits, char sep);

// Trims blanks and tabs at both ends.
std::string_view trimBlanks(std::string_view text);

}  // namespace netdb::values::detail
