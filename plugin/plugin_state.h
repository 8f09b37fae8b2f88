#pragma once
// The process-wide state of the plug-in: one per running plug-in process, shared by every
// automation object, the main window and the routines that open devices and end the run.
// Everything runs on the one user-interface thread, so the state needs no locks.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "plugin/supported_commands.h"

namespace netdb {
class ObjectServer;
class Network;
class System;
class AppDevice;
}  // namespace netdb

namespace plugin {

struct PlugInState {
    // Live QBXPlugInAPI objects.
    int16_t InstanceCount = 0;
    // The network database service has been opened by this plug-in.
    bool ServerOpen = false;
    // A network has been opened through networkName.
    bool NetworkOpen = false;
    // The name the opened network reports; empty when none is open or after a failed open.
    std::string CurrentNetworkName;
    std::shared_ptr<netdb::Network> CurrentNetwork;
    std::shared_ptr<netdb::System> CurrentSystem;  // the first system of CurrentNetwork
    // The application device being configured and the command that opened it.
    std::shared_ptr<netdb::AppDevice> CurrentDevice;
    int32_t CurrentCommand = 0;
    // 16 characters or empty; stored for the director, used by nothing else.
    std::string DevelopmentProgramId;
    // The components of the last object path (SplitObjectPath).
    std::vector<std::string> PathComponents;
    SupportedCommandTable SupportedCommands{};
    ResourceFolder ResourceFolderRecord;
    // A registration earlier in this process found the service in remote-client mode.
    bool RemoteClient = false;
    // The service of the main window's wcxOS, taken when the first object is created.
    std::shared_ptr<netdb::ObjectServer> Server;

    // How EndPlugIn ends the process: the executable quits its event loop and returns from
    // main; set once processEnded is true. Tests look at processEnded.
    std::function<void()> endProcess;
    bool processEnded = false;
};

PlugInState& state();

// A fresh process state (a new process, as far as the plug-in can tell); used by tests.
void resetState();

}  // namespace plugin
