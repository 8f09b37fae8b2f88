#pragma once
// The SNVT_nv_type descriptor text: "PID 0:0:0:0:0:0:0:0, Scope 0, Index 95, NVT_CAT_STRUCT,
// 2 bytes, A=1, B=0, C=0". The eight program ID bytes are hexadecimal (upper case, no leading
// zeros), all other numbers decimal; the category is a NVT_CAT_ keyword.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/netdb/values/type_table.h"

namespace netdb::values::detail {

struct Descriptor {
    std::array<int, 8> programId{};
    int scope = 0;
    int index = 0;
    int category = 0;
    int size = 0;
    int a = 0, b = 0, c = 0;
    bool operator==(const Descriptor&) const = default;
};

// Nothing when the text is no descriptor or a number is outside its field.
std::optional<Descriptor> parseDescriptor(std::string_view text);
std::string formatDescriptor(const Descriptor& d);

// The descriptor of a type of the table.
Descriptor descriptorOf(const TypeDef& type);

}  // namespace netdb::values::detail
