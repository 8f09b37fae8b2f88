// qbx device add|list|show.
#include <iostream>

#include "platform/core/error.h"
#include "platform/netdb/platform_home.h"
#include "tools/qbx/cli.h"

namespace qbx {
namespace {

int add(Context& ctx, const Args& args) {
    args.expect(4, 4);
    const std::string* variantText = args.option("variant");
    if (!variantText) throw UsageError("missing --variant 8|9|13");
    const netdb::XifVariant* variant = netdb::xifVariant(toInt(*variantText, "--variant"));
    if (!variant) throw UsageError("--variant is 8, 9 or 13, not " + *variantText);
    int state = args.option("state") ? toInt(*args.option("state"), "--state") : 4;

    auto sys = ctx.openSystem(args.at(1, "the network"));
    const std::string& subName = args.at(2, "the subsystem");
    const std::string& devName = args.at(3, "the device name");
    std::shared_ptr<netdb::AppDevice> dev;
    // One transaction: a failure leaves no template, subsystem or device behind.
    ctx.server().store()->db().transaction([&] {
        auto tmpl = netdb::variantTemplate(*sys, ctx.home(), *variant);
        auto subs = sys->Subsystems();
        auto sub = subs.find(subName);
        if (!sub) sub = subs.Add(subName);
        dev = sub->AppDevices().Add(devName, tmpl);
        dev->SetStateCode(state);
        dev->SetCommissioned(!args.flag("uncommissioned"));
    });
    if (args.json())
        printJson(
            {{"name", dev->Name()}, {"nodeId", dev->NodeId()}, {"programId", dev->ProgramId()}});
    else
        std::cout << "Device \"" << dev->Name() << "\" added, node ID " << dev->NodeId() << "\n";
    return 0;
}

nlohmann::json summary(netdb::AppDevice& dev) {
    return {{"name", dev.Name()},
            {"subsystem", dev.Subsystems().Item(1)->Name()},
            {"nodeId", dev.NodeId()},
            {"programId", dev.ProgramId()},
            {"template", dev.Template()->Name()},
            {"stateCode", dev.StateCode()},
            {"stateUnavailable", dev.StateUnavailable()},
            {"commissioned", dev.Commissioned()}};
}

int list(Context& ctx, const Args& args) {
    args.expect(2, 2);
    auto sys = ctx.openSystem(args.at(1, "the network"));
    nlohmann::json out = nlohmann::json::array();
    for (auto& dev : sys->AppDevices().All()) {
        auto s = summary(*dev);
        if (args.json())
            out.push_back(s);
        else
            std::cout << s["subsystem"].get<std::string>() << "/" << dev->Name() << "  "
                      << dev->NodeId() << "  " << dev->ProgramId() << "  state " << dev->StateCode()
                      << (dev->Commissioned() ? "" : "  uncommissioned") << "\n";
    }
    if (args.json()) printJson(out);
    return 0;
}

nlohmann::json propertyJson(netdb::ConfigProperty& cp, const std::string& owner) {
    return {{"reference", cp.Reference()}, {"owner", owner},
            {"name", cp.Name()},           {"type", cp.Type()},
            {"elements", cp.Elements()},   {"value", cp.Value()}};
}

int show(Context& ctx, const Args& args) {
    args.expect(2, 2);
    auto dev = ctx.device(args.at(1, "the device path"));
    auto iface = dev->Interface();
    nlohmann::json props = nlohmann::json::array();
    for (auto& cp : iface.ConfigProperties().All()) props.push_back(propertyJson(*cp, "device"));
    for (auto& b : iface.UnifexObjects().All())
        for (auto& cp : b->ConfigProperties().All()) props.push_back(propertyJson(*cp, b->Name()));
    nlohmann::json vars = nlohmann::json::array();
    for (auto& nv : iface.NetworkVariables().All()) {
        for (auto& cp : nv->ConfigProperties().All())
            props.push_back(propertyJson(*cp, nv->Name()));
        vars.push_back({{"index", nv->Index()},
                        {"name", nv->Name()},
                        {"direction", nv->IsOutput() ? "output" : "input"},
                        {"type", nv->TypeName()},
                        {"owner", nv->Owner()},
                        {"connections", nv->Connections().Count()},
                        {"value", nv->Value()}});
    }
    // Properties in the order the references are read: the device's, the blocks', the variables'.
    std::stable_sort(props.begin(), props.end(), [](const auto& a, const auto& b) {
        auto rank = [](const std::string& r) { return r[0] == 'C' ? 0 : r[0] == 'F' ? 1 : 2; };
        return rank(a["reference"]) < rank(b["reference"]);
    });
    if (args.json()) {
        auto out = summary(*dev);
        out["properties"] = props;
        out["variables"] = vars;
        printJson(out);
        return 0;
    }
    auto s = summary(*dev);
    std::cout << s["subsystem"].get<std::string>() << "/" << dev->Name() << "  node ID "
              << dev->NodeId() << "  program ID " << dev->ProgramId() << "  state "
              << dev->StateCode() << (dev->Commissioned() ? "" : "  uncommissioned") << "\n"
              << "Properties (" << props.size() << "):\n";
    for (auto& p : props)
        std::cout << "  " << p["reference"].get<std::string>() << "  "
                  << p["owner"].get<std::string>() << "  " << p["name"].get<std::string>() << " = "
                  << p["value"].get<std::string>() << "\n";
    std::cout << "Variables (" << vars.size() << "):\n";
    for (auto& v : vars)
        std::cout << "  " << v["index"].get<int>() << "  " << v["name"].get<std::string>() << " = "
                  << v["value"].get<std::string>()
                  << (v["connections"].get<int>() ? "  (bound)" : "") << "\n";
    return 0;
}

}  // namespace

int runDevice(Context& ctx, const Args& args) {
    const std::string& verb = args.at(0, "add, list or show");
    if (verb == "add") return add(ctx, args);
    if (verb == "list") return list(ctx, args);
    if (verb == "show") return show(ctx, args);
    throw UsageError("unknown device command \"" + verb + "\"");
}

}  // namespace qbx
