#pragma once
// Director scripts (`qbx script [FILE|-]`): one command per line, each answered by one output
// line, "ok", "ok <JSON value>" or "error <number> <source>|<description>". The script goes on
// after an error; the result is the number of failed lines, capped at 125. The language is
// described in docs/scripting.md.

#include <functional>
#include <iosfwd>
#include <string>

#include "platform/automation/activation.h"
#include "platform/automation/dispatch.h"

namespace automation {

struct ScriptOptions {
    // Serves `ui` lines while the script has created no out-of-process object (qbx installs
    // the in-process form model here); without it such lines fail.
    std::function<Value(const Value& request)> localUi;
    ActivationOptions activation;
};

int runScript(std::istream& in, std::ostream& out, const ScriptOptions& options = {});

// Runs the script in `file`, or standard input for "-" or an empty name. A file that cannot be
// read prints one error line and counts as one failure.
int runScriptFile(const std::string& file, std::ostream& out, const ScriptOptions& options = {});

}  // namespace automation
