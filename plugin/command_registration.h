#pragma once
// Registering and removing the plug-in's device templates and commands on the platform
// (commands 50 and 51 of a director).

namespace plugin {

// Creates the device templates and registers the supported commands; false on failure.
bool RegisterTemplatesAndCommands();

// Removes the registered commands and, when asked, the templates; with firstNetwork only from
// the network that is open.
void RemoveCommandsAndTemplates(bool askTemplates, bool firstNetwork);

}  // namespace plugin
