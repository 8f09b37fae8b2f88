#include "editor/fstartbild.h"

#include <cmath>

namespace editor {

fStartbild::fStartbild() : ui::Form("fStartbild") {
    setBorderStyle(ui::vbBSNone);
    setWidth(6000);
    setHeight(3900);
    imgLogo.move(240, 240, 5520, 2400);
    lblProduct.setCaption("Plug-in for mbxn");
    lblProduct.move(240, 2760, 5520, 300);
    // The device search shows these two while it runs.
    lblGeraet.move(240, 3120, 5520, 255);
    lblGeraet.setVisible(false);
    Progr_Geraete.move(240, 3420, 5520, 255);
    Progr_Geraete.setVisible(false);
    onLoad = [this] { Form_Load(); };
}

void fStartbild::Form_Load() {
    const auto& s = ui::screen();
    setLeft((s.width() - width()) / 2);
    setTop(static_cast<int>(std::lround((s.height() - height() + 15) / 2.0)));
}

}  // namespace editor
