// Korvane_MBX-440: the automation server of the plug-in when the component system starts it,
// and the plug-in's registration tool on the command line.

#include <iostream>
#include <string>
#include <vector>

#include "platform/automation/class_registry.h"
#include "platform/ui/ui_requests.h"
#include "plugin/automation_object.h"
#include "plugin/automation_server.h"
#ifdef QBX_HAVE_QT
#include "platform/qt/qt_renderer.h"
#endif

namespace {
// Shows the windows with Qt when a display is there; the forms stay headless otherwise.
bool startRenderer(int& argc, char** argv) {
#ifdef QBX_HAVE_QT
    if (!qtui::qtAvailable()) return false;
    qtui::startQtRenderer(argc, argv);
    ui::screenshotWriter() = [](const std::string& dir) {
        ui::Value paths = ui::Value::array();
        for (const auto& p : qtui::writeScreenshots(dir)) paths.push_back(p);
        return paths;
    };
    return true;
#else
    (void)argc;
    (void)argv;
    return false;
#endif
}
}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> classes{std::string(plugin::kProgId)};
    if (auto rc = automation::handleServerRegistration(argc, argv, classes)) return *rc;

    if (automation::startedForAutomation(argc, argv)) {
        return plugin::runAutomationServer(argc, argv, startRenderer);
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
