// qbx sim and qbx demo-network as separate processes acting on the devices of a simulator that
// runs here, the way a second terminal acts on a running plug-in.

#include <sys/wait.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "platform/core/paths.h"
#include "platform/netdb/sim/object_status.h"
#include "tests/platform/netdb/sim/sim_fixture.h"

namespace netdb::sim::testing {
namespace {

class SimCli : public SimTest {
  protected:
    struct Result {
        int status;
        std::string out;
    };
    Result qbx(const std::vector<std::string>& args) {
        auto out = home.path() / "qbx.out";
        std::string cmd = std::string("'") + QBX_EXE + "' --home '" + home.path().string() + "'";
        for (const auto& a : args) cmd += " '" + a + "'";
        cmd += " >'" + out.string() + "' 2>&1";
        int rc = std::system(cmd.c_str());
        return {WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, platform::readFile(out)};
    }
    void ok(const std::vector<std::string>& args) {
        auto r = qbx(args);
        ASSERT_EQ(r.status, 0) << r.out;
    }
};

TEST_F(SimCli, ASecondProcessPlaysTheSensorsOfRunningDevices) {
    auto d = addDevice("MBX 1", 9);
    setCp(*d, sensorIdRef(4), "1,2,3,4");
    startSimulator();
    const std::string path = "Net/Floor/MBX 1";

    nv(*d, kNviLearn)->SetValue(stateText({3}));
    ok({"sim", "learn", path, "3", "0A,1B,2C,3D"});
    loop.advance(1000);
    EXPECT_EQ(value(*d, kNviLearn), stateText({}));
    EXPECT_EQ(value(*d, kNvoLearnId), "a,1b,2c,3d");

    setCp(*d, "F:0/C:3:43", "1");
    ok({"sim", "silence", path, "4"});
    loop.advance(60000);
    EXPECT_EQ(value(*d, kNvoAlarmSensor), stateText({4}));
    ok({"sim", "talk", path, "4"});
    loop.advance(1000);
    EXPECT_EQ(value(*d, kNvoAlarmSensor), stateText({}));

    ok({"sim", "fault", path, "--fail-read-every", "1"});
    EXPECT_THROW(value(*d, nvoHvacTemp(0)), platform::Error);
    ok({"sim", "fault", path, "--reset"});
    EXPECT_NO_THROW(value(*d, nvoHvacTemp(0)));

    ok({"sim", "state", path, "6", "--commissioned", "off"});
    EXPECT_EQ(d->StateCode(), 6);
    EXPECT_FALSE(d->Commissioned());

    ok({"sim", "status", path, "Sensor[1]", "--set", "in_alarm,locked_out", "--exception", "on",
        "--alarm-present", "on", "--alarm-type", "9", "--alarm-priority", "2"});
    auto block = d->Interface().UnifexObjects().Item("Sensor[1]");
    EXPECT_TRUE(statusOf(block).Flag("in_alarm"));
    EXPECT_TRUE(statusOf(block).Flag("locked_out"));
    EXPECT_TRUE(statusOf(block).InException());
    EXPECT_EQ(alarmOf(block).AlarmType(), 9);
    EXPECT_EQ(alarmOf(block).PriorityLevel(), 2);
}

TEST_F(SimCli, BadArgumentsChangeNothingAndSayWhy) {
    auto d = addDevice("MBX 1", 9);
    const std::string path = "Net/Floor/MBX 1";
    struct Case {
        std::vector<std::string> args;
        const char* says;
    };
    for (const Case& c : std::vector<Case>{
             {{"sim", "learn", path, "9", "1,2,3,4"}, "the channel is 0 to 8"},
             {{"sim", "learn", path, "1", "1,2,3"}, "UNVT_str_hex4"},
             {{"sim", "fault", path, "--fail-read-probability", "2"}, "from 0 to 1"},
             {{"sim", "status", path, "Sensor[0]", "--set", "bogus"}, "no object status flag"},
             {{"sim", "silence", "Net/Floor/Nobody", "1"}, "Nobody"},
         }) {
        auto r = qbx(c.args);
        EXPECT_NE(r.status, 0) << c.args[1];
        EXPECT_NE(r.out.find(c.says), std::string::npos) << r.out;
    }
    EXPECT_EQ(settings().device(d->id()), DeviceSettings{});
    EXPECT_TRUE(settings().takePresses(d->id()).empty());
}

TEST_F(SimCli, DemoNetworkIsListed) {
    ok({"demo-network"});
    auto r = qbx({"device", "list", "Demo", "--json"});
    ASSERT_EQ(r.status, 0) << r.out;
    auto devices = nlohmann::json::parse(r.out);
    ASSERT_GE(devices.size(), 8u);
    std::set<std::string> subsystems, programs;
    int offline = 0, uncommissioned = 0;
    for (auto& dev : devices) {
        subsystems.insert(dev["subsystem"].get<std::string>());
        programs.insert(dev["programId"].get<std::string>());
        offline += dev["stateCode"] == 6;
        uncommissioned += dev["commissioned"] == false;
    }
    EXPECT_GE(subsystems.size(), 2u);
    EXPECT_EQ(programs.size(), 3u) << "all three variants";
    EXPECT_EQ(offline, 1);
    EXPECT_EQ(uncommissioned, 1);

    // One device reports a sensor that stopped sending, and keeps reporting it under the simulator.
    startSimulator();
    loop.advance(20000);
    int silent = 0;
    for (auto& dev : home.system("Demo")->AppDevices().All())
        if (dev->StateCode() == 4 && value(*dev, kNvoAlarmSensor) != stateText({})) ++silent;
    EXPECT_EQ(silent, 1);

    EXPECT_NE(qbx({"demo-network"}).status, 0) << "an existing network is kept";
    ok({"demo-network", "--replace"});
}

}  // namespace
}  // namespace netdb::sim::testing
