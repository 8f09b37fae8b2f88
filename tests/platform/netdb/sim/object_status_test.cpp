// Object status flags and alarm records of functional blocks.

#include "platform/netdb/sim/object_status.h"

#include "tests/platform/netdb/sim/sim_fixture.h"

namespace netdb::sim::testing {
namespace {

class ObjectStatusTest : public SimTest {};

TEST_F(ObjectStatusTest, FlagsAndIndicatorsAreSetPerBlock) {
    auto d = addDevice("MBX 1", 9);
    auto blocks = d->Interface().UnifexObjects();
    auto status = statusOf(blocks.Item("Sensor[2]"));
    status.SetFlag("in_alarm", true);
    status.SetFlag(22, true);
    status.SetInException(true);
    status.SetAlarmPresent(true);

    auto again = statusOf(d->Interface().UnifexObjects().Item("Sensor[2]"));
    for (int i = 0; i < kStatusFlagCount; ++i)
        EXPECT_EQ(again.Flag(i), i == 17 || i == 22) << statusFlagNames()[static_cast<size_t>(i)];
    EXPECT_TRUE(again.InException());
    EXPECT_TRUE(again.AlarmPresent());
    EXPECT_FALSE(statusOf(blocks.Item("Sensor[1]")).InException()) << "other blocks untouched";

    again.Clear();
    EXPECT_FALSE(again.Flag("in_alarm"));
    EXPECT_FALSE(again.AlarmPresent());
    EXPECT_THROW(again.Flag("no_such_flag"), platform::Error);
    EXPECT_THROW(again.SetFlag(23, true), platform::Error);
}

TEST_F(ObjectStatusTest, AlarmRecordIsStoredPerBlock) {
    auto d = addDevice("MBX 1", 9);
    auto block = d->Interface().UnifexObjects().Item("Sensor[0]");
    EXPECT_EQ(alarmOf(block).AlarmType(), 0);
    alarmOf(block).set({9, "18.0", "Room 1.12", 1, 2, "2026-12-10 13:00:00", "16.5"});
    auto alarm = alarmOf(d->Interface().UnifexObjects().Item("Sensor[0]"));
    EXPECT_EQ(alarm.AlarmType(), 9);
    EXPECT_EQ(alarm.LimitValue(), "18.0");
    EXPECT_EQ(alarm.Location(), "Room 1.12");
    EXPECT_EQ(alarm.ObjectId(), 1);
    EXPECT_EQ(alarm.PriorityLevel(), 2);
    EXPECT_EQ(alarm.TimeStamp(), "2026-12-10 13:00:00");
    EXPECT_EQ(alarm.Value(), "16.5");
    EXPECT_EQ(alarmOf(d->Interface().UnifexObjects().Item("Sensor[1]")).AlarmType(), 0);
}

}  // namespace
}  // namespace netdb::sim::testing
