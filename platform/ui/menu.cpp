#include "platform/ui/menu.h"

#include "platform/ui/form.h"
#include "platform/ui/props.h"

namespace ui {

Menu::Menu(Form* form, std::string name, int index) : Control(form, std::move(name), index) {}

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

bool Menu::getProperty(std::string_view n, Value& out) const {
    if (iequals(n, "Caption"))
        out = caption_;
    else if (iequals(n, "Checked"))
        out = checked_;
    else if (iequals(n, "Shortcut"))
        out = shortcut_;
    else if (iequals(n, "ParentMenu"))
        out = parent_ ? Value(parent_->path()) : Value(nullptr);
    else
        return Control::getProperty(n, out);
    return true;
}

bool Menu::setProperty(std::string_view n, const Value& v) {
    if (iequals(n, "Caption"))
        setCaption(asString(v));
    else if (iequals(n, "Checked"))
        setChecked(asBool(v));
    else if (iequals(n, "Shortcut"))
        setShortcut(asString(v));
    else
        return Control::setProperty(n, v);
    return true;
}

std::vector<std::string> Menu::propertyNames() const {
    auto names = Control::propertyNames();
    names.insert(names.end(), {"Caption", "Checked", "Shortcut", "ParentMenu"});
    return names;
}

}  // namespace ui
