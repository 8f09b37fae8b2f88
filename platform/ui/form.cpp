#include "platform/ui/form.h"

#include <algorithm>

#include "platform/core/error.h"
#include "platform/core/event_loop.h"
#include "platform/ui/control.h"
#include "platform/ui/control_array.h"
#include "platform/ui/headless.h"
#include "platform/ui/menu.h"
#include "platform/ui/observer.h"
#include "platform/ui/property_table.h"
#include "platform/ui/props.h"
#include "platform/ui/screen.h"
#include "platform/ui/timer.h"

namespace ui {
namespace {
std::vector<Form*>& registry() {
    static auto* forms = new std::vector<Form*>;  // never destroyed: forms of other
    return *forms;                                // libraries may outlive this one at exit
}
// Visible forms, the active one last.
std::vector<Form*>& zOrder() {
    static auto* order = new std::vector<Form*>;
    return *order;
}
// Forms in their modal loops, the innermost last.
std::vector<Form*>& modalStack() {
    static auto* stack = new std::vector<Form*>;
    return *stack;
}
void erase(std::vector<Form*>& v, Form* f) { v.erase(std::remove(v.begin(), v.end(), f), v.end()); }

void notifyForm(Change::Kind kind, Form* form, Value value = {}) {
    if (hasObservers()) notify(Change{kind, form, nullptr, {}, std::move(value)});
}

void updateTimers(Form& form) {
    for (Control* c : form.controls())
        if (auto* t = dynamic_cast<Timer*>(c)) t->update();
}
}  // namespace

Form* activeFormOfScreen() { return zOrder().empty() ? nullptr : zOrder().back(); }

Form::Form(std::string name) : name_(std::move(name)), caption_(name_) {
    registry().push_back(this);
    notifyForm(Change::Kind::FormCreated, this);
}

Form::~Form() {
    erase(registry(), this);
    erase(zOrder(), this);
    erase(modalStack(), this);
    notifyForm(Change::Kind::FormDestroyed, this);
}

void Form::addControl(Control* c) {
    controls_.push_back(c);
    // Called from the control's base constructor: observers note the control and look at it
    // once it is complete (at its first property change or later).
    if (hasObservers()) notify(Change{Change::Kind::ControlCreated, this, c, {}, c->path()});
}

void Form::removeControl(Control* c) {
    if (active_ == c) active_ = nullptr;
    if (lastPopup_ == c) lastPopup_ = nullptr;
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    if (hasObservers()) notify(Change{Change::Kind::ControlDestroyed, this, c, {}, c->path()});
}

void Form::propertyChanged(const char* property, const Value& value) const {
    if (hasObservers())
        notify(Change{Change::Kind::Property, const_cast<Form*>(this), nullptr, property, value});
}

void Form::load() {
    if (loaded_) return;
    loaded_ = true;
    notifyForm(Change::Kind::FormLoaded, this);
    updateTimers(*this);
    Control::raise(onLoad);
}

namespace {
void activate(Form* form) {
    auto& z = zOrder();
    Form* previous = z.empty() ? nullptr : z.back();
    if (previous == form) return;
    erase(z, form);
    z.push_back(form);
    if (previous) Control::raise(previous->onDeactivate);
    Control::raise(form->onActivate);
}
}  // namespace

void Form::show(int mode, Form* owner) {
    load();
    if (!loaded_) return;  // the Load handler unloaded the form
    if (mode == vbModal && (visible_ || modal_))
        raiseUi(uierr::kAlreadyShown, "Form already displayed; can't show modally: " + name_);
    if (owner) owner_ = owner;
    if (!visible_) {
        visible_ = true;
        notifyForm(Change::Kind::FormShown, this, Value{{"modal", mode == vbModal}});
        if (!everShown_) {
            everShown_ = true;
            resized();
        }
    }
    activate(this);
    if (mode == vbModal) runModal();
}

void Form::runModal() {
    auto& loop = platform::EventLoop::instance();
    modal_ = true;
    modalStack().push_back(this);
    auto idle = loop.addIdleHandler([this] {
        return !modalStack().empty() && modalStack().back() == this && visible_ &&
               headless().runNextStep(*this);
    });
    struct Cleanup {
        Form* form;
        platform::EventLoop& loop;
        platform::EventLoop::Id idle;
        ~Cleanup() {
            loop.removeIdleHandler(idle);
            erase(modalStack(), form);
            form->modal_ = false;
        }
    } cleanup{this, loop, idle};
    try {
        loop.runUntil([this] { return !visible_ || !loaded_; });
    } catch (const platform::Error& e) {
        if (e.source != "EventLoop") throw;
        throw platform::Error(
            platform::errc::kState, "ui",
            "The modal form " + name_ +
                " waits for input and no step is queued for it (whenShown): " + e.description);
    }
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    bool wasActive = activeFormOfScreen() == this;
    erase(zOrder(), this);
    notifyForm(Change::Kind::FormHidden, this);
    if (wasActive) {
        Control::raise(onDeactivate);
        if (Form* next = activeFormOfScreen()) Control::raise(next->onActivate);
    }
}

bool Form::unload(int unloadMode) {
    if (!loaded_) return true;
    int cancel = 0;
    Control::raise(onQueryUnload, cancel, unloadMode);
    if (cancel) return false;
    Control::raise(onUnload, cancel);
    if (cancel) return false;
    hide();
    loaded_ = false;
    unloaded_ = true;
    everShown_ = false;
    active_ = nullptr;
    updateTimers(*this);
    notifyForm(Change::Kind::FormUnloaded, this);
    return true;
}

void Form::setVisible(bool v) {
    if (v)
        show();
    else
        hide();
}

void Form::setCaption(const std::string& c) { assign(caption_, c, "Caption"); }
void Form::setLeft(int v) { assign(left_, v, "Left"); }
void Form::setTop(int v) { assign(top_, v, "Top"); }
void Form::setWidth(int v) {
    if (v == width_) return;
    width_ = v;
    propertyChanged("Width", v);
    resized();
}
void Form::setHeight(int v) {
    if (v == height_) return;
    height_ = v;
    propertyChanged("Height", v);
    resized();
}
void Form::move(int left, int top, int width, int height) {
    setLeft(left);
    setTop(top);
    if (width >= 0) setWidth(width);
    if (height >= 0) setHeight(height);
}
void Form::resized() {
    if (loaded_) Control::raise(onResize);
}
int Form::scaleWidth() const {
    return borderStyle_ == vbBSNone ? width_ : std::max(0, width_ - 120);
}
int Form::scaleHeight() const {
    return borderStyle_ == vbBSNone ? height_ : std::max(0, height_ - 450);
}
void Form::setWindowState(int s) {
    if (s < vbNormal || s > vbMaximized)
        raiseUi(uierr::kInvalidValue, "Invalid property value: WindowState");
    if (s == windowState_) return;
    windowState_ = s;
    propertyChanged("WindowState", s);
    resized();
}
void Form::setBorderStyle(int s) { assign(borderStyle_, s, "BorderStyle"); }
void Form::setIcon(const std::string& picture) { assign(icon_, picture, "Icon"); }
void Form::setKeyPreview(bool v) { assign(keyPreview_, v, "KeyPreview"); }
void Form::setEnabled(bool v) { assign(enabled_, v, "Enabled"); }
void Form::setControlBox(bool v) { assign(controlBox_, v, "ControlBox"); }
void Form::setTag(const std::string& t) { assign(tag_, t, "Tag"); }
void Form::setBackColor(OleColor c) { assign(backColor_, c, "BackColor"); }
void Form::centerOnScreen() {
    setLeft((screen().width() - width_) / 2);
    setTop((screen().height() - height_) / 2);
}

Control* Form::findControl(std::string_view name, int index) const {
    for (Control* c : controls_)
        if (c->index() == index && c->name() == name) return c;
    return nullptr;
}

Control& Form::control(std::string_view name, int index) const {
    if (Control* c = findControl(name, index)) return *c;
    for (ControlArrayBase* a : arrays_)
        if (a->name() == name)
            raiseUi(uierr::kNoElement, "Control array element does not exist: " + name_ + "." +
                                           std::string(name) + "(" + std::to_string(index) + ")");
    throw platform::Error(platform::errc::kNotFound, "ui",
                          "No control " + std::string(name) + " on form " + name_);
}

void Form::wrongKind(std::string_view name, int index) const {
    raiseUi(uierr::kTypeMismatch, "Type mismatch: " + control(name, index).path() + " is a " +
                                      control(name, index).kind());
}

void Form::popupMenu(Menu& menu, double x, double y) {
    lastPopup_ = &menu;
    if (hasObservers())
        notify(Change{Change::Kind::PopupMenu, this, &menu, {}, Value{{"x", x}, {"y", y}}});
}

namespace {
const PropertyTable<Form>& formProperties() {
    using F = Form;
    static const auto table =
        PropertyTable<F>()
            .add("Name", &F::name)
            .add("Caption", &F::caption, &F::setCaption)
            .add("Left", &F::left, &F::setLeft)
            .add("Top", &F::top, &F::setTop)
            .add("Width", &F::width, &F::setWidth)
            .add("Height", &F::height, &F::setHeight)
            .add("ScaleWidth", &F::scaleWidth)
            .add("ScaleHeight", &F::scaleHeight)
            .add("WindowState", &F::windowState, &F::setWindowState)
            .add("BorderStyle", &F::borderStyle, &F::setBorderStyle)
            .add("Icon", &F::icon, &F::setIcon)
            .add("KeyPreview", &F::keyPreview, &F::setKeyPreview)
            .add("Enabled", &F::enabled, &F::setEnabled)
            .add("ControlBox", &F::controlBox, &F::setControlBox)
            .add("Tag", &F::tag, &F::setTag)
            .add("BackColor", &F::backColor, &F::setBackColor)
            .add("Visible", &F::visible, &F::setVisible)
            .add("Loaded", &F::isLoaded)
            .add("Modal", &F::isModal)
            .add("ActiveControl", [](const F& f) {
                return f.activeControl() ? Value(f.activeControl()->path()) : Value(nullptr);
            });
    return table;
}
}  // namespace

Value Form::get(std::string_view n) const {
    Value out;
    if (!formProperties().read(*this, n, out))
        raiseUi(uierr::kNoSuchProperty,
                "Object doesn't support this property or method: Form." + std::string(n));
    return out;
}

void Form::set(std::string_view n, const Value& v) {
    if (formProperties().write(*this, n, v) != PropertyTable<Form>::Write::Done) {
        get(n);  // raises 438 for unknown names
        raiseUi(uierr::kReadOnly, "Property is read-only: " + std::string(n));
    }
}

Value Form::properties() const {
    Value out = Value::object();
    for (const auto& n : formProperties().names({})) out[n] = get(n);
    return out;
}

void moveFocus(Form& form, Control* to) {
    if (form.active_ == to) return;
    Control* old = form.active_;
    form.active_ = to;
    form.propertyChanged("ActiveControl", to ? Value(to->path()) : Value(nullptr));
    if (old) Control::raise(old->onLostFocus);
    if (to && form.active_ == to) Control::raise(to->onGotFocus);
}

std::vector<Form*> forms() { return registry(); }

Form* findForm(std::string_view name) {
    auto& r = registry();
    for (auto it = r.rbegin(); it != r.rend(); ++it)
        if ((*it)->name() == name) return *it;
    return nullptr;
}

void destroyLater(std::unique_ptr<Form> form) {
    std::shared_ptr<Form> owned(std::move(form));
    platform::EventLoop::instance().post([owned]() mutable { owned.reset(); });
}

ControlArrayBase::ControlArrayBase(Form* form, std::string name)
    : form_(form), name_(std::move(name)) {
    form_->arrays_.push_back(this);
}

ControlArrayBase::~ControlArrayBase() {
    auto& a = form_->arrays_;
    a.erase(std::remove(a.begin(), a.end(), this), a.end());
}

void ControlArrayBase::missing(int index) const {
    raiseUi(uierr::kNoElement, "Control array element does not exist: " + form_->name() + "." +
                                   name_ + "(" + std::to_string(index) + ")");
}

void ControlArrayBase::alreadyLoaded(int index) const {
    raiseUi(uierr::kAlreadyLoaded, "Object already loaded: " + form_->name() + "." + name_ + "(" +
                                       std::to_string(index) + ")");
}

}  // namespace ui

namespace ui {

void ControlArrayBase::copyDesign(const Control& from, Control& to) {
    // Collections, selections and values belong to the element, not to its design.
    static const char* const kNotCopied[] = {
        "Name",         "Index",       "TabIndex",    "Visible",      "Container",  "ParentMenu",
        "List",         "ItemData",    "ListCount",   "ListIndex",    "ListItems",  "ColumnHeaders",
        "Nodes",        "Panels",      "Tabs",        "Tab",          "TabCount",   "Runs",
        "Count",        "SelStart",    "SelLength",   "SelText",      "SelBold",    "SelItalic",
        "SelUnderline", "SelColor",    "SelFontSize", "SelectedItem", "ListImages", "FileTitle",
        "Copies",       "PrinterName", "SmallIcons",  "ImageList",    "Value"};
    Value props = from.properties();
    for (const auto& [name, value] : props.items()) {
        bool skip = false;
        for (const char* n : kNotCopied) skip = skip || name == n;
        if (skip) continue;
        try {
            to.set(name, value);
        } catch (const platform::Error& e) {
            if (e.number != uierr::kReadOnly) throw;
        }
    }
    if (from.container()) to.setContainer(*from.container(), from.containerPage());
    auto* menu = dynamic_cast<const Menu*>(&from);
    if (menu && menu->parentMenu()) static_cast<Menu&>(to).setParentMenu(*menu->parentMenu());
    to.setVisible(menu != nullptr && from.visible());
}

}  // namespace ui
