#include "platform/netdb/values/value_types.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/core/error.h"

namespace values = netdb::values;

namespace {

const std::string kZeroState = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";

// Runs `call`, expects a platform::Error with `number` and returns its description.
std::string errorOf(const std::function<void()>& call,
                    int32_t number = platform::errc::kInvalidValue) {
    try {
        call();
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number, number) << e.description;
        EXPECT_EQ(e.source, "netdb");
        return e.description;
    }
    ADD_FAILURE() << "no error";
    return {};
}

struct ValidCase {
    const char* type;
    const char* text;  // as typed
    char sep;          // separator of `text`
    const char* canonical;
    const char* withComma;  // formatted with ","
};

const ValidCase kValid[] = {
    {"SNVT_temp_p", "21.5", '.', "21.50", "21,50"},
    {"SNVT_temp_p", " -3 ", '.', "-3.00", "-3,00"},
    {"SNVT_temp_p", "+40", '.', "40.00", "40,00"},
    {"SNVT_temp_p", "-273,17", ',', "-273.17", "-273,17"},
    {"SNVT_temp_p", "327.66", '.', "327.66", "327,66"},
    {"SNVT_temp_p", "0,005", ',', "0.01", "0,01"},  // halves round away from zero
    {"SNVT_temp_p", "-0.005", '.', "-0.01", "-0,01"},
    {"SNVT_temp_p", "-0.004", '.', "0.00", "0,00"},  // no negative zero
    {"SNVT_temp_p", ",5", ',', "0.50", "0,50"},
    {"SNVT_time_sec", "0,3", ',', "0.3", "0,3"},
    {"SNVT_time_sec", "100", '.', "100.0", "100,0"},
    {"SNVT_time_sec", "6553.4", '.', "6553.4", "6553,4"},
    {"SNVT_time_sec", "0.05", '.', "0.1", "0,1"},
    {"SNVT_time_min", "007", '.', "7", "7"},
    {"SNVT_time_min", "65535", '.', "65535", "65535"},
    {"SNVT_count", "701", '.', "701", "701"},
    {"SNVT_count", "3,0", ',', "3", "3"},
    {"SNVT_lux", "65535", '.', "65535", "65535"},
    {"SNVT_address", "0", '.', "0", "0"},
    {"SNVT_lev_cont", "5", '.', "5.0", "5,0"},
    {"SNVT_lev_cont", "66,5", ',', "66.5", "66,5"},
    {"SNVT_lev_cont", "33.3", '.', "33.5", "33,5"},  // 0.5 % steps
    {"SNVT_lev_cont", "100", '.', "100.0", "100,0"},
    {"SNVT_lev_percent", "100", '.', "100.0", "100,0"},
    {"SNVT_lev_percent", "12,345", ',', "12.345", "12,345"},
    {"SNVT_lev_percent", "-163.84", '.', "-163.84", "-163,84"},
    {"SNVT_lev_percent", "163.83", '.', "163.83", "163,83"},
    {"SNVT_lev_percent", "0.001", '.', "0.0", "0,0"},
    {"SNVT_state", "1  0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 ", '.', "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1",
     "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1"},
    {"SNVT_setting", "SET_UP 100.0 0.0", '.', "SET_UP 100.0 0.0", "SET_UP 100,0 0,0"},
    {"SNVT_setting", "set_down 100 0", '.', "SET_DOWN 100.0 0.0", "SET_DOWN 100,0 0,0"},
    {"SNVT_setting", "SET_STATE 50,5 12,34", ',', "SET_STATE 50.5 12.34", "SET_STATE 50,5 12,34"},
    {"SNVT_setting", "SET_NUL 0 -359.98", '.', "SET_NUL 0.0 -359.98", "SET_NUL 0,0 -359,98"},
    {"SNVT_switch", "100.0 1", '.', "100.0 1", "100,0 1"},
    {"SNVT_switch", "0 -1", '.', "0.0 -1", "0,0 -1"},
    {"SNVT_scene", "SC_RECALL 5", '.', "SC_RECALL 5", "SC_RECALL 5"},
    {"SNVT_scene", "sc_learn 255", '.', "SC_LEARN 255", "SC_LEARN 255"},
    {"SNVT_occupancy", "OC_OCCUPIED", '.', "OC_OCCUPIED", "OC_OCCUPIED"},
    {"SNVT_occupancy", "oc_standby", '.', "OC_STANDBY", "OC_STANDBY"},
    {"SNVT_obj_request", "3 rq_update_status", '.', "3 RQ_UPDATE_STATUS", "3 RQ_UPDATE_STATUS"},
    {"SNVT_obj_status", "7 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1", '.',
     "7 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1",
     "7 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1"},
    {"UNVT_str_hex4", "01, 20,03,04", '.', "1,20,3,4", "1,20,3,4"},
    {"UNVT_str_hex4", "0A,1F,00,05", ',', "a,1f,0,5", "a,1f,0,5"},
    {"UNVT_str_hex4", "0001f,FF,0,00", '.', "1f,ff,0,0", "1f,ff,0,0"},
    {"SNVT_nv_type",
     "pid 9f:FF:3c:46:0:86:04:8,scope 0,  index 95, nvt_cat_struct, 2 bytes, a=1, b=0, c=+0", '.',
     "PID 9F:FF:3C:46:0:86:4:8, Scope 0, Index 95, NVT_CAT_STRUCT, 2 bytes, A=1, B=0, C=0",
     "PID 9F:FF:3C:46:0:86:4:8, Scope 0, Index 95, NVT_CAT_STRUCT, 2 bytes, A=1, B=0, C=0"},
    {"SNVT_nv_type", "PID 0:0:0:0:0:0:0:0, Scope 0, Index 109, NVT_CAT_ENUM, 1 byte, A=1, B=0, C=0",
     '.', "PID 0:0:0:0:0:0:0:0, Scope 0, Index 109, NVT_CAT_ENUM, 1 bytes, A=1, B=0, C=0",
     "PID 0:0:0:0:0:0:0:0, Scope 0, Index 109, NVT_CAT_ENUM, 1 bytes, A=1, B=0, C=0"},
};

TEST(ValueTypes, ValidTextsParseToCanonicalAndFormatStably) {
    for (const ValidCase& c : kValid) {
        SCOPED_TRACE(std::string(c.type) + " \"" + c.text + "\"");
        std::string canonical = values::parse(c.type, c.text, c.sep);
        EXPECT_EQ(canonical, c.canonical);
        EXPECT_EQ(values::format(c.type, canonical, '.'), canonical);
        EXPECT_EQ(values::format(c.type, canonical, ','), c.withComma);
        // Round trips: what is shown parses back to the same canonical text.
        EXPECT_EQ(values::parse(c.type, c.withComma, ','), canonical);
        EXPECT_EQ(values::parse(c.type, canonical, '.'), canonical);
    }
}

struct InvalidCase {
    const char* type;
    const char* text;
    char sep;
    const char* says;  // a part of the description beyond the value and the type
};

const InvalidCase kInvalid[] = {
    {"SNVT_temp_p", "abc", '.', "is not a valid SNVT_temp_p"},
    {"SNVT_temp_p", "", '.', "is not a valid"},
    {"SNVT_temp_p", "1.5", ',', "is not a valid"},  // the other separator
    {"SNVT_temp_p", "1,5,0", ',', "is not a valid"},
    {"SNVT_temp_p", "1e3", '.', "is not a valid"},
    {"SNVT_temp_p", "- 1", '.', "is not a valid"},
    {"SNVT_temp_p", "1 000", '.', "is not a valid"},
    {"SNVT_temp_p", "-99999999", '.', "out of range"},
    {"SNVT_temp_p", "400", '.', "is out of range for SNVT_temp_p (-273.17 to 327.66)"},
    {"SNVT_temp_p", "-273,18", ',', "(-273,17 to 327,66)"},
    {"SNVT_temp_p", "327.665", '.', "out of range"},  // rounds to 327.67
    {"SNVT_time_sec", "-0.1", '.', "(0.0 to 6553.4)"},
    {"SNVT_time_sec", "6553.5", '.', "out of range"},
    {"SNVT_time_min", "65536", '.', "(0 to 65535)"},
    {"SNVT_time_min", "-1", '.', "out of range"},
    {"SNVT_count", "65536", '.', "out of range"},
    {"SNVT_lux", "70000", '.', "out of range"},
    {"SNVT_lev_cont", "100.5", '.', "(0.0 to 100.0)"},
    {"SNVT_lev_cont", "-0.5", '.', "out of range"},
    {"SNVT_lev_percent", "163.835", '.', "(-163.84 to 163.83)"},
    {"SNVT_lev_percent", "-163.845", '.', "out of range"},
    {"SNVT_state", "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0", '.', "is not a valid SNVT_state"},
    {"SNVT_state", "2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", '.', "is not a valid"},
    {"SNVT_state", "0000000000000000", '.', "is not a valid"},
    {"SNVT_setting", "SET_UP 100.5 0.0", '.',
     "is out of range for SNVT_setting (setting 0.0 to 100.0)"},
    {"SNVT_setting", "SET_UP 0.0 360.02", '.', "(rotation -359.98 to 360.0)"},
    {"SNVT_setting", "SET_FOO 1 0", '.', "is not a valid SNVT_setting"},
    {"SNVT_setting", "SET_UP 100.0", '.', "is not a valid"},
    {"SNVT_switch", "100.0 2", '.', "(state -1 to 1)"},
    {"SNVT_switch", "101 1", '.', "(value 0.0 to 100.0)"},
    {"SNVT_switch", "on 1", '.', "is not a valid SNVT_switch"},
    {"SNVT_scene", "SC_RECALL 256", '.', "(scene_number 0 to 255)"},
    {"SNVT_scene", "SC_FOO 1", '.', "is not a valid"},
    {"SNVT_occupancy", "OCCUPIED", '.', "is not a valid SNVT_occupancy"},
    {"SNVT_occupancy", "0", '.', "is not a valid"},
    {"SNVT_obj_request", "0 RQ_FOO", '.', "is not a valid"},
    {"UNVT_str_hex4", "1,2,3", '.', "is not a valid UNVT_str_hex4"},
    {"UNVT_str_hex4", "1,2,3,4,5", '.', "is not a valid"},
    {"UNVT_str_hex4", "100,0,0,0", '.', "is not a valid"},
    {"UNVT_str_hex4", "x1,0,0,0", '.', "is not a valid"},
    {"UNVT_str_hex4", "1,,3,4", '.', "is not a valid"},
    {"UNVT_str_hex4", "-1,0,0,0", '.', "is not a valid"},
    {"SNVT_nv_type", "Index 95", '.', "is not a valid SNVT_nv_type"},
    {"SNVT_nv_type", "PID 0:0:0:0:0:0:0, Scope 0, Index 95, NVT_CAT_STRUCT, 2 bytes, A=1, B=0, C=0",
     '.', "is not a valid"},
    {"SNVT_nv_type", "PID 0:0:0:0:0:0:0:0, Scope 0, Index 95, NVT_CAT_FOO, 2 bytes, A=1, B=0, C=0",
     '.', "is not a valid"},
    {"SNVT_nv_type",
     "PID 0:0:0:0:0:0:0:0, Scope 0, Index 65536, NVT_CAT_STRUCT, 2 bytes, A=1, B=0, C=0", '.',
     "is not a valid"},
    {"SNVT_nv_type", "PID 0:0:0:0:0:0:0:0, Scope 0, Index 95, NVT_CAT_STRUCT, 2, A=1, B=0, C=0",
     '.', "is not a valid"},
};

TEST(ValueTypes, BadTextsAreRejectedNamingValueAndType) {
    for (const InvalidCase& c : kInvalid) {
        SCOPED_TRACE(std::string(c.type) + " \"" + c.text + "\"");
        std::string d = errorOf([&] { values::parse(c.type, c.text, c.sep); });
        EXPECT_NE(d.find("Value \"" + std::string(c.text) + "\""), std::string::npos) << d;
        EXPECT_NE(d.find(c.type), std::string::npos) << d;
        EXPECT_NE(d.find(c.says), std::string::npos) << d;
        // A stored text is checked the same way when it is formatted.
        if (c.sep == '.') errorOf([&] { values::format(c.type, c.text, ','); });
    }
}

TEST(ValueTypes, UnknownTypesAreNotFound) {
    EXPECT_FALSE(values::isKnownType("SNVT_foo"));
    EXPECT_EQ(errorOf([] { values::parse("SNVT_foo", "1", '.'); }, platform::errc::kNotFound),
              "Unknown value type \"SNVT_foo\"");
    errorOf([] { values::format("SNVT_foo", "1", '.'); }, platform::errc::kNotFound);
    errorOf([] { values::defaultValue("SNVT_foo"); }, platform::errc::kNotFound);
}

TEST(ValueTypes, DefaultsAreAllZeroAndCanonical) {
    EXPECT_EQ(values::defaultValue("SNVT_temp_p"), "0.00");
    EXPECT_EQ(values::defaultValue("SNVT_state"), kZeroState);
    EXPECT_EQ(values::defaultValue("SNVT_setting"), "SET_OFF 0.0 0.0");
    EXPECT_EQ(values::defaultValue("UNVT_str_hex4"), "0,0,0,0");
    EXPECT_EQ(values::defaultArrayValue("SNVT_time_sec", 4), "0.0;0.0;0.0;0.0");
    for (const std::string& type : values::knownTypes()) {
        SCOPED_TRACE(type);
        std::string d = values::defaultValue(type);
        EXPECT_EQ(values::parse(type, d, '.'), d);
    }
}

TEST(ValueTypes, ArraysParseAndFormatElementwise) {
    EXPECT_EQ(values::parseArray("SNVT_time_sec", 4, "1,0;2;2,0;2", ','), "1.0;2.0;2.0;2.0");
    EXPECT_EQ(values::formatArray("SNVT_time_sec", 4, "1.0;2.0;2.0;2.0", ','), "1,0;2,0;2,0;2,0");
    EXPECT_EQ(values::parseArray("SNVT_temp_p", 1, "21", '.'), "21.00");

    const std::string diConfig =
        "1,2,3,4;1F, 0,0,0;0,0,0,0;0,0,0,0;0,0,0,0;0,0,0,0;0,0,0,0;0,0,0,0;ff,ff,ff,ff";
    const std::string canonical = values::parseArray("UNVT_str_hex4", 9, diConfig, ',');
    EXPECT_EQ(canonical,
              "1,2,3,4;1f,0,0,0;0,0,0,0;0,0,0,0;0,0,0,0;0,0,0,0;0,0,0,0;0,0,0,0;ff,ff,ff,ff");
    EXPECT_EQ(values::formatArray("UNVT_str_hex4", 9, canonical, ','), canonical);

    std::string d = errorOf([] { values::parseArray("SNVT_time_sec", 4, "1.0;2.0;2.0", '.'); });
    EXPECT_EQ(d, "Value \"1.0;2.0;2.0\" is not a valid array of 4 SNVT_time_sec values");
    d = errorOf([] { values::parseArray("SNVT_time_sec", 4, "1.0;x;2.0;2.0", '.'); });
    EXPECT_EQ(d, "Value \"x\" is not a valid SNVT_time_sec (element 2 of \"1.0;x;2.0;2.0\")");
    errorOf([] { values::parseArray("SNVT_time_sec", 4, "1.0;2.0;2.0;2.0;", '.'); });
    errorOf([] { values::parseArray("SNVT_time_sec", 0, "", '.'); });
}

TEST(ValueTypes, SingleElementsAreReadAndReplacedInPlace) {
    const std::string longPress = "1.0;2.0;2.0;2.0";
    EXPECT_EQ(values::formatElement("SNVT_time_sec", 4, longPress, 0, ','), "1,0");
    EXPECT_EQ(values::replaceElement("SNVT_time_sec", 4, longPress, 3, "0,5", ','),
              "1.0;2.0;2.0;0.5");

    const std::string diConfig = values::defaultArrayValue("UNVT_str_hex4", 9);
    EXPECT_EQ(values::replaceElement("UNVT_str_hex4", 9, diConfig, 8, "0A, 0B,0C,0D", '.'),
              "0,0,0,0;0,0,0,0;0,0,0,0;0,0,0,0;0,0,0,0;0,0,0,0;0,0,0,0;0,0,0,0;a,b,c,d");

    errorOf([&] { values::formatElement("SNVT_time_sec", 4, longPress, 4, '.'); });
    errorOf([&] { values::replaceElement("SNVT_time_sec", 4, longPress, -1, "1", '.'); });
    std::string d =
        errorOf([&] { values::replaceElement("SNVT_time_sec", 4, longPress, 1, "x", '.'); });
    EXPECT_EQ(d, "Value \"x\" is not a valid SNVT_time_sec");
    errorOf([] { values::replaceElement("SNVT_time_sec", 4, "1.0;2.0", 0, "1", '.'); });
}

TEST(ValueTypes, TypeTableMapsNamesAndStandardIndices) {
    const std::pair<const char*, int> kIndices[] = {
        {"SNVT_count", 8},        {"SNVT_lev_cont", 21},   {"SNVT_lux", 79},
        {"SNVT_lev_percent", 81}, {"SNVT_state", 83},      {"SNVT_obj_request", 92},
        {"SNVT_obj_status", 93},  {"SNVT_switch", 95},     {"SNVT_temp_p", 105},
        {"SNVT_time_sec", 107},   {"SNVT_occupancy", 109}, {"SNVT_address", 114},
        {"SNVT_scene", 115},      {"SNVT_setting", 117},   {"SNVT_time_min", 123},
        {"SNVT_nv_type", 166},
    };
    for (const auto& [name, index] : kIndices) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(values::isKnownType(name));
        EXPECT_TRUE(values::isStandardType(name));
        EXPECT_EQ(values::standardTypeIndex(name), index);
        EXPECT_EQ(values::typeNameOfIndex(index), name);
    }
    EXPECT_EQ(values::knownTypes().size(), std::size(kIndices) + 1);
    EXPECT_TRUE(values::isKnownType("UNVT_str_hex4"));
    EXPECT_FALSE(values::isStandardType("UNVT_str_hex4"));
    errorOf([] { values::standardTypeIndex("UNVT_str_hex4"); }, platform::errc::kNotFound);
    errorOf([] { values::standardTypeIndex("SNVT_foo"); }, platform::errc::kNotFound);
    errorOf([] { values::typeNameOfIndex(1); }, platform::errc::kNotFound);
    errorOf([] { values::typeNameOfIndex(-1); }, platform::errc::kNotFound);
}

TEST(ValueTypes, NvTypeDescriptorsNameTheirTypes) {
    const std::pair<const char*, const char*> kDescriptors[] = {
        {"SNVT_switch",
         "PID 0:0:0:0:0:0:0:0, Scope 0, Index 95, NVT_CAT_STRUCT, 2 bytes, A=1, B=0, C=0"},
        {"SNVT_setting",
         "PID 0:0:0:0:0:0:0:0, Scope 0, Index 117, NVT_CAT_STRUCT, 4 bytes, A=1, B=0, C=0"},
        {"SNVT_lev_percent",
         "PID 0:0:0:0:0:0:0:0, Scope 0, Index 81, NVT_CAT_SIGNED_LONG, 2 bytes, A=5, B=-3, C=0"},
        {"SNVT_scene",
         "PID 0:0:0:0:0:0:0:0, Scope 0, Index 115, NVT_CAT_STRUCT, 2 bytes, A=1, B=0, C=0"},
        {"SNVT_lux",
         "PID 0:0:0:0:0:0:0:0, Scope 0, Index 79, NVT_CAT_UNSIGNED_LONG, 2 bytes, A=1, B=0, C=0"},
        {"SNVT_occupancy",
         "PID 0:0:0:0:0:0:0:0, Scope 0, Index 109, NVT_CAT_ENUM, 1 bytes, A=1, B=0, C=0"},
    };
    for (const auto& [name, descriptor] : kDescriptors) {
        SCOPED_TRACE(name);
        EXPECT_EQ(values::nvTypeDescriptor(name), descriptor);
        EXPECT_EQ(values::typeNameOfDescriptor(descriptor), name);
        EXPECT_EQ(values::parse("SNVT_nv_type", descriptor, ','), descriptor);
    }
    for (const std::string& type : values::knownTypes()) {
        if (values::isStandardType(type)) {
            EXPECT_EQ(values::typeNameOfDescriptor(values::nvTypeDescriptor(type)), type);
        }
    }

    // Index 95 with another encoding than SNVT_switch's.
    std::string d = errorOf([] {
        values::typeNameOfDescriptor(
            "PID 0:0:0:0:0:0:0:0, Scope 0, Index 95, NVT_CAT_ENUM, 1 bytes, A=1, B=0, C=0");
    });
    EXPECT_NE(d.find("SNVT_switch"), std::string::npos) << d;
    errorOf([] { values::typeNameOfDescriptor("SNVT_switch"); });
    errorOf(
        [] {
            values::typeNameOfDescriptor(
                "PID 0:0:0:0:0:0:0:0, Scope 3, Index 95, NVT_CAT_STRUCT, 2 bytes, A=1, B=0, C=0");
        },
        platform::errc::kNotFound);
    errorOf(
        [] {
            values::typeNameOfDescriptor(
                "PID 0:0:0:0:0:0:0:0, Scope 0, Index 1, NVT_CAT_STRUCT, 2 bytes, A=1, B=0, C=0");
        },
        platform::errc::kNotFound);
    errorOf([] { values::nvTypeDescriptor("UNVT_str_hex4"); }, platform::errc::kNotFound);
}

}  // namespace
