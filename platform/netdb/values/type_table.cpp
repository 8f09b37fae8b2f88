// Resolutions and ranges follow the standard types; the raw limits are those of the device
// encoding, with the all-ones code that marks an invalid value left out (e.g. SNVT_temp_p
// 0x7FFF, SNVT_time_sec 0xFFFF).
#include "platform/netdb/values/type_table.h"

namespace netdb::values::detail {

namespace {

constexpr int kCatEnum = 8;
constexpr int kCatSignedLong = 6;
constexpr int kCatUnsignedShort = 5;
constexpr int kCatUnsignedLong = 7;
constexpr int kCatStruct = 10;

Field number(int64_t min, int64_t max, Scale scale = {}, int minDigits = 0,
             std::string_view name = {}) {
    return Field{Field::Kind::kNumber, name, min, max, scale, minDigits, {}};
}
Field keyword(std::span<const Keyword> table, std::string_view name = {}) {
    Field f;
    f.kind = Field::Kind::kKeyword;
    f.name = name;
    f.keywords = table;
    return f;
}
Field bit() {
    Field f;
    f.kind = Field::Kind::kBit;
    return f;
}
Field hexByte() {
    Field f;
    f.kind = Field::Kind::kHexByte;
    return f;
}
std::vector<Field> repeated(const Field& f, int n, std::vector<Field> head = {}) {
    head.insert(head.end(), n, f);
    return head;
}

// Percent levels of 0.5 % steps as in SNVT_lev_cont, SNVT_switch.value, SNVT_setting.setting.
Field levelCont(std::string_view name = {}) { return number(0, 200, {5, -1}, 1, name); }

std::vector<TypeDef> buildTable() {
    const Field objectId = number(0, 65535, {}, 0, "object_id");
    std::vector<TypeDef> t;
    t.push_back(
        {"SNVT_count", 8, 0, kCatUnsignedLong, 2, 1, 0, 0, Layout::kBlanks, {number(0, 65535)}});
    t.push_back(
        {"SNVT_lev_cont", 21, 0, kCatUnsignedShort, 1, 5, -1, 0, Layout::kBlanks, {levelCont()}});
    t.push_back(
        {"SNVT_lux", 79, 0, kCatUnsignedLong, 2, 1, 0, 0, Layout::kBlanks, {number(0, 65535)}});
    t.push_back({"SNVT_lev_percent",
                 81,
                 0,
                 kCatSignedLong,
                 2,
                 5,
                 -3,
                 0,
                 Layout::kBlanks,
                 {number(-32768, 32766, {5, -3}, 1)}});
    t.push_back(
        {"SNVT_state", 83, 0, kCatStruct, 2, 1, 0, 0, Layout::kBlanks, repeated(bit(), 16)});
    t.push_back({"SNVT_obj_request",
                 92,
                 0,
                 kCatStruct,
                 3,
                 1,
                 0,
                 0,
                 Layout::kBlanks,
                 {objectId, keyword(kObjectRequests, "object_request")}});
    t.push_back({"SNVT_obj_status", 93, 0, kCatStruct, 6, 1, 0, 0, Layout::kBlanks,
                 repeated(bit(), 24, {objectId})});
    t.push_back({"SNVT_switch",
                 95,
                 0,
                 kCatStruct,
                 2,
                 1,
                 0,
                 0,
                 Layout::kBlanks,
                 {levelCont("value"), number(-1, 1, {}, 0, "state")}});
    t.push_back({"SNVT_temp_p",
                 105,
                 0,
                 kCatSignedLong,
                 2,
                 1,
                 -2,
                 0,
                 Layout::kBlanks,
                 {number(-27317, 32766, {1, -2}, 2)}});
    t.push_back({"SNVT_time_sec",
                 107,
                 0,
                 kCatUnsignedLong,
                 2,
                 1,
                 -1,
                 0,
                 Layout::kBlanks,
                 {number(0, 65534, {1, -1}, 1)}});
    t.push_back(
        {"SNVT_occupancy", 109, 0, kCatEnum, 1, 1, 0, 0, Layout::kBlanks, {keyword(kOccupancies)}});
    t.push_back({"SNVT_address",
                 114,
                 0,
                 kCatUnsignedLong,
                 2,
                 1,
                 0,
                 0,
                 Layout::kBlanks,
                 {number(0, 65535)}});
    t.push_back({"SNVT_scene",
                 115,
                 0,
                 kCatStruct,
                 2,
                 1,
                 0,
                 0,
                 Layout::kBlanks,
                 {keyword(kSceneFunctions, "function"), number(0, 255, {}, 0, "scene_number")}});
    t.push_back({"SNVT_setting",
                 117,
                 0,
                 kCatStruct,
                 4,
                 1,
                 0,
                 0,
                 Layout::kBlanks,
                 {keyword(kSettingFunctions, "function"), levelCont("setting"),
                  number(-17999, 18000, {2, -2}, 1, "rotation")}});
    t.push_back({"SNVT_time_min",
                 123,
                 0,
                 kCatUnsignedLong,
                 2,
                 1,
                 0,
                 0,
                 Layout::kBlanks,
                 {number(0, 65535)}});
    t.push_back({"SNVT_nv_type", 166, 0, kCatStruct, 19, 1, 0, 0, Layout::kDescriptor, {}});
    // The device's own type of four bytes, shown in hexadecimal; defined in its resource files.
    t.push_back(
        {"UNVT_str_hex4", -1, 3, kCatStruct, 4, 1, 0, 0, Layout::kCommas, repeated(hexByte(), 4)});
    return t;
}

}  // namespace

std::span<const TypeDef> allTypes() {
    static const std::vector<TypeDef> table = buildTable();
    return table;
}

const TypeDef* findType(std::string_view name) {
    for (const TypeDef& t : allTypes())
        if (t.name == name) return &t;
    return nullptr;
}

const TypeDef* findTypeByIndex(int index) {
    if (index < 0) return nullptr;
    for (const TypeDef& t : allTypes())
        if (t.index == index) return &t;
    return nullptr;
}

}  // namespace netdb::values::detail
