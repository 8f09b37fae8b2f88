#pragma once
// Texts made of fields (numbers, bits, keywords, hexadecimal bytes) to raw values and back.

#include <string>
#include <string_view>

#include "platform/netdb/values/type_table.h"

namespace netdb::values::detail {

struct ParseResult {
    enum class Status { kOk, kInvalid, kOutOfRange };
    Status status = Status::kOk;
    Raw raw;
    const Field* field = nullptr;  // the field out of range
};

ParseResult parseFields(const TypeDef& type, std::string_view text, char sep);
std::string formatFields(const TypeDef& type, const Raw& raw, char sep);

// "-273.17 to 327.66", the range of a number field, for error messages.
std::string rangeText(const Field& field, char sep);

}  // namespace netdb::values::detail
