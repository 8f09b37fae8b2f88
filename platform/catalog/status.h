#pragma once
// Status values of the resource catalogue components. Every operation of ResourceCatalog,
// ResourceFileSet and ProfileReader reports one of these through its status argument; callers
// rely on 0 (success or found) and 4 (not present), the others say what went wrong.

#include <cstdint>

namespace catalog::status {

inline constexpr int32_t kOk = 0;
inline constexpr int32_t kInvalidHandle = 1;  // no open catalogue has this handle
inline constexpr int32_t kNoSuchFolder = 2;   // a folder or file that does not exist
inline constexpr int32_t kMalformed = 3;      // a catalogue or resource file that does not parse
inline constexpr int32_t kNotPresent = 4;     // nothing matches the request
inline constexpr int32_t kReadOnly = 5;       // a change asked of a catalogue opened with mode 1
inline constexpr int32_t kIoError = 6;        // reading or writing a file failed
inline constexpr int32_t kInvalidArgument =
    7;                                  // mode, program ID, scope, kinds or option out of range
inline constexpr int32_t kStale = 8;    // the file set changed since the catalogue was refreshed
inline constexpr int32_t kNotOpen = 9;  // the file set is not open

}  // namespace catalog::status
