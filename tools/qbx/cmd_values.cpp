// qbx cp get|set and qbx nv get|set|bind|unbind: values as formatted text.
#include <iostream>

#include "tools/qbx/cli.h"

namespace qbx {
namespace {

void printValue(const Args& args, nlohmann::json record) {
    if (args.json())
        printJson(record);
    else
        std::cout << record["value"].get<std::string>() << "\n";
}

nlohmann::json nvRecord(netdb::NetworkVariable& nv) {
    return {{"index", nv.Index()},
            {"name", nv.Name()},
            {"type", nv.TypeName()},
            {"connections", nv.Connections().Count()},
            {"value", nv.Value()}};
}

}  // namespace

int runCp(Context& ctx, const Args& args) {
    const std::string& verb = args.at(0, "get or set");
    if (verb != "get" && verb != "set") throw UsageError("unknown cp command \"" + verb + "\"");
    args.expect(3, verb == "get" ? 3 : 4);
    auto dev = ctx.device(args.at(1, "the device path"));
    auto cp = netdb::propertyByReference(*dev, args.at(2, "the property reference"));
    const std::string* element = args.option("element");
    int n = element ? toInt(*element, "--element") : -1;
    if (verb == "set") {
        const std::string& value = args.at(3, "the value");
        if (element)
            cp->SetElement(n, value);
        else
            cp->SetValue(value);
    }
    nlohmann::json record = {{"reference", cp->Reference()},
                             {"name", cp->Name()},
                             {"type", cp->Type()},
                             {"value", element ? cp->Element(n) : cp->Value()}};
    if (element) record["element"] = n;
    printValue(args, record);
    return 0;
}

int runNv(Context& ctx, const Args& args) {
    const std::string& verb = args.at(0, "get, set, bind or unbind");
    auto nvAt = [&](size_t pathArg) {
        auto dev = ctx.device(args.at(pathArg, "the device path"));
        return dev->Interface().NetworkVariables().Item(
            toInt(args.at(pathArg + 1, "the variable index"), "the variable index"));
    };
    if (verb == "get") {
        args.expect(3, 3);
        printValue(args, nvRecord(*nvAt(1)));
        return 0;
    }
    if (verb == "set") {
        args.expect(4, 4);
        auto nv = nvAt(1);
        nv->SetValue(args.at(3, "the value"));
        printValue(args, nvRecord(*nv));
        return 0;
    }
    if (verb == "bind") {
        if (args.size() != 3 && args.size() != 5)
            throw UsageError("bind takes one or two variables");
        auto nv = nvAt(1);
        nv->Connect(args.size() == 5 ? nvAt(3) : nullptr);
        if (args.json())
            printJson(nvRecord(*nv));
        else
            std::cout << nv->Name() << " has " << nv->Connections().Count() << " binding(s)\n";
        return 0;
    }
    if (verb == "unbind") {
        args.expect(3, 3);
        auto nv = nvAt(1);
        int removed = nv->Disconnect();
        if (args.json())
            printJson(nvRecord(*nv));
        else
            std::cout << nv->Name() << ": " << removed << " binding(s) removed\n";
        return 0;
    }
    throw UsageError("unknown nv command \"" + verb + "\"");
}

}  // namespace qbx
