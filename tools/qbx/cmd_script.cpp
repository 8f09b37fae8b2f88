// qbx script [FILE|-]: runs a director script (docs/scripting.md). `ui` lines go to the process
// of the last out-of-process object created, or to this process's own form model when the
// script has created only in-process objects (the device controls library's log, say).
#include <iostream>

#include "platform/automation/script_runner.h"
#include "platform/ui/ui_requests.h"
#include "tools/qbx/cli.h"

namespace qbx {

int runScript(Context&, const Args& args) {
    args.expect(0, 1);
    automation::ScriptOptions options;
    options.localUi = [](const automation::Value& request) { return ui::serveUiRequest(request); };
    std::string file = args.size() == 1 ? args.at(0, "the script file") : std::string("-");
    return automation::runScriptFile(file, std::cout, options);
}

}  // namespace qbx
