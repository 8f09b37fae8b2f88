#include "platform/automation/script_runner.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/automation/connection.h"
#include "platform/automation/script_parse.h"
#include "platform/automation/wire.h"
#include "platform/core/error.h"

namespace automation {
namespace {

constexpr int kMaxStatus = 125;

// Keeps one output line per command: line breaks inside a text become blanks.
std::string oneLine(std::string s) {
    std::replace_if(
        s.begin(), s.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return s;
}

std::string errorLine(const platform::Error& e) {
    return "error " + std::to_string(e.number) + " " + oneLine(e.source) + "|" +
           oneLine(e.description);
}

[[noreturn]] void fail(int32_t number, const std::string& what) {
    throw platform::Error(number, "qbx", what);
}

class ScriptRunner {
  public:
    explicit ScriptRunner(const ScriptOptions& options) : options_(options) {}

    // Runs one line; returns its output line, or nothing for a comment or blank line.
    std::optional<std::string> run(std::string_view line, bool& failed) {
        failed = false;
        std::string_view rest = line;
        std::string_view verb = script::nextWord(rest);
        if (verb.empty() || verb.front() == '#') return std::nullopt;
        try {
            Value v = execute(verb, rest);
            return v.is_null() ? std::string("ok") : "ok " + wire::toLine(v);
        } catch (const platform::Error& e) {
            failed = true;
            return errorLine(e);
        } catch (const std::exception& e) {
            failed = true;
            return errorLine(platform::Error(platform::errc::kGeneric, "qbx", e.what()));
        }
    }

    ~ScriptRunner() {
        // Release in the order the objects were created, while their connections still live.
        for (const auto& name : order_) objects_.erase(name);
    }

  private:
    ObjectPtr& object(std::string_view name) {
        auto it = objects_.find(std::string(name));
        if (it == objects_.end())
            fail(platform::errc::kNotFound,
                 "No object named \"" + std::string(name) + "\"; create it first");
        return it->second;
    }

    static std::string word(std::string_view& rest, const char* what, const char* usage) {
        std::string_view w = script::nextWord(rest);
        if (w.empty())
            fail(platform::errc::kInvalidValue,
                 std::string("Missing ") + what + "; usage: " + usage);
        return std::string(w);
    }

    static void end(std::string_view rest, const char* usage) {
        if (!rest.empty())
            fail(platform::errc::kInvalidValue,
                 "Unexpected \"" + std::string(rest) + "\"; usage: " + usage);
    }

    Value execute(std::string_view verb, std::string_view rest) {
        if (verb == "create") {
            const char* usage = "create NAME PROGID";
            std::string name = word(rest, "NAME", usage);
            std::string progId = word(rest, "PROGID", usage);
            end(rest, usage);
            ObjectPtr obj = createObject(progId, options_.activation);
            if (auto c = connectionOf(obj)) uiTarget_ = c;
            if (!objects_.count(name)) order_.push_back(name);
            objects_[name] = std::move(obj);
            return Value();
        }
        if (verb == "get") {
            const char* usage = "get NAME MEMBER";
            std::string name = word(rest, "NAME", usage);
            std::string member = word(rest, "MEMBER", usage);
            end(rest, usage);
            return object(name)->get(member);
        }
        if (verb == "put") {
            const char* usage = "put NAME MEMBER JSON";
            std::string name = word(rest, "NAME", usage);
            std::string member = word(rest, "MEMBER", usage);
            Value values = script::parseValues(rest);
            if (values.size() != 1)
                fail(platform::errc::kInvalidValue,
                     std::string("put takes one JSON value; usage: ") + usage);
            object(name)->invoke(member, Kind::Put, values);
            return Value();
        }
        if (verb == "call") {
            const char* usage = "call NAME MEMBER JSON...";
            std::string name = word(rest, "NAME", usage);
            std::string member = word(rest, "MEMBER", usage);
            return object(name)->invoke(member, Kind::Call, script::parseValues(rest));
        }
        if (verb == "release") {
            const char* usage = "release NAME";
            std::string name = word(rest, "NAME", usage);
            end(rest, usage);
            ObjectPtr obj = object(name);
            objects_.erase(name);
            order_.erase(std::find(order_.begin(), order_.end(), name));
            if (auto remote = std::dynamic_pointer_cast<RemoteObject>(obj)) remote->release();
            return Value();
        }
        if (verb == "ui") {
            Value request = script::parseUiLine(rest);
            if (uiTarget_) return uiTarget_->ui(request);
            if (options_.localUi) return options_.localUi(request);
            fail(platform::errc::kState,
                 "No process to send ui requests to: create an object of an out-of-process class "
                 "first");
        }
        fail(platform::errc::kInvalidValue, "Unknown command \"" + std::string(verb) +
                                                "\"; use create, get, put, call, release or ui");
    }

    const ScriptOptions& options_;
    std::map<std::string, ObjectPtr> objects_;
    std::vector<std::string> order_;
    std::shared_ptr<Connection> uiTarget_;  // the process of the last out-of-process object created
};

}  // namespace

int runScript(std::istream& in, std::ostream& out, const ScriptOptions& options) {
    ScriptRunner runner(options);
    int failures = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        bool failed = false;
        if (auto output = runner.run(line, failed)) out << *output << std::endl;
        if (failed && failures < kMaxStatus) ++failures;
    }
    return failures;
}

int runScriptFile(const std::string& file, std::ostream& out, const ScriptOptions& options) {
    if (file.empty() || file == "-") return runScript(std::cin, out, options);
    std::ifstream in(file);
    if (!in) {
        out << errorLine(platform::Error(
                   platform::errc::kIo, "qbx",
                   "Cannot read the script \"" + file + "\": " + std::strerror(errno)))
            << std::endl;
        return 1;
    }
    return runScript(in, out, options);
}

}  // namespace automation
