#pragma once
// The status bar's view of an application device of the network database: its name, state
// code and functional blocks, whose status flags and alarm record are read afresh each time.

#include <memory>

#include "devctrls/status_bar_device.h"

namespace netdb {
class AppDevice;
}

namespace devctrls {

std::shared_ptr<StatusBarDevice> statusBarDeviceOf(std::shared_ptr<netdb::AppDevice> device);

}  // namespace devctrls
