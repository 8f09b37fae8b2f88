// qbx registry get|set|delete: the registry hives of the platform home.
#include <iostream>

#include "platform/core/error.h"
#include "platform/registry/registry.h"
#include "tools/qbx/cli.h"

namespace qbx {
namespace {
platform::Hive hiveOf(const std::string& word) {
    if (word == "machine") return platform::Hive::Machine;
    if (word == "user") return platform::Hive::User;
    throw UsageError("the hive is \"machine\" or \"user\", not \"" + word + "\"");
}

void requireValue(const platform::Registry& reg, platform::Hive hive, const std::string& key,
                  const std::string& name) {
    if (!reg.hasValue(hive, key, name))
        throw platform::Error(platform::errc::kNotFound, "qbx",
                              "No value \"" + name + "\" under \"" + key + "\"");
}

void requireKey(const platform::Registry& reg, platform::Hive hive, const std::string& key) {
    if (!reg.keyExists(hive, key))
        throw platform::Error(platform::errc::kNotFound, "qbx",
                              "Registry key \"" + key + "\" does not exist");
}
}  // namespace

int runRegistry(Context& ctx, const Args& args) {
    const std::string& verb = args.at(0, "get, set or delete");
    platform::Hive hive = hiveOf(args.at(1, "the hive (machine or user)"));
    const std::string& key = args.at(2, "the key");
    platform::Registry reg(ctx.home() / "registry.db");

    if (verb == "get") {
        args.expect(3, 4);
        if (args.size() == 4) {
            const std::string& name = args.at(3, "the value name");
            requireValue(reg, hive, key, name);
            std::string value = reg.getString(hive, key, name);
            if (args.json())
                printJson({{"key", key}, {"name", name}, {"value", value}});
            else
                std::cout << value << "\n";
            return 0;
        }
        requireKey(reg, hive, key);
        auto values = reg.values(hive, key);
        auto subkeys = reg.subkeys(hive, key);
        if (args.json()) {
            nlohmann::json v = nlohmann::json::object();
            for (auto& [n, t] : values) v[n] = t;
            printJson({{"key", key}, {"values", v}, {"subkeys", subkeys}});
        } else {
            for (auto& [n, t] : values)
                std::cout << (n.empty() ? "(default)" : n) << " = " << t << "\n";
            for (auto& s : subkeys) std::cout << s << "\\\n";
        }
        return 0;
    }
    if (verb == "set") {
        args.expect(5, 5);
        reg.setString(hive, key, args.at(3, "the value name"), args.at(4, "the value"));
        return 0;
    }
    if (verb == "delete") {
        args.expect(3, 4);
        if (args.size() == 4) {
            const std::string& name = args.at(3, "the value name");
            requireValue(reg, hive, key, name);
            reg.deleteValue(hive, key, name);
        } else {
            requireKey(reg, hive, key);
            reg.deleteTree(hive, key);
        }
        return 0;
    }
    throw UsageError("unknown registry command \"" + verb + "\"");
}

}  // namespace qbx
