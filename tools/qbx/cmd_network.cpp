// qbx network create|list.
#include <iostream>

#include "tools/qbx/cli.h"

namespace qbx {

int runNetwork(Context& ctx, const Args& args) {
    const std::string& verb = args.at(0, "create or list");
    if (verb == "create") {
        args.expect(2, 2);
        auto net = ctx.server().Networks().Add(args.at(1, "the network name"));
        if (args.json())
            printJson({{"name", net->Name()}});
        else
            std::cout << "Network \"" << net->Name() << "\" created\n";
        return 0;
    }
    if (verb == "list") {
        args.expect(1, 1);
        nlohmann::json list = nlohmann::json::array();
        for (auto& net : ctx.server().Networks().All()) {
            auto sys = ctx.openSystem(net->Name());
            int devices = sys->AppDevices().Count();
            if (args.json())
                list.push_back({{"name", net->Name()}, {"devices", devices}});
            else
                std::cout << net->Name() << "  (" << devices << " devices)\n";
        }
        if (args.json()) printJson(list);
        return 0;
    }
    throw UsageError("unknown network command \"" + verb + "\"");
}

}  // namespace qbx
