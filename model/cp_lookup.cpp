#include "model/cp_lookup.h"

#include <optional>
#include <string>

#include "model/cp_reference.h"
#include "platform/netdb/app_device.h"
#include "platform/netdb/config_property.h"
#include "platform/ui/recovery.h"
#include "platform/ui/services.h"

namespace model {

namespace {

ui::RecoveryBox lookupBox() {
    return {.title = "fMain GetCpByTypeIndex",
            .text =
                [](const platform::Error& e) {
                    return e.description + " (" + std::to_string(e.number) + ")";
                },
            .icon = ui::vbCritical};
}

}  // namespace

std::shared_ptr<netdb::ConfigProperty> GetCpByTypeIndex(
    std::string_view sPathHandle, const std::shared_ptr<netdb::AppDevice>& currentDevice,
    const TransferState& transfer) {
    std::shared_ptr<netdb::ConfigProperty> found;
    ui::Recovery rec(lookupBox());
    ui::recoverable([&] {
        // A step whose input an ignored step left missing ends the lookup without a result.
        std::shared_ptr<netdb::AppDevice> device;
        rec.step([&] { device = deviceForLookup(currentDevice, transfer); });
        if (!device) return;

        std::optional<netdb::DeviceInterface> iface;
        std::optional<netdb::UnifexObjects> blocks;
        rec.step([&] {
            netdb::DeviceInterface i = device->Interface();
            blocks = i.UnifexObjects();
            iface = std::move(i);
        });
        if (!iface || !blocks) return;

        std::optional<CpRefTarget> target;
        rec.step([&] { target = parseCpRef(sPathHandle); });

        if (!target) return;

        std::optional<netdb::ConfigProperties> list;
        rec.step([&] {
            switch (target->kind) {
                case CpRefKind::Device:
                    list = iface->ConfigProperties();
                    break;
                case CpRefKind::Block:  // n is the 0-based position in the block list
                    list = blocks->Item(target->number + 1)->ConfigProperties();
                    break;
                case CpRefKind::Variable:  // n is the NV index
                    list = iface->NetworkVariables().Item(target->number)->ConfigProperties();
                    break;
            }
        });
        if (!list) return;

        rec.step([&] {
            found = nullptr;
            const auto all = list->All();  // positions 1 to Count
            for (const auto& cp : all) {
                if (cpKey(cp->Scope(), cp->TypeIndex()) == target->key) {
                    found = cp;
                    return;
                }
            }
        });
    });
    return found;
}

}  // namespace model
