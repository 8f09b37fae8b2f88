// The template and command registration is not built yet: both routines succeed without
// touching the platform, and say so in the log.

#include "plugin/command_registration.h"

#include "platform/core/log.h"

namespace plugin {

bool RegisterTemplatesAndCommands() {
    platform::logLine("plugin", "registration of templates and commands is not available yet");
    return true;
}

void RemoveCommandsAndTemplates(bool, bool) {
    platform::logLine("plugin", "removal of templates and commands is not available yet");
}

}  // namespace plugin
