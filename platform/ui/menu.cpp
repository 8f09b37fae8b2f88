#include "platform/ui/menu.h"

#include "platform/ui/form.h"
#include "platform/ui/props.h"

namespace ui {

Menu::Menu(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {}

void Menu::setCaption(const std::string& c) { assign(caption_, c, "Caption"); }
void Menu::setChecked(bool v) { assign(checked_, v, "Checked"); }
void Menu::setShortcut(const std::string& s) { assign(shortcut_, s, "Shortcut"); }

void Menu::setParentMenu(Menu& parent) {
    if (&parent.form() != &form() || &parent == this)
        raiseUi(uierr::kInvalidValue, "Invalid parent menu for " + path());
    if (parent_ == &parent) return;
    parent_ = &parent;
    changed("ParentMenu", parent.path());
}

std::vector<Menu*> Menu::items() const {
    std::vector<Menu*> out;
    for (Control* c : form().controls())
        if (auto* m = dynamic_cast<Menu*>(c); m && m->parent_ == this) out.push_back(m);
    return out;
}

void Menu::click() { raise(onClick); }

void Menu::userClick() {
    for (const Menu* m = this; m; m = m->parent_)
        if (!m->visible() || !m->enabled())
            raiseUi(uierr::kInvalidCall, "The menu item " + path() + " is hidden or disabled");
    if (isSeparator()) raiseUi(uierr::kInvalidCall, "The menu item " + path() + " is a separator");
    click();
}

const PropertyTable<Menu>& Menu::propertyTable() {
    static const auto table = PropertyTable<Menu>()
                                  .add("Caption", &Menu::caption, &Menu::setCaption)
                                  .add("Checked", &Menu::checked, &Menu::setChecked)
                                  .add("Shortcut", &Menu::shortcut, &Menu::setShortcut)
                                  .add("ParentMenu", [](const Menu& m) {
                                      return m.parent_ ? Value(m.parent_->path()) : Value(nullptr);
                                  });
    return table;
}

}  // namespace ui
