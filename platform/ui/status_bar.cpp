#include "platform/ui/status_bar.h"

#include "platform/ui/props.h"

namespace ui {

StatusBar::StatusBar(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {}

Value StatusBar::panelsValue() const {
    Value out = Value::array();
    for (const auto& p : panels_)
        out.push_back({{"key", p.key},
                       {"text", p.text},
                       {"picture", p.picture},
                       {"toolTipText", p.toolTipText},
                       {"width", p.width},
                       {"left", p.left},
                       {"alignment", p.alignment},
                       {"style", p.style},
                       {"bevel", p.bevel}});
    return out;
}

void StatusBar::checkIndex(int index) const {
    if (index < 1 || index > panelCount())
        raiseUi(uierr::kIndexOutOfBounds,
                "Index out of bounds: " + path() + ".Panels(" + std::to_string(index) + ")");
}

void StatusBar::layout() {
    int left = 0;
    for (auto& p : panels_) {
        p.left = left;
        left += p.width;
    }
}

int StatusBar::addPanel(const std::string& key, const std::string& text, int width) {
    if (!key.empty())
        for (const auto& p : panels_)
            if (p.key == key)
                raiseUi(uierr::kKeyNotUnique, "Key is not unique in collection: " + key);
    Panel p;
    p.key = key;
    p.text = text;
    p.width = width;
    panels_.push_back(std::move(p));
    layout();
    changedLazy("Panels", [this] { return panelsValue(); });
    return panelCount();
}

void StatusBar::removePanel(int index) {
    checkIndex(index);
    panels_.erase(panels_.begin() + (index - 1));
    layout();
    changedLazy("Panels", [this] { return panelsValue(); });
}

void StatusBar::clearPanels() {
    if (panels_.empty()) return;
    panels_.clear();
    changed("Panels", Value::array());
}

const Panel& StatusBar::panel(int index) const {
    checkIndex(index);
    return panels_[static_cast<size_t>(index - 1)];
}

int StatusBar::panelIndex(std::string_view key) const {
    for (int i = 0; i < panelCount(); ++i)
        if (panels_[static_cast<size_t>(i)].key == key) return i + 1;
    raiseUi(uierr::kElementNotFound,
            "Element not found: " + path() + ".Panels(\"" + std::string(key) + "\")");
}

const Panel& StatusBar::panel(std::string_view key) const { return panel(panelIndex(key)); }

void StatusBar::setPanelText(int index, const std::string& text) {
    checkIndex(index);
    auto& p = panels_[static_cast<size_t>(index - 1)];
    if (p.text == text) return;
    p.text = text;
    changedLazy("Panels", [this] { return panelsValue(); });
}

void StatusBar::setPanelText(std::string_view key, const std::string& text) {
    setPanelText(panelIndex(key), text);
}

void StatusBar::setPanelPicture(int index, const std::string& picture) {
    checkIndex(index);
    auto& p = panels_[static_cast<size_t>(index - 1)];
    if (p.picture == picture) return;
    p.picture = picture;
    changedLazy("Panels", [this] { return panelsValue(); });
}

void StatusBar::setPanelToolTipText(int index, const std::string& text) {
    checkIndex(index);
    auto& p = panels_[static_cast<size_t>(index - 1)];
    if (p.toolTipText == text) return;
    p.toolTipText = text;
    changedLazy("Panels", [this] { return panelsValue(); });
}

void StatusBar::setPanelWidth(int index, int width) {
    checkIndex(index);
    auto& p = panels_[static_cast<size_t>(index - 1)];
    if (p.width == width) return;
    p.width = width;
    layout();
    changedLazy("Panels", [this] { return panelsValue(); });
}

void StatusBar::setStyle(int s) { assign(style_, s, "Style"); }
void StatusBar::setSimpleText(const std::string& t) { assign(simpleText_, t, "SimpleText"); }

void StatusBar::userClickPanel(int index, bool doubleClick) {
    checkIndex(index);
    raise(onPanelClick, index);
    raise(onClick);
    if (doubleClick) {
        raise(onPanelDblClick, index);
        raise(onDblClick);
    }
}

const PropertyTable<StatusBar>& StatusBar::propertyTable() {
    using C = StatusBar;
    static const auto table = PropertyTable<C>()
                                  .add("Panels", &C::panelsValue)
                                  .add("Style", &C::style, &C::setStyle)
                                  .add("SimpleText", &C::simpleText, &C::setSimpleText);
    return table;
}

}  // namespace ui
