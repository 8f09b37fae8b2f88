// Values as formatted text: properties and their elements, references, bindings and type
// changes, and the device behaviour hook.
#include <gtest/gtest.h>

#include <vector>

#include "platform/core/error.h"
#include "platform/netdb/values/value_types.h"
#include "platform/registry/registry.h"
#include "tests/platform/netdb/test_home.h"

using netdb::testing::TestHome;
namespace errc = platform::errc;

namespace {
// The typed formats are implemented in platform/netdb/values; before they land every text
// passes unchanged and tests of parsing have nothing to check.
bool typedValues() {
    try {
        netdb::values::parse("SNVT_temp_p", "warm", '.');
        return false;
    } catch (const platform::Error&) {
        return true;
    }
}
}  // namespace

TEST(NetdbValues, PropertiesByReferenceOfBlockVariableAndDevice) {
    TestHome home;
    auto dev = home.addDevice("Net", "Sub", "Dev", TestHome::miniXif());
    struct Case {
        const char* ref;
        const char* name;
    } found[] = {
        {"F:0/C:3:40", "UCPTspMinValue"},
        {"F:2/C:3:39", "UCPTenoceanID"},
        {"N:5/C:0:23", "SCPTminRnge"},
        {"C:3:40", "UCPTspMinValue"},
    };
    for (auto& c : found) {
        auto cp = netdb::propertyByReference(*dev, c.ref);
        EXPECT_EQ(cp->Name(), c.name) << c.ref;
        EXPECT_EQ(cp->Reference(), c.ref);
    }
    EXPECT_NE(netdb::propertyByReference(*dev, "C:3:40").get(),
              netdb::propertyByReference(*dev, "F:0/C:3:40").get())
        << "the device's own property is not the node object's";
    for (const char* bad :
         {"X:0/C:3:40", "F:0/C:40:3", "F:0/C:3", "F:3/C:3:40", "N:6/C:0:23", "F:0/C:3:40x"})
        EXPECT_THROW(netdb::propertyByReference(*dev, bad), platform::Error) << bad;
}

TEST(NetdbValues, ArrayPropertyExposesWholeValueAndElements) {
    TestHome home;
    auto dev = home.addDevice("Net", "Sub", "Dev", TestHome::miniXif());
    auto cp = netdb::propertyByReference(*dev, "F:0/C:3:71");
    ASSERT_EQ(cp->Elements(), 4);
    std::string before = cp->Value();
    auto parts = netdb::values::splitArray(before);
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(cp->Element(3), parts[3]);

    cp->SetElement(1, "3,5");
    EXPECT_EQ(cp->Element(1),
              netdb::values::format("SNVT_time_sec",
                                    netdb::values::parse("SNVT_time_sec", "3,5", ','), ','));
    EXPECT_EQ(cp->Element(0), parts[0]) << "other elements stay";

    // Out of range elements, wrong element counts and several elements at once change nothing.
    std::string now = cp->Value();
    for (auto bad : std::vector<std::function<void()>>{
             [&] { cp->Element(4); }, [&] { cp->SetElement(-1, "1"); },
             [&] { cp->SetElement(0, "1;2"); }, [&] { cp->SetValue("1,0;2,0"); }}) {
        EXPECT_THROW(bad(), platform::Error);
        EXPECT_EQ(cp->Value(), now);
    }
    // A template keeps its presets when a device's value changes.
    auto preset =
        dev->Template()->UnifexObjects().Item(1)->ConfigProperties().Item("UCPTlongPressTime");
    EXPECT_EQ(preset->Value(), before);
}

TEST(NetdbValues, BadValueIsRefusedNamingValueAndTypeAndChangesNothing) {
    if (!typedValues()) GTEST_SKIP() << "typed value formats not yet available";
    TestHome home;
    auto dev = home.addDevice("Net", "Sub", "Dev", TestHome::miniXif());
    auto cp = netdb::propertyByReference(*dev, "F:0/C:3:40");
    std::string before = cp->Value();
    try {
        cp->SetValue("warm");
        FAIL() << "accepted";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number, errc::kInvalidValue);
        EXPECT_NE(e.description.find("warm"), std::string::npos) << e.description;
        EXPECT_NE(e.description.find("SNVT_temp_p"), std::string::npos) << e.description;
    }
    EXPECT_EQ(cp->Value(), before);
    EXPECT_THROW(dev->Interface().NetworkVariables().Item(5)->SetValue("warm"), platform::Error);
}

TEST(NetdbValues, DecimalSeparatorFollowsTheUserSettingAtEachAccess) {
    if (!typedValues()) GTEST_SKIP() << "typed value formats not yet available";
    TestHome home(".");
    auto dev = home.addDevice("Net", "Sub", "Dev", TestHome::miniXif());
    auto nv = dev->Interface().NetworkVariables().Item(5);
    EXPECT_NE(nv->Value().find('.'), std::string::npos) << nv->Value();
    platform::Registry reg(home.path() / "registry.db");
    reg.setString(platform::Hive::User, "Control Panel\\International", "sDecimal", ",");
    EXPECT_NE(nv->Value().find(','), std::string::npos) << nv->Value();
    reg.deleteValue(platform::Hive::User, "Control Panel\\International", "sDecimal");
    nv->SetValue("22,5");  // "," when the setting is missing
    EXPECT_NE(nv->Value().find("22,5"), std::string::npos) << nv->Value();
}

TEST(NetdbValues, BindingsAndTypeChangeRefusedWhileBound) {
    TestHome home;
    auto a = home.addDevice("Net", "Sub", "A", TestHome::miniXif());
    auto b = home.addDevice("Net", "Sub", "B", TestHome::miniXif());
    auto out = a->Interface().NetworkVariables().Item(23);
    auto peer = b->Interface().NetworkVariables().Item(23);
    EXPECT_EQ(out->Connections().Count(), 0);
    out->Connect(peer);
    EXPECT_EQ(out->Connections().Count(), 1);
    EXPECT_EQ(peer->Connections().Count(), 1) << "both ends see the binding";
    EXPECT_EQ(out->Connections().Item(1)->Target().get(), peer.get());

    std::string type = out->TypeName();
    EXPECT_THROW(out->SetTypeName("SNVT_lux"), platform::Error);
    EXPECT_THROW(out->SetTypeIndex(79), platform::Error);
    out->Commit();  // nothing pending: nothing happens
    EXPECT_EQ(out->TypeName(), type);

    EXPECT_EQ(out->Disconnect(), 1);
    EXPECT_EQ(peer->Connections().Count(), 0);
    out->SetTypeName("SNVT_lux");
    EXPECT_EQ(out->TypeName(), type) << "pending until commit";
    peer->Connect(out);  // bound again before the commit
    EXPECT_THROW(out->Commit(), platform::Error);
    EXPECT_EQ(out->TypeName(), type);
    peer->Disconnect();
    out->Commit();  // the failed commit dropped the pending type
    EXPECT_EQ(out->TypeName(), type);
    out->SetTypeName("SNVT_lux");
    out->Commit();
    EXPECT_EQ(out->TypeName(), "SNVT_lux");
    EXPECT_EQ(out->Value(),
              netdb::values::format("SNVT_lux", netdb::values::defaultValue("SNVT_lux"), ','));
    EXPECT_EQ(peer->TypeName(), type) << "only the committed variable changed";
}

namespace {
struct RecordingBehaviour : netdb::DeviceBehaviour {
    std::vector<std::string> log;
    bool refuseWrites = false;
    void beforeAccess(const netdb::ValueAccess& a) override {
        bool write = a.kind == netdb::ValueAccess::Kind::WriteNv ||
                     a.kind == netdb::ValueAccess::Kind::WriteCp;
        log.push_back(std::string(write ? "write " : "read ") + a.device.Name() + " " +
                      (a.nvIndex >= 0 ? std::to_string(a.nvIndex) : a.reference));
        if (write && refuseWrites)
            throw platform::Error(errc::kDevice, "sim", "The device does not answer");
    }
    void afterWrite(const netdb::ValueAccess& a, const std::string& canonical) override {
        log.push_back("stored " + a.device.Name() + " " + canonical);
    }
};
}  // namespace

TEST(NetdbValues, DeviceBehaviourSeesEveryDeviceValueAccessAndMayRefuse) {
    TestHome home;
    auto dev = home.addDevice("Net", "Sub", "Dev", TestHome::miniXif());
    auto sim = std::make_shared<RecordingBehaviour>();
    home.server().SetDeviceBehaviour(sim);
    auto cp = netdb::propertyByReference(*dev, "F:0/C:3:40");
    auto nv = dev->Interface().NetworkVariables().Item(5);
    cp->Value();
    nv->SetValue("20,0");
    dev->Template()->Interface().NetworkVariables().Item(5)->Value();  // presets bypass the hook
    ASSERT_EQ(sim->log.size(), 3u);
    EXPECT_EQ(sim->log[0], "read Dev F:0/C:3:40");
    EXPECT_EQ(sim->log[1], "write Dev 5");
    EXPECT_EQ(sim->log[2].rfind("stored Dev ", 0), 0u);

    std::string before = nv->Value();
    sim->refuseWrites = true;
    EXPECT_THROW(nv->SetValue("25,0"), platform::Error);
    sim->refuseWrites = false;
    EXPECT_EQ(nv->Value(), before) << "a refused write changes nothing";
}
