#include "platform/netdb/sim/sim_settings.h"

#include "platform/core/error.h"
#include "platform/netdb/sim/mbx_layout.h"

namespace netdb::sim {

void SimSettings::createTables(platform::SqliteDb& db) {
    db.exec(R"sql(
CREATE TABLE IF NOT EXISTS sim_device(
  device_id INTEGER PRIMARY KEY REFERENCES app_device(id) ON DELETE CASCADE,
  latency_ms INTEGER NOT NULL DEFAULT 0,
  read_fail_every INTEGER NOT NULL DEFAULT 0, write_fail_every INTEGER NOT NULL DEFAULT 0,
  read_fail_probability REAL NOT NULL DEFAULT 0, write_fail_probability REAL NOT NULL DEFAULT 0,
  no_answer INTEGER NOT NULL DEFAULT 0, auto_press_ms INTEGER NOT NULL DEFAULT 0,
  telegram_ms INTEGER NOT NULL DEFAULT 60000, silenced INTEGER NOT NULL DEFAULT 0);
CREATE TABLE IF NOT EXISTS sim_press(
  id INTEGER PRIMARY KEY,
  device_id INTEGER NOT NULL REFERENCES app_device(id) ON DELETE CASCADE,
  channel INTEGER NOT NULL, sensor_id TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS sim_sensor(
  device_id INTEGER NOT NULL REFERENCES app_device(id) ON DELETE CASCADE,
  channel INTEGER NOT NULL, sensor_id TEXT NOT NULL, PRIMARY KEY(device_id, channel));
)sql");
}

SimSettings::SimSettings(platform::SqliteDb& db) : db_(db) { createTables(db_); }

DeviceSettings SimSettings::device(int64_t deviceId) {
    auto st = db_.prepare(
        "SELECT latency_ms, read_fail_every, write_fail_every, read_fail_probability,"
        " write_fail_probability, no_answer, auto_press_ms, telegram_ms, silenced"
        " FROM sim_device WHERE device_id = ?");
    st.bind(1, deviceId);
    DeviceSettings s;
    if (!st.step()) return s;
    s.latencyMs = static_cast<int>(st.integer(0));
    s.faults.readEvery = static_cast<int>(st.integer(1));
    s.faults.writeEvery = static_cast<int>(st.integer(2));
    s.faults.readProbability = st.real(3);
    s.faults.writeProbability = st.real(4);
    s.faults.noAnswer = st.integer(5) != 0;
    s.autoPressMs = static_cast<int>(st.integer(6));
    s.telegramMs = static_cast<int>(st.integer(7));
    s.silenced = static_cast<uint32_t>(st.integer(8));
    return s;
}

void SimSettings::setDevice(int64_t deviceId, const DeviceSettings& s) {
    auto check = [](bool ok, const std::string& what) {
        if (!ok) throw platform::Error(platform::errc::kInvalidValue, "netdb", what);
    };
    check(s.latencyMs >= 0, "The latency must not be negative");
    check(s.faults.readEvery >= 0 && s.faults.writeEvery >= 0,
          "A fault interval (every n-th access) must not be negative");
    check(s.faults.readProbability >= 0 && s.faults.readProbability <= 1 &&
              s.faults.writeProbability >= 0 && s.faults.writeProbability <= 1,
          "A fault probability must lie between 0 and 1");
    check(s.autoPressMs >= 0, "The auto-press delay must not be negative");
    check(s.telegramMs >= 0, "The telegram period must not be negative");
    db_.transaction([&] {
        db_.prepare(
               "INSERT OR REPLACE INTO sim_device(device_id, latency_ms, read_fail_every,"
               " write_fail_every, read_fail_probability, write_fail_probability, no_answer,"
               " auto_press_ms, telegram_ms, silenced) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
            .bind(1, deviceId)
            .bind(2, s.latencyMs)
            .bind(3, s.faults.readEvery)
            .bind(4, s.faults.writeEvery)
            .bind(5, s.faults.readProbability)
            .bind(6, s.faults.writeProbability)
            .bind(7, s.faults.noAnswer ? 1 : 0)
            .bind(8, s.autoPressMs)
            .bind(9, s.telegramMs)
            .bind(10, static_cast<int64_t>(s.silenced))
            .run();
    });
}

int channelNumber(int channel) {
    if (channel < 0 || channel >= kChannels)
        throw platform::Error(
            platform::errc::kInvalidValue, "netdb",
            "There is no sensor channel " + std::to_string(channel) + " (channels are 0 to 8)");
    return channel;
}

void SimSettings::setSilenced(int64_t deviceId, int channel, bool silenced) {
    channelNumber(channel);
    db_.transaction([&] {
        DeviceSettings s = device(deviceId);
        uint32_t bit = 1u << channel;
        s.silenced = silenced ? (s.silenced | bit) : (s.silenced & ~bit);
        setDevice(deviceId, s);
    });
}

void SimSettings::queuePress(int64_t deviceId, int channel, const std::string& sensorId) {
    channelNumber(channel);
    db_.transaction([&] {
        db_.prepare("INSERT INTO sim_press(device_id, channel, sensor_id) VALUES(?, ?, ?)")
            .bind(1, deviceId)
            .bind(2, channel)
            .bind(3, sensorId)
            .run();
    });
}

std::vector<LearnPress> SimSettings::takePresses(int64_t deviceId) {
    std::vector<LearnPress> out;
    // Cheap check first: the engine asks on every update, and presses are rare.
    auto any = db_.prepare("SELECT 1 FROM sim_press WHERE device_id = ? LIMIT 1");
    any.bind(1, deviceId);
    if (!any.step()) return out;
    db_.transaction([&] {
        auto st =
            db_.prepare("SELECT channel, sensor_id FROM sim_press WHERE device_id = ? ORDER BY id");
        st.bind(1, deviceId);
        while (st.step()) out.push_back({static_cast<int>(st.integer(0)), st.text(1)});
        db_.prepare("DELETE FROM sim_press WHERE device_id = ?").bind(1, deviceId).run();
    });
    return out;
}

std::string SimSettings::learntSensor(int64_t deviceId, int channel) {
    auto st = db_.prepare("SELECT sensor_id FROM sim_sensor WHERE device_id = ? AND channel = ?");
    st.bind(1, deviceId).bind(2, channel);
    return st.step() ? st.text(0) : std::string();
}

std::vector<std::pair<int, std::string>> SimSettings::learntSensors(int64_t deviceId) {
    std::vector<std::pair<int, std::string>> out;
    auto st = db_.prepare("SELECT channel, sensor_id FROM sim_sensor WHERE device_id = ?");
    st.bind(1, deviceId);
    while (st.step()) out.emplace_back(static_cast<int>(st.integer(0)), st.text(1));
    return out;
}

void SimSettings::setLearntSensor(int64_t deviceId, int channel, const std::string& sensorId) {
    db_.transaction([&] {
        db_.prepare(
               "INSERT OR REPLACE INTO sim_sensor(device_id, channel, sensor_id) VALUES(?, ?, ?)")
            .bind(1, deviceId)
            .bind(2, channel)
            .bind(3, sensorId)
            .run();
    });
}

}  // namespace netdb::sim
