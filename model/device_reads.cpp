#include "model/device_reads.h"

#include <optional>

#include "platform/core/error.h"
#include "platform/core/steps.h"
#include "platform/netdb/app_device.h"

namespace model {

namespace {
[[noreturn]] void noDevice() {
    throw platform::Error(platform::errc::kState, "mbx_model", "No device is open");
}
}  // namespace

CatalogueReads catalogueReadsOf(const std::shared_ptr<netdb::AppDevice>& device) {
    // The NV list is taken once per build; when that fails, every NV read fails.
    auto nvs = std::make_shared<std::optional<netdb::NetworkVariables>>();
    if (device) platform::ignoreStep([&] { *nvs = device->Interface().NetworkVariables(); });
    CatalogueReads reads;
    reads.nvValue = [nvs](int16_t index) {
        if (!*nvs) noDevice();
        return (*nvs)->Item(index)->Value();
    };
    reads.programId = [device] {
        if (!device) noDevice();
        return device->ProgramId();
    };
    return reads;
}

void BuildCatalogue(Catalogue& catalogue, const std::shared_ptr<netdb::AppDevice>& device) {
    BuildCatalogue(catalogue, catalogueReadsOf(device));
}

}  // namespace model
