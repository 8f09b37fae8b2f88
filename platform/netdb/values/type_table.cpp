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

// A standard type; `scaling` gives the factors A and B of its descriptor (C is 0 for all).
TypeDef standard(std::string_view name, int index, int category, int size,
                 std::vector<Field> fields, Scale scaling = {}) {
    return {name,      index,     0, category,        size,
            scaling.a, scaling.b, 0, Layout::kBlanks, std::move(fields)};
}

std::vector<TypeDef> buildTable() {
    const Field word = number(0, 65535);
    const Field objectId = number(0, 65535, {}, 0, "object_id");
    const Scale tenths{1, -1}, hundredths{1, -2}, halves{5, -1}, fiveThousandths{5, -3};
    std::vector<TypeDef> t;
    t.push_back(standard("SNVT_count", 8, kCatUnsignedLong, 2, {word}));
    t.push_back(standard("SNVT_lev_cont", 21, kCatUnsignedShort, 1, {levelCont()}, halves));
    t.push_back(standard("SNVT_lux", 79, kCatUnsignedLong, 2, {word}));
    t.push_back(standard("SNVT_lev_percent", 81, kCatSignedLong, 2,
                         {number(-32768, 32766, fiveThousandths, 1)}, fiveThousandths));
    t.push_back(standard("SNVT_state", 83, kCatStruct, 2, repeated(bit(), 16)));
    t.push_back(standard("SNVT_obj_request", 92, kCatStruct, 3,
                         {objectId, keyword(kObjectRequests, "object_request")}));
    t.push_back(standard("SNVT_obj_status", 93, kCatStruct, 6, repeated(bit(), 24, {objectId})));
    t.push_back(standard("SNVT_switch", 95, kCatStruct, 2,
                         {levelCont("value"), number(-1, 1, {}, 0, "state")}));
    t.push_back(standard("SNVT_temp_p", 105, kCatSignedLong, 2,
                         {number(-27317, 32766, hundredths, 2)}, hundredths));
    t.push_back(
        standard("SNVT_time_sec", 107, kCatUnsignedLong, 2, {number(0, 65534, tenths, 1)}, tenths));
    t.push_back(standard("SNVT_occupancy", 109, kCatEnum, 1, {keyword(kOccupancies)}));
    t.push_back(standard("SNVT_address", 114, kCatUnsignedLong, 2, {word}));
    t.push_back(
        standard("SNVT_scene", 115, kCatStruct, 2,
                 {keyword(kSceneFunctions, "function"), number(0, 255, {}, 0, "scene_number")}));
    t.push_back(standard("SNVT_setting", 117, kCatStruct, 4,
                         {keyword(kSettingFunctions, "function"), levelCont("setting"),
                          number(-17999, 18000, {2, -2}, 1, "rotation")}));
    t.push_back(standard("SNVT_time_min", 123, kCatUnsignedLong, 2, {word}));
    TypeDef nvType = standard("SNVT_nv_type", 166, kCatStruct, 19, {});
    nvType.layout = Layout::kDescriptor;
    t.push_back(nvType);
    // The device's own type of four bytes, shown in hexadecimal; its index is defined by the
    // device's resource files.
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
