#include "editor/fprogress.h"

#include <cmath>

#include "editor/forms.h"
#include "editor/fstartbild.h"

namespace editor {

fProgress::fProgress() : ui::Form("fProgress") {
    setBorderStyle(ui::vbFixedToolWindow);
    setCaption("");  // a bare title bar, not the form's name
    setWidth(4800);
    setHeight(900);
    lblStatus.setCaption(" Initialisiere PlugIn....");
    lblStatus.move(120, 180, 4560, 300);
    onLoad = [this] { Form_Load(); };
    onActivate = [this] { placeItself(); };
    onUnload = [this](int& cancel) { Form_Unload(cancel); };
    lblStatus.onChange = [this] { placeItself(); };
}

void fProgress::placeItself() {
    const auto& s = ui::screen();
    const double splash = splashForm().height();
    setLeft(static_cast<int>(std::lround((s.width() - (width() + splash / 50.1)) / 2)));
    setTop(static_cast<int>(std::lround((s.height() - (height() - splash / 1.1)) / 2)));
}

void fProgress::Form_Load() {
    ui::screen().setMousePointer(ui::vbHourglass);
    show();
    placeItself();
}

void fProgress::Form_Unload(int&) { ui::screen().setMousePointer(ui::vbDefault); }

}  // namespace editor
