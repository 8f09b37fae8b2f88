#pragma once
// Value types of the network database service. Every network variable and configuration
// property value travels as formatted text; the service parses it by its type, checks the
// range, stores a canonical text (decimal point ".") and formats it back with the user's
// decimal separator. The plug-in never decodes values itself. docs/values.md lists the text
// form, range and resolution of every type.
//
// Errors: a text that does not parse or is out of range throws platform::Error with
// errc::kInvalidValue, source "netdb", and a description that names the value and the type,
// e.g. `Value "abc" is not a valid SNVT_temp_p`. An unknown type name throws errc::kNotFound
// (`Unknown value type "SNVT_foo"`). Nothing is changed by a failed call.

#include <string>
#include <string_view>
#include <vector>

namespace netdb::values {

// True when the service knows the type ("SNVT_temp_p", "UNVT_str_hex4", ...).
bool isKnownType(std::string_view type);
// Every known type name, standard types in index order, then the user types.
std::vector<std::string> knownTypes();
// True for a standard type (SNVT_...), which has a standard type index; user types
// (UNVT_...) are defined by the device's resource files and have none.
bool isStandardType(std::string_view type);

// The standard type index of a type (e.g. SNVT_temp_p 105); throws platform::Error
// (errc::kNotFound) for an unknown type or a user type.
int standardTypeIndex(std::string_view type);
// The type name of a standard type index; throws platform::Error (errc::kNotFound) when there
// is none.
std::string typeNameOfIndex(int index);

// The SNVT_nv_type descriptor text of a standard type, the value that SCPTnvType holds for an
// NV of that type, e.g. "PID 0:0:0:0:0:0:0:0, Scope 0, Index 95, NVT_CAT_STRUCT, 2 bytes, A=1,
// B=0, C=0" for SNVT_switch. Throws like standardTypeIndex.
std::string nvTypeDescriptor(std::string_view type);
// The type name a descriptor text stands for (used when an NV's type is changed through
// SCPTnvType). Throws errc::kInvalidValue when the text is no valid descriptor or does not
// match the known descriptor of its index, errc::kNotFound when its index is no known
// standard type.
std::string typeNameOfDescriptor(std::string_view descriptor);

// Parses `text` written with decimal separator `sep` and returns the canonical text. Throws
// platform::Error (errc::kInvalidValue) naming the value and the type when the text does not
// parse or is out of range. Numbers finer than the type's resolution are rounded to the
// nearest step (halves away from zero); the range is checked after rounding.
std::string parse(std::string_view type, std::string_view text, char sep);

// Formats a canonical text for display with decimal separator `sep`. A text that is not a
// valid value of the type throws like parse.
std::string format(std::string_view type, std::string_view canonical, char sep);

// Arrays of `elements` values: the whole value is the element texts joined by ";". The text
// must have exactly `elements` elements.
std::string parseArray(std::string_view type, int elements, std::string_view text, char sep);
std::string formatArray(std::string_view type, int elements, std::string_view canonical, char sep);
std::vector<std::string> splitArray(std::string_view canonical);
std::string joinArray(const std::vector<std::string>& elements);

// One element (0-based `index`) of a canonical array value, formatted with `sep`.
std::string formatElement(std::string_view type, int elements, std::string_view canonical,
                          int index, char sep);
// The canonical array value with element `index` replaced by the parsed `text`.
std::string replaceElement(std::string_view type, int elements, std::string_view canonical,
                           int index, std::string_view text, char sep);

// The type's default value (all zero) as canonical text.
std::string defaultValue(std::string_view type);
// The default of an array: `elements` default values joined by ";".
std::string defaultArrayValue(std::string_view type, int elements);

}  // namespace netdb::values
