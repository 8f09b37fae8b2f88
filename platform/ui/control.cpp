#include "platform/ui/control.h"

#include <algorithm>
#include <cctype>

#include "platform/ui/form.h"
#include "platform/ui/observer.h"
#include "platform/ui/property_table.h"
#include "platform/ui/props.h"
#include "platform/ui/tab_strip.h"

namespace ui {
namespace {
thread_local int eventDepth = 0;
}

bool iequals(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

EventNesting::EventNesting() {
    if (++eventDepth > kMaxDepth) {
        --eventDepth;
        raiseUi(uierr::kOutOfStack,
                "Out of stack space (event handlers call each other without end)");
    }
}
EventNesting::~EventNesting() { --eventDepth; }

bool hasObserversForChanges() { return hasObservers(); }

void notifyProperty(const Control& control, const char* property, const Value& value) {
    notify(Change{Change::Kind::Property, &control.form(), const_cast<Control*>(&control), property,
                  value});
}

Control::Control(Form* form, std::string name, int index)
    : form_(form), name_(std::move(name)), index_(index) {
    tabIndex_ = static_cast<int>(form_->controls().size());
    form_->addControl(this);
}

Control::~Control() { form_->removeControl(this); }

std::string Control::path() const {
    std::string p = form_->name() + "." + name_;
    if (index_ >= 0) p += "(" + std::to_string(index_) + ")";
    return p;
}

void Control::setContainer(Control& container, int tabPage) {
    if (&container.form() != form_ || !container.isContainer() || &container == this)
        raiseUi(uierr::kInvalidValue, "Invalid container for " + path());
    if (container_ == &container && page_ == tabPage) return;
    container_ = &container;
    page_ = tabPage;
    changedLazy("Container", [&] {
        return Value{{"name", container.name()}, {"index", container.index()}, {"page", tabPage}};
    });
}

void Control::setLeft(int v) { assign(left_, v, "Left"); }
void Control::setTop(int v) { assign(top_, v, "Top"); }
void Control::setWidth(int v) {
    if (v < 0) raiseUi(uierr::kInvalidValue, "Invalid property value: Width");
    if (v == width_) return;
    width_ = v;
    changed("Width", v);
}
void Control::setHeight(int v) {
    if (v < 0) raiseUi(uierr::kInvalidValue, "Invalid property value: Height");
    if (v == height_) return;
    height_ = v;
    changed("Height", v);
}
void Control::move(int left, int top, int width, int height) {
    setLeft(left);
    setTop(top);
    if (width >= 0) setWidth(width);
    if (height >= 0) setHeight(height);
}

void Control::setVisible(bool v) { assign(visible_, v, "Visible"); }

bool Control::isShown() const {
    if (!visible_) return false;
    if (!container_) return form_->visible();
    if (page_ >= 0) {
        auto* tabs = dynamic_cast<const TabStrip*>(container_);
        if (tabs && tabs->tab() != page_) return false;
    }
    return container_->isShown();
}

void Control::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    changed("Enabled", v);
    enabledChanged();
}

bool Control::isEnabledForInput() const {
    if (!enabled_) return false;
    return container_ ? container_->isEnabledForInput() : form_->enabled();
}

void Control::setForeColor(OleColor c) { assign(foreColor_, c, "ForeColor"); }
void Control::setBackColor(OleColor c) { assign(backColor_, c, "BackColor"); }
void Control::setToolTipText(const std::string& t) { assign(toolTip_, t, "ToolTipText"); }
void Control::setTag(const std::string& t) { assign(tag_, t, "Tag"); }
void Control::setTabIndex(int v) { assign(tabIndex_, v, "TabIndex"); }
void Control::setTabStop(bool v) { assign(tabStop_, v, "TabStop"); }
void Control::setFontName(const std::string& v) { assign(fontName_, v, "FontName"); }
void Control::setFontSize(double v) { assign(fontSize_, v, "FontSize"); }
void Control::setFontBold(bool v) { assign(fontBold_, v, "FontBold"); }
void Control::setFontItalic(bool v) { assign(fontItalic_, v, "FontItalic"); }
void Control::setFontUnderline(bool v) { assign(fontUnderline_, v, "FontUnderline"); }

void Control::setFocus() {
    if (!canFocus() || !isShown() || !isEnabledForInput())
        raiseUi(uierr::kInvalidCall,
                "Invalid procedure call or argument (" + path() + " cannot take the focus)");
    moveFocus(*form_, this);
}

bool Control::hasFocus() const { return form_->activeControl() == this; }

void Control::changed(const char* property, const Value& value) const {
    if (hasObservers()) notifyProperty(*this, property, value);
}

Value Control::get(std::string_view property) const {
    Value out;
    if (!getProperty(property, out))
        raiseUi(uierr::kNoSuchProperty, "Object doesn't support this property or method: " +
                                            std::string(kind()) + "." + std::string(property));
    return out;
}

void Control::set(std::string_view property, const Value& value) {
    if (!setProperty(property, value)) {
        Value dummy;
        if (getProperty(property, dummy))
            raiseUi(uierr::kReadOnly, "Property is read-only: " + std::string(property));
        raiseUi(uierr::kNoSuchProperty, "Object doesn't support this property or method: " +
                                            std::string(kind()) + "." + std::string(property));
    }
}

Value Control::properties() const {
    Value out = Value::object();
    for (const auto& n : propertyNames()) out[n] = get(n);
    return out;
}

const PropertyTable<Control>& Control::propertyTable() {
    using C = Control;
    static const auto table = PropertyTable<C>()
                                  .add("Name", &C::name)
                                  .add("Index", &C::index)
                                  .add("Left", &C::left, &C::setLeft)
                                  .add("Top", &C::top, &C::setTop)
                                  .add("Width", &C::width, &C::setWidth)
                                  .add("Height", &C::height, &C::setHeight)
                                  .add("Visible", &C::visible, &C::setVisible)
                                  .add("Enabled", &C::enabled, &C::setEnabled)
                                  .add("ForeColor", &C::foreColor, &C::setForeColor)
                                  .add("BackColor", &C::backColor, &C::setBackColor)
                                  .add("ToolTipText", &C::toolTipText, &C::setToolTipText)
                                  .add("Tag", &C::tag, &C::setTag)
                                  .add("TabIndex", &C::tabIndex, &C::setTabIndex)
                                  .add("TabStop", &C::tabStop, &C::setTabStop)
                                  .add("FontName", &C::fontName, &C::setFontName)
                                  .add("FontSize", &C::fontSize, &C::setFontSize)
                                  .add("FontBold", &C::fontBold, &C::setFontBold)
                                  .add("FontItalic", &C::fontItalic, &C::setFontItalic)
                                  .add("FontUnderline", &C::fontUnderline, &C::setFontUnderline)
                                  .add("Container", [](const C& c) {
                                      return c.container_ ? Value{{"name", c.container_->name()},
                                                                  {"index", c.container_->index()},
                                                                  {"page", c.page_}}
                                                          : Value(nullptr);
                                  });
    return table;
}

bool Control::getProperty(std::string_view n, Value& out) const {
    return propertyTable().read(*this, n, out);
}
bool Control::setProperty(std::string_view n, const Value& v) {
    return propertyTable().write(*this, n, v) == PropertyTable<Control>::Write::Done;
}
std::vector<std::string> Control::propertyNames() const { return propertyTable().names({}); }

void Control::userClick() { raise(onClick); }
void Control::userDblClick() { raise(onDblClick); }
void Control::userKeyDown(int&, int) {}
void Control::userChar(int) {}
void Control::userMouseDown(int button, int shift, double x, double y) {
    raise(onMouseDown, button, shift, x, y);
}
void Control::userMouseMove(int button, int shift, double x, double y) {
    raise(onMouseMove, button, shift, x, y);
}
void Control::userMouseUp(int button, int shift, double x, double y) {
    raise(onMouseUp, button, shift, x, y);
}

}  // namespace ui
