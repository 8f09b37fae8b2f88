#pragma once
// Entry point of the Qt 6 renderer of the form model, usable without including any Qt header.
//
//   if (qtui::qtAvailable()) qtui::startQtRenderer(argc, argv);
//   ... the program runs the platform event loop as always ...
//   qtui::writeScreenshots("/tmp/shots");   // one PNG per visible form
//
// The renderer mirrors every form of the model into Qt widgets and feeds the user's input back
// through the model's input API; the platform event loop stays the only loop of the program and
// lets Qt's events run (see docs/qt.md). Only built with QBX_WITH_QT; code that may be built
// without it checks QBX_HAVE_QT (defined for everything that links qbx_qt).

#include <string>
#include <vector>

namespace qtui {

// True when a Qt platform can be opened: a display (DISPLAY or WAYLAND_DISPLAY) or a
// platform plug-in chosen with QT_QPA_PLATFORM (e.g. "offscreen" on servers and in CI).
bool qtAvailable();

// Creates the Qt application (once per process), installs the Qt message box, file dialog and
// printer dialog services, observes every form (forms already visible are shown at once) and
// hooks Qt into the current platform event loop. Calling it again (e.g. after the event loop
// or the toolkit was reset) re-installs the services and re-attaches to the current loop.
void startQtRenderer(int argc, char** argv);

// Undoes startQtRenderer except for the Qt application itself: closes every window, removes
// the observer and the loop hooks and reinstalls the headless services.
void stopQtRenderer();

bool qtRendererRunning();

// Writes every visible form as "<dir>/<form name>.png" (rendered off screen when there is no
// display) and returns the paths written. Creates dir when missing; raises platform::Error
// (errc::kIo) when a file cannot be written and errc::kState when the renderer is not running.
std::vector<std::string> writeScreenshots(const std::string& dir);

// The controls of a visible form whose widgets stick out of the widget that holds them (their
// paths, e.g. "frmStatus.lstStatus"): a layout check for the windows a library or program
// designs. Empty when the form has no visible window.
std::vector<std::string> controlsOutsideTheirContainers(const std::string& formName);

// Lets pending Qt events run once (layout, painting, input); the loop hooks call it.
void processQtEvents();

}  // namespace qtui
