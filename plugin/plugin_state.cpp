#include "plugin/plugin_state.h"

#include "platform/netdb/object_server.h"

namespace plugin {

namespace {
PlugInState& instance() {
    static PlugInState s;
    return s;
}
}  // namespace

PlugInState& state() { return instance(); }

void resetState() { instance() = PlugInState{}; }

}  // namespace plugin
