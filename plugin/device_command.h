#pragma once
// Opening an application device for configuration when a director's command names it.

#include <memory>

#include "plugin/supported_commands.h"

namespace netdb {
class AppDevice;
}

namespace plugin {

// Makes the device CurrentDevice and records the command. Failures are shown to the user
// ("Device not online?") and end the command; none reaches the director.
void ProcessDeviceCommand(const std::shared_ptr<netdb::AppDevice>& TheDevice,
                          const SupportedCommand& row);

}  // namespace plugin
