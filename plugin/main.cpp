// Korvane_MBX-440: the automation server of the plug-in when the component system starts it,
// and the plug-in's registration tool on the command line.

#include <iostream>
#include <string>
#include <vector>

#include "platform/automation/class_registry.h"
#include "plugin/automation_object.h"
#include "plugin/automation_server.h"

int main(int argc, char** argv) {
    const std::vector<std::string> classes{std::string(plugin::kProgId)};
    if (auto rc = automation::handleServerRegistration(argc, argv, classes)) return *rc;

    if (automation::startedForAutomation(argc, argv)) {
        // The renderer for people (Qt) is passed here once it is built; until then every window
        // is headless.
        return plugin::runAutomationServer(argc, argv, nullptr);
    }

    std::string line;
    for (int i = 1; i < argc; ++i) line += (i > 1 ? " " : "") + std::string(argv[i]);
    std::cerr << "Korvane_MBX-440: the registration command line (\"/regplugin\", "
                 "\"/deregplugin\") and the registration window are not available yet; "
                 "arguments given: \""
              << line << "\"\n"
              << "Use /regserver or /unregserver to register the automation server, or let the "
                 "component system start the program with --automation.\n";
    return 2;
}
