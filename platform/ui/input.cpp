#include "platform/ui/input.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/core/codepage.h"
#include "platform/core/error.h"
#include "platform/core/event_loop.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/control.h"
#include "platform/ui/form.h"
#include "platform/ui/headless.h"
#include "platform/ui/list_view.h"
#include "platform/ui/menu.h"
#include "platform/ui/screen.h"
#include "platform/ui/status_bar.h"
#include "platform/ui/tab_strip.h"
#include "platform/ui/tree_view.h"

namespace ui {
namespace {

[[noreturn]] void unreachable(const Control& c, const char* why) {
    throw platform::Error(platform::errc::kState, "ui", c.path() + " " + why);
}

void requireReachable(const Control& c) {
    if (!c.form().visible()) unreachable(c, "is on a form that is not shown");
    if (!c.isShown()) unreachable(c, "is not visible");
    if (!c.isEnabledForInput()) unreachable(c, "is disabled");
}

struct Key {
    bool isChar;
    int code;  // the character (isChar) or the key code
};

const struct {
    const char* name;
    int keyCode;
} kSpecialKeys[] = {
    {"ENTER", vbKeyReturn}, {"TAB", vbKeyTab},       {"BACKSPACE", vbKeyBack}, {"BS", vbKeyBack},
    {"ESC", vbKeyEscape},   {"DELETE", vbKeyDelete}, {"DEL", vbKeyDelete},     {"HOME", vbKeyHome},
    {"END", vbKeyEnd},      {"LEFT", vbKeyLeft},     {"RIGHT", vbKeyRight},    {"UP", vbKeyUp},
    {"DOWN", vbKeyDown},    {"F1", vbKeyF1},
};

// The key code of one UTF-8 character at s[i] (its Windows-1252 code, as keyAscii carries
// it), advancing i.
int decodeChar(std::string_view s, size_t& i) {
    size_t start = i++;
    while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
    std::string byte = platform::utf8ToCp1252(s.substr(start, i - start));
    return byte.size() == 1 ? static_cast<unsigned char>(byte[0]) : '?';
}
std::vector<Key> parseKeys(std::string_view keys) {
    std::vector<Key> out;
    size_t i = 0;
    while (i < keys.size()) {
        if (keys[i] == '{') {
            size_t close = keys.find('}', i + 2);
            if (close == std::string_view::npos)
                throw platform::Error(platform::errc::kInvalidValue, "ui",
                                      "Unclosed { in keys: " + std::string(keys));
            std::string name(keys.substr(i + 1, close - i - 1));
            i = close + 1;
            if (name == "{" || name == "}") {
                out.push_back({true, name[0]});
                continue;
            }
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char ch) { return std::toupper(ch); });
            if (name == "SPACE") {
                out.push_back({true, ' '});
                continue;
            }
            bool found = false;
            for (const auto& k : kSpecialKeys)
                if (name == k.name) {
                    out.push_back({false, k.keyCode});
                    found = true;
                }
            if (!found)
                throw platform::Error(platform::errc::kInvalidValue, "ui",
                                      "Unknown key {" + name + "}");
            continue;
        }
        out.push_back({true, decodeChar(keys, i)});
    }
    return out;
}

int keyCodeOf(int ch) {
    if (ch >= 'a' && ch <= 'z') return ch - 'a' + 'A';
    if ((ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == ' ') return ch;
    switch (ch) {
        case ',':
            return 188;
        case '-':
            return 189;
        case '.':
            return 190;
        case '+':
            return 187;
        default:
            return ch;
    }
}

// The character a non-character key produces for KeyPress (0: none).
int asciiOfKey(int keyCode) {
    return keyCode == vbKeyReturn || keyCode == vbKeyBack || keyCode == vbKeyEscape ? keyCode : 0;
}

void focusNext(Form& form, Control* from) {
    std::vector<Control*> order;
    for (Control* c : form.controls())
        if (c->canFocus() && c->tabStop() && c->isShown() && c->isEnabledForInput())
            order.push_back(c);
    if (order.empty()) return;
    std::stable_sort(order.begin(), order.end(),
                     [](Control* a, Control* b) { return a->tabIndex() < b->tabIndex(); });
    auto it = std::find(order.begin(), order.end(), from);
    Control* next = it == order.end() || it + 1 == order.end() ? order.front() : *(it + 1);
    moveFocus(form, next);
}

void deliver(Control& c, const Key& key) {
    Form& form = c.form();
    int keyCode = key.isChar ? keyCodeOf(key.code) : key.code;
    int ascii = key.isChar ? key.code : asciiOfKey(key.code);
    if (form.keyPreview()) Control::raise(form.onKeyDown, keyCode, 0);
    if (keyCode) Control::raise(c.onKeyDown, keyCode, 0);
    if (keyCode == vbKeyTab) {
        focusNext(form, &c);
        return;
    }
    if (keyCode && !key.isChar) c.userKeyDown(keyCode, 0);
    if (ascii) {
        if (form.keyPreview()) Control::raise(form.onKeyPress, ascii);
        if (ascii) Control::raise(c.onKeyPress, ascii);
        if (ascii) c.userChar(ascii);
    }
    int up = key.isChar ? keyCodeOf(key.code) : key.code;
    if (form.keyPreview()) Control::raise(form.onKeyUp, up, 0);
    if (up) Control::raise(c.onKeyUp, up, 0);
}

}  // namespace

Form& findFormOrThrow(std::string_view name) {
    if (Form* f = findForm(name)) return *f;
    throw platform::Error(platform::errc::kNotFound, "ui", "No form " + std::string(name));
}

Control& findControl(std::string_view form, std::string_view control, int index) {
    return findFormOrThrow(form).control(control, index);
}

Value getProperty(std::string_view form, std::string_view control, int index,
                  std::string_view property) {
    if (control.empty()) return findFormOrThrow(form).get(property);
    return findControl(form, control, index).get(property);
}

void setProperty(std::string_view form, std::string_view control, int index,
                 std::string_view property, const Value& value) {
    if (control.empty()) return findFormOrThrow(form).set(property, value);
    findControl(form, control, index).set(property, value);
}

void sendKey(Control& control, int code, bool isChar) {
    requireReachable(control);
    deliver(control, Key{isChar, code});
}

void focus(Control& control) {
    requireReachable(control);
    control.setFocus();
}

void typeKeys(Control& control, std::string_view keys) {
    auto parsed = parseKeys(keys);
    focus(control);
    Form& form = control.form();
    for (const auto& key : parsed) {
        // Keys go where the focus is: a handler may have moved it (Enter to the next field).
        Control* target = form.activeControl() ? form.activeControl() : &control;
        requireReachable(*target);
        deliver(*target, key);
    }
}

void typeKeys(std::string_view keys) {
    Form* form = screen().activeForm();
    if (!form || !form->activeControl())
        throw platform::Error(platform::errc::kState, "ui", "No control has the focus");
    typeKeys(*form->activeControl(), keys);
}

void click(Control& control) {
    requireReachable(control);
    if (control.canFocus()) control.setFocus();
    double x = control.width() / 2.0, y = control.height() / 4.0;
    Control::raise(control.onMouseDown, vbLeftButton, 0, x, y);
    Control::raise(control.onMouseUp, vbLeftButton, 0, x, y);
    control.userClick();
}

void doubleClick(Control& control) {
    click(control);
    control.userDblClick();
}

void mouseDown(Control& control, double x, double y, int button, int shift) {
    requireReachable(control);
    if (control.canFocus()) control.setFocus();
    control.userMouseDown(button, shift, x, y);
}

void mouseMove(Control& control, double x, double y, int button, int shift) {
    requireReachable(control);
    control.userMouseMove(button, shift, x, y);
}

void mouseUp(Control& control, double x, double y, int button, int shift) {
    requireReachable(control);
    control.userMouseUp(button, shift, x, y);
}

void selectItem(ComboBox& combo, int position) {
    requireReachable(combo);
    combo.setFocus();
    combo.userSelect(position);
}

void selectItem(ComboBox& combo, std::string_view text) {
    for (int i = 0; i < combo.listCount(); ++i)
        if (combo.list(i) == text) return selectItem(combo, i);
    throw platform::Error(platform::errc::kNotFound, "ui",
                          "No entry \"" + std::string(text) + "\" in " + combo.path());
}

void selectTab(TabStrip& tabs, int tab) {
    requireReachable(tabs);
    tabs.userSelect(tab);
}

void checkNode(TreeView& tree, std::string_view key, bool checked) {
    requireReachable(tree);
    tree.userCheckNode(tree.nodeIndex(key), checked);
}

void clickNode(TreeView& tree, std::string_view key) {
    requireReachable(tree);
    tree.userClickNode(tree.nodeIndex(key));
}

void clickListItem(ListView& list, int item, bool doubleClick) {
    requireReachable(list);
    if (list.canFocus()) list.setFocus();
    list.userClickItem(item, doubleClick);
}

void clickPanel(StatusBar& bar, int panel, bool doubleClick) {
    requireReachable(bar);
    bar.userClickPanel(panel, doubleClick);
}

void chooseMenu(Menu& item) {
    if (!item.form().visible()) unreachable(item, "is on a form that is not shown");
    item.userClick();
}

void closeForm(Form& form) { form.unload(vbFormControlMenu); }

void answer(int messageBoxAnswer) { headless().answer(messageBoxAnswer); }
void answerFile(const std::string& path) { headless().answerFile(path); }
void cancelFile() { headless().cancelFile(); }
void advance(int64_t ms) { platform::EventLoop::instance().advance(ms); }

Value describeForms() {
    Value out = Value::array();
    Form* active = screen().activeForm();
    for (Form* f : forms())
        out.push_back({{"name", f->name()},
                       {"caption", f->caption()},
                       {"loaded", f->isLoaded()},
                       {"visible", f->visible()},
                       {"modal", f->isModal()},
                       {"active", f == active}});
    return out;
}

Value describeBoxes() {
    Value out = Value::array();
    for (const auto& b : headless().boxes())
        out.push_back({{"text", b.request.text},
                       {"title", b.request.title},
                       {"buttons", b.request.buttons},
                       {"icon", b.request.icon},
                       {"defaultButton", b.request.defaultButton},
                       {"answer", b.answer},
                       {"queued", b.queued}});
    return out;
}

Value describeControl(const Control& control) {
    return Value{{"path", control.path()},
                 {"name", control.name()},
                 {"index", control.index()},
                 {"kind", control.kind()},
                 {"properties", control.properties()}};
}

}  // namespace ui
