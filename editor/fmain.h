#pragma once
// fMain, the plug-in's main window. This first version holds what the start-up needs: the
// caption, centring, the language with the text tables, the splash and progress windows, the
// network database service control and the value fields of the catalogue rows, created hidden
// so that later pages and handlers bind to real controls.

#include <cstdint>
#include <memory>
#include <string_view>

#include "model/catalogue.h"
#include "platform/ui/ui.h"

namespace netdb {
class AppDevice;
class ConfigProperty;
class ObjectServer;
}  // namespace netdb

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
    // The information box for help texts; its place on the window comes with the layout.
    ui::RichTextBox RTHinweis{this, "RTHinweis"};

    // The parameter catalogue of the opened device; rebuilt with every device opening.
    model::Catalogue catalogue;

    // The device being configured. The plug-in's device command sets it together with its own
    // CurrentDevice; the window only reads it.
    std::shared_ptr<netdb::AppDevice> CurrentDevice;

    // The device's property for a reference ("F:0/C:3:40", "N:5/C:0:23", "C:3:40") on the
    // device being configured or, during a transfer, on the device being written; null when it
    // is not available.
    std::shared_ptr<netdb::ConfigProperty> GetCpByTypeIndex(std::string_view sPathHandle);

    // Environment, device variant tables, documentation files and the help display.
    void UpdateView(int16_t VariantSet, bool RefreshFields, std::string_view HelpKind,
                    int16_t HelpIndex);

    // The network database service. Using it loads the window, as using any control does.
    netdb::ObjectServer& wcxOS();
    std::shared_ptr<netdb::ObjectServer> wcxOSShared();

  private:
    void Form_Load();
    void Form_Unload(int& cancel);

    std::shared_ptr<netdb::ObjectServer> wcxOS_;
};

}  // namespace editor
