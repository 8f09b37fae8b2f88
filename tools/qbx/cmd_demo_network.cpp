// qbx demo-network [NAME]: a network of simulated MBX-440 devices to try the plug-in on: three
// subsystems, devices of all three variants with sensors of different kinds, some sensor IDs
// learnt, some multi outputs bound, one device offline, one not commissioned and one whose
// sensor stopped sending. The devices answer a learn request by themselves after five seconds.
#include <iostream>
#include <vector>

#include "platform/core/error.h"
#include "platform/netdb/platform_home.h"
#include "platform/netdb/sim/mbx_layout.h"
#include "platform/netdb/sim/sim_settings.h"
#include "tools/qbx/cli.h"

namespace qbx {
namespace {
namespace sim = netdb::sim;

struct DemoChannel {
    int channel;
    int deviceType;        // UCPTdeviceType: 7 temperature, 6 window contact, 5 push-button ...
    const char* sensorId;  // learnt ID
    const char* temperature = nullptr;
    const char* setpoint = nullptr;
};

struct DemoDevice {
    const char* subsystem;
    const char* name;
    int variant;
    int state = 4;  // configured online
    bool commissioned = true;
    std::vector<DemoChannel> channels;
    int silentChannel = -1;  // its sensor stopped sending
};

const std::vector<DemoDevice>& demoDevices() {
    static const std::vector<DemoDevice> devices = {
        {"Ground floor",
         "Office 0.01",
         9,
         4,
         true,
         {{0, 7, "1,8a,2b,3c", "21.4", "21.0"}, {1, 6, "1,8a,2b,40"}, {2, 5, "0,2e,11,7"}}},
        {"Ground floor",
         "Office 0.02",
         9,
         4,
         true,
         {{0, 7, "1,8a,2c,1", "22.1", "22.0"}, {1, 701, "1,8a,2c,2", "22.0"}}},
        {"Ground floor",
         "Reception",
         8,
         4,
         true,
         {{0, 705, "1,91,0,10", "20.8", "21.0"}, {1, 704, "1,91,0,11"}, {2, 502, "1,91,0,12"}}},
        {"First floor",
         "Office 1.01",
         13,
         4,
         true,
         {{0, 7, "1,a0,1,1", "21.9", "21.5"}, {1, 503, "1,a0,1,2"}}},
        {"First floor",
         "Office 1.02",
         13,
         4,
         true,
         {{0, 7, "1,a0,2,1", "23.2", "22.0"}, {1, 703, "1,a0,2,2"}}},
        {"First floor", "Corridor 1", 8, 6, true, {{0, 704, "1,a0,3,1"}}},
        {"Meeting rooms", "Meeting A", 9, 4, false, {}},
        {"Meeting rooms",
         "Meeting B",
         13,
         4,
         true,
         {{0, 7, "1,b0,0,1", "20.5", "21.0"}, {1, 501, "1,b0,0,2"}},
         1},
        {"Meeting rooms",
         "Meeting C",
         8,
         4,
         true,
         {{0, 7, "1,b0,1,1", "21.1", "21.0"}, {3, 5, "1,b0,1,4"}}},
    };
    return devices;
}

// Output variable (device, index) bound to input variable (device, index).
struct DemoBinding {
    const char* from;
    int output;
    const char* to;
    int input;
};
const std::vector<DemoBinding> kBindings = {
    {"Office 0.01", sim::nvoMultiOut1(1), "Office 0.02", 41 + 1},
    {"Office 1.01", sim::nvoMultiOut2(1), "Office 1.02", 50 + 1},
    {"Meeting B", sim::nvoMultiOut1(0), "Meeting C", 41},
};

constexpr int kAutoPressMs = 5000;
constexpr int kTelegramMs = 10000;

// A demo number written with the user's decimal separator.
std::string local(const char* text, char sep) {
    std::string s = text;
    for (char& c : s)
        if (c == '.') c = sep;
    return s;
}

}  // namespace

int runDemoNetwork(Context& ctx, const Args& args) {
    args.expect(0, 1);
    std::string name = args.size() ? args.at(0, "the network name") : "Demo";
    if (!std::filesystem::exists(netdb::Store::databaseFile(ctx.home())))
        netdb::initPlatformHome(ctx.home(), {});
    auto& server = ctx.server();
    auto networks = server.Networks();
    if (networks.find(name)) {
        if (!args.flag("replace"))
            throw platform::Error(
                platform::errc::kState, "qbx",
                "The network \"" + name + "\" exists already; use --replace to build it anew");
        networks.Remove(name);
    }
    auto& db = server.store()->db();
    char sep = server.store()->decimalSeparator();
    std::map<std::string, std::shared_ptr<netdb::AppDevice>> made;
    // One transaction: a failure leaves no half-built network behind.
    db.transaction([&] {
        networks.Add(name);
        auto sys = ctx.openSystem(name);
        sim::SimSettings settings(db);
        for (const DemoDevice& d : demoDevices()) {
            const netdb::XifVariant* v = netdb::xifVariant(d.variant);
            auto tmpl = netdb::variantTemplate(*sys, ctx.home(), *v);
            auto subs = sys->Subsystems();
            auto sub = subs.find(d.subsystem);
            if (!sub) sub = subs.Add(d.subsystem);
            auto dev = sub->AppDevices().Add(d.name, tmpl);
            made[d.name] = dev;
            auto nvs = dev->Interface().NetworkVariables();
            for (const DemoChannel& c : d.channels) {
                netdb::propertyByReference(*dev, sim::sensorIdRef(c.channel))->SetValue(c.sensorId);
                netdb::propertyByReference(*dev, "F:" + std::to_string(c.channel + 1) + "/C:3:42")
                    ->SetValue(std::to_string(c.deviceType));
                if (c.temperature)
                    nvs.Item(sim::nvoHvacTemp(c.channel))->SetValue(local(c.temperature, sep));
                if (c.setpoint)
                    nvs.Item(sim::nvoSetpoint(c.channel))->SetValue(local(c.setpoint, sep));
            }
            sim::DeviceSettings s;
            s.autoPressMs = kAutoPressMs;
            s.telegramMs = kTelegramMs;
            if (d.silentChannel >= 0) {
                s.silenced = 1u << d.silentChannel;
                // It stopped before anyone watched: the device reports it already.
                std::string alarm = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
                alarm[static_cast<size_t>(d.silentChannel) * 2] = '1';
                nvs.Item(sim::kNvoAlarmSensor)->SetValue(alarm);
            }
            settings.setDevice(dev->id(), s);
            dev->SetStateCode(d.state);
            dev->SetCommissioned(d.commissioned);
        }
        for (const DemoBinding& b : kBindings) {
            auto out = made.at(b.from)->Interface().NetworkVariables().Item(b.output);
            out->Connect(made.at(b.to)->Interface().NetworkVariables().Item(b.input));
        }
    });
    if (args.json()) {
        nlohmann::json list = nlohmann::json::array();
        for (const DemoDevice& d : demoDevices())
            list.push_back({{"subsystem", d.subsystem}, {"name", d.name}, {"variant", d.variant}});
        printJson({{"network", name}, {"devices", list}});
    } else {
        std::cout << "Network \"" << name << "\" built with " << demoDevices().size()
                  << " MBX-440 devices in 3 subsystems\n";
    }
    return 0;
}

}  // namespace qbx
