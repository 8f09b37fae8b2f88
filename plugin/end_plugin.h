#pragma once
// The end of the run: closes system, network and service and ends the process.

namespace plugin {

// Hides the main window, lets go of the device, closes what is open (each step skipped when
// it fails), unloads the main window and ends the process through state().endProcess.
void EndPlugIn();

}  // namespace plugin
