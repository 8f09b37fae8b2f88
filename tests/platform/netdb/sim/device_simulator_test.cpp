// The simulated MBX-440 on the virtual clock: telegrams, sensor alarms, learn-in, latency and
// injected faults, with the settings written to the database as another process writes them.

#include "tests/platform/netdb/sim/sim_fixture.h"

namespace netdb::sim::testing {
namespace {

using platform::Error;

class DeviceSimulatorTest : public SimTest {};

TEST_F(DeviceSimulatorTest, TelegramsSetTheChannelsOutputs) {
    auto d = addDevice("MBX 1", 9);
    startSimulator();
    sim->telegram(*d, 2, {"23.5", "21.0", "SET_ON 50.0 0.0", "100.0 1"});
    EXPECT_EQ(value(*d, nvoHvacTemp(2)), "23,50");
    EXPECT_EQ(value(*d, nvoSetpoint(2)), "21,00");
    EXPECT_EQ(value(*d, nvoMultiOut1(2)), "SET_ON 50,0 0,0");
    EXPECT_EQ(value(*d, nvoMultiOut2(2)), "100,0 1");
    EXPECT_EQ(value(*d, nvoHvacTemp(1)), "0,00") << "other channels keep their values";

    // A value the output's type refuses names the variable.
    try {
        sim->telegram(*d, 0, {"400", {}, {}, {}});
        FAIL() << "out of range accepted";
    } catch (const Error& e) {
        EXPECT_NE(e.description.find("nvoHVACTemp_1"), std::string::npos) << e.description;
    }
}

TEST_F(DeviceSimulatorTest, SensorsWithAnIdSendEveryTelegramPeriod) {
    auto d = addDevice("MBX 1", 9);
    setCp(*d, sensorIdRef(0), "1,2,3,4");
    startSimulator();
    configure(*d, [](DeviceSettings& s) { s.telegramMs = 10000; });
    loop.advance(9000);
    EXPECT_EQ(value(*d, nvoHvacTemp(0)), "0,00");
    loop.advance(1000);
    std::string first = value(*d, nvoHvacTemp(0));
    EXPECT_NE(first, "0,00");
    EXPECT_EQ(value(*d, nvoHvacTemp(1)), "0,00") << "a channel without a sensor sends nothing";
    EXPECT_NE(value(*d, nvoMultiOut1(0)), "SET_OFF 0,0 0,0") << "multi outputs in their type";
    loop.advance(10000);
    EXPECT_NE(value(*d, nvoHvacTemp(0)), first) << "the temperature moves";
}

TEST_F(DeviceSimulatorTest, EachKindOfSensorSendsItsOwnOutputs) {
    auto d = addDevice("MBX 1", 9);
    setCp(*d, sensorIdRef(0), "1,2,3,4");
    setCp(*d, "F:1/C:3:42", "7");  // temperature sensor
    setCp(*d, sensorIdRef(1), "1,2,3,5");
    setCp(*d, "F:2/C:3:42", "6");  // window contact
    startSimulator();
    configure(*d, [](DeviceSettings& s) { s.telegramMs = 5000; });
    loop.advance(5000);
    EXPECT_NE(value(*d, nvoHvacTemp(0)), "0,00");
    EXPECT_NE(value(*d, nvoSetpoint(0)), "0,00");
    EXPECT_EQ(value(*d, nvoMultiOut1(0)), "SET_OFF 0,0 0,0");
    EXPECT_EQ(value(*d, nvoHvacTemp(1)), "0,00");
    EXPECT_EQ(value(*d, nvoMultiOut1(1)), "SET_ON 100,0 0,0");
    EXPECT_EQ(value(*d, nvoMultiOut2(1)), "0,0 0") << "a contact has one output";
}

TEST_F(DeviceSimulatorTest, AlarmBitRisesAfterTheReceiveTimeAndClearsOnTheNextTelegram) {
    auto d = addDevice("MBX 1", 9);
    setCp(*d, "F:0/C:3:43", "2");  // two minutes
    for (int k : {0, 3}) setCp(*d, sensorIdRef(k), "1,2,3," + std::to_string(k + 1));
    startSimulator();
    configure(*d, [](DeviceSettings& s) { s.telegramMs = 30000; });
    settings().setSilenced(d->id(), 3, true);

    loop.advance(119000);
    EXPECT_EQ(value(*d, kNvoAlarmSensor), stateText({}));
    loop.advance(1000);
    EXPECT_EQ(value(*d, kNvoAlarmSensor), stateText({3}))
        << "only the silenced channel with a sensor; channels without one never alarm";
    loop.advance(60000);
    EXPECT_EQ(value(*d, kNvoAlarmSensor), stateText({3}));

    // Talking again, the sensor sends at once.
    settings().setSilenced(d->id(), 3, false);
    EXPECT_EQ(value(*d, kNvoAlarmSensor), stateText({3}));
    loop.advance(1000);
    EXPECT_EQ(value(*d, kNvoAlarmSensor), stateText({}));

    // A telegram sent by hand clears the bit at once.
    settings().setSilenced(d->id(), 0, true);
    loop.advance(150000);
    EXPECT_EQ(value(*d, kNvoAlarmSensor), stateText({0}));
    sim->telegram(*d, 0, {"20.0", {}, {}, {}});
    EXPECT_EQ(value(*d, kNvoAlarmSensor), stateText({}));
}

TEST_F(DeviceSimulatorTest, ReceiveTimeZeroNeverAlarms) {
    auto d = addDevice("MBX 1", 9);
    setCp(*d, "F:0/C:3:43", "1");
    setCp(*d, sensorIdRef(0), "1,2,3,4");
    startSimulator();
    settings().setSilenced(d->id(), 0, true);
    loop.advance(60000);
    EXPECT_EQ(value(*d, kNvoAlarmSensor), stateText({0}));
    setCp(*d, "F:0/C:3:43", "0");
    loop.advance(1000);
    EXPECT_EQ(value(*d, kNvoAlarmSensor), stateText({}));
    loop.advance(5 * 60000);
    EXPECT_EQ(value(*d, kNvoAlarmSensor), stateText({}));
}

TEST_F(DeviceSimulatorTest, ASensorSilencedBeforeStartIsReportedAtOnce) {
    auto d = addDevice("MBX 1", 9);
    setCp(*d, sensorIdRef(5), "1,2,3,4");
    nv(*d, kNvoAlarmSensor)->SetValue(stateText({5}));
    settings().setSilenced(d->id(), 5, true);
    startSimulator();
    loop.advance(1000);
    EXPECT_EQ(value(*d, kNvoAlarmSensor), stateText({5}));
}

TEST_F(DeviceSimulatorTest, LearnInSetsTheLearntIdAndClearsTheBit) {
    auto d9 = addDevice("MBX 9", 9);
    auto d8 = addDevice("MBX 8", 8);
    startSimulator();
    for (auto& d : {d9, d8}) nv(*d, kNviLearn)->SetValue(stateText({2}));

    // A press from another process (qbx sim learn) is seen at the next update.
    settings().queuePress(d9->id(), 2, "01,8A,2B,3C");
    EXPECT_EQ(value(*d9, kNviLearn), stateText({2}));
    loop.advance(1000);
    EXPECT_EQ(value(*d9, kNviLearn), stateText({}));
    EXPECT_EQ(value(*d9, kNvoLearnId), "1,8a,2b,3c");

    // Variant 8 has no nvoLearnID: the bit alone tells the plug-in.
    EXPECT_TRUE(sim->pressLearnButton(*d8, 2, "5,6,7,8"));
    EXPECT_EQ(value(*d8, kNviLearn), stateText({}));
    EXPECT_THROW(nv(*d8, kNvoLearnId), Error);

    // A press while the device does not wait on that channel changes nothing.
    EXPECT_FALSE(sim->pressLearnButton(*d9, 4, "9,9,9,9"));
    EXPECT_EQ(value(*d9, kNvoLearnId), "1,8a,2b,3c");

    // The learnt sensor now sends on its channel.
    configure(*d8, [](DeviceSettings& s) { s.telegramMs = 5000; });
    loop.advance(5000);
    EXPECT_NE(value(*d8, nvoHvacTemp(2)), "0,00");
}

TEST_F(DeviceSimulatorTest, AutoPressAnswersALearnRequestAfterItsDelay) {
    auto d = addDevice("MBX 1", 9);
    startSimulator();
    configure(*d, [](DeviceSettings& s) { s.autoPressMs = 3000; });
    loop.advance(500);
    nv(*d, kNviLearn)->SetValue(stateText({0, 7}));
    loop.advance(2000);
    EXPECT_EQ(value(*d, kNviLearn), stateText({0, 7}));
    loop.advance(1000);
    EXPECT_EQ(value(*d, kNviLearn), stateText({}));
    EXPECT_NE(value(*d, kNvoLearnId), "0,0,0,0");
}

TEST_F(DeviceSimulatorTest, LatencyIsAddedToEveryAccess) {
    auto d = addDevice("MBX 1", 9);
    startSimulator();
    configure(*d, [](DeviceSettings& s) { s.latencyMs = 40; });
    value(*d, nvoHvacTemp(0));
    nv(*d, nvoHvacTemp(0))->SetValue("20,0");
    propertyByReference(*d, sensorIdRef(0))->Value();
    EXPECT_EQ(sim->latencyWaitedMs(), 120);
}

struct FaultCase {
    const char* name;
    Faults faults;
    std::vector<bool> readsOk;  // outcome of successive reads
    std::vector<bool> writesOk;
};

class InjectedFaults : public SimTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(InjectedFaults, FailAsConfigured) {
    const FaultCase& c = GetParam();
    auto d = addDevice("MBX 1", 9);
    startSimulator();
    configure(*d, [&](DeviceSettings& s) { s.faults = c.faults; });
    auto temp = nv(*d, nvoHvacTemp(0));
    for (size_t i = 0; i < c.readsOk.size(); ++i) {
        bool ok = true;
        try {
            temp->Value();
        } catch (const Error& e) {
            ok = false;
            EXPECT_EQ(e.number, platform::errc::kDevice);
            EXPECT_NE(e.description.find("\"MBX 1\""), std::string::npos) << e.description;
        }
        EXPECT_EQ(ok, c.readsOk[i]) << "read " << i + 1;
    }
    for (size_t i = 0; i < c.writesOk.size(); ++i) {
        bool ok = true;
        try {
            propertyByReference(*d, sensorIdRef(0))->SetValue("1,2,3," + std::to_string(i + 1));
        } catch (const Error&) {
            ok = false;
        }
        EXPECT_EQ(ok, c.writesOk[i]) << "write " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, InjectedFaults,
    ::testing::Values(
        FaultCase{"EveryThirdRead",
                  {.readEvery = 3},
                  {true, true, false, true, true, false},
                  {true, true}},
        FaultCase{"EverySecondWrite", {.writeEvery = 2}, {true, true}, {true, false, true, false}},
        FaultCase{"AlwaysFailingWrites", {.writeProbability = 1}, {true}, {false, false}},
        FaultCase{"NoAnswer", {.noAnswer = true}, {false, false}, {false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeviceSimulatorTest, AFailedWriteLeavesTheValueAndAProbabilityFailsSomeAccesses) {
    auto d = addDevice("MBX 1", 9);
    startSimulator();
    auto id = propertyByReference(*d, sensorIdRef(0));
    configure(*d, [](DeviceSettings& s) { s.faults.writeEvery = 1; });
    EXPECT_THROW(id->SetValue("1,2,3,4"), Error);
    configure(*d, [](DeviceSettings& s) { s = {}; });
    EXPECT_EQ(id->Value(), "0,0,0,0");

    configure(*d, [](DeviceSettings& s) { s.faults.readProbability = 0.5; });
    int failed = 0;
    for (int i = 0; i < 200; ++i) {
        try {
            id->Value();
        } catch (const Error&) {
            ++failed;
        }
    }
    EXPECT_GT(failed, 60);
    EXPECT_LT(failed, 140);
}

TEST_F(DeviceSimulatorTest, ADeviceNotOnlineRefusesItsVariablesButNotItsProperties) {
    auto d = addDevice("MBX 1", 9);
    startSimulator();
    d->SetStateCode(6);
    try {
        value(*d, nvoHvacTemp(0));
        FAIL();
    } catch (const Error& e) {
        EXPECT_NE(e.description.find("not configured and online"), std::string::npos)
            << e.description;
    }
    EXPECT_EQ(propertyByReference(*d, sensorIdRef(0))->Value(), "0,0,0,0");
    d->SetStateCode(4);
    EXPECT_EQ(value(*d, nvoHvacTemp(0)), "0,00");
}

TEST_F(DeviceSimulatorTest, SettingsAreCheckedAndChannelsNamed) {
    auto d = addDevice("MBX 1", 9);
    DeviceSettings bad;
    bad.faults.readProbability = 1.5;
    EXPECT_THROW(settings().setDevice(d->id(), bad), Error);
    EXPECT_THROW(settings().setSilenced(d->id(), 9, true), Error);
    EXPECT_THROW(settings().queuePress(d->id(), -1, "1,2,3,4"), Error);
}

}  // namespace
}  // namespace netdb::sim::testing
