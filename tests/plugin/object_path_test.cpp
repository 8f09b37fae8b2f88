#include "plugin/object_path.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/core/error.h"
#include "plugin/plugin_state.h"

namespace plugin {
namespace {

TEST(ObjectPath, SplitStopsAtTheFirstEmptyComponent) {
    const struct {
        const char* path;
        std::vector<std::string> components;
    } cases[] = {
        {"Demo/Floor 1/MBX 1", {"Demo", "Floor 1", "MBX 1"}},
        {"/Demo/Floor 1", {}},
        {"Demo//Floor 1/MBX 1", {"Demo"}},
        {"Demo/ Floor 1 / MBX 1 ", {"Demo", "Floor 1 ", "MBX 1"}},
        {"", {}},
        {"Demo/", {"Demo"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitObjectPath(c.path), static_cast<int>(c.components.size())) << c.path;
        EXPECT_EQ(state().PathComponents, c.components) << c.path;
    }
}

TEST(ObjectPath, ComponentsWithAndWithoutPrefix) {
    SplitObjectPath("N:Demo/X: Dev 1 /Dev:/a:b:c");
    EXPECT_EQ(PathComponent(2, true), "Dev 1");
    EXPECT_EQ(PathComponent(2, false), "X: Dev 1 ");
    EXPECT_EQ(PathComponent(3, true), "Dev:");
    EXPECT_EQ(PathComponent(4, true), "b:c");
    EXPECT_EQ(PathComponent(0, true), "");
    EXPECT_EQ(PathComponent(5, false), "");
}

TEST(ObjectPath, ParseVersionCountsTheMinorPartInHundredths) {
    const struct {
        const char* text;
        int16_t major, minor;
    } cases[] = {
        {"1.4", 1, 40}, {"1.10", 1, 10}, {"1.45", 1, 45},     {"2.0", 2, 0},
        {"1.5", 1, 50}, {"3", 3, 0},     {"1.4 beta", 1, 40}, {"1.4.2", 1, 40},
        {"x.y", 0, 0},  {"", 0, 0},      {"1.45x", 1, 45},
    };
    for (const auto& c : cases) {
        int16_t major = -1, minor = -1;
        ParseVersion(c.text, major, minor);
        EXPECT_EQ(major, c.major) << c.text;
        EXPECT_EQ(minor, c.minor) << c.text;
    }
}

TEST(ObjectPath, ParseVersionRefusesNumbersBeyondSixteenBits) {
    int16_t major = 0, minor = 0;
    EXPECT_THROW(ParseVersion("40000.1", major, minor), platform::Error);
    EXPECT_THROW(ParseVersion("1.99999", major, minor), platform::Error);
}

}  // namespace
}  // namespace plugin
