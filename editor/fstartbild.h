#pragma once
// The splash window shown while the plug-in starts and while devices are searched: the maker's
// banner with the product, the product line, and a label and progress bar that the device
// search drives.

#include "platform/ui/ui.h"

namespace editor {

class fStartbild : public ui::Form {
  public:
    fStartbild();

    // The banner is drawn from controls, so it stays sharp at any screen resolution.
    ui::PictureBox picBanner{this, "picBanner"};
    ui::Label lblMaker{this, "lblMaker"};
    ui::Label lblModel{this, "lblModel"};
    ui::Label lblKind{this, "lblKind"};
    ui::Label lblProduct{this, "lblProduct"};
    ui::Label lblGeraet{this, "lblGeraet"};
    ui::ProgressBar Progr_Geraete{this, "Progr_Geraete"};

  private:
    void Form_Load();
};

}  // namespace editor
