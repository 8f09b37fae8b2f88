#pragma once
// Inspection and input API: what a user does, done by tests (in-process) and by scripts (the
// automation socket, see script.h). Input goes through the same events as a user's: typing
// gives the control the focus, then each key runs KeyDown (the form's first with KeyPreview),
// KeyPress and the key's effect, then KeyUp. Input to a control the user could not reach
// (hidden, disabled, its form not visible) raises platform::Error errc::kState.
//
// Keys: plain characters, and the special keys {ENTER} {TAB} {BACKSPACE} (or {BS}) {ESC}
// {DELETE} {HOME} {END} {LEFT} {RIGHT} {UP} {DOWN} {F1} {SPACE}; "{{}" and "{}}" type braces.
// Enter reaches KeyDown and KeyPress (keyAscii 13) and has no effect of its own in a
// single-line text box; what it does is up to the handlers. Tab runs KeyDown and then moves the
// focus to the next control in TabIndex order unless a handler set keyCode to 0.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ui/value.h"

namespace ui {

class Form;
class Control;
class ComboBox;
class TabStrip;
class TreeView;
class ListView;
class StatusBar;
class Menu;

// Look-up; unknown names raise platform::Error (errc::kNotFound), a missing array element
// Error 340.
Form& findFormOrThrow(std::string_view name);
Control& findControl(std::string_view form, std::string_view control, int index = -1);

// Properties by name.
Value getProperty(std::string_view form, std::string_view control, int index,
                  std::string_view property);
void setProperty(std::string_view form, std::string_view control, int index,
                 std::string_view property, const Value& value);

// Keyboard and mouse.
void typeKeys(Control& control, std::string_view keys);
void typeKeys(std::string_view keys);  // to the focused control of the active form
// One key to the control, as a renderer feeds the user's keys: a character (isChar, its
// Windows-1252 code) or a key code (vbKeyReturn, vbKeyTab, vbKeyBack ...). No focus change.
void sendKey(Control& control, int code, bool isChar);
void focus(Control& control);
void click(Control& control);  // focus (when it takes one), MouseDown/Up, the effect
void doubleClick(Control& control);
void mouseDown(Control& control, double x, double y, int button = 1, int shift = 0);
void mouseMove(Control& control, double x, double y, int button = 1, int shift = 0);
void mouseUp(Control& control, double x, double y, int button = 1, int shift = 0);

// Controls with items.
void selectItem(ComboBox& combo, int position);  // the user picks an entry
void selectItem(ComboBox& combo, std::string_view text);
void selectTab(TabStrip& tabs, int tab);
void checkNode(TreeView& tree, std::string_view key, bool checked);
void clickNode(TreeView& tree, std::string_view key);
void clickListItem(ListView& list, int item, bool doubleClick = false);
void clickPanel(StatusBar& bar, int panel, bool doubleClick = false);
void chooseMenu(Menu& item);
void closeForm(Form& form);  // the user closes the window (QueryUnload with vbFormControlMenu)

// Services and time.
void answer(int messageBoxAnswer);
void answerFile(const std::string& path);
void cancelFile();
void advance(int64_t ms);  // virtual clock of the process-wide event loop

// Descriptions for scripts and renderers.
Value describeForms();                          // [{name, caption, loaded, visible, modal}, ...]
Value describeBoxes();                          // every message box shown so far
Value describeControl(const Control& control);  // {name, index, kind, properties}

}  // namespace ui
