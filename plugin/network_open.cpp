// Writing networkName: opens the service for the object's network interface and the network
// of that name, whose first system becomes CurrentSystem.

#include "platform/core/log.h"
#include "platform/netdb/object_server.h"
#include "platform/ui/screen.h"
#include "plugin/api_errors.h"
#include "plugin/plugin_state.h"
#include "plugin/qbx_plugin_api.h"

namespace plugin {
namespace {

inline constexpr uint32_t kConnectInternet = 0x10;
inline constexpr uint32_t kConnectInterface = 0x20;
inline constexpr int kSystemSetting = 200;

// The hourglass while the network opens, the default pointer on every way out.
struct BusyPointer {
    BusyPointer() { ui::screen().setMousePointer(ui::vbHourglass); }
    ~BusyPointer() { ui::screen().setMousePointer(ui::vbDefault); }
};

}  // namespace

void QBXPlugInAPI::setNetworkName(std::string sNetworkName) {
    BusyPointer busy;
    auto& s = state();
    if (sNetworkName == s.CurrentNetworkName && s.NetworkOpen) return;
    auto& server = *s.Server;
    const std::string& interfaceName = networkInterfaceName_;
    try {
        // A remote flag that does not match the interface name is corrected, and the service
        // reopened with it.
        const bool wasRemote = server.RemoteClient();
        if (wasRemote == interfaceName.empty()) {
            if (server.IsOpen()) {
                server.Close();
                s.ServerOpen = false;
            }
            server.SetRemoteClient(!interfaceName.empty());
        }

        bool internet = false;
        if (!s.ServerOpen) {
            if (server.IsOpen()) server.Close();
            server.SetOpenOption(false);
            if (wasRemote) {
                internet = interfaceName == "Internet";
                uint32_t flags = server.ConnectionFlags() & ~(kConnectInternet | kConnectInterface);
                flags |= internet ? kConnectInternet : kConnectInterface;
                server.SetConnectionFlags(flags);
            }
            server.Open();
            s.ServerOpen = true;
        }

        if (!interfaceName.empty() && !internet)
            server.SetActiveNetworkInterface(server.NetworkInterfaces().Item(interfaceName));

        auto network = server.Networks().Item(sNetworkName);
        s.CurrentNetwork = network;
        network->Open();
        s.CurrentNetworkName = network->Name();
        auto system = network->Systems().Item(1);
        s.CurrentSystem = system;
        system->Open();

        if (internet) {
            system->SetBoolOption(true);
            system->SetNumericOption(0);
            system->SetBoolOption(false);
        }

        s.NetworkOpen = true;
        system->SetNumericSetting(kSystemSetting);
    } catch (const std::exception& e) {
        s.NetworkOpen = false;
        s.CurrentNetworkName.clear();
        // The director sees only the fixed message; the cause goes to the log.
        platform::logLine("plugin",
                          "cannot open the network \"" + sNetworkName + "\": " + e.what());
        throw apiError(kErrNetworkOrWindow, kTextCannotOpenNetwork, sNetworkName);
    }
}

}  // namespace plugin
