// qbx, the director's command line: `qbx [--home DIR] COMMAND ...`. The commands live in
// cmd_<group>.cpp files and are listed in commands.cpp.
#include <cstdlib>
#include <iostream>

#include "platform/core/error.h"
#include "platform/core/paths.h"
#include "tools/qbx/cli.h"

namespace {
void printUsage(std::ostream& out) {
    out << "usage: qbx [--home DIR] COMMAND ...   (every listing and value command takes --json)\n";
    for (const auto& c : qbx::commands()) out << "\n" << c.usage << "\n    " << c.summary << "\n";
}

const qbx::Command* findCommand(const std::string& name) {
    for (const auto& c : qbx::commands())
        if (name == c.name) return &c;
    return nullptr;
}
}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    size_t i = 0;
    if (i < words.size() && words[i] == "--home") {
        if (i + 1 >= words.size()) {
            std::cerr << "qbx: --home needs a folder\n";
            return 2;
        }
        // The whole process, the registry included, works in that home.
        ::setenv("QBX_HOME", words[i + 1].c_str(), 1);
        i += 2;
    }
    if (i >= words.size() || words[i] == "help" || words[i] == "--help") {
        printUsage(i >= words.size() ? std::cerr : std::cout);
        return i >= words.size() ? 2 : 0;
    }
    const qbx::Command* cmd = findCommand(words[i]);
    if (!cmd) {
        std::cerr << "qbx: unknown command \"" << words[i] << "\" (see qbx help)\n";
        return 2;
    }
    try {
        std::vector<std::string> rest(words.begin() + static_cast<long>(i) + 1, words.end());
        qbx::Context ctx(platform::qbxHome());
        return cmd->run(ctx, qbx::parseArgs(rest, cmd->valueOptions, cmd->flags));
    } catch (const qbx::UsageError& e) {
        std::cerr << "qbx " << cmd->name << ": " << e.what() << "\nusage:\n" << cmd->usage << "\n";
        return 2;
    } catch (const platform::Error& e) {
        std::cerr << "qbx " << cmd->name << ": " << e.description << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "qbx " << cmd->name << ": " << e.what() << "\n";
        return 1;
    }
}
