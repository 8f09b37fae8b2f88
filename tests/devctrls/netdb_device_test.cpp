// The status bar on an application device of the network database: blocks, state and the
// status flags and alarm that the simulator (or `qbx sim status`) sets on a block.

#include "devctrls/netdb_device.h"

#include "devctrls/arv_sts_bar.h"
#include "platform/netdb/netdb.h"
#include "platform/netdb/sim/object_status.h"
#include "tests/devctrls/fixture.h"
#include "tests/platform/netdb/test_home.h"

namespace devctrls_test {
namespace {

TEST_F(ControlsTest, StatusBarFollowsADatabaseDevice) {
    netdb::testing::TestHome db;
    auto device = db.addVariantDevice("Demo", "Floor 1", "MBX 1", 9);
    auto sensor0 = device->Interface().UnifexObjects().Item("Sensor[0]");

    devctrls::ArvStsBar bar(*host);
    bar.setDeviceState("Cnfg Online");
    bar.setTheAppDevice(devctrls::statusBarDeviceOf(device));
    auto panel = [&](const char* key) { return bar.stsBar().panel(key).text; };
    EXPECT_EQ(panel("Device"), "MBX 1");
    EXPECT_EQ(panel("UnifexObject"), "NodeObject");
    EXPECT_EQ(panel("Status"), "    Normal");

    auto blocks = devctrls::statusBarDeviceOf(device)->blockNames();
    ASSERT_EQ(blocks.size(), 10u);
    EXPECT_EQ(blocks[9], "Sensor[8]");

    bar.setMonitorEnabled(true);
    netdb::statusOf(device->Interface().UnifexObjects().Item("NodeObject"))
        .SetFlag("comm_failure", true);
    platform::EventLoop::instance().advance(5000);
    EXPECT_EQ(panel("State"), "Online") << "state code 4 read from the device";
    EXPECT_EQ(panel("Status"), "    In Exception");

    auto status = devctrls::statusBarDeviceOf(device)->blockStatus("Sensor[0]");
    netdb::statusOf(sensor0).SetFlag("in_alarm", true);
    auto flags = status->read();  // read afresh, not cached
    EXPECT_TRUE(flags.alarmPresent());
    EXPECT_EQ(flags.objectId, 1);

    netdb::UnifexAlarm::Record alarm;
    alarm.alarmType = 9;
    alarm.priorityLevel = 2;
    alarm.value = "31.20";
    netdb::alarmOf(sensor0).set(alarm);
    auto fields = devctrls::statusBarDeviceOf(device)->blockAlarm("Sensor[0]")->read();
    EXPECT_EQ(fields.alarmType, 9);
    EXPECT_EQ(fields.priorityLevel, 2);
    EXPECT_EQ(fields.value, "31.20");

    EXPECT_THROW(devctrls::statusBarDeviceOf(device)->blockStatus("Sensor[9]"), platform::Error);
}

}  // namespace
}  // namespace devctrls_test
