#pragma once
// The plug-in's windows as single instances, like a form's default instance: created on first
// use, and created anew in their designed state when used again after an unload.

namespace editor {

class fMain;
class fProgress;
class fStartbild;

fMain& mainForm();
fProgress& progressForm();
fStartbild& splashForm();

// Unloads the window when it exists and is loaded (without creating it first).
void unloadProgressForm();
void unloadSplashForm();

// Forgets every instance (tests start each case with fresh windows).
void resetForms();

}  // namespace editor
