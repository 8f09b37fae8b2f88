#pragma once
// Activation: creating an object by class identifier, in-process or in a server process.
//
// createObject() looks for the class in this order: a factory registered in this process, an
// in-process library named in the class registry, a local server named there. A local server is
// reached through its socket in $QBX_HOME/run; when nobody listens, its executable is started
// with "--automation" (detached, with this process's environment, so QBX_HOME,
// QBX_VIRTUAL_CLOCK and QBX_HEADLESS reach it) and the call waits for the socket. A lock file
// makes concurrent activations start one server only.

#include <filesystem>
#include <memory>
#include <string_view>

#include "platform/automation/connection.h"
#include "platform/automation/dispatch.h"

namespace automation {

struct ActivationOptions {
    int timeoutMs = 20000;    // how long to wait for a starting server's socket
    int replyTimeoutMs = -1;  // reply timeout of the connections (negative: none)
};

// A new connection to the server of the class, starting exePath when nobody listens.
std::shared_ptr<Connection> activate(std::string_view progId, const std::filesystem::path& exePath,
                                     const ActivationOptions& options = {});

// A connection to the local server registered for the class; connections are shared by the
// objects of this process while any of them lives.
std::shared_ptr<Connection> connectToClass(std::string_view progId,
                                           const ActivationOptions& options = {});

// Creates an object of the class; throws platform::Error (429 when the class is unknown).
ObjectPtr createObject(std::string_view progId, const ActivationOptions& options = {});

// The connection an object was created over, or nullptr for an in-process object.
std::shared_ptr<Connection> connectionOf(const ObjectPtr& object);

}  // namespace automation
