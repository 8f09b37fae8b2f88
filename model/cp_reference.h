#pragma once
// Property references such as "F:0/C:3:40" (block 0, scope 3, type index 40), "N:5/C:0:23" (NV
// index 5) and "C:3:40" (a property of the device itself). Parsing them needs no device; looking
// the property up walks the chosen property list and compares each property's cpKey(scope, type
// index) exactly with the reference's key.

#include <string>
#include <string_view>

namespace model {

// The head of `text` before the first `separator` (not trimmed); `rest` becomes the text after it
// with leading and trailing blanks removed. Without a separator the head is the whole text and
// `rest` is empty.
std::string SplitFirst(std::string_view text, char separator, std::string& rest);

enum class CpRefKind {
    Block,     // "F": number is the 0-based position in the device's block list
    Variable,  // "N": number is the NV index
    Device,    // "C": the device's own property list; number is unused
};

struct CpRefTarget {
    CpRefKind kind = CpRefKind::Device;
    int number = 0;
    std::string key;  // "<scope>:<type index>" as written in the reference
};

// Throws platform::Error when the kind letter is not "F", "N" or "C" or the number is not a
// decimal integer.
CpRefTarget parseCpRef(std::string_view reference);

// The comparison text of a property: its scope, ":" and its type index as plain integers.
std::string cpKey(int scope, int typeIndex);

}  // namespace model
