#include "model/transfer_state.h"

#include "platform/core/error.h"
#include "platform/netdb/app_device.h"
#include "platform/netdb/device_template.h"

namespace model {

namespace {
[[noreturn]] void noDevice(const std::string& why) {
    throw platform::Error(platform::errc::kState, "mbx_model", why);
}
}  // namespace

TransferState& transferState() {
    static TransferState state;
    return state;
}

const SelectedDevice& selectedDevice(const TransferState& state, int number) {
    const int count =
        std::min<int>(state.SelectedDeviceCount, static_cast<int>(state.SelectedDevices.size()));
    if (number < 1 || number > count)
        noDevice("No selected device number " + std::to_string(number) + " (" +
                 std::to_string(count) + " selected)");
    return state.SelectedDevices[static_cast<std::size_t>(number - 1)];
}

std::shared_ptr<netdb::AppDevice> selectedAppDevice(const netdb::AppDevice& current,
                                                    const TransferState& state, int number) {
    const SelectedDevice& entry = selectedDevice(state, number);
    auto tmpl = current.Template();
    if (!tmpl) noDevice("The device \"" + current.Name() + "\" has no template");
    return tmpl->AppDevices().Item(entry.Position);
}

std::shared_ptr<netdb::AppDevice> deviceForLookup(const std::shared_ptr<netdb::AppDevice>& current,
                                                  const TransferState& state) {
    if (!current) noDevice("No device is open");
    if (!state.TransferActive) return current;
    return selectedAppDevice(*current, state, state.TransferDeviceNumber);
}

}  // namespace model
