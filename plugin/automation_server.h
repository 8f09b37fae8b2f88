#pragma once
// The plug-in process as the component system starts it ("--automation"): serves
// QBXPlugInAPI objects and the scripts' ui requests on the event loop until EndPlugIn.

namespace plugin {

// Puts a renderer for people in place of the headless toolkit; false when it cannot (no
// display), and the forms stay headless.
using RendererHook = bool (*)(int& argc, char** argv);

// True with "--headless" among the arguments, with QBX_HEADLESS=1, or without a display.
bool headlessRequested(int argc, char** argv);

// Serves until the process ends; returns the exit code.
int runAutomationServer(int argc, char** argv, RendererHook renderer);

}  // namespace plugin
