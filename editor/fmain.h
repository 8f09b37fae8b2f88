#pragma once
// fMain, the plug-in's main window. This first version holds what the start-up needs: the
// caption, centring, the language with the text tables, the splash and progress windows, the
// network database service control and the value fields of the catalogue rows, created hidden
// so that later pages and handlers bind to real controls.

#include <memory>

#include "platform/ui/ui.h"

namespace netdb {
class ObjectServer;
}

namespace editor {

// The caption of the window in every state but minimized (four trailing blanks).
inline constexpr const char* kMainCaption = "Korvane Controls Ltd    ";

inline constexpr int kCpRows = 98;   // txtnci(0..97)
inline constexpr int kNviRows = 19;  // txtNvi(0..18)
inline constexpr int kNvoRows = 38;  // txtNvo(0..37), 37 is nvoLearnID

class fMain : public ui::Form {
  public:
    fMain();
    ~fMain() override;

    ui::ControlArray<ui::TextBox> txtnci{this, "txtnci"};
    ui::ControlArray<ui::TextBox> txtNvi{this, "txtNvi"};
    ui::ControlArray<ui::TextBox> txtNvo{this, "txtNvo"};

    // The network database service. Using it loads the window, as using any control does.
    netdb::ObjectServer& wcxOS();
    std::shared_ptr<netdb::ObjectServer> wcxOSShared();

  private:
    void Form_Load();
    void Form_Unload(int& cancel);

    std::shared_ptr<netdb::ObjectServer> wcxOS_;
};

}  // namespace editor
