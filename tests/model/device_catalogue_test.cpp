// Building the catalogue for devices of the real database, made from the XIF files.
#include <gtest/gtest.h>

#include <set>

#include "model/device_reads.h"
#include "platform/netdb/netdb.h"
#include "tests/platform/netdb/test_home.h"

namespace model {
namespace {

using netdb::testing::TestHome;

class DeviceCatalogue : public ::testing::TestWithParam<int> {};

TEST_P(DeviceCatalogue, RowsNameTheDevicesVariablesAndCarryTheirValues) {
    const int variant = GetParam();
    if (!TestHome::hasRealXif(variant)) GTEST_SKIP() << "data/xif has no file for " << variant;
    TestHome home;
    auto device = home.addVariantDevice("Net", "Sub", "MBX", variant);
    auto nvs = device->Interface().NetworkVariables();
    nvs.Item(5)->SetValue("21,5");

    Catalogue c;
    BuildCatalogue(c, device);
    EXPECT_EQ(c.CpCount, 98);
    EXPECT_EQ(c.NviCount, 19);
    EXPECT_EQ(c.NvoCount, variant == 8 ? 37 : 38);

    std::set<int32_t> tags;
    auto check = [&](int row, const std::string& name, int16_t index, const std::string& value,
                     int32_t tag) {
        auto nv = nvs.Item(index);
        EXPECT_EQ(nv->Name(), name) << "row " << row;
        EXPECT_EQ(value, nv->Value()) << name;
        EXPECT_TRUE(tags.insert(tag).second) << name << " shares its tag";
    };
    for (int r = 0; r < c.NviCount; ++r) {
        const ParamEntry& e = c.NviTable[r];
        check(r, e.NviName, e.NviIndex, e.NviValue, e.MonitorTag);
        EXPECT_FALSE(nvs.Item(e.NviIndex)->IsOutput()) << e.NviName;
    }
    for (int r = 0; r < c.NvoCount; ++r) {
        const ParamEntry& e = c.NvoTable[r];
        check(r, e.NvoName, e.NvoIndex, e.NvoValue, e.MonitorTag);
        EXPECT_TRUE(nvs.Item(e.NvoIndex)->IsOutput()) << e.NvoName;
    }
    EXPECT_NE(c.NvoTable[1].NvoValue.find("21,5"), std::string::npos) << c.NvoTable[1].NvoValue;
    // Every property row's reference resolves on the device to a property of the row's name.
    for (int r = 0; r < c.CpCount; ++r)
        EXPECT_EQ(netdb::propertyByReference(*device, c.CpTable[r].CpRef)->Name(),
                  c.CpTable[r].CpName)
            << c.CpTable[r].CpRef;
}

INSTANTIATE_TEST_SUITE_P(Variants, DeviceCatalogue, ::testing::Values(8, 9, 13));

// A device that refuses to read one variable.
struct RefusesNv : netdb::DeviceBehaviour {
    int index;
    explicit RefusesNv(int i) : index(i) {}
    void beforeAccess(const netdb::ValueAccess& a) override {
        if (a.kind == netdb::ValueAccess::Kind::ReadNv && a.nvIndex == index)
            throw platform::Error(platform::errc::kDevice, "sim", "no answer");
    }
};

TEST(DeviceCatalogueFailures, UnreadableVariableKeepsItsValueAndNoDeviceFillsConstants) {
    if (!TestHome::hasRealXif(9)) GTEST_SKIP() << "data/xif has no file for variant 9";
    TestHome home;
    auto device = home.addVariantDevice("Net", "Sub", "MBX", 9);
    Catalogue c;
    c.NvoTable[1].NvoValue = "previous";
    home.server().SetDeviceBehaviour(std::make_shared<RefusesNv>(5));
    BuildCatalogue(c, device);
    home.server().SetDeviceBehaviour(nullptr);
    EXPECT_EQ(c.NvoTable[1].NvoValue, "previous");  // nvoHVACTemp_1, index 5
    EXPECT_EQ(c.NvoTable[2].NvoValue, device->Interface().NetworkVariables().Item(14)->Value());
    EXPECT_EQ(c.NvoCount, 38);

    Catalogue none;
    none.NviTable[0].NviValue = "kept";
    BuildCatalogue(none, nullptr);
    EXPECT_EQ(none.CpCount, 98);
    EXPECT_EQ(none.NvoCount, 37);
    EXPECT_EQ(none.NviTable[0].NviName, "nviLearn");
    EXPECT_EQ(none.NviTable[0].NviValue, "kept");
}

}  // namespace
}  // namespace model
