#include "platform/catalog/resource_file.h"

#include <nlohmann/json.hpp>
#include <set>

#include "platform/catalog/program_id.h"
#include "platform/core/error.h"
#include "platform/core/paths.h"

namespace catalog {

namespace {

using nlohmann::json;

[[noreturn]] void fail(const std::string& origin, const std::string& what) {
    throw platform::Error(platform::errc::kInvalidValue, "catalog", origin + ": " + what);
}

// Reads the member `key` of `obj` as an integer in [lo, hi]; `where` names it in errors.
int intMember(const json& obj, const char* key, int lo, int hi, const std::string& where,
              const std::string& origin, const int* fallback = nullptr) {
    auto it = obj.find(key);
    if (it == obj.end()) {
        if (fallback) return *fallback;
        fail(origin, where + key + " is missing");
    }
    if (!it->is_number_integer() || it->get<long long>() < lo || it->get<long long>() > hi)
        fail(origin, where + key + " must be a whole number " + std::to_string(lo) + "-" +
                         std::to_string(hi) + ", not " + it->dump());
    return static_cast<int>(it->get<long long>());
}

std::string textMember(const json& obj, const char* key, bool required, const std::string& where,
                       const std::string& origin) {
    auto it = obj.find(key);
    if (it == obj.end()) {
        if (required) fail(origin, where + key + " is missing");
        return {};
    }
    if (!it->is_string() || (required && it->get<std::string>().empty()))
        fail(origin, where + key + " must be a non-empty text, not " + it->dump());
    return it->get<std::string>();
}

// Walks the array member `key` (absent = empty), calling `each(element, "key[i].")`.
template <typename Each>
void forEach(const json& root, const char* key, const std::string& origin, Each each) {
    auto it = root.find(key);
    if (it == root.end()) return;
    if (!it->is_array()) fail(origin, std::string(key) + " must be a list");
    for (size_t i = 0; i < it->size(); ++i) {
        std::string where = std::string(key) + "[" + std::to_string(i) + "].";
        if (!(*it)[i].is_object())
            fail(origin, where.substr(0, where.size() - 1) + " must be an object");
        each((*it)[i], where);
    }
}

void checkUnique(std::set<int>& seen, int number, const std::string& what,
                 const std::string& origin) {
    if (!seen.insert(number).second)
        fail(origin, what + " " + std::to_string(number) + " is defined twice");
}

}  // namespace

int ResourceFile::kinds() const {
    return (valueTypes.empty() ? 0 : kValueTypes) | (configTypes.empty() ? 0 : kConfigTypes) |
           (profiles.empty() ? 0 : kProfiles);
}

ResourceFile parseResourceFile(std::string_view text, const std::string& origin) {
    json root;
    try {
        root = json::parse(text);
    } catch (const json::parse_error& e) {
        // The library's message carries the line and column ("parse error at line 3, column 7").
        std::string what = e.what();
        auto pos = what.find("parse error");
        fail(origin, pos == std::string::npos ? what : what.substr(pos));
    }
    if (!root.is_object()) fail(origin, "the file must hold one JSON object");
    if (textMember(root, "format", true, "", origin) != "qbx-resources")
        fail(origin, "format must be \"qbx-resources\"");
    if (root.value("version", json()) != 1)
        fail(origin,
             "version " + root.value("version", json()).dump() + " is not supported (only 1)");

    ResourceFile file;
    file.programIdTemplate = textMember(root, "programIdTemplate", true, "", origin);
    if (!isProgramId(file.programIdTemplate))
        fail(origin, "programIdTemplate must be 16 hexadecimal digits, not \"" +
                         file.programIdTemplate + "\"");
    file.scope = intMember(root, "scope", 0, kMaxScope, "", origin);
    const int firstRevision = 1;
    file.revision = intMember(root, "revision", 1, 1000000, "", origin, &firstRevision);
    file.description = textMember(root, "description", false, "", origin);

    std::set<int> seen;
    forEach(root, "valueTypes", origin, [&](const json& e, const std::string& where) {
        ValueTypeDef def{intMember(e, "index", 0, 65535, where, origin),
                         textMember(e, "name", true, where, origin),
                         intMember(e, "size", 1, 255, where, origin)};
        checkUnique(seen, def.index, "value type index", origin);
        file.valueTypes.push_back(std::move(def));
    });
    seen.clear();
    forEach(root, "configTypes", origin, [&](const json& e, const std::string& where) {
        ConfigTypeDef def{intMember(e, "index", 0, 65535, where, origin),
                          textMember(e, "name", true, where, origin),
                          textMember(e, "valueType", true, where, origin)};
        checkUnique(seen, def.index, "configuration property type index", origin);
        file.configTypes.push_back(std::move(def));
    });
    seen.clear();
    forEach(root, "profiles", origin, [&](const json& e, const std::string& where) {
        Profile profile{intMember(e, "key", 0, 65535, where, origin),
                        textMember(e, "name", true, where, origin),
                        textMember(e, "description", false, where, origin)};
        checkUnique(seen, profile.key, "profile key", origin);
        file.profiles.push_back(std::move(profile));
    });
    return file;
}

ResourceFile loadResourceFile(const std::filesystem::path& path) {
    return parseResourceFile(platform::readFile(path), path.string());
}

}  // namespace catalog
