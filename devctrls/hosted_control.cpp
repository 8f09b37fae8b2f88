#include "devctrls/hosted_control.h"

namespace devctrls {

ui::Form& HostedControl::makeSurface(const std::string& name) {
    surface_ = std::make_unique<ui::Form>(name);
    surface_->setBorderStyle(ui::vbBSNone);
    surface_->setControlBox(false);
    return *surface_;
}

void HostedControl::setVisible(bool on) {
    box().setVisible(on);
    if (onOwnSurface()) hostForm().setVisible(on);  // alone, the control is its own window
}

}  // namespace devctrls
