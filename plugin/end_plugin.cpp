#include "plugin/end_plugin.h"

#include "editor/fmain.h"
#include "editor/forms.h"
#include "platform/core/steps.h"
#include "platform/netdb/network.h"
#include "platform/netdb/object_server.h"
#include "plugin/plugin_state.h"

namespace plugin {

void EndPlugIn() {
    auto& s = state();
    platform::ignoreStepByStep({
        [] { editor::mainForm().hide(); },
        [&] { s.CurrentDevice.reset(); },
        [&] {
            if (s.CurrentSystem) {
                auto system = std::move(s.CurrentSystem);
                s.CurrentSystem.reset();
                if (system->IsOpen()) system->Close();
            }
        },
        [&] {
            if (s.CurrentNetwork) {
                auto network = std::move(s.CurrentNetwork);
                s.CurrentNetwork.reset();
                if (network->IsOpen()) network->Close();
            }
        },
        [&] {
            s.ServerOpen = false;
            s.NetworkOpen = false;
            if (s.Server && s.Server->IsOpen()) s.Server->Close();
        },
        [] { editor::mainForm().unload(); },
    });
    s.processEnded = true;
    if (s.endProcess) s.endProcess();
}

}  // namespace plugin
