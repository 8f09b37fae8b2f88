#pragma once
// Finding the object a command is for, and handing the command to the window that serves it.

#include <cstdint>
#include <memory>

#include "plugin/supported_commands.h"

namespace netdb {
class AppDevice;
}

namespace plugin {

// The object of the last split path for an object type: for application devices (7) the device
// named by the last component in the subsystem named by the one before it, both looked up with
// their "X:" prefix stripped. Any failed step gives nothing; other types give nothing.
std::shared_ptr<netdb::AppDevice> LocateObject(int16_t objectType);

// Error 20005 when there is no object; an application-device command opens the device.
void DispatchCommand(const SupportedCommand& row, const std::shared_ptr<netdb::AppDevice>& object);

}  // namespace plugin
