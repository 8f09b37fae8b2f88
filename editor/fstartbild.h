#pragma once
// The splash window shown while the plug-in starts and while devices are searched: pictures,
// the product line, and a label and progress bar that the device search drives.

#include "platform/ui/ui.h"

namespace editor {

class fStartbild : public ui::Form {
  public:
    fStartbild();

    ui::Image imgLogo{this, "imgLogo"};
    ui::Label lblProduct{this, "lblProduct"};
    ui::Label lblGeraet{this, "lblGeraet"};
    ui::ProgressBar Progr_Geraete{this, "Progr_Geraete"};

  private:
    void Form_Load();
};

}  // namespace editor
