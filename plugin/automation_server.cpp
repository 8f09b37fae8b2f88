#include "plugin/automation_server.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string_view>

#include "platform/automation/server.h"
#include "platform/core/error.h"
#include "platform/core/log.h"
#include "platform/core/paths.h"
#include "platform/ui/ui_requests.h"
#include "plugin/automation_object.h"
#include "plugin/end_plugin.h"
#include "plugin/plugin_state.h"

namespace plugin {
namespace {

bool envIs(const char* name, std::string_view value) {
    const char* v = std::getenv(name);
    return v && value == v;
}

bool envSet(const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
}

void openLogFile() {
    std::error_code ec;
    const auto dir = platform::qbxHome() / "log";
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        platform::logLine("plugin",
                          "cannot create the log folder " + dir.string() + ": " + ec.message());
        return;
    }
    static std::string file;
    file = (dir / "Korvane_MBX-440.log").string();
    platform::setLogFile(file.c_str());
}

}  // namespace

bool headlessRequested(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--headless") return true;
    if (envIs("QBX_HEADLESS", "1")) return true;
    // QT_QPA_PLATFORM=offscreen draws without a display (screenshots on servers).
    return !envSet("DISPLAY") && !envSet("WAYLAND_DISPLAY") && !envSet("QT_QPA_PLATFORM");
}

int runAutomationServer(int argc, char** argv, RendererHook renderer) {
    openLogFile();
    platform::EventLoop& loop = automation::serverLoop();
    if (!headlessRequested(argc, argv)) {
        if (!renderer || !renderer(argc, argv))
            platform::logLine("plugin", "no renderer available; the windows stay headless");
    }

    // EndPlugIn ends the run by leaving the loop; main then returns.
    state().endProcess = [&loop] { loop.quit(); };
    endWhenTheLastWindowCloses();

    try {
        automation::Server server(loop);
        server.registerClass(std::string(kProgId), [] { return std::make_shared<PlugInObject>(); });
        server.setUiHandler(ui::serveUiRequest);
        server.listen();
        loop.run();
        server.close();
    } catch (const platform::Error& e) {
        platform::logLine("plugin", "automation server: " + e.description);
        return 1;
    }
    return 0;
}

}  // namespace plugin
