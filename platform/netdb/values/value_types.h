#pragma once
// Value types of the network database service. Every network variable and configuration
// property value travels as formatted text; the service parses it by its type, checks the
// range, stores a canonical text (decimal point ".") and formats it back with the user's
// decimal separator. The plug-in never decodes values itself.

#include <string>
#include <string_view>
#include <vector>

namespace netdb::values {

// True when the service knows the type ("SNVT_temp_p", "UNVT_str_hex4", ...).
bool isKnownType(std::string_view type);

// The standard type index of a type (e.g. SNVT_temp_p 105); throws platform::Error for an
// unknown type.
int standardTypeIndex(std::string_view type);
// The type name of a standard type index; throws platform::Error when there is none.
std::string typeNameOfIndex(int index);

// Parses `text` written with decimal separator `sep` and returns the canonical text. Throws
// platform::Error (errc::kInvalidValue) naming the value and the type when the text does not
// parse or is out of range.
std::string parse(std::string_view type, std::string_view text, char sep);

// Formats a canonical text for display with decimal separator `sep`.
std::string format(std::string_view type, std::string_view canonical, char sep);

// Arrays of `elements` values: the whole value is the element texts joined by ";".
std::string parseArray(std::string_view type, int elements, std::string_view text, char sep);
std::string formatArray(std::string_view type, int elements, std::string_view canonical, char sep);
std::vector<std::string> splitArray(std::string_view canonical);
std::string joinArray(const std::vector<std::string>& elements);

// The type's default value (all zero) as canonical text.
std::string defaultValue(std::string_view type);

}  // namespace netdb::values
