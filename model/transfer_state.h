#pragma once
// The device selection and the state of a transfer to several devices. The device selection
// window fills the selection, the transfer sets the rest; property look-ups read it to find the
// device being written.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace netdb {
class AppDevice;
}

namespace model {

// One chosen device: its name and its 1-based position in the device list of the opened
// device's template (the list the selection was built from).
struct SelectedDevice {
    std::string Name;
    int16_t Position = 0;
};

struct TransferState {
    // Entry d (1-based) is SelectedDevices[d - 1]; only the first SelectedDeviceCount count.
    std::vector<SelectedDevice> SelectedDevices;
    int16_t SelectedDeviceCount = 0;   // 0: no devices selected
    bool TransferActive = false;       // the several-devices pass is writing
    int16_t TransferDeviceNumber = 0;  // 1-based number of the selected device being written
    bool TransferCancelRequested = false;
};

// The process-wide transfer state.
TransferState& transferState();

// Entry `number` (1-based) of the selection; throws platform::Error outside 1 to
// SelectedDeviceCount.
const SelectedDevice& selectedDevice(const TransferState& state, int number);

// The device of selection entry `number`: the device at the entry's position in the device list
// of `current`'s template. Throws platform::Error when there is no such entry or device.
std::shared_ptr<netdb::AppDevice> selectedAppDevice(const netdb::AppDevice& current,
                                                    const TransferState& state, int number);

// The device property references resolve on: while TransferActive, the selected device number
// TransferDeviceNumber; otherwise `current`. Throws platform::Error when there is none.
std::shared_ptr<netdb::AppDevice> deviceForLookup(const std::shared_ptr<netdb::AppDevice>& current,
                                                  const TransferState& state);

}  // namespace model
