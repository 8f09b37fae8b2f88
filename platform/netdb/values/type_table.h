#pragma once
// The table of value types: each type's standard index, its SNVT_nv_type descriptor data and
// the fields its text is made of. A value is held as the raw integers of its fields, as the
// device would encode them; texts are parsed to raw fields and formatted back from them.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/netdb/values/decimal_text.h"
#include "platform/netdb/values/keywords.h"

namespace netdb::values::detail {

using Raw = std::vector<int64_t>;

struct Field {
    enum class Kind { kNumber, kBit, kKeyword, kHexByte };
    Kind kind = Kind::kNumber;
    std::string_view name;  // names the field in range messages of multi-field types
    int64_t min = 0;        // raw range of a number
    int64_t max = 0;
    Scale scale;
    int minDigits = 0;  // digits always shown after the separator
    std::span<const Keyword> keywords;
};

// How the field texts are put together.
enum class Layout {
    kBlanks,      // fields separated by single blanks ("SET_UP 100.0 0.0")
    kCommas,      // fields separated by "," (UNVT_str_hex4)
    kDescriptor,  // the SNVT_nv_type descriptor text (nv_type.h)
};

struct TypeDef {
    std::string_view name;
    int index = -1;  // standard type index; -1 for a user type
    int scope = 0;   // 0 for standard types
    int category = 0;
    int size = 0;             // bytes
    int a = 1, b = 0, c = 0;  // scaling factors of the descriptor
    Layout layout = Layout::kBlanks;
    std::vector<Field> fields;  // empty for kDescriptor
};

// Every known type; nullptr when the name or index is unknown.
std::span<const TypeDef> allTypes();
const TypeDef* findType(std::string_view name);
const TypeDef* findTypeByIndex(int index);

}  // namespace netdb::values::detail
