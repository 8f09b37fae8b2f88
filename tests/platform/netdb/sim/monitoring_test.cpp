// Monitoring on the virtual clock: update events at the poll interval with the monitor tag,
// none while held or disabled, an update-error event for a failed poll.

#include "platform/netdb/sim/monitoring.h"

#include "tests/platform/netdb/sim/sim_fixture.h"

namespace netdb::sim::testing {
namespace {

struct Event {
    int32_t tag;
    std::string value;  // the value, or "error: <description>"
    int64_t at;
    bool operator==(const Event&) const = default;
};

class MonitoringTest : public SimTest {
  protected:
    void SetUp() override {
        device = addDevice("MBX 1", 9);
        startSimulator();
        monitoring = std::make_unique<Monitoring>(home.server(), loop);
        monitoring->onUpdate([this](int32_t tag, const std::string& v, const auto& nv) {
            EXPECT_TRUE(nv);
            events.push_back({tag, v, loop.nowMs()});
        });
        monitoring->onUpdateError([this](int32_t tag, const platform::Error& e, const auto&) {
            events.push_back({tag, "error: " + e.description, loop.nowMs()});
        });
        monitoring->onRoundDone([this] { ++rounds; });
        monitoring->start();
    }

    // The plug-in's order: hold, interval, enabled, options, mode, release, tag.
    void watch(int index, int tenths, int32_t tag) {
        auto v = nv(*device, index);
        v->monitor.hold = true;
        v->monitor.pollInterval = tenths;
        v->monitor.enabled = true;
        v->monitor.option1 = v->monitor.option2 = true;
        v->monitor.mode = 3;
        v->monitor.hold = false;
        v->monitor.tag = tag;
    }
    int count(int32_t tag) const {
        return static_cast<int>(
            std::count_if(events.begin(), events.end(), [&](auto& e) { return e.tag == tag; }));
    }

    std::shared_ptr<AppDevice> device;
    std::unique_ptr<Monitoring> monitoring;
    std::vector<Event> events;
    int rounds = 0;
};

TEST_F(MonitoringTest, DeliversUpdatesAtThePollIntervalWithTheTags) {
    watch(nvoHvacTemp(0), 10, 207);  // settings on an object the caller lets go of
    watch(kNvoAlarmSensor, 5, 206);
    sim->telegram(*device, 0, {"22.5", {}, {}, {}});
    loop.advance(999);
    EXPECT_EQ(count(207), 0);
    EXPECT_EQ(count(206), 1);
    loop.advance(1);
    ASSERT_EQ(count(207), 1);
    EXPECT_EQ(events.back(), (Event{207, "22,50", 1000}));
    loop.advance(2000);
    EXPECT_EQ(count(207), 3);
    EXPECT_EQ(count(206), 6);
    EXPECT_GE(rounds, 6);
    for (auto& e : events) {
        if (e.tag == 206) {
            EXPECT_EQ(e.value, stateText({}));
        }
    }
}

TEST_F(MonitoringTest, NothingWhileHeldDisabledOrWithoutInterval) {
    watch(nvoHvacTemp(0), 10, 1);
    watch(nvoHvacTemp(1), 10, 2);
    watch(nvoHvacTemp(2), 0, 3);
    nv(*device, nvoHvacTemp(0))->monitor.hold = true;
    nv(*device, nvoHvacTemp(1))->monitor.enabled = false;
    loop.advance(5000);
    EXPECT_TRUE(events.empty());

    // Released: polled again from one interval after the release.
    nv(*device, nvoHvacTemp(0))->monitor.hold = false;
    loop.advance(1100);
    EXPECT_EQ(count(1), 1);
    EXPECT_EQ(count(2), 0);
}

TEST_F(MonitoringTest, AFailedPollDeliversAnUpdateError) {
    watch(nvoSetpoint(0), 10, 208);
    configure(*device, [](DeviceSettings& s) { s.faults.readEvery = 2; });
    loop.advance(2000);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].value, "0,00");
    EXPECT_EQ(events[1].tag, 208);
    EXPECT_EQ(
        events[1].value.rfind("error: Reading network variable 14 of the device \"MBX 1\"", 0), 0u)
        << events[1].value;
}

TEST_F(MonitoringTest, TheLearnVariablesShowALearnInAsThePluginWatchesIt) {
    watch(kNviLearn, 10, 132);
    watch(kNvoLearnId, 10, 243);
    configure(*device, [](DeviceSettings& s) { s.autoPressMs = 2000; });
    nv(*device, kNviLearn)->SetValue(stateText({1}));
    loop.advance(1000);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0], (Event{132, stateText({1}), 1000}));
    EXPECT_EQ(events[1].value, "0,0,0,0");
    loop.advance(2000);
    // The round that shows the bit cleared also shows the learnt ID, the variable polled first
    // (lower index) arriving first.
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events[4], (Event{132, stateText({}), 3000}));
    EXPECT_EQ(events[5].tag, 243);
    EXPECT_NE(events[5].value, "0,0,0,0");
}

TEST_F(MonitoringTest, AHandlerThatLetsEventsRunGetsNoSecondRoundMeanwhile) {
    watch(nvoHvacTemp(0), 1, 7);
    int depth = 0, maxDepth = 0;
    monitoring->onUpdate([&](int32_t, const std::string&, const auto&) {
        maxDepth = std::max(maxDepth, ++depth);
        loop.advance(500);  // a message box open meanwhile
        --depth;
    });
    loop.advance(300);
    EXPECT_EQ(maxDepth, 1);
}

}  // namespace
}  // namespace netdb::sim::testing
