#pragma once
// The small progress window: one label with the current step. It shows the busy pointer while
// it is loaded and places itself under the splash window whenever it is activated or its text
// changes, overriding where its caller put it.

#include "platform/ui/ui.h"

namespace editor {

class fProgress : public ui::Form {
  public:
    fProgress();

    ui::Label lblStatus{this, "lblStatus"};

    // Left = (screen width - (own width + splash height / 50.1)) / 2,
    // Top = (screen height - (own height - splash height / 1.1)) / 2.
    void placeItself();

  private:
    void Form_Load();
    void Form_Unload(int& cancel);
};

}  // namespace editor
