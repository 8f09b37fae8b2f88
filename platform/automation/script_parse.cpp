#include "platform/automation/script_parse.h"

#include <charconv>
#include <string>

#include "platform/core/error.h"

namespace automation::script {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

[[noreturn]] void syntax(const std::string& what) {
    throw platform::Error(platform::errc::kInvalidValue, "qbx", what);
}

// Length of the JSON token starting s: a string, a bracketed array or object (strings inside
// skipped), or anything up to the next blank.
size_t tokenLength(std::string_view s) {
    size_t i = 0;
    int depth = 0;
    bool inString = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
            if (!inString && depth == 0) return i + 1;
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            ++depth;
        } else if (c == ']' || c == '}') {
            if (--depth == 0) return i + 1;
        } else if (depth == 0 && isBlank(c)) {
            return i;
        }
    }
    return s.size();
}

std::string requireWord(std::string_view& rest, const char* what, const char* usage) {
    std::string_view w = nextWord(rest);
    if (w.empty()) syntax(std::string("Missing ") + what + "; usage: " + usage);
    return std::string(w);
}

void requireEnd(std::string_view rest, const char* usage) {
    if (!trim(rest).empty())
        syntax("Unexpected \"" + std::string(trim(rest)) + "\"; usage: " + usage);
}

// FORM CONTROL[(INDEX)] into the request.
void target(Value& req, std::string_view& rest, const char* usage) {
    req["form"] = requireWord(rest, "FORM", usage);
    std::string control = requireWord(rest, "CONTROL", usage);
    size_t open = control.find('(');
    if (open != std::string::npos) {
        int index = 0;
        const char* b = control.data() + open + 1;
        const char* e = control.data() + control.size() - 1;
        auto [p, ec] = std::from_chars(b, e, index);
        if (open == 0 || control.back() != ')' || ec != std::errc() || p != e)
            syntax("Bad control \"" + control + "\"; write NAME or NAME(INDEX)");
        req["index"] = index;
        control.resize(open);
    }
    req["control"] = control;
}

// Decodes one UTF-8 sequence; invalid bytes count as themselves.
uint32_t decodeUtf8(std::string_view s, size_t& i) {
    auto b = static_cast<unsigned char>(s[i]);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    if (extra == 0 || i + extra >= s.size()) {
        ++i;
        return b;
    }
    uint32_t cp = b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) {
            ++i;
            return b;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    i += extra + 1;
    return cp;
}

}  // namespace

std::string_view nextWord(std::string_view& rest) {
    rest = trim(rest);
    size_t n = 0;
    while (n < rest.size() && !isBlank(rest[n])) ++n;
    std::string_view w = rest.substr(0, n);
    rest = trim(rest.substr(n));
    return w;
}

Value parseValues(std::string_view text) {
    Value out = Value::array();
    text = trim(text);
    while (!text.empty()) {
        size_t n = tokenLength(text);
        std::string token(text.substr(0, n));
        if (n < text.size() && !isBlank(text[n]))
            syntax("Not a JSON value: " + std::string(text.substr(0, n + 1)) +
                   " (separate values by blanks)");
        Value v = Value::parse(token, nullptr, false);
        if (v.is_discarded()) syntax("Not a JSON value: " + token);
        out.push_back(std::move(v));
        text = trim(text.substr(n));
    }
    return out;
}

Value parseKeys(std::string_view text) {
    Value keys = Value::array();
    for (size_t i = 0; i < text.size();) {
        if (text[i] != '{') {
            keys.push_back(decodeUtf8(text, i));
            continue;
        }
        // "{}}" is the closing brace itself; otherwise the name runs to the next "}".
        size_t close = text.compare(i, 3, "{}}") == 0 ? i + 2 : text.find('}', i + 1);
        if (close == std::string_view::npos) syntax("Unclosed \"{\" in keys: " + std::string(text));
        std::string_view name = text.substr(i + 1, close - i - 1);
        if (name == "ENTER")
            keys.push_back(13);
        else if (name == "BACKSPACE")
            keys.push_back(8);
        else if (name == "TAB")
            keys.push_back(9);
        else if (name == "{" || name == "}")
            keys.push_back(static_cast<int>(name[0]));
        else
            syntax("Unknown key {" + std::string(name) +
                   "}; use {ENTER}, {BACKSPACE}, {TAB}, {{} or {}}");
        i = close + 1;
    }
    return keys;
}

Value parseUiLine(std::string_view rest) {
    std::string verb(nextWord(rest));
    Value req{{"op", verb}};
    if (verb == "forms" || verb == "boxes") {
        requireEnd(rest, verb == "forms" ? "ui forms" : "ui boxes");
    } else if (verb == "get") {
        const char* usage = "ui get FORM CONTROL[(INDEX)] PROPERTY";
        target(req, rest, usage);
        req["property"] = requireWord(rest, "PROPERTY", usage);
        requireEnd(rest, usage);
    } else if (verb == "set") {
        const char* usage = "ui set FORM CONTROL[(INDEX)] PROPERTY VALUE";
        target(req, rest, usage);
        req["property"] = requireWord(rest, "PROPERTY", usage);
        if (rest.empty()) syntax(std::string("Missing VALUE; usage: ") + usage);
        // A JSON value as it stands; any other text is taken as a text value.
        Value v = Value::parse(rest, nullptr, false);
        req["value"] = v.is_discarded() ? Value(std::string(rest)) : v;
    } else if (verb == "key") {
        const char* usage = "ui key FORM CONTROL[(INDEX)] TEXT";
        target(req, rest, usage);
        if (rest.empty()) syntax(std::string("Missing TEXT; usage: ") + usage);
        req["text"] = std::string(rest);
        req["keys"] = parseKeys(rest);
    } else if (verb == "click" || verb == "focus") {
        std::string usage = "ui " + verb + " FORM CONTROL[(INDEX)]";
        target(req, rest, usage.c_str());
        requireEnd(rest, usage.c_str());
    } else if (verb == "answer") {
        req["button"] = requireWord(rest, "BUTTON", "ui answer BUTTON");
        requireEnd(rest, "ui answer BUTTON");
    } else if (verb == "answer-file") {
        if (rest.empty()) syntax("Missing PATH; usage: ui answer-file PATH|CANCEL");
        if (rest == "CANCEL")
            req["cancel"] = true;
        else
            req["path"] = std::string(rest);
    } else if (verb == "advance") {
        std::string ms = requireWord(rest, "MS", "ui advance MS");
        int64_t v = -1;
        auto [p, ec] = std::from_chars(ms.data(), ms.data() + ms.size(), v);
        if (ec != std::errc() || p != ms.data() + ms.size() || v < 0)
            syntax("Bad milliseconds \"" + ms + "\"; usage: ui advance MS");
        requireEnd(rest, "ui advance MS");
        req["ms"] = v;
    } else if (verb == "screenshot") {
        if (rest.empty()) syntax("Missing DIR; usage: ui screenshot DIR");
        req["dir"] = std::string(rest);
    } else {
        syntax("Unknown ui request \"" + verb +
               "\"; use forms, get, set, key, click, focus, answer, answer-file, boxes, advance "
               "or screenshot");
    }
    return req;
}

}  // namespace automation::script
