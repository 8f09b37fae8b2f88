#pragma once
// Helpers of the property-by-name access and the toolkit's error numbers.

#include <string>
#include <string_view>

#include "platform/ui/value.h"

namespace ui {

// Error numbers of the toolkit (as the toolkit the system was designed for numbers them).
namespace uierr {
inline constexpr int kInvalidCall = 5;           // "Invalid procedure call or argument"
inline constexpr int kTypeMismatch = 13;         // "Type mismatch"
inline constexpr int kOutOfStack = 28;           // "Out of stack space"
inline constexpr int kNoElement = 340;           // "Control array element does not exist"
inline constexpr int kAlreadyLoaded = 360;       // "Object already loaded"
inline constexpr int kInvalidValue = 380;        // "Invalid property value"
inline constexpr int kInvalidIndex = 381;        // "Invalid property array index"
inline constexpr int kReadOnly = 383;            // "Property is read-only"
inline constexpr int kAlreadyShown = 400;        // "Form already displayed; can't show modally"
inline constexpr int kNoSuchProperty = 438;      // "Object doesn't support this property or method"
inline constexpr int kCancel = 32755;            // "Cancel was selected."
inline constexpr int kIndexOutOfBounds = 35600;  // "Index out of bounds"
inline constexpr int kElementNotFound = 35601;   // "Element not found"
inline constexpr int kKeyNotUnique = 35602;      // "Key is not unique in collection"
}  // namespace uierr

// Raises platform::Error with the source "ui".
[[noreturn]] void raiseUi(int number, const std::string& description);

// Conversions of property values; a value that does not fit raises Error 13.
std::string asString(const Value& v);
int asInt(const Value& v);
double asDouble(const Value& v);
bool asBool(const Value& v);
OleColor asColor(const Value& v);

}  // namespace ui
