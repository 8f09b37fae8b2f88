#pragma once
// The base of every control of the form model.
//
// A control belongs to one form and sits in a container: the form itself, a Frame, a PictureBox
// or one page of a TabStrip. Positions and sizes are in twips. Properties are plain getters and
// setters (`text()`, `setText()`); every setter that changes a value notifies the observers,
// and setting a property to the value it already has does nothing at all (no event, no
// notification). The same properties are reachable by their VB names through get()/set().
//
// Events are std::function members named on<Event> (`onClick`, `onKeyPress` ...). A form wires
// them to its handlers in its constructor: `cmdApply.onClick = [this] { cmdApply_Click(); };`.
// An event without a handler does nothing. Exceptions thrown by a handler travel to whoever
// caused the event (the program's setter or the input API), never swallowed here.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/value.h"

namespace ui {

class Form;
template <class C>
class PropertyTable;

class Control {
  public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    // Identity.
    const std::string& name() const { return name_; }
    int index() const { return index_; }   // -1 when the control is no element of an array
    virtual const char* kind() const = 0;  // "TextBox", "ComboBox" ...
    Form& form() const { return *form_; }
    std::string path() const;  // "fMain.txtnci(5)"

    // Container: nullptr for the form itself, else a Frame, PictureBox or TabStrip (with the
    // page the control sits on).
    Control* container() const { return container_; }
    int containerPage() const { return page_; }
    void setContainer(Control& container, int tabPage = -1);
    virtual bool isContainer() const { return false; }

    // Geometry in twips.
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);
    void setHeight(int v);
    void move(int left, int top, int width = -1, int height = -1);

    // Visible is the control's own flag; isShown() also needs the containers, the selected page
    // of a TabStrip and the form to be visible (what a user can see and reach).
    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool isShown() const;
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);
    bool isEnabledForInput() const;  // enabled, containers and form enabled

    OleColor foreColor() const { return foreColor_; }
    OleColor backColor() const { return backColor_; }
    void setForeColor(OleColor c);
    void setBackColor(OleColor c);
    const std::string& toolTipText() const { return toolTip_; }
    void setToolTipText(const std::string& t);
    const std::string& tag() const { return tag_; }
    void setTag(const std::string& t);
    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int v);
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool v);

    const std::string& fontName() const { return fontName_; }
    double fontSize() const { return fontSize_; }
    bool fontBold() const { return fontBold_; }
    bool fontItalic() const { return fontItalic_; }
    bool fontUnderline() const { return fontUnderline_; }
    void setFontName(const std::string& v);
    void setFontSize(double v);
    void setFontBold(bool v);
    void setFontItalic(bool v);
    void setFontUnderline(bool v);

    // Focus. setFocus() moves the focus of the form here (LostFocus of the old control, then
    // GotFocus of this one); a control that cannot take the focus now (hidden, disabled, its
    // form not visible, or of a kind that takes none) raises Error 5.
    virtual bool canFocus() const { return false; }
    void setFocus();
    bool hasFocus() const;

    // Events most controls raise.
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyCode, int shift)> onKeyUp;
    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void(int button, int shift, double x, double y)> onMouseDown;
    std::function<void(int button, int shift, double x, double y)> onMouseMove;
    std::function<void(int button, int shift, double x, double y)> onMouseUp;

    // Properties by their VB names, case-insensitive ("Text", "ListIndex", "ForeColor" ...).
    // An unknown name raises Error 438; a value of the wrong type raises Error 13.
    Value get(std::string_view property) const;
    void set(std::string_view property, const Value& value);
    Value properties() const;  // every property of the control as one object
    static const PropertyTable<Control>& propertyTable();  // see property_table.h

    // Input of the user, called by the input API and renderers (see input.h); the program
    // itself uses the setters. Each one applies what the user's action does to this kind.
    virtual void userClick();
    virtual void userDblClick();
    virtual void userKeyDown(int& keyCode, int shift);  // effect of non-character keys
    virtual void userChar(int keyAscii);                // effect of a character after KeyPress
    virtual void userMouseDown(int button, int shift, double x, double y);
    virtual void userMouseMove(int button, int shift, double x, double y);
    virtual void userMouseUp(int button, int shift, double x, double y);

    // Raises an event: guards against endless chains of handlers (Error 28 "Out of stack
    // space" once events nest too deep) and ignores events without a handler.
    template <class... P, class... A>
    static void raise(const std::function<void(P...)>& event, A&&... args);

  protected:
    Control(Form* form, std::string name, int index);

    // Property access by name, served from propertyTable(); derived classes get theirs from
    // WithProperties (property_table.h), which defers to the base for names it does not hold.
    virtual bool getProperty(std::string_view name, Value& out) const;
    virtual bool setProperty(std::string_view name, const Value& value);
    virtual std::vector<std::string> propertyNames() const;

    // Called after Enabled changed (timers start or stop).
    virtual void enabledChanged() {}

    // Sets a simple property: nothing happens when it already has the value; otherwise the
    // observers hear of it. Returns whether it changed.
    template <class T, class U>
    bool assign(T& member, const U& value, const char* property) {
        if (member == value) return false;
        member = value;
        changed(property, member);
        return true;
    }

    // Reports a property change to the observers (the value is only built when observed).
    void changed(const char* property, const Value& value) const;
    template <class F>
    void changedLazy(const char* property, F&& make) const;

  private:
    friend class Form;
    Form* form_;
    std::string name_;
    int index_;
    Control* container_ = nullptr;
    int page_ = -1;
    int left_ = 0, top_ = 0, width_ = 1215, height_ = 375;
    bool visible_ = true, enabled_ = true;

  protected:
    OleColor foreColor_ = vbButtonText;
    OleColor backColor_ = vbButtonFace;

  private:
    std::string toolTip_, tag_;
    int tabIndex_ = 0;
    bool tabStop_ = true;
    std::string fontName_ = "MS Sans Serif";
    double fontSize_ = 8.25;
    bool fontBold_ = false, fontItalic_ = false, fontUnderline_ = false;
};

// Nesting guard of raised events (see Control::raise).
class EventNesting {
  public:
    EventNesting();
    ~EventNesting();
    EventNesting(const EventNesting&) = delete;
    EventNesting& operator=(const EventNesting&) = delete;
    static constexpr int kMaxDepth = 200;
};

bool hasObserversForChanges();
void notifyProperty(const Control& control, const char* property, const Value& value);

template <class F>
void Control::changedLazy(const char* property, F&& make) const {
    if (hasObserversForChanges()) notifyProperty(*this, property, make());
}

template <class... P, class... A>
void Control::raise(const std::function<void(P...)>& event, A&&... args) {
    if (!event) return;
    EventNesting guard;
    event(std::forward<A>(args)...);
}

// Case-insensitive comparison of property and key names.
bool iequals(std::string_view a, std::string_view b);

}  // namespace ui
