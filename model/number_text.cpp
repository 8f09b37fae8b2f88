#include "model/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/core/error.h"

namespace model {

namespace {

std::string_view effective(std::string_view separator) {
    return separator.empty() ? kDefaultDecimalSeparator : separator;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator) {
    const std::string_view sep = effective(decimalSeparator);
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);

    // Rewrite into the form std::from_chars reads: digits with "." as the separator.
    std::string plain;
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool separatorSeen = false;
    bool digitSeen = false;
    while (!text.empty()) {
        if (isDigit(text.front())) {
            plain += text.front();
            digitSeen = true;
            text.remove_prefix(1);
        } else if (!separatorSeen && text.starts_with(sep)) {
            plain += '.';
            separatorSeen = true;
            text.remove_prefix(sep.size());
        } else {
            return std::nullopt;
        }
    }
    if (!digitSeen) return std::nullopt;

    double value = 0;
    const auto [end, ec] =
        std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::fixed);
    if (ec != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
    return negative ? -value : value;
}

double numberFromText(std::string_view text, std::string_view decimalSeparator) {
    if (auto value = parseNumber(text, decimalSeparator)) return *value;
    throw platform::Error(platform::errc::kInvalidValue, "mbx_model",
                          "\"" + std::string(text) + "\" is not a number");
}

std::string numberToText(double value, std::string_view decimalSeparator) {
    if (!std::isfinite(value))
        throw platform::Error(platform::errc::kInvalidValue, "mbx_model",
                              "A number that is not finite has no text");
    // Round to 15 significant digits first: "d.dddddddddddddde±x".
    char buf[64];
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    if (ec != std::errc()) throw platform::Error(platform::errc::kGeneric, "mbx_model", "to_chars");
    const std::string_view sci(buf, static_cast<std::size_t>(end - buf));

    const bool negative = sci.front() == '-';
    const std::size_t e = sci.find('e');
    std::string digits;  // the 15 significant digits
    for (char c : sci.substr(0, e))
        if (isDigit(c)) digits += c;
    const int exponent = std::atoi(std::string(sci.substr(e + 1)).c_str());

    // Place the decimal point: the first digit stands for 10^exponent.
    std::string whole, fraction;
    if (exponent >= 0) {
        const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() < wholeDigits) digits.append(wholeDigits - digits.size(), '0');
        whole = digits.substr(0, wholeDigits);
        fraction = digits.substr(wholeDigits);
    } else {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();

    std::string out;
    if (negative && (whole != "0" || !fraction.empty())) out += '-';
    out += whole;
    if (!fraction.empty()) {
        out += effective(decimalSeparator);
        out += fraction;
    }
    return out;
}

std::optional<char> separatorKey(std::string_view decimalSeparator) {
    if (decimalSeparator == "," || decimalSeparator == ".") return decimalSeparator.front();
    return std::nullopt;
}

}  // namespace model
