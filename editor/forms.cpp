#include "editor/forms.h"

#include "editor/fmain.h"
#include "editor/fprogress.h"
#include "editor/fstartbild.h"

namespace editor {
namespace {

struct Instances {
    ui::FormInstance<fStartbild> splash;
    ui::FormInstance<fProgress> progress;
    ui::FormInstance<fMain> main;
};

Instances& instances() {
    static Instances i;
    return i;
}

template <class F>
void unloadIfLoaded(ui::FormInstance<F>& instance) {
    if (instance.exists() && instance->isLoaded()) instance->unload();
}

}  // namespace

fMain& mainForm() { return instances().main.get(); }
fProgress& progressForm() { return instances().progress.get(); }
fStartbild& splashForm() { return instances().splash.get(); }

void unloadProgressForm() { unloadIfLoaded(instances().progress); }
void unloadSplashForm() { unloadIfLoaded(instances().splash); }

void resetForms() {
    auto& i = instances();
    i.main.reset();
    i.progress.reset();
    i.splash.reset();
}

}  // namespace editor
