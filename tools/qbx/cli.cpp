#include "tools/qbx/cli.h"

#include <charconv>
#include <iostream>

#include "platform/core/error.h"

namespace qbx {

const std::string& Args::at(size_t i, const char* what) const {
    if (i >= positional_.size()) throw UsageError(std::string("missing ") + what);
    return positional_[i];
}

const std::string* Args::option(const std::string& name) const {
    auto it = options_.find(name);
    return it == options_.end() ? nullptr : &it->second;
}

void Args::expect(size_t min, size_t max) const {
    if (positional_.size() < min) throw UsageError("too few arguments");
    if (positional_.size() > max)
        throw UsageError("unexpected argument \"" + positional_[max] + "\"");
}

Args parseArgs(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
               const std::set<std::string>& flags) {
    Args a;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w.size() > 2 && w.starts_with("--")) {
            std::string name = w.substr(2);
            if (valueOptions.count(name)) {
                if (i + 1 >= words.size()) throw UsageError("option " + w + " needs a value");
                a.options_[name] = words[++i];
            } else if (flags.count(name) || name == "json") {
                a.flags_.insert(name);
            } else {
                throw UsageError("unknown option " + w);
            }
        } else {
            a.positional_.push_back(w);
        }
    }
    return a;
}

netdb::ObjectServer& Context::server() {
    if (!server_) {
        if (!std::filesystem::exists(netdb::Store::databaseFile(home_)))
            throw platform::Error(
                platform::errc::kState, "qbx",
                "No network database in " + home_.string() + ": run \"qbx init\" first");
        server_ = std::make_unique<netdb::ObjectServer>(home_);
        server_->Open();
    }
    return *server_;
}

std::shared_ptr<netdb::System> Context::openSystem(const std::string& network) {
    auto net = server().Networks().Item(network);
    if (!net->IsOpen()) net->Open();
    auto sys = net->Systems().Item(1);
    if (!sys->IsOpen()) sys->Open();
    return sys;
}

std::shared_ptr<netdb::AppDevice> Context::device(const std::string& path) {
    auto first = path.find('/');
    auto second = first == std::string::npos ? first : path.find('/', first + 1);
    if (second == std::string::npos || path.find('/', second + 1) != std::string::npos)
        throw UsageError("a device path is NETWORK/SUBSYSTEM/DEVICE, not \"" + path + "\"");
    auto sys = openSystem(path.substr(0, first));
    return sys->Subsystems()
        .Item(path.substr(first + 1, second - first - 1))
        ->AppDevices()
        .Item(path.substr(second + 1));
}

void printJson(const nlohmann::json& value) { std::cout << value.dump(2) << "\n"; }

int toInt(const std::string& text, const char* what) {
    int v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        throw UsageError(std::string(what) + " must be a whole number, not \"" + text + "\"");
    return v;
}

}  // namespace qbx
