#include "plugin/end_plugin.h"

#include "editor/fmain.h"
#include "editor/forms.h"
#include "platform/core/event_loop.h"
#include "platform/core/steps.h"
#include "platform/netdb/network.h"
#include "platform/netdb/object_server.h"
#include "platform/ui/form.h"
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

namespace {
bool unused() {
    const auto& s = state();
    if (s.processEnded || s.InstanceCount != 0) return false;
    for (const ui::Form* f : ui::forms())
        if (f->isLoaded()) return false;
    return true;
}
}  // namespace

ui::ObserverId endWhenTheLastWindowCloses() {
    return ui::addObserver([](const ui::Change& c) {
        if (c.kind != ui::Change::Kind::FormUnloaded || !unused()) return;
        // Not from inside the unload: its handlers are still running.
        platform::EventLoop::instance().post([] {
            if (unused()) EndPlugIn();
        });
    });
}

}  // namespace plugin
