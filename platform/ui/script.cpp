#include "platform/ui/script.h"

#include <cctype>
#include <string>
#include <vector>

#include "platform/core/error.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/control.h"
#include "platform/ui/form.h"
#include "platform/ui/headless.h"
#include "platform/ui/input.h"
#include "platform/ui/menu.h"
#include "platform/ui/services.h"
#include "platform/ui/tab_strip.h"
#include "platform/ui/tree_view.h"

namespace ui {
namespace {

[[noreturn]] void bad(const std::string& why) {
    throw platform::Error(platform::errc::kInvalidValue, "ui script", why);
}

// Splits off the next blank-separated word; `rest` keeps what follows (without the blank).
std::string nextWord(std::string_view& rest) {
    size_t i = 0;
    while (i < rest.size() && std::isspace(static_cast<unsigned char>(rest[i]))) ++i;
    size_t j = i;
    while (j < rest.size() && !std::isspace(static_cast<unsigned char>(rest[j]))) ++j;
    std::string word(rest.substr(i, j - i));
    rest = rest.substr(j < rest.size() ? j + 1 : j);
    return word;
}

struct Target {
    std::string form;
    std::string control;  // empty: the form itself
    int index = -1;
};

// "fMain", "fMain.cmdApply" or "fMain.txtnci(5)".
Target parseTarget(const std::string& word) {
    Target t;
    size_t dot = word.find('.');
    t.form = word.substr(0, dot);
    if (t.form.empty()) bad("missing form name in \"" + word + "\"");
    if (dot == std::string::npos) return t;
    std::string c = word.substr(dot + 1);
    size_t open = c.find('(');
    if (open != std::string::npos) {
        if (c.back() != ')') bad("bad index in \"" + word + "\"");
        try {
            t.index = std::stoi(c.substr(open + 1, c.size() - open - 2));
        } catch (const std::exception&) {
            bad("bad index in \"" + word + "\"");
        }
        c = c.substr(0, open);
    }
    t.control = c;
    return t;
}

Control& controlOf(const Target& t) {
    if (t.control.empty()) bad("a control is needed, not the form " + t.form);
    return findControl(t.form, t.control, t.index);
}

template <class T>
T& controlAs(const Target& t, const char* kind) {
    auto* c = dynamic_cast<T*>(&controlOf(t));
    if (!c) bad(t.form + "." + t.control + " is no " + kind);
    return *c;
}

// A value: JSON when it parses as JSON, else the text as it stands.
Value parseValue(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    Value v = Value::parse(text, nullptr, false);
    if (v.is_discarded()) return std::string(text);
    return v;
}

int parseAnswer(const std::string& word) {
    static const struct {
        const char* name;
        int answer;
    } names[] = {{"ok", vbOK},         {"cancel", vbCancel}, {"abort", vbAbort}, {"retry", vbRetry},
                 {"ignore", vbIgnore}, {"yes", vbYes},       {"no", vbNo}};
    for (const auto& n : names)
        if (iequals(word, n.name)) return n.answer;
    try {
        return std::stoi(word);
    } catch (const std::exception&) {
        bad("bad answer \"" + word + "\"");
    }
}

int parseInt(const std::string& word) {
    try {
        size_t used = 0;
        int v = std::stoi(word, &used);
        if (used == word.size()) return v;
    } catch (const std::exception&) {
    }
    bad("a number is needed, not \"" + word + "\"");
}

}  // namespace

Value runScriptLine(std::string_view line) {
    std::string_view rest = line;
    std::string cmd = nextWord(rest);
    if (cmd == "ui") cmd = nextWord(rest);
    if (cmd == "forms") return describeForms();
    if (cmd == "boxes") return describeBoxes();
    if (cmd == "answer") {
        answer(parseAnswer(nextWord(rest)));
        return nullptr;
    }
    if (cmd == "answer-file") {
        std::string path(parseValue(rest).is_string() ? parseValue(rest).get<std::string>()
                                                      : std::string(rest));
        if (path == "cancel")
            cancelFile();
        else
            answerFile(path);
        return nullptr;
    }
    if (cmd == "advance") {
        advance(parseInt(nextWord(rest)));
        return nullptr;
    }
    if (cmd == "mouse") {
        std::string what = nextWord(rest);
        Control& c = controlOf(parseTarget(nextWord(rest)));
        double x = parseInt(nextWord(rest)), y = parseInt(nextWord(rest));
        if (what == "down")
            mouseDown(c, x, y);
        else if (what == "move")
            mouseMove(c, x, y);
        else if (what == "up")
            mouseUp(c, x, y);
        else
            bad("mouse down, move or up, not \"" + what + "\"");
        return nullptr;
    }
    Target t = parseTarget(nextWord(rest));
    if (cmd == "get") {
        std::string prop = nextWord(rest);
        if (prop.empty()) {
            if (t.control.empty()) return findFormOrThrow(t.form).properties();
            return describeControl(controlOf(t));
        }
        return getProperty(t.form, t.control, t.index, prop);
    }
    if (cmd == "set") {
        std::string prop = nextWord(rest);
        setProperty(t.form, t.control, t.index, prop, parseValue(rest));
        return nullptr;
    }
    if (cmd == "key") {
        typeKeys(controlOf(t), rest);
        return nullptr;
    }
    if (cmd == "click") {
        click(controlOf(t));
        return nullptr;
    }
    if (cmd == "dblclick") {
        doubleClick(controlOf(t));
        return nullptr;
    }
    if (cmd == "focus") {
        focus(controlOf(t));
        return nullptr;
    }
    if (cmd == "select") {
        auto& combo = controlAs<ComboBox>(t, "ComboBox");
        Value v = parseValue(rest);
        if (v.is_number_integer())
            selectItem(combo, v.get<int>());
        else
            selectItem(combo, v.is_string() ? v.get<std::string>() : v.dump());
        return nullptr;
    }
    if (cmd == "tab") {
        selectTab(controlAs<TabStrip>(t, "TabStrip"), parseInt(nextWord(rest)));
        return nullptr;
    }
    if (cmd == "check") {
        auto& tree = controlAs<TreeView>(t, "TreeView");
        std::string key = nextWord(rest);
        std::string on = nextWord(rest);
        checkNode(tree, key, on.empty() || on == "1" || iequals(on, "true"));
        return nullptr;
    }
    if (cmd == "menu") {
        chooseMenu(controlAs<Menu>(t, "Menu"));
        return nullptr;
    }
    if (cmd == "close") {
        closeForm(findFormOrThrow(t.form));
        return nullptr;
    }
    bad("unknown ui command \"" + cmd + "\"");
}

}  // namespace ui
