#include "editor/fmain.h"

#include <cmath>

#include "editor/apply_captions.h"
#include "editor/forms.h"
#include "editor/fprogress.h"
#include "editor/fstartbild.h"
#include "model/cp_lookup.h"
#include "model/transfer_state.h"
#include "model/update_view.h"
#include "platform/netdb/object_server.h"
#include "text/apply_language.h"

namespace editor {

fMain::fMain() : ui::Form("fMain"), wcxOS_(std::make_shared<netdb::ObjectServer>()) {
    setWidth(13500);
    setHeight(9600);
    // The value fields of the catalogue rows: hidden until the pages place them.
    for (auto* array : {&txtnci, &txtNvi, &txtNvo}) {
        const int rows = array == &txtnci ? kCpRows : array == &txtNvi ? kNviRows : kNvoRows;
        array->loadRange(0, rows - 1);
        array->forEach([](int, ui::TextBox& box) { box.setVisible(false); });
    }
    RTHinweis.setVisible(false);  // shown once the window's layout places it
    onLoad = [this] { Form_Load(); };
    onUnload = [this](int& cancel) { Form_Unload(cancel); };
}

fMain::~fMain() = default;

netdb::ObjectServer& fMain::wcxOS() { return *wcxOSShared(); }

std::shared_ptr<netdb::ObjectServer> fMain::wcxOSShared() {
    load();
    return wcxOS_;
}

void fMain::Form_Load() {
    const auto& s = ui::screen();
    setCaption(kMainCaption);
    centerOnScreen();
    applyCaptions(*this, text::kMainWindowSelector, text::ApplyLanguage(text::kMainWindowSelector));

    auto& splash = splashForm();
    splash.show();

    auto& progress = progressForm();
    const double splashHeight = splash.height();
    progress.move(
        static_cast<int>(std::lround((s.width() - (width() + splashHeight / 2.1)) / 2)),
        static_cast<int>(std::lround((s.height() - (height() - splashHeight / 1.1)) / 2)));
    progress.show(ui::vbModeless, this);
}

void fMain::Form_Unload(int&) {
    // The other windows of the plug-in go with the main window.
    unloadProgressForm();
    unloadSplashForm();
}

std::shared_ptr<netdb::ConfigProperty> fMain::GetCpByTypeIndex(std::string_view sPathHandle) {
    return model::GetCpByTypeIndex(sPathHandle, CurrentDevice, model::transferState());
}

void fMain::UpdateView(int16_t VariantSet, bool RefreshFields, std::string_view HelpKind,
                       int16_t HelpIndex) {
    // The editor refresh from the property values is a step of its own that comes with the
    // editor's pages; until then there is nothing to refresh.
    model::UpdateView(
        model::viewSettings(), RTHinweis, [] {}, VariantSet, RefreshFields, HelpKind, HelpIndex);
}

}  // namespace editor
