#include "devctrls/viewer_form.h"

#include <exception>

#include "platform/core/error.h"
#include "platform/ui/recovery.h"
#include "platform/ui/services.h"

namespace devctrls {

ViewerForm::ViewerForm(const std::string& name, const std::string& caption,
                       const std::string& listName)
    : ui::Form(name), list_(this, listName) {
    setCaption(caption);
    setBorderStyle(ui::vbFixedToolWindow);
    setKeyPreview(true);  // Escape in the list reaches the window first
    list_.setView(ui::lvwReport);
    list_.setFullRowSelect(true);
    onKeyDown = [this](int& keyCode, int) {
        if (keyCode != ui::vbKeyEscape) return;
        keyCode = 0;
        unload();
    };
    onUnload = [this](int&) { Timer1.setInterval(0); };
    Timer1.onTimer = [this] {
        if (repeat_) repeat_();
    };
}

bool ViewerForm::guarded(const char* routine, const std::function<void()>& refresh) {
    try {
        refresh();
        return true;
    } catch (const std::exception& e) {
        ui::msgBox(ui::asError(e).description + "\n" + name() + " " + routine, ui::vbCritical);
        return false;
    }
}

bool ViewerForm::firstParse(const std::function<bool()>& repeat) {
    repeat_ = repeat;
    bool ok = repeat_();
    Timer1.setInterval(kRefreshMs);
    Timer1.setEnabled(true);
    return ok;
}

}  // namespace devctrls
