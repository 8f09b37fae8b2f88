#pragma once
// Enumeration keywords of the structured and enumerated value types, with their codes as the
// device encodes them (-1 is the "null" value of the enumerations).

#include <optional>
#include <span>
#include <string_view>

namespace netdb::values::detail {

struct Keyword {
    std::string_view name;
    int code;
};

extern const std::span<const Keyword> kSettingFunctions;  // SNVT_setting: SET_NUL, SET_OFF, ...
extern const std::span<const Keyword> kSceneFunctions;    // SNVT_scene: SC_NUL, SC_RECALL, ...
extern const std::span<const Keyword> kOccupancies;     // SNVT_occupancy: OC_NUL, OC_OCCUPIED, ...
extern const std::span<const Keyword> kObjectRequests;  // SNVT_obj_request: RQ_NUL, RQ_NORMAL, ...
extern const std::span<const Keyword> kTypeCategories;  // SNVT_nv_type: NVT_CAT_NUL, ...

// The code of a keyword, compared without regard to case (input fields may upper- or
// lower-case what the user typed).
std::optional<int> keywordCode(std::span<const Keyword> table, std::string_view name);
// True when the texts are equal but for the case of ASCII letters.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// The keyword of a code; empty when the code has none.
std::string_view keywordName(std::span<const Keyword> table, int code);

}  // namespace netdb::values::detail
