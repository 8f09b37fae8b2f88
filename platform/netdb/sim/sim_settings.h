#pragma once
// The simulator's settings in the network database, so that `qbx sim ...` in another process
// acts on the devices of a running plug-in: per device the latency, the injected faults, the
// auto-press delay, the telegram period and the silenced channels; the learn-button presses
// waiting to be seen by the device; and the sensor each channel has learnt. The tables are
// created on first use.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/sqlite_db.h"

namespace netdb::sim {

struct Faults {
    int readEvery = 0;            // every n-th read fails (0: none)
    int writeEvery = 0;           // every n-th write fails (0: none)
    double readProbability = 0;   // each read fails with this probability (0 to 1)
    double writeProbability = 0;  // each write fails with this probability (0 to 1)
    bool noAnswer = false;        // the device stops answering: every access fails
    bool operator==(const Faults&) const = default;
};

struct DeviceSettings {
    int latencyMs = 0;  // added to every read and write
    Faults faults;
    int autoPressMs = 0;     // a learn request is answered by a press after this delay (0: off)
    int telegramMs = 60000;  // how often each sending sensor sends a telegram (0: never)
    uint32_t silenced = 0;   // bit k: channel k's sensor has stopped sending
    bool operator==(const DeviceSettings&) const = default;
};

struct LearnPress {
    int channel;
    std::string sensorId;  // canonical UNVT_str_hex4 text
};

class SimSettings {
  public:
    explicit SimSettings(platform::SqliteDb& db);  // creates the tables when missing
    // For callers on a hot path that created the tables before.
    struct TablesExist {};
    SimSettings(platform::SqliteDb& db, TablesExist) : db_(db) {}

    DeviceSettings device(int64_t deviceId);
    void setDevice(int64_t deviceId, const DeviceSettings& settings);
    void setSilenced(int64_t deviceId, int channel, bool silenced);

    // A press of a sensor's learn button for a channel, seen by the device's next update.
    void queuePress(int64_t deviceId, int channel, const std::string& sensorId);
    // The presses waiting for a device, oldest first, removed from the database.
    std::vector<LearnPress> takePresses(int64_t deviceId);

    // The sensor a channel has learnt by its button ("" when none was learnt so).
    std::string learntSensor(int64_t deviceId, int channel);
    void setLearntSensor(int64_t deviceId, int channel, const std::string& sensorId);
    // Every learnt sensor of a device: channel and ID.
    std::vector<std::pair<int, std::string>> learntSensors(int64_t deviceId);

    static void createTables(platform::SqliteDb& db);

  private:
    platform::SqliteDb& db_;
};

// A channel number 0 to 8, or an Error that names the bad text.
int channelNumber(int channel);

}  // namespace netdb::sim
