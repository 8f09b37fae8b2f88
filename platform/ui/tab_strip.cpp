#include "platform/ui/tab_strip.h"

#include "platform/ui/props.h"

namespace ui {

TabStrip::TabStrip(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {}

Value TabStrip::tabsValue() const {
    Value out = Value::array();
    for (const auto& t : tabs_)
        out.push_back({{"caption", t.caption},
                       {"key", t.key},
                       {"tag", t.tag},
                       {"toolTipText", t.toolTipText},
                       {"enabled", t.enabled}});
    return out;
}

void TabStrip::checkTab(int tab) const {
    if (tab < 0 || tab >= tabs())
        raiseUi(uierr::kInvalidValue,
                "Invalid property value: " + path() + " has no tab " + std::to_string(tab));
}

int TabStrip::addTab(const std::string& caption, const std::string& key) {
    tabs_.push_back(Tab{caption, key, {}, {}, true});
    changedLazy("Tabs", [this] { return tabsValue(); });
    if (selected_ < 0) {
        // The first tab is selected from the start, as in the designer; no Click for that.
        selected_ = 0;
        changed("Tab", 0);
    }
    return tabs() - 1;
}

void TabStrip::removeTab(int tab) {
    checkTab(tab);
    tabs_.erase(tabs_.begin() + tab);
    if (selected_ >= tabs()) selected_ = tabs() - 1;
    changedLazy("Tabs", [this] { return tabsValue(); });
    changed("Tab", selected_);
}

void TabStrip::clearTabs() {
    tabs_.clear();
    selected_ = -1;
    changed("Tabs", Value::array());
    changed("Tab", -1);
}

const Tab& TabStrip::tabAt(int tab) const {
    checkTab(tab);
    return tabs_[static_cast<size_t>(tab)];
}

void TabStrip::setTabCaption(int tab, const std::string& caption) {
    checkTab(tab);
    if (tabs_[static_cast<size_t>(tab)].caption == caption) return;
    tabs_[static_cast<size_t>(tab)].caption = caption;
    changedLazy("Tabs", [this] { return tabsValue(); });
}

void TabStrip::setTabEnabled(int tab, bool enabled) {
    checkTab(tab);
    if (tabs_[static_cast<size_t>(tab)].enabled == enabled) return;
    tabs_[static_cast<size_t>(tab)].enabled = enabled;
    changedLazy("Tabs", [this] { return tabsValue(); });
}

void TabStrip::setTabToolTipText(int tab, const std::string& text) {
    checkTab(tab);
    tabs_[static_cast<size_t>(tab)].toolTipText = text;
    changedLazy("Tabs", [this] { return tabsValue(); });
}

int TabStrip::tabByKey(std::string_view key) const {
    for (int i = 0; i < tabs(); ++i)
        if (tabs_[static_cast<size_t>(i)].key == key) return i;
    return -1;
}

void TabStrip::setTab(int tab) {
    checkTab(tab);
    if (tab == selected_) return;
    selected_ = tab;
    changed("Tab", tab);
    raise(onClick);
}

void TabStrip::userSelect(int tab) {
    checkTab(tab);
    if (!tabs_[static_cast<size_t>(tab)].enabled)
        raiseUi(uierr::kInvalidCall,
                "Tab " + std::to_string(tab) + " of " + path() + " is disabled");
    setTab(tab);
}

const PropertyTable<TabStrip>& TabStrip::propertyTable() {
    using C = TabStrip;
    static const auto table = PropertyTable<C>()
                                  .add("Tab", &C::tab, &C::setTab)
                                  .add("Tabs", &C::tabsValue)
                                  .add("TabCount", &C::tabs);
    return table;
}

}  // namespace ui
