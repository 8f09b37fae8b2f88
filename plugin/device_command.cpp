#include "plugin/device_command.h"

#include "editor/fmain.h"
#include "editor/forms.h"
#include "model/update_view.h"
#include "platform/core/log.h"
#include "platform/ui/services.h"
#include "plugin/plugin_state.h"

namespace plugin {

void ProcessDeviceCommand(const std::shared_ptr<netdb::AppDevice>& TheDevice,
                          const SupportedCommand& row) {
    auto& s = state();
    try {
        s.CurrentDevice = TheDevice;
        editor::mainForm().CurrentDevice = TheDevice;
        model::viewSettings().environment.EnvironmentPending = true;
        s.CurrentCommand = row.CommandId;
        // The device's resources, variant, catalogue and values are read here once the device
        // opening is built; until then the device counts as opened.
        editor::unloadProgressForm();
        editor::unloadSplashForm();
    } catch (const std::exception& e) {
        platform::logLine("plugin", std::string("ProcessDeviceCommand: ") + e.what());
        editor::unloadProgressForm();
        editor::unloadSplashForm();
        // The answer changes nothing: the command ends either way.
        ui::msgBox(
            "Error: ProcessDeviceCommand in fMain\r\nDevice not online? Press Ok to Resume...",
            ui::vbOKCancel);
    }
}

}  // namespace plugin
