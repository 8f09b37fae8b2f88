#pragma once
// Program IDs and resource scopes. A program ID is 16 hexadecimal digits: format (1),
// manufacturer (5), device class (4), usage (2), channel type (2) and model (2). A resource file
// set is defined for a program ID template at a scope; the scope says which digits of a device's
// program ID must equal the template's for the file set to apply to the device:
//   0 none (standard resources), 1 class, 2 class and usage, 3 format and manufacturer,
//   4 ... and class, 5 ... and usage, 6 every digit.

#include <string_view>

namespace catalog {

inline constexpr int kMaxScope = 6;

// True for exactly 16 hexadecimal digits (either case).
bool isProgramId(std::string_view text);

// True when `programId` matches `templateId` at `scope` (0-6); digits compare without regard
// to case. Both must be program IDs.
bool matchesAtScope(std::string_view templateId, std::string_view programId, int scope);

}  // namespace catalog
