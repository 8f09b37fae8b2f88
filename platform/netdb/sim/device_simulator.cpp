#include "platform/netdb/sim/device_simulator.h"

#include <chrono>
#include <thread>

#include "platform/core/error.h"
#include "platform/core/log.h"
#include "platform/netdb/app_device.h"
#include "platform/netdb/config_property.h"
#include "platform/netdb/object_server.h"
#include "platform/netdb/values/value_types.h"

namespace netdb::sim {
namespace errc = platform::errc;

namespace {
// Long enough ago that any receive time has run out.
constexpr int64_t kLongAgo = INT64_MIN / 4;
constexpr const char* kNoSensor = "0,0,0,0";

// The simulator's own reads and writes go straight to the database, past its own hook.
struct RawNv {
    std::string type, value, name;
};

std::optional<RawNv> nvRaw(platform::SqliteDb& db, int64_t deviceId, int index) {
    auto st = db.prepare(
        "SELECT type, value, name FROM nv WHERE holder_kind = ? AND holder_id = ? AND nv_index = "
        "?");
    st.bind(1, static_cast<int64_t>(Holder::Device)).bind(2, deviceId).bind(3, index);
    if (!st.step()) return std::nullopt;
    return RawNv{st.text(0), st.text(1), st.text(2)};
}

void setNvRaw(platform::SqliteDb& db, int64_t deviceId, int index, const std::string& canonical) {
    db.transaction([&] {
        db.prepare(
              "UPDATE nv SET value = ? WHERE holder_kind = ? AND holder_id = ? AND nv_index = ?")
            .bind(1, canonical)
            .bind(2, static_cast<int64_t>(Holder::Device))
            .bind(3, deviceId)
            .bind(4, index)
            .run();
    });
}

// The simulator creates its tables when it starts; every access reads its settings.
SimSettings settingsIn(platform::SqliteDb& db) {
    return SimSettings(db, SimSettings::TablesExist{});
}

// The values of one property (scope, type index) in every block of a device, by block position.
std::map<int, std::string> blockCpValues(platform::SqliteDb& db, int64_t deviceId, int scope,
                                         int typeIndex) {
    auto st = db.prepare(
        "SELECT owner_ref, value FROM cp WHERE holder_kind = ? AND holder_id = ?"
        " AND owner_kind = ? AND scope = ? AND type_index = ?");
    st.bind(1, static_cast<int64_t>(Holder::Device))
        .bind(2, deviceId)
        .bind(3, static_cast<int64_t>(CpOwner::Block))
        .bind(4, scope)
        .bind(5, typeIndex);
    std::map<int, std::string> out;
    while (st.step()) out[static_cast<int>(st.integer(0))] = st.text(1);
    return out;
}

std::string cpRaw(platform::SqliteDb& db, int64_t deviceId, const BlockProperty& p) {
    auto all = blockCpValues(db, deviceId, p.scope, p.typeIndex);
    auto it = all.find(p.block);
    return it == all.end() ? std::string() : it->second;
}

// The text of a generated multi-output value in the variable's current type; empty when the
// simulator has no value of that type to offer.
std::string multiOutText(const std::string& type, int n) {
    bool on = n % 2 == 0;
    if (type == "SNVT_setting") return on ? "SET_ON 100.0 0.0" : "SET_OFF 0.0 0.0";
    if (type == "SNVT_switch") return on ? "100.0 1" : "0.0 0";
    if (type == "SNVT_occupancy") return on ? "OC_OCCUPIED" : "OC_UNOCCUPIED";
    if (type == "SNVT_lev_percent" || type == "SNVT_lev_cont") return on ? "100.0" : "0.0";
    if (type == "SNVT_temp_p") return on ? "22.0" : "20.0";
    if (type == "SNVT_lux") return std::to_string(200 + 50 * (n % 10));
    return "";
}

std::string decimal(int tenths) {
    std::string s = std::to_string(tenths / 10) + "." + std::to_string(std::abs(tenths % 10));
    return tenths < 0 && tenths > -10 ? "-" + s : s;
}

// A telegram as a sensor of the channel's kind (UCPTdeviceType) sends it: room sensors a slowly
// moving temperature and a set point adjusted now and then; switches, contacts, handles and
// detectors their multi outputs, toggling (their values come per output type from
// applyTelegram). A kind the simulator does not know sends everything.
Telegram generatedTelegram(int deviceType, int channel, int n) {
    bool known = false, temperature = false, setpoint = false, out1 = false, out2 = false;
    switch (deviceType) {
        case 7:
            known = temperature = setpoint = true;
            break;  // temperature sensor
        case 701:
            known = temperature = out1 = true;
            break;  // humidity sensor
        case 705:
            known = temperature = out1 = out2 = true;
            break;  // multi sensor
        case 5:
        case 702:
        case 503:
            known = out1 = out2 = true;
            break;  // buttons, inputs, handle
        case 6:
        case 501:
        case 502:
        case 703:
        case 704:
            known = out1 = true;
            break;
        default:
            break;
    }
    Telegram t;
    if (!known || temperature) t.temperature = decimal(200 + (n * 7 + channel * 11) % 50);
    if (!known || setpoint) t.setpoint = decimal(200 + ((n / 3 + channel) % 5) * 5);
    if (!known || out1) t.multiOut1 = "";
    if (!known || out2) t.multiOut2 = "";
    return t;
}
// "", "2nd ", "3rd ", "4th ", ... as in "every 3rd read".
std::string ordinal(int n) {
    if (n == 1) return "";
    int tens = n % 100, ones = n % 10;
    const char* suffix = tens >= 11 && tens <= 13 ? "th"
                         : ones == 1              ? "st"
                         : ones == 2              ? "nd"
                         : ones == 3              ? "rd"
                                                  : "th";
    return std::to_string(n) + suffix + " ";
}
}  // namespace

bool stateBit(const std::string& canonical, int bit) {
    size_t pos = static_cast<size_t>(bit) * 2;
    return pos < canonical.size() && canonical[pos] == '1';
}

std::string withStateBit(std::string canonical, int bit, bool on) {
    size_t pos = static_cast<size_t>(bit) * 2;
    if (pos < canonical.size()) canonical[pos] = on ? '1' : '0';
    return canonical;
}

DeviceSimulator::DeviceSimulator(std::shared_ptr<Store> store, platform::EventLoop& loop)
    : store_(store), loop_(loop) {
    SimSettings::createTables(store->db());
}

DeviceSimulator::~DeviceSimulator() { stop(); }

Store& DeviceSimulator::store() const {
    auto s = store_.lock();
    if (!s)
        throw platform::Error(errc::kState, "netdb",
                              "The device simulator outlived its network database service");
    return *s;  // the service owns the store for as long as it has this simulator
}

std::shared_ptr<DeviceSimulator> DeviceSimulator::start(ObjectServer& server,
                                                        platform::EventLoop& loop) {
    auto sim = std::make_shared<DeviceSimulator>(server.store(), loop);
    server.SetDeviceBehaviour(sim);
    std::weak_ptr<DeviceSimulator> weak = sim;
    sim->timer_ = loop.addTimer(kTickMs, [weak] {
        if (auto s = weak.lock()) s->update();
    });
    sim->update();  // every device starts its clock now
    return sim;
}

void DeviceSimulator::stop() {
    if (timer_) loop_.removeTimer(timer_);
    timer_ = 0;
    for (auto id : pressTimers_) loop_.removeTimer(id);
    pressTimers_.clear();
}

DeviceSimulator::DeviceRun& DeviceSimulator::run(int64_t deviceId) {
    auto it = runs_.find(deviceId);
    if (it != runs_.end()) return it->second;
    auto& db = store().db();
    // A silenced channel that already reports its sensor silent stays so: the sensor stopped
    // sending before this process started.
    auto alarm = nvRaw(db, deviceId, kNvoAlarmSensor);
    uint32_t silenced = settingsIn(db).device(deviceId).silenced;
    DeviceRun& r = runs_[deviceId];
    r.random.seed(static_cast<uint32_t>(deviceId));
    int64_t now = loop_.nowMs();
    for (int k = 0; k < kChannels; ++k) {
        bool silentBefore = (silenced >> k & 1) && alarm && stateBit(alarm->value, k);
        r.lastHeard[k] = silentBefore ? kLongAgo : now;
        r.lastSent[k] = now;
        r.learnSince[k] = -1;
    }
    return r;
}

void DeviceSimulator::update() {
    auto s = store_.lock();
    if (updating_ || !s || !s->isOpen()) return;
    updating_ = true;
    try {
        std::vector<int64_t> devices;
        auto st = s->db().prepare("SELECT id, program_id FROM app_device ORDER BY id");
        while (st.step())
            if (isMbx440(st.text(1))) devices.push_back(st.integer(0));
        for (int64_t id : devices) {
            try {
                updateDevice(id);
            } catch (const platform::Error& e) {
                platform::logLine("sim", "Device " + std::to_string(id) + ": " + e.description);
            }
        }
    } catch (const platform::Error& e) {
        platform::logLine("sim",
                          "The device simulator could not read the devices: " + e.description);
    }
    updating_ = false;
}

void DeviceSimulator::updateDevice(int64_t deviceId) {
    DeviceRun& r = run(deviceId);
    SimSettings settings = settingsIn(store().db());
    DeviceSettings s = settings.device(deviceId);
    for (const LearnPress& p : settings.takePresses(deviceId))
        if (!completeLearn(deviceId, p.channel, p.sensorId))
            platform::logLine("sim", "A learn button was pressed for channel " +
                                         std::to_string(p.channel) + " of device " +
                                         std::to_string(deviceId) +
                                         ", which is not waiting for a sensor there");
    watchLearnRequests(deviceId, s);
    int64_t now = loop_.nowMs();
    if (s.telegramMs > 0) {
        uint32_t sending = sensors(deviceId) & ~s.silenced;
        std::map<int, std::string> kinds;
        for (int k = 0; k < kChannels; ++k) {
            if (!(sending >> k & 1) || now - r.lastSent[k] < s.telegramMs) continue;
            if (kinds.empty()) {
                BlockProperty p = deviceTypeProperty(0);
                kinds = blockCpValues(store().db(), deviceId, p.scope, p.typeIndex);
                kinds.emplace(-1, "");  // looked up
            }
            int kind = 0;
            try {
                kind = kinds.count(k + 1) ? std::stoi(kinds[k + 1]) : 0;
            } catch (const std::exception&) {
                kind = 0;
            }
            applyTelegram(deviceId, k, generatedTelegram(kind, k, r.telegrams[k]));
        }
    }
    updateAlarms(deviceId);
}

void DeviceSimulator::watchLearnRequests(int64_t deviceId, const DeviceSettings& s) {
    DeviceRun& r = run(deviceId);
    auto learn = nvRaw(store().db(), deviceId, kNviLearn);
    if (!learn) return;
    for (int c = 0; c < kChannels; ++c) {
        if (!stateBit(learn->value, c)) {
            r.learnSince[c] = -1;
            continue;
        }
        if (r.learnSince[c] >= 0) continue;
        r.learnSince[c] = loop_.nowMs();
        if (s.autoPressMs <= 0) continue;
        std::weak_ptr<DeviceSimulator> weak = weak_from_this();
        auto id = std::make_shared<platform::EventLoop::Id>(0);
        *id = loop_.addTimer(
            s.autoPressMs,
            [weak, id, deviceId, c] {
                if (auto self = weak.lock()) {
                    self->pressTimers_.erase(*id);
                    self->autoPress(deviceId, c);
                }
            },
            true);
        pressTimers_.insert(*id);
    }
}

void DeviceSimulator::autoPress(int64_t deviceId, int channel) {
    // A sensor ID of this device and channel, the same on every run.
    char id[32];
    std::snprintf(id, sizeof id, "5,%x,%x,%x", 0x80 + channel,
                  static_cast<unsigned>((deviceId >> 8) & 0xff),
                  static_cast<unsigned>(deviceId & 0xff));
    try {
        completeLearn(deviceId, channel, id);  // nothing when the request was withdrawn
    } catch (const platform::Error& e) {
        platform::logLine("sim", "The automatic learn button press failed: " + e.description);
    }
}

bool DeviceSimulator::completeLearn(int64_t deviceId, int channel, const std::string& sensorId) {
    channelNumber(channel);
    auto& db = store().db();
    std::string canonical = values::parse("UNVT_str_hex4", sensorId, '.');
    auto learn = nvRaw(db, deviceId, kNviLearn);
    if (!learn || !stateBit(learn->value, channel)) return false;
    // The learnt ID first, so that whoever sees the bit cleared finds the ID already there.
    if (nvRaw(db, deviceId, kNvoLearnId)) setNvRaw(db, deviceId, kNvoLearnId, canonical);
    setNvRaw(db, deviceId, kNviLearn, withStateBit(learn->value, channel, false));
    settingsIn(db).setLearntSensor(deviceId, channel, canonical);
    DeviceRun& r = run(deviceId);
    r.learnSince[channel] = -1;
    r.lastHeard[channel] = loop_.nowMs();  // the learn telegram is a telegram too
    updateAlarms(deviceId);
    return true;
}

uint32_t DeviceSimulator::sensors(int64_t deviceId) {
    // A learnt sensor counts over the ID in the block's property: variant 8 learns a sensor the
    // database does not know of until the device is recommissioned.
    auto& db = store().db();
    std::string ids[kChannels];
    BlockProperty p = sensorIdProperty(0);
    for (auto& [block, id] : blockCpValues(db, deviceId, p.scope, p.typeIndex))
        if (block >= 1 && block <= kChannels) ids[block - 1] = id;
    for (auto& [k, id] : settingsIn(db).learntSensors(deviceId))
        if (k >= 0 && k < kChannels) ids[k] = id;
    uint32_t mask = 0;
    for (int k = 0; k < kChannels; ++k)
        if (!ids[k].empty() && ids[k] != kNoSensor) mask |= 1u << k;
    return mask;
}

void DeviceSimulator::applyTelegram(int64_t deviceId, int channel, const Telegram& t) {
    auto& db = store().db();
    DeviceRun& r = run(deviceId);
    int n = r.telegrams[channel]++;
    auto set = [&](int index, const std::optional<std::string>& text) {
        if (!text) return;
        auto nv = nvRaw(db, deviceId, index);
        if (!nv) return;
        std::string value = text->empty() ? multiOutText(nv->type, n) : *text;
        if (value.empty()) return;
        try {
            setNvRaw(db, deviceId, index, values::parse(nv->type, value, '.'));
        } catch (const platform::Error& e) {
            throw platform::Error(
                e.number, "netdb",
                "The telegram value for " + nv->name + " is refused: " + e.description);
        }
    };
    set(nvoHvacTemp(channel), t.temperature);
    set(nvoSetpoint(channel), t.setpoint);
    set(nvoMultiOut1(channel), t.multiOut1);
    set(nvoMultiOut2(channel), t.multiOut2);
    r.lastHeard[channel] = r.lastSent[channel] = loop_.nowMs();
    updateAlarms(deviceId);
}

void DeviceSimulator::updateAlarms(int64_t deviceId) {
    auto& db = store().db();
    auto alarm = nvRaw(db, deviceId, kNvoAlarmSensor);
    if (!alarm) return;
    std::string rcv = cpRaw(db, deviceId, kRcvTime);
    int64_t minutes = 0;
    try {
        minutes = rcv.empty() ? 0 : std::stoll(rcv);
    } catch (const std::exception&) {
        minutes = 0;
    }
    DeviceRun& r = run(deviceId);
    int64_t now = loop_.nowMs();
    uint32_t known = minutes > 0 ? sensors(deviceId) : 0;
    std::string value = alarm->value;
    for (int k = 0; k < kChannels; ++k) {
        bool silent = (known >> k & 1) && now - r.lastHeard[k] >= minutes * 60000;
        value = withStateBit(value, k, silent);
    }
    if (value != alarm->value) setNvRaw(db, deviceId, kNvoAlarmSensor, value);
}

void DeviceSimulator::telegram(const AppDevice& device, int channel, const Telegram& t) {
    channelNumber(channel);
    applyTelegram(device.id(), channel, t);
}

bool DeviceSimulator::pressLearnButton(const AppDevice& device, int channel,
                                       const std::string& sensorId) {
    return completeLearn(device.id(), channel, sensorId);
}

void DeviceSimulator::wait(int ms) {
    if (ms <= 0) return;
    if (loop_.isVirtual())
        waitedMs_ += ms;
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void DeviceSimulator::fail(const ValueAccess& a, const std::string& why) {
    bool nv = a.kind == ValueAccess::Kind::ReadNv || a.kind == ValueAccess::Kind::WriteNv;
    bool read = a.kind == ValueAccess::Kind::ReadNv || a.kind == ValueAccess::Kind::ReadCp;
    std::string what = nv ? "network variable " + std::to_string(a.nvIndex)
                          : "configuration property " + a.reference;
    throw platform::Error(errc::kDevice, "netdb",
                          std::string(read ? "Reading " : "Writing ") + what + " of the device \"" +
                              a.device.Name() + "\" failed: " + why);
}

void DeviceSimulator::beforeAccess(const ValueAccess& a) {
    int64_t id = a.device.id();
    DeviceSettings s = settingsIn(store().db()).device(id);
    bool read = a.kind == ValueAccess::Kind::ReadNv || a.kind == ValueAccess::Kind::ReadCp;
    bool nv = a.kind == ValueAccess::Kind::ReadNv || a.kind == ValueAccess::Kind::WriteNv;
    if (s.faults.noAnswer) {
        wait(s.latencyMs);
        fail(a, "the device does not answer");
    }
    if (nv) {
        int state = a.device.StateCode();
        if (state != 4 && state != 140)
            fail(a,
                 "the device is not configured and online (state " + std::to_string(state) + ")");
    }
    wait(s.latencyMs);
    DeviceRun& r = run(id);
    uint64_t count = read ? ++r.reads : ++r.writes;
    int every = read ? s.faults.readEvery : s.faults.writeEvery;
    if (every > 0 && count % static_cast<uint64_t>(every) == 0)
        fail(a, "no answer in time (a fault injected into every " + ordinal(every) +
                    (read ? "read)" : "write)"));
    double p = read ? s.faults.readProbability : s.faults.writeProbability;
    if (p > 0 && std::uniform_real_distribution<double>(0, 1)(r.random) < p)
        fail(a, "no answer in time (a fault injected with probability " + std::to_string(p) + ")");
}

void DeviceSimulator::afterWrite(const ValueAccess& a, const std::string&) {
    // A learn request starts its wait (and its auto-press delay) at the write, not a tick later.
    if (a.kind == ValueAccess::Kind::WriteNv && a.nvIndex == kNviLearn &&
        isMbx440(a.device.ProgramId()))
        watchLearnRequests(a.device.id(), settingsIn(store().db()).device(a.device.id()));
}

}  // namespace netdb::sim
