#pragma once
// The simulated MBX-440 devices of a network database: they stand in for the field bus in the
// process that has the network open, on its event loop's clock (virtual in tests).
//
//   auto sim = netdb::sim::DeviceSimulator::start(server);  // hooks into every value access
//
// Each channel whose sensor is known (a sensor ID in its block, or one learnt by its button)
// and not silenced sends a telegram every `telegramMs`; a telegram sets the channel's outputs.
// Bit k of `nvoAlarm_Sensor` is "1" while channel k has not sent for `UCPTenoceanRcvTm`
// minutes. A "1" written to bit c of `nviLearn` makes the device wait for a learn button; a
// press sets `nvoLearnID` (where the device has it) and writes the bit back to "0". Latency and
// faults apply to every read and write of a device's values. The settings come from the
// database (SimSettings), so another process (`qbx sim ...`) can change them.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>

#include "platform/core/event_loop.h"
#include "platform/netdb/device_behaviour.h"
#include "platform/netdb/sim/mbx_layout.h"
#include "platform/netdb/sim/sim_settings.h"
#include "platform/netdb/store.h"

namespace netdb {
class ObjectServer;
}

namespace netdb::sim {

// The values one telegram of a sensor reports, as text with "." as decimal point; a missing
// value leaves the output as it is.
struct Telegram {
    std::optional<std::string> temperature;  // nvoHVACTemp_n
    std::optional<std::string> setpoint;     // nvoSetpoint_n
    std::optional<std::string> multiOut1;    // nvoMultiOut_1_n, in its current type
    std::optional<std::string> multiOut2;    // nvoMultiOut_2_n
};

class DeviceSimulator : public DeviceBehaviour,
                        public std::enable_shared_from_this<DeviceSimulator> {
  public:
    // How often the simulator brings every device up to the clock.
    static constexpr int64_t kTickMs = 1000;

    DeviceSimulator(std::shared_ptr<Store> store, platform::EventLoop& loop);
    ~DeviceSimulator() override;

    // Creates a simulator for the service's devices, installs it as the service's device
    // behaviour and starts its timer on the loop. The service must be open.
    static std::shared_ptr<DeviceSimulator> start(
        ObjectServer& server, platform::EventLoop& loop = platform::EventLoop::instance());
    // Stops the timer (the service keeps the behaviour until it is replaced).
    void stop();

    // Brings every device up to the clock now: learn presses, auto-presses, telegrams, alarms.
    void update();

    // A telegram of a channel's sensor, now.
    void telegram(const AppDevice& device, int channel, const Telegram& t);
    // A press of a sensor's learn button for a channel, now. Returns false (and changes
    // nothing) when the device is not waiting for a sensor on that channel.
    bool pressLearnButton(const AppDevice& device, int channel, const std::string& sensorId);

    // On the virtual clock the latency of an access cannot pass while the caller waits; the
    // simulator adds it up here instead (on the real clock the access sleeps).
    int64_t latencyWaitedMs() const { return waitedMs_; }

    void beforeAccess(const ValueAccess& access) override;
    void afterWrite(const ValueAccess& access, const std::string& canonical) override;

  private:
    struct DeviceRun {
        int64_t lastHeard[kChannels];
        int64_t lastSent[kChannels];
        int64_t learnSince[kChannels];  // -1: not waiting
        int telegrams[kChannels] = {};
        uint64_t reads = 0, writes = 0;
        std::mt19937 random;
    };

    Store& store() const;
    DeviceRun& run(int64_t deviceId);
    void updateDevice(int64_t deviceId);
    void watchLearnRequests(int64_t deviceId, const DeviceSettings& s);
    void autoPress(int64_t deviceId, int channel);
    bool completeLearn(int64_t deviceId, int channel, const std::string& sensorId);
    void applyTelegram(int64_t deviceId, int channel, const Telegram& t);
    void updateAlarms(int64_t deviceId);
    uint32_t sensors(int64_t deviceId);  // bit k: channel k has a sensor
    void wait(int ms);
    [[noreturn]] void fail(const ValueAccess& access, const std::string& why);

    // Weak: the service owns the simulator as its behaviour.
    std::weak_ptr<Store> store_;
    platform::EventLoop& loop_;
    platform::EventLoop::Id timer_ = 0;
    std::set<platform::EventLoop::Id> pressTimers_;
    std::map<int64_t, DeviceRun> runs_;
    int64_t waitedMs_ = 0;
    bool updating_ = false;
};

// Bit k of a canonical SNVT_state text ("0 1 0 ..."), and the text with that bit changed.
bool stateBit(const std::string& canonical, int bit);
std::string withStateBit(std::string canonical, int bit, bool on);

}  // namespace netdb::sim
