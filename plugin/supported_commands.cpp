#include "plugin/supported_commands.h"

namespace plugin {

SupportedCommandTable BuildSupportedCommands() {
    return {{
        {kCommandConfigure, kObjectTypeAppDevice, "Configure", "", -1, kRegisterOnTemplate, ""},
        {kCommandCustom, kObjectTypeAppDevice, "Korvane_MBX-440", "", 0, kRegisterOnTemplate, ""},
    }};
}

ResourceFolder BuildResourceFolderRecord() {
    return {"\\Types\\User\\Korvane", "9FFF3C0000000000", 3};
}

}  // namespace plugin
