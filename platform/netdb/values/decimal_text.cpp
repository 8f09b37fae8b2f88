#include "platform/netdb/values/decimal_text.h"

namespace netdb::values::detail {

namespace {

constexpr int kMaxIntegerDigits = 6;   // every value type stays below 10^6
constexpr int kMaxFractionDigits = 9;  // finer than any resolution; keeps the sums in 64 bits
constexpr int64_t kBeyondRange = 1'000'000'000'000;

int64_t pow10(int n) {
    int64_t p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string_view trimBlanks(std::string_view text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<int64_t> parseScaled(std::string_view text, char sep, Scale scale) {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    size_t sepPos = text.find(sep);
    std::string_view whole = text.substr(0, sepPos);
    std::string_view fraction =
        sepPos == std::string_view::npos ? std::string_view{} : text.substr(sepPos + 1);
    if (whole.empty() && fraction.empty()) return std::nullopt;
    for (char c : whole)
        if (!isDigit(c)) return std::nullopt;
    for (char c : fraction)
        if (!isDigit(c)) return std::nullopt;
    while (!whole.empty() && whole.front() == '0') whole.remove_prefix(1);
    while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
    // Beyond every range: report it as such rather than as a malformed number.
    if (whole.size() > kMaxIntegerDigits) return negative ? -kBeyondRange : kBeyondRange;
    // Digits past the ninth cannot move a value across a rounding boundary of a resolution of
    // at most three digits, so dropping them keeps the result exact.
    fraction = fraction.substr(0, kMaxFractionDigits);

    // mantissa * 10^-f is the number; raw = mantissa * 10^(-f-b) / a, rounded.
    int64_t mantissa = 0;
    for (char c : whole) mantissa = mantissa * 10 + (c - '0');
    for (char c : fraction) mantissa = mantissa * 10 + (c - '0');
    int exponent = -static_cast<int>(fraction.size()) - scale.b;
    int64_t num = exponent >= 0 ? mantissa * pow10(exponent) : mantissa;
    int64_t den = exponent >= 0 ? scale.a : scale.a * pow10(-exponent);
    int64_t raw = (2 * num + den) / (2 * den);
    return negative ? -raw : raw;
}

std::string formatScaled(int64_t raw, Scale scale, int minDigits, char sep) {
    int digits = scale.b < 0 ? -scale.b : 0;
    int64_t units = raw * scale.a * (scale.b > 0 ? pow10(scale.b) : 1);
    int64_t magnitude = units < 0 ? -units : units;
    std::string out = units < 0 ? "-" : "";
    out += std::to_string(magnitude / pow10(digits));
    if (digits == 0) return out;
    std::string fraction = std::to_string(magnitude % pow10(digits));
    fraction.insert(0, digits - fraction.size(), '0');
    while (static_cast<int>(fraction.size()) > minDigits && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty()) out += sep + fraction;
    return out;
}

}  // namespace netdb::values::detail
