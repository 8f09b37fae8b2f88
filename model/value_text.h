#pragma once
// Editing inside the service's formatted value texts without decoding them to binary.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace model {

// One bit of a 16-bit state text: sixteen digits "0"/"1" separated by single blanks, bit n at
// character 2n + 1 (counted from 1). With p = 2n + 1 the head is the first p characters and the
// tail the last 30 - 2n. Reading returns the last character of the head; writing returns the head
// without its last character, "1" or "0", then the tail. A text shorter than 31 characters is
// worked on as it is (an empty text reads as "" and writing into it gives the single digit), so
// StateBit fails only for a bit number outside 0 to 15.
std::string StateBit(std::string_view state, bool write, int bit, bool value = false);

// One byte of a list of four hexadecimal bytes separated by ",".
//
// Reading: the value of part `index` read as a hexadecimal literal; blanks are skipped and the
// digits end at the first other character (no digit gives 0). An index outside 0 to 3 gives no
// value. Throws when the list has no such part.
std::optional<int64_t> HexByteRead(std::string_view list, int index);

// Writing: parts 0 to 3 joined by ",", part `index` replaced by `value` in lower-case hexadecimal
// without leading zeros; parts after the fourth are dropped, the others keep their text. An index
// outside 0 to 3 gives "". Throws when one of parts 0 to 3 is missing or `value` is not a byte.
std::string HexByteWrite(std::string_view list, int index, int64_t value);

}  // namespace model
