#pragma once
// The reusable parts of the qbx command line: the command table, argument parsing, the context
// a command runs in (the platform home and its network database), JSON printing and error exit.

#include <filesystem>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/netdb/netdb.h"

namespace qbx {

// A wrong command line: printed with the command's usage, exit status 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The arguments after the command name: positionals, options with a value, flags.
class Args {
  public:
    const std::vector<std::string>& positional() const { return positional_; }
    size_t size() const { return positional_.size(); }
    // Positional i; a UsageError naming `what` when it is missing.
    const std::string& at(size_t i, const char* what) const;
    const std::string* option(const std::string& name) const;
    bool flag(const std::string& name) const { return flags_.count(name) > 0; }
    bool json() const { return flag("json"); }
    // Fails unless there are between min and max positionals.
    void expect(size_t min, size_t max) const;

  private:
    friend Args parseArgs(const std::vector<std::string>&, const std::set<std::string>&,
                          const std::set<std::string>&);
    std::vector<std::string> positional_;
    std::map<std::string, std::string> options_;
    std::set<std::string> flags_;
};

// `valueOptions` take the next word as their value ("--variant 8"); `flags` stand alone. Every
// command accepts the flag "--json".
Args parseArgs(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
               const std::set<std::string>& flags);

class Context {
  public:
    explicit Context(std::filesystem::path home) : home_(std::move(home)) {}
    const std::filesystem::path& home() const { return home_; }
    // The network database service of the home, opened on first use.
    netdb::ObjectServer& server();
    // The network of that name, opened, and its first system, opened.
    std::shared_ptr<netdb::System> openSystem(const std::string& network);
    // "NETWORK/SUBSYSTEM/DEVICE".
    std::shared_ptr<netdb::AppDevice> device(const std::string& path);

  private:
    std::filesystem::path home_;
    std::unique_ptr<netdb::ObjectServer> server_;
};

struct Command {
    const char* name;   // the first word: "device"
    const char* usage;  // one or more lines of "qbx device add ..." without the "qbx "
    const char* summary;
    std::set<std::string> valueOptions;
    std::set<std::string> flags;
    int (*run)(Context&, const Args&);
};

// Every command group; each lives in its own cmd_<group>.cpp.
const std::vector<Command>& commands();

// Prints a value as indented JSON on stdout.
void printJson(const nlohmann::json& value);
// An integer argument; a UsageError naming `what` when it is not one.
int toInt(const std::string& text, const char* what);

}  // namespace qbx
