#include "platform/netdb/values/keywords.h"

#include <array>

namespace netdb::values::detail {

namespace {

constexpr std::array kSettingTable{
    Keyword{"SET_NUL", -1}, Keyword{"SET_OFF", 0},  Keyword{"SET_ON", 1},    Keyword{"SET_DOWN", 2},
    Keyword{"SET_UP", 3},   Keyword{"SET_STOP", 4}, Keyword{"SET_STATE", 5},
};

constexpr std::array kSceneTable{
    Keyword{"SC_NUL", -1},
    Keyword{"SC_RECALL", 0},
    Keyword{"SC_LEARN", 1},
};

constexpr std::array kOccupancyTable{
    Keyword{"OC_NUL", -1},   Keyword{"OC_OCCUPIED", 0}, Keyword{"OC_UNOCCUPIED", 1},
    Keyword{"OC_BYPASS", 2}, Keyword{"OC_STANDBY", 3},
};

constexpr std::array kRequestTable{
    Keyword{"RQ_NUL", -1},
    Keyword{"RQ_NORMAL", 0},
    Keyword{"RQ_DISABLED", 1},
    Keyword{"RQ_UPDATE_STATUS", 2},
    Keyword{"RQ_SELF_TEST", 3},
    Keyword{"RQ_UPDATE_ALARM", 4},
    Keyword{"RQ_REPORT_MASK", 5},
    Keyword{"RQ_OVERRIDE", 6},
    Keyword{"RQ_ENABLE", 7},
    Keyword{"RQ_RMV_OVERRIDE", 8},
    Keyword{"RQ_CLEAR_STATUS", 9},
    Keyword{"RQ_CLEAR_ALARM", 10},
    Keyword{"RQ_ALARM_NOTIFY_ENABLED", 11},
    Keyword{"RQ_ALARM_NOTIFY_DISABLED", 12},
    Keyword{"RQ_MANUAL_CTRL", 13},
    Keyword{"RQ_REMOTE_CTRL", 14},
    Keyword{"RQ_PROGRAM", 15},
    Keyword{"RQ_CLEAR_RESET", 16},
    Keyword{"RQ_RESET", 17},
};

constexpr std::array kCategoryTable{
    Keyword{"NVT_CAT_NUL", -1},           Keyword{"NVT_CAT_INITIAL", 0},
    Keyword{"NVT_CAT_CHAR_ASCII", 1},     Keyword{"NVT_CAT_SIGNED_CHAR", 2},
    Keyword{"NVT_CAT_UNSIGNED_CHAR", 3},  Keyword{"NVT_CAT_SIGNED_SHORT", 4},
    Keyword{"NVT_CAT_UNSIGNED_SHORT", 5}, Keyword{"NVT_CAT_SIGNED_LONG", 6},
    Keyword{"NVT_CAT_UNSIGNED_LONG", 7},  Keyword{"NVT_CAT_ENUM", 8},
    Keyword{"NVT_CAT_ARRAY", 9},          Keyword{"NVT_CAT_STRUCT", 10},
    Keyword{"NVT_CAT_UNION", 11},         Keyword{"NVT_CAT_BITFIELD", 12},
    Keyword{"NVT_CAT_FLOAT", 13},         Keyword{"NVT_CAT_SIGNED_QUAD", 14},
    Keyword{"NVT_CAT_REFERENCE", 15},
};

}  // namespace

const std::span<const Keyword> kSettingFunctions{kSettingTable};
const std::span<const Keyword> kSceneFunctions{kSceneTable};
const std::span<const Keyword> kOccupancies{kOccupancyTable};
const std::span<const Keyword> kObjectRequests{kRequestTable};
const std::span<const Keyword> kTypeCategories{kCategoryTable};

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i] >= 'a' && a[i] <= 'z' ? static_cast<char>(a[i] - 'a' + 'A') : a[i];
        char y = b[i] >= 'a' && b[i] <= 'z' ? static_cast<char>(b[i] - 'a' + 'A') : b[i];
        if (x != y) return false;
    }
    return true;
}

std::optional<int> keywordCode(std::span<const Keyword> table, std::string_view name) {
    for (const Keyword& k : table)
        if (equalsIgnoringCase(k.name, name)) return k.code;
    return std::nullopt;
}

std::string_view keywordName(std::span<const Keyword> table, int code) {
    for (const Keyword& k : table)
        if (k.code == code) return k.name;
    return {};
}

}  // namespace netdb::values::detail
