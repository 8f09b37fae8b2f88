#pragma once
// Form: a window of the form model.
//
// A form is a class derived from ui::Form with its controls as members named like the
// controls, and handlers as member functions `<control>_<Event>` wired in its constructor:
//
//   class fAbout : public ui::Form {
//   public:
//       fAbout() : ui::Form("fAbout") {
//           onLoad = [this] { Form_Load(); };
//           cmdOk.onClick = [this] { cmdOk_Click(); };
//       }
//       ui::Label lblVersion{this, "lblVersion"};
//       ui::CommandButton cmdOk{this, "cmdOk"};
//   private:
//       void Form_Load();
//       void cmdOk_Click() { unload(); }
//   };
//
// Lifecycle: constructing a form creates its controls (the designed state); load() (or the
// first show()) raises Load once; show() makes it visible (Resize on the first show, then
// Activate); show(vbModal) runs a nested loop of the event loop until the form is hidden or
// unloaded; unload() raises QueryUnload and Unload (either may cancel), hides the form, stops
// its timers and makes it unloaded. Unload does not reset the controls: a form that must start
// from its designed state at every opening is constructed anew (see FormInstance).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/value.h"

namespace ui {

class Control;
class ControlArrayBase;
class Menu;

inline constexpr int vbModeless = 0;
inline constexpr int vbModal = 1;

inline constexpr int vbNormal = 0;
inline constexpr int vbMinimized = 1;
inline constexpr int vbMaximized = 2;

inline constexpr int vbBSNone = 0;
inline constexpr int vbFixedSingle = 1;
inline constexpr int vbSizable = 2;
inline constexpr int vbFixedDialog = 3;
inline constexpr int vbFixedToolWindow = 4;
inline constexpr int vbSizableToolWindow = 5;

// Unload modes of QueryUnload.
inline constexpr int vbFormControlMenu = 0;  // the user closed the window
inline constexpr int vbFormCode = 1;         // unload() from the program
inline constexpr int vbAppWindows = 2;
inline constexpr int vbAppTaskManager = 3;
inline constexpr int vbFormOwner = 5;

class Form {
  public:
    explicit Form(std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }

    // Lifecycle.
    bool isLoaded() const { return loaded_; }
    bool wasUnloaded() const { return unloaded_; }  // unloaded at least once
    void load();
    void show(int mode = vbModeless, Form* owner = nullptr);
    void hide();
    bool unload(int unloadMode = vbFormCode);  // false when QueryUnload or Unload cancelled
    bool visible() const { return visible_; }
    void setVisible(bool v);                 // true: show modeless, false: hide
    bool isModal() const { return modal_; }  // shown modally and still in its nested loop
    Form* owner() const { return owner_; }

    // Properties (twips for positions and sizes).
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);   // raises Resize
    void setHeight(int v);  // raises Resize
    void move(int left, int top, int width = -1, int height = -1);
    int scaleWidth() const;   // inner size: width minus the borders
    int scaleHeight() const;  // height minus borders and caption
    int windowState() const { return windowState_; }
    void setWindowState(int s);  // raises Resize
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int s);
    const std::string& icon() const { return icon_; }
    void setIcon(const std::string& picture);
    bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);
    bool controlBox() const { return controlBox_; }
    void setControlBox(bool v);
    const std::string& tag() const { return tag_; }
    void setTag(const std::string& t);
    OleColor backColor() const { return backColor_; }
    void setBackColor(OleColor c);
    // Centres the form on the screen: left = (screen width - width) / 2, the same for top.
    void centerOnScreen();

    // Controls in creation order; look-up by name and array index.
    const std::vector<Control*>& controls() const { return controls_; }
    Control* findControl(std::string_view name, int index = -1) const;
    // Like findControl but raises: Error 340 for a missing element of an existing control
    // array, platform::errc::kNotFound for an unknown name.
    Control& control(std::string_view name, int index = -1) const;
    // The same, as a control of kind T (a control of another kind raises Error 13).
    template <class T>
    T& controlAs(std::string_view name, int index = -1) const {
        auto* c = dynamic_cast<T*>(&control(name, index));
        if (!c) wrongKind(name, index);
        return *c;
    }
    const std::vector<ControlArrayBase*>& controlArrays() const { return arrays_; }
    Control* activeControl() const { return active_; }

    // Pops up a menu at (x, y) twips on the form; the renderer shows it, the headless toolkit
    // records it (lastPopupMenu()); a test then chooses an item with the input API.
    void popupMenu(Menu& menu, double x = -1, double y = -1);
    Menu* lastPopupMenu() const { return lastPopup_; }

    // Properties by name ("Caption", "Left", "WindowState", "Visible" ...).
    Value get(std::string_view property) const;
    void set(std::string_view property, const Value& value);
    Value properties() const;

    // Events.
    std::function<void()> onLoad;
    std::function<void()> onActivate;
    std::function<void()> onDeactivate;
    std::function<void()> onResize;
    std::function<void(int& cancel, int unloadMode)> onQueryUnload;
    std::function<void(int& cancel)> onUnload;
    std::function<void()> onClick;
    // With KeyPreview the form sees each key before the focused control.
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyCode, int shift)> onKeyUp;
    std::function<void(int& keyAscii)> onKeyPress;

  private:
    friend class Control;
    friend class ControlArrayBase;
    friend void moveFocus(Form& form, Control* to);
    void addControl(Control* c);
    void removeControl(Control* c);
    void propertyChanged(const char* property, const Value& value) const;
    // Sets a property; nothing happens for the value it already has. True when it changed.
    template <class T, class U>
    bool assign(T& member, const U& value, const char* property) {
        if (member == value) return false;
        member = value;
        propertyChanged(property, member);
        return true;
    }
    void runModal();
    [[noreturn]] void wrongKind(std::string_view name, int index) const;
    void resized();

    std::string name_;
    std::vector<Control*> controls_;
    std::vector<ControlArrayBase*> arrays_;
    Control* active_ = nullptr;
    Menu* lastPopup_ = nullptr;
    Form* owner_ = nullptr;
    bool loaded_ = false, unloaded_ = false, visible_ = false, modal_ = false, everShown_ = false;
    std::string caption_, icon_, tag_;
    int left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
    int windowState_ = vbNormal, borderStyle_ = vbSizable;
    bool keyPreview_ = false, enabled_ = true, controlBox_ = true;
    OleColor backColor_ = vbButtonFace;
};

// Moves the focus of a form: LostFocus of the old control, then GotFocus of the new one.
void moveFocus(Form& form, Control* to);

// Live forms (constructed and not yet destroyed), in creation order.
std::vector<Form*> forms();
// The live form of that name (the most recently created one when there are several); nullptr.
Form* findForm(std::string_view name);

// A form that exists while it is loaded, like a form's default instance: get() creates it on
// first use; after it was unloaded the next get() creates a fresh one in its designed state.
// The unloaded instance is destroyed later from the event loop, never under a running handler.
template <class F>
class FormInstance {
  public:
    F& get() {
        if (form_ && form_->wasUnloaded()) retire();
        if (!form_) form_ = std::make_unique<F>();
        return *form_;
    }
    F& operator*() { return get(); }
    F* operator->() { return &get(); }
    bool exists() const { return form_ != nullptr; }
    void reset() { form_.reset(); }

  private:
    void retire();
    std::unique_ptr<F> form_;
};

// Destroys a form later, from the event loop (used by FormInstance).
void destroyLater(std::unique_ptr<Form> form);

template <class F>
void FormInstance<F>::retire() {
    destroyLater(std::unique_ptr<Form>(form_.release()));
}

}  // namespace ui
