#pragma once
// The input requests of director scripts (`ui ...` lines, sent over the automation socket as
// JSON objects) served by the inspection and input API of this process.

#include <functional>
#include <string>

#include "platform/ui/value.h"

namespace ui {

// {"op":"get","form":"fMain","control":"txtnci","index":5,"property":"Text"} and the other
// requests of a script's ui lines: forms, boxes, get, set, key, click, focus, answer,
// answer-file, advance. A control of "" or "Me" is the form itself. Throws platform::Error for
// a request it cannot serve, naming what was wrong.
ui::Value serveUiRequest(const ui::Value& request);

// Writes every visible window to a PNG file in a folder and returns the paths; set by the
// renderer that draws the windows (none in a headless process). Serves {"op":"screenshot"}.
std::function<ui::Value(const std::string& dir)>& screenshotWriter();

}  // namespace ui
