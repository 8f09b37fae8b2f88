// qbx init: creates or completes the platform home.
#include <iostream>

#include "platform/automation/class_registry.h"
#include "platform/netdb/platform_home.h"
#include "tools/qbx/cli.h"

namespace qbx {

int runInit(Context& ctx, const Args& args) {
    args.expect(0, 0);
    netdb::HomeOptions options;
    if (const std::string* sep = args.option("decimal-separator")) options.decimalSeparator = *sep;
    auto searched = netdb::defaultDataDirs();
    auto report = netdb::initPlatformHome(ctx.home(), options);
    // The device controls library's classes, so directors and the plug-in can create them by
    // identifier.
    for (const char* progId : {"WcxDevCtrs.ArvLog", "WcxDevCtrs.ArvStsBar"})
        automation::registerInprocServer(progId, QBX_WCXDEVCTRS_LIBRARY);

    if (args.json()) {
        nlohmann::json installed = nlohmann::json::array();
        for (const auto& p : report.xifInstalled) installed.push_back(p.string());
        printJson({{"home", ctx.home().string()},
                   {"platformFolder", report.platformFolder.string()},
                   {"xifSource", report.xifSource.string()},
                   {"xifInstalled", installed},
                   {"resourcesInstalled", report.resourcesInstalled.size()}});
        return 0;
    }
    std::cout << "Platform home " << ctx.home().string() << "\n"
              << "Platform folder " << report.platformFolder.string() << "\n";
    if (report.xifSource.empty()) {
        std::cout << "No XIF files installed: no data folder with xif/ found (searched";
        for (const auto& d : searched) std::cout << " " << d.string();
        std::cout << "); run qbx init again once they are there\n";
    } else if (report.xifInstalled.empty()) {
        std::cout << "No XIF files installed: " << report.xifSource.string()
                  << " holds none of the MBX-440 files yet\n";
    } else {
        for (const auto& p : report.xifInstalled) std::cout << "XIF file " << p.string() << "\n";
    }
    for (const auto& p : report.resourcesInstalled)
        std::cout << "Resource file " << p.string() << "\n";
    return 0;
}

}  // namespace qbx
