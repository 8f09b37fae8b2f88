// Devices of the three MBX-440 variants, made from the real XIF files of data/xif.
#include <gtest/gtest.h>

#include "platform/netdb/platform_home.h"
#include "tests/platform/netdb/test_home.h"

using netdb::testing::TestHome;

namespace {
int propertyCount(netdb::AppDevice& dev) {
    auto iface = dev.Interface();
    int n = iface.ConfigProperties().Count();
    for (auto& b : iface.UnifexObjects().All()) n += b->ConfigProperties().Count();
    for (auto& v : iface.NetworkVariables().All()) n += v->ConfigProperties().Count();
    return n;
}
}  // namespace

class NetdbVariant : public ::testing::TestWithParam<int> {};

TEST_P(NetdbVariant, DeviceHas98PropertiesAndItsVariables) {
    int variant = GetParam();
    if (!TestHome::hasRealXif(variant)) GTEST_SKIP() << "data/xif has no file for " << variant;
    TestHome home;
    auto dev = home.addVariantDevice("Net", "Sub", "MBX " + std::to_string(variant), variant);
    EXPECT_EQ(dev->ProgramId(), netdb::xifVariant(variant)->programId);
    EXPECT_EQ(propertyCount(*dev), 98);
    auto nvs = dev->Interface().NetworkVariables();
    bool learnId = variant != 8;
    // The 56 catalogued variables and the node object's members 0, 2 and 3, and nvoLearnID.
    EXPECT_EQ(nvs.Count(), learnId ? 60 : 59);
    EXPECT_EQ(nvs.find("nvoLearnID") != nullptr, learnId);
    auto blocks = dev->Interface().UnifexObjects();
    ASSERT_EQ(blocks.Count(), 10);
    EXPECT_EQ(blocks.Item(1)->Name(), "NodeObject");
    EXPECT_EQ(blocks.Item(10)->Name(), "Sensor[8]");
    for (const char* ref : {"F:0/C:3:40", "F:9/C:0:49", "N:5/C:0:23", "N:40/C:0:254", "F:1/C:3:39"})
        EXPECT_NO_THROW(netdb::propertyByReference(*dev, ref)) << ref;
    EXPECT_EQ(netdb::propertyByReference(*dev, "F:0/C:3:44")->Elements(), 9);
    EXPECT_EQ(netdb::propertyByReference(*dev, "F:0/C:3:71")->Elements(), 4);

    // A second device of the variant reuses the template.
    home.addVariantDevice("Net", "Sub", "MBX b", variant);
    EXPECT_EQ(home.system("Net")->TemplateLibrary().deviceTemplates().Count(), 1);
}

INSTANTIATE_TEST_SUITE_P(AllVariants, NetdbVariant, ::testing::Values(8, 9, 13));
