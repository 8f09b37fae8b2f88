#pragma once
// The end of the run: closes system, network and service and ends the process.

#include "platform/ui/observer.h"

namespace plugin {

// Hides the main window, lets go of the device, closes what is open (each step skipped when
// it fails), unloads the main window and ends the process through state().endProcess.
void EndPlugIn();

// Ends the run (EndPlugIn, from the event loop) once the user has closed the last window of the
// plug-in while no director holds an object, as a component server does; otherwise the
// process would stay behind without a window. Returns the observer to remove it again.
ui::ObserverId endWhenTheLastWindowCloses();

}  // namespace plugin
