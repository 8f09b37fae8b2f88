// qbx sim ...: plays the sensors and the field bus of the simulated devices. The settings go to
// the network database, where the simulator of the process that has the network open (the
// plug-in) reads them, so a second terminal can act on a running plug-in's devices.
#include <iostream>
#include <sstream>

#include "platform/core/error.h"
#include "platform/netdb/sim/object_status.h"
#include "platform/netdb/sim/sim_settings.h"
#include "platform/netdb/values/value_types.h"
#include "tools/qbx/cli.h"

namespace qbx {
namespace {
using netdb::sim::DeviceSettings;
using netdb::sim::SimSettings;

SimSettings settingsOf(Context& ctx) { return SimSettings(ctx.server().store()->db()); }

int channelArg(const Args& args, size_t i) {
    int c = toInt(args.at(i, "the channel"), "the channel");
    if (c < 0 || c > 8) throw UsageError("the channel is 0 to 8, not " + std::to_string(c));
    return c;
}

double probabilityArg(const std::string& text, const char* what) {
    size_t used = 0;
    double p = -1;
    try {
        p = std::stod(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || !(p >= 0 && p <= 1))
        throw UsageError(std::string(what) + " is a number from 0 to 1, not \"" + text + "\"");
    return p;
}

bool onOff(const std::string& text, const char* what) {
    if (text == "on") return true;
    if (text == "off") return false;
    throw UsageError(std::string(what) + " is on or off, not \"" + text + "\"");
}

nlohmann::json settingsJson(const DeviceSettings& s) {
    nlohmann::json silenced = nlohmann::json::array();
    for (int k = 0; k < 9; ++k)
        if (s.silenced >> k & 1) silenced.push_back(k);
    return {{"latencyMs", s.latencyMs},
            {"failReadEvery", s.faults.readEvery},
            {"failWriteEvery", s.faults.writeEvery},
            {"failReadProbability", s.faults.readProbability},
            {"failWriteProbability", s.faults.writeProbability},
            {"noAnswer", s.faults.noAnswer},
            {"autoPressMs", s.autoPressMs},
            {"telegramMs", s.telegramMs},
            {"silencedChannels", silenced}};
}

void report(const Args& args, const nlohmann::json& record, const std::string& text) {
    if (args.json())
        printJson(record);
    else
        std::cout << text << "\n";
}

int learn(Context& ctx, const Args& args) {
    args.expect(4, 4);
    auto dev = ctx.device(args.at(1, "the device path"));
    int channel = channelArg(args, 2);
    std::string id = netdb::values::parse("UNVT_str_hex4", args.at(3, "the sensor ID"), '.');
    settingsOf(ctx).queuePress(dev->id(), channel, id);
    report(args, {{"device", dev->Name()}, {"channel", channel}, {"sensorId", id}},
           "Learn button of sensor " + id + " pressed for channel " + std::to_string(channel) +
               " of \"" + dev->Name() +
               "\"; the device takes it within a second if it is waiting for a sensor there");
    return 0;
}

int silence(Context& ctx, const Args& args, bool silent) {
    args.expect(3, 3);
    auto dev = ctx.device(args.at(1, "the device path"));
    int channel = channelArg(args, 2);
    settingsOf(ctx).setSilenced(dev->id(), channel, silent);
    report(args, settingsJson(settingsOf(ctx).device(dev->id())),
           "The sensor of channel " + std::to_string(channel) + " of \"" + dev->Name() +
               (silent ? "\" stopped sending" : "\" sends again"));
    return 0;
}

int state(Context& ctx, const Args& args) {
    args.expect(3, 3);
    auto dev = ctx.device(args.at(1, "the device path"));
    dev->SetStateCode(toInt(args.at(2, "the state code"), "the state code"));
    if (auto* u = args.option("unavailable")) dev->SetStateUnavailable(onOff(*u, "--unavailable"));
    if (auto* c = args.option("commissioned")) dev->SetCommissioned(onOff(*c, "--commissioned"));
    report(args,
           {{"device", dev->Name()},
            {"stateCode", dev->StateCode()},
            {"stateUnavailable", dev->StateUnavailable()},
            {"commissioned", dev->Commissioned()}},
           "\"" + dev->Name() + "\": state " + std::to_string(dev->StateCode()) +
               (dev->StateUnavailable() ? ", state unavailable" : "") +
               (dev->Commissioned() ? "" : ", not commissioned"));
    return 0;
}

// qbx sim fault PATH [options]: without options it shows the settings.
int fault(Context& ctx, const Args& args) {
    args.expect(2, 2);
    auto dev = ctx.device(args.at(1, "the device path"));
    SimSettings settings = settingsOf(ctx);
    DeviceSettings s = settings.device(dev->id());
    auto& f = s.faults;
    if (args.flag("reset")) {
        f = {};
        s.latencyMs = 0;
    }
    if (auto* v = args.option("latency")) s.latencyMs = toInt(*v, "--latency");
    if (auto* v = args.option("fail-read-every")) f.readEvery = toInt(*v, "--fail-read-every");
    if (auto* v = args.option("fail-write-every")) f.writeEvery = toInt(*v, "--fail-write-every");
    if (auto* v = args.option("fail-read-probability"))
        f.readProbability = probabilityArg(*v, "--fail-read-probability");
    if (auto* v = args.option("fail-write-probability"))
        f.writeProbability = probabilityArg(*v, "--fail-write-probability");
    if (auto* v = args.option("answer")) f.noAnswer = !onOff(*v, "--answer");
    if (auto* v = args.option("auto-press")) s.autoPressMs = toInt(*v, "--auto-press");
    if (auto* v = args.option("telegram-period")) s.telegramMs = toInt(*v, "--telegram-period");
    settings.setDevice(dev->id(), s);
    std::ostringstream text;
    text << "\"" << dev->Name() << "\": latency " << s.latencyMs << " ms, failing reads every "
         << f.readEvery << " / with probability " << f.readProbability << ", failing writes every "
         << f.writeEvery << " / with probability " << f.writeProbability
         << (f.noAnswer ? ", not answering" : ", answering") << ", auto-press " << s.autoPressMs
         << " ms, telegrams every " << s.telegramMs << " ms";
    report(args, settingsJson(s), text.str());
    return 0;
}

std::shared_ptr<netdb::UnifexObject> blockArg(netdb::AppDevice& dev, const std::string& text) {
    auto blocks = dev.Interface().UnifexObjects();
    if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos)
        return blocks.Item(toInt(text, "the block position") + 1);
    return blocks.Item(text);
}

void applyFlags(netdb::ObjectStatus& status, const std::string& list, bool on) {
    std::stringstream in(list);
    std::string name;
    while (std::getline(in, name, ','))
        if (!name.empty()) status.SetFlag(std::string_view(name), on);
}

// qbx sim status PATH BLOCK [--set FLAGS] [--clear FLAGS] [--reset] [--exception on|off]
// [--alarm-present on|off] [--alarm-type N] ...: changes and shows a block's status and alarm.
int status(Context& ctx, const Args& args) {
    args.expect(3, 3);
    auto dev = ctx.device(args.at(1, "the device path"));
    auto block = blockArg(*dev, args.at(2, "the block"));
    auto st = netdb::statusOf(block);
    auto alarm = netdb::alarmOf(block);
    ctx.server().store()->db().transaction([&] {
        if (args.flag("reset")) st.Clear();
        if (auto* v = args.option("set")) applyFlags(st, *v, true);
        if (auto* v = args.option("clear")) applyFlags(st, *v, false);
        if (auto* v = args.option("exception")) st.SetInException(onOff(*v, "--exception"));
        if (auto* v = args.option("alarm-present"))
            st.SetAlarmPresent(onOff(*v, "--alarm-present"));
        auto r = alarm.record();
        bool changed = false;
        auto text = [&](const char* opt, std::string& field) {
            if (auto* v = args.option(opt)) field = *v, changed = true;
        };
        auto number = [&](const char* opt, int& field) {
            if (auto* v = args.option(opt)) field = toInt(*v, opt), changed = true;
        };
        number("alarm-type", r.alarmType);
        number("alarm-priority", r.priorityLevel);
        number("alarm-object-id", r.objectId);
        text("alarm-limit", r.limitValue);
        text("alarm-value", r.value);
        text("alarm-location", r.location);
        text("alarm-time", r.timeStamp);
        if (changed) alarm.set(r);
    });
    nlohmann::json flags = nlohmann::json::array();
    for (int i = 0; i < netdb::kStatusFlagCount; ++i)
        if (st.Flag(i)) flags.push_back(std::string(netdb::statusFlagNames()[size_t(i)]));
    auto r = alarm.record();
    nlohmann::json record = {{"block", block->Name()},
                             {"flags", flags},
                             {"inException", st.InException()},
                             {"alarmPresent", st.AlarmPresent()},
                             {"alarm",
                              {{"type", r.alarmType},
                               {"limitValue", r.limitValue},
                               {"location", r.location},
                               {"objectId", r.objectId},
                               {"priorityLevel", r.priorityLevel},
                               {"timeStamp", r.timeStamp},
                               {"value", r.value}}}};
    std::string text = block->Name() + ": flags " + (flags.empty() ? "none" : flags.dump()) +
                       (st.InException() ? ", in exception" : ", normal") +
                       (st.AlarmPresent() ? ", alarm type " + std::to_string(r.alarmType) : "");
    report(args, record, text);
    return 0;
}

}  // namespace

int runSim(Context& ctx, const Args& args) {
    const std::string& verb = args.at(0, "learn, silence, talk, state, fault or status");
    if (verb == "learn") return learn(ctx, args);
    if (verb == "silence") return silence(ctx, args, true);
    if (verb == "talk") return silence(ctx, args, false);
    if (verb == "state") return state(ctx, args);
    if (verb == "fault") return fault(ctx, args);
    if (verb == "status") return status(ctx, args);
    throw UsageError("unknown sim command \"" + verb + "\"");
}

}  // namespace qbx
