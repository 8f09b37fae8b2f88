#pragma once
// Looking up the configuration property a reference names ("F:0/C:3:40", "N:5/C:0:23",
// "C:3:40") on the device being configured, or, while a transfer to several devices writes, on
// the device being written.

#include <memory>
#include <string_view>

#include "model/transfer_state.h"

namespace netdb {
class AppDevice;
class ConfigProperty;
}  // namespace netdb

namespace model {

// Walks the property list the reference names from position 1 to its count and returns the
// first property whose cpKey(scope, type index) equals the reference's key exactly; null when
// none does. A failing step (no device, an unknown kind letter, a block or NV missing on the
// device, a failing database read) shows the critical Abort/Retry/Ignore box with the error's
// description and number: Retry repeats the step, Ignore goes on with the next one (a step left
// without its property list ends the lookup with null), Abort ends it with null. Callers take
// null as "the property is not available".
std::shared_ptr<netdb::ConfigProperty> GetCpByTypeIndex(
    std::string_view sPathHandle, const std::shared_ptr<netdb::AppDevice>& currentDevice,
    const TransferState& transfer);

}  // namespace model
