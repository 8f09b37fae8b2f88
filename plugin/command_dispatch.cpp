#include "plugin/command_dispatch.h"

#include <cmath>

#include "editor/forms.h"
#include "editor/fprogress.h"
#include "editor/fstartbild.h"
#include "platform/core/event_loop.h"
#include "platform/core/log.h"
#include "platform/netdb/network.h"
#include "platform/ui/screen.h"
#include "plugin/api_errors.h"
#include "plugin/command_registration.h"
#include "plugin/device_command.h"
#include "plugin/object_path.h"
#include "plugin/plugin_state.h"
#include "plugin/qbx_plugin_api.h"
#include "text/texts.h"

namespace plugin {

std::shared_ptr<netdb::AppDevice> LocateObject(int16_t objectType) {
    if (objectType != kObjectTypeAppDevice) return nullptr;
    auto& s = state();
    try {
        if (!s.CurrentSystem) return nullptr;
        const int count = static_cast<int>(s.PathComponents.size());
        auto subsystem = s.CurrentSystem->Subsystems().Item(PathComponent(count - 1, true));
        return subsystem->AppDevices().Item(PathComponent(count, true));
    } catch (const std::exception& e) {
        // A name that does not exist is the director's "Object not found", not a fault here.
        platform::logLine("plugin", std::string("object not found: ") + e.what());
        return nullptr;
    }
}

void DispatchCommand(const SupportedCommand& row, const std::shared_ptr<netdb::AppDevice>& object) {
    if (!object) throw objectNotFound();
    if (row.ObjectType == kObjectTypeAppDevice) ProcessDeviceCommand(object, row);
}

namespace {

void showProgress(int32_t widthPixels, int32_t heightPixels) {
    auto& progress = editor::progressForm();
    progress.show();
    // The progress window places itself again when its text changes.
    const auto& screen = ui::screen();
    const double splash = editor::splashForm().height();
    progress.move(
        static_cast<int>(std::lround((screen.width() - (splash / 2.1 + widthPixels)) / 2)),
        static_cast<int>(std::lround((screen.height() - (heightPixels - splash / 1.1)) / 2)));
    platform::doEvents();
}

void setProgressText(int textIndex) {
    editor::progressForm().lblStatus.setCaption(text::PlugInTexts[static_cast<size_t>(textIndex)]);
    platform::doEvents();
}

}  // namespace

void QBXPlugInAPI::SendCommand(int32_t commandId, int16_t objectClassId, std::string objectName) {
    auto& s = state();
    showProgress(Width(), Height());

    const SupportedCommand* taken = nullptr;
    bool known = false;
    if (commandId == kCommandRegister) {
        setProgressText(kTextRegistering);
        if (!RegisterTemplatesAndCommands())
            throw apiError(kErrRegisterCommands, kTextUnableToRegister);
    } else if (commandId == kCommandUnregister) {
        setProgressText(kTextUnregistering);
        RemoveCommandsAndTemplates(false, true);
    } else {
        setProgressText(kTextInitializing);
        for (const auto& row : s.SupportedCommands) {
            if (row.CommandId != commandId) continue;
            known = true;
            if (row.ObjectType == objectClassId) {
                taken = &row;
                break;
            }
        }
    }

    editor::unloadProgressForm();
    platform::doEvents();

    if (commandId == kCommandRegister || commandId == kCommandUnregister) return;
    if (taken) {
        SplitObjectPath(objectName);
        try {
            DispatchCommand(*taken, LocateObject(objectClassId));
        } catch (const platform::Error&) {
            throw;
        } catch (const std::exception& e) {
            throw platform::Error(platform::errc::kGeneric, kErrorSource, e.what());
        }
    } else if (known) {
        throw apiError(kErrObjectTypeNotSupported, kTextTypeNotSupported);
    } else {
        throw apiError(kErrCommandNotSupported, kTextCommandNotSupported);
    }
}

}  // namespace plugin
