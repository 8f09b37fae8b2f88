#pragma once
// Numbers in field texts, written with the user's decimal separator.
//
// An empty separator stands for the default ",", the separator of a user without a regional
// setting. A separator of more than one character is used as it stands.

#include <optional>
#include <string>
#include <string_view>

namespace model {

// The separator used when none is set.
inline constexpr std::string_view kDefaultDecimalSeparator = ",";

// Reads a decimal number: optional blanks, an optional sign, digits with at most one decimal
// separator (at least one digit in all), optional blanks. Anything else, the other separator or
// grouping marks included, is not a number.
std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator);

// As parseNumber, but a text that is not a number throws platform::Error.
double numberFromText(std::string_view text, std::string_view decimalSeparator);

// Writes a number with at most 15 significant digits, in plain decimal notation, without trailing
// zeros and without a separator for whole numbers: 0.1 + 0.1 + 0.1 gives "0,3", -10 gives "-10".
// Throws for infinity and NaN.
std::string numberToText(double value, std::string_view decimalSeparator);

// The key that types the decimal separator into a number field. Only "," and "." have one; with
// any other separator, none included, no separator key is accepted.
std::optional<char> separatorKey(std::string_view decimalSeparator);

}  // namespace model
