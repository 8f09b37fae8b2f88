#include "platform/ui/ui_requests.h"

#include <string>

#include "platform/core/error.h"
#include "platform/ui/ui.h"

namespace ui {
namespace {

[[noreturn]] void bad(const std::string& why) {
    throw platform::Error(platform::errc::kInvalidValue, "ui", why);
}

std::string textOf(const ui::Value& request, const char* key) {
    auto it = request.find(key);
    if (it == request.end() || !it->is_string())
        bad(std::string("The ui request has no text \"") + key + "\": " + request.dump());
    return it->get<std::string>();
}

struct Target {
    std::string form, control;
    int index = -1;
};

Target targetOf(const ui::Value& request) {
    Target t;
    t.form = textOf(request, "form");
    if (auto it = request.find("control"); it != request.end() && it->is_string())
        t.control = it->get<std::string>();
    if (t.control == "Me") t.control.clear();
    if (auto it = request.find("index"); it != request.end() && it->is_number_integer())
        t.index = it->get<int>();
    return t;
}

ui::Control& controlOf(const ui::Value& request) {
    Target t = targetOf(request);
    if (t.control.empty()) bad("The ui request \"" + textOf(request, "op") + "\" needs a control");
    return ui::findControl(t.form, t.control, t.index);
}

int answerOf(const ui::Value& button) {
    if (button.is_number_integer()) return button.get<int>();
    if (!button.is_string()) bad("Bad message box answer: " + button.dump());
    static const struct {
        const char* name;
        int answer;
    } names[] = {{"ok", ui::vbOK},       {"cancel", ui::vbCancel}, {"abort", ui::vbAbort},
                 {"retry", ui::vbRetry}, {"ignore", ui::vbIgnore}, {"yes", ui::vbYes},
                 {"no", ui::vbNo}};
    const std::string word = button.get<std::string>();
    for (const auto& n : names)
        if (ui::iequals(word, n.name)) return n.answer;
    try {
        size_t used = 0;
        int answer = std::stoi(word, &used);
        if (used == word.size()) return answer;
    } catch (const std::exception&) {
    }
    bad("Bad message box answer \"" + word + "\"; use ok, cancel, abort, retry, ignore, yes, no");
}

}  // namespace

ui::Value serveUiRequest(const ui::Value& request) {
    if (!request.is_object()) bad("A ui request is a JSON object: " + request.dump());
    const std::string op = textOf(request, "op");
    if (op == "forms") return ui::describeForms();
    if (op == "boxes") return ui::describeBoxes();
    if (op == "get") {
        Target t = targetOf(request);
        return ui::getProperty(t.form, t.control, t.index, textOf(request, "property"));
    }
    if (op == "set") {
        Target t = targetOf(request);
        auto value = request.find("value");
        if (value == request.end()) bad("The ui request \"set\" has no value");
        ui::setProperty(t.form, t.control, t.index, textOf(request, "property"), *value);
        return nullptr;
    }
    if (op == "key") {
        ui::typeKeys(controlOf(request), textOf(request, "text"));
        return nullptr;
    }
    if (op == "click") {
        ui::click(controlOf(request));
        return nullptr;
    }
    if (op == "focus") {
        ui::focus(controlOf(request));
        return nullptr;
    }
    if (op == "answer") {
        auto button = request.find("button");
        if (button == request.end()) bad("The ui request \"answer\" has no button");
        ui::answer(answerOf(*button));
        return nullptr;
    }
    if (op == "answer-file") {
        if (request.value("cancel", false))
            ui::cancelFile();
        else
            ui::answerFile(textOf(request, "path"));
        return nullptr;
    }
    if (op == "advance") {
        auto ms = request.find("ms");
        if (ms == request.end() || !ms->is_number_integer() || ms->get<int64_t>() < 0)
            bad("The ui request \"advance\" needs a number of milliseconds");
        ui::advance(ms->get<int64_t>());
        return nullptr;
    }
    if (op == "screenshot") {
        if (!screenshotWriter())
            bad("No renderer draws the windows of this process, so there is nothing to take a "
                "screenshot of (start it with a display or QT_QPA_PLATFORM=offscreen, without "
                "--headless)");
        return screenshotWriter()(textOf(request, "dir"));
    }
    bad("The plug-in does not serve the ui request \"" + op + "\"");
}

std::function<Value(const std::string&)>& screenshotWriter() {
    static auto* writer = new std::function<Value(const std::string&)>;
    return *writer;
}

}  // namespace ui
