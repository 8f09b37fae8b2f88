#include "platform/netdb/xif_parser.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "platform/core/error.h"
#include "platform/core/paths.h"
#include "platform/netdb/values/value_types.h"

namespace netdb {
namespace {

class Parser {
  public:
    Parser(std::string_view text, std::string fileName) : text_(text), file_(std::move(fileName)) {}

    XifProgram run();

  private:
    [[noreturn]] void fail(const std::string& what) const { fail(line_, what); }
    [[noreturn]] void fail(int line, const std::string& what) const {
        throw platform::Error(platform::errc::kInvalidValue, "netdb",
                              file_ + ":" + std::to_string(line) + ": " + what);
    }

    std::vector<std::string> split(std::string_view line) const;
    int number(const std::string& field, const char* what, int lo, int hi) const;
    std::string checkedValue(const std::string& type, int elements, const std::string& text) const;
    const std::string& type(const std::string& field) const;
    void record(const std::vector<std::string>& f);
    void block(const std::vector<std::string>& f);
    void nv(const std::vector<std::string>& f);
    void cp(const std::vector<std::string>& f);
    void finish();

    std::string_view text_;
    std::string file_;
    int line_ = 0;
    bool header_ = false;
    XifProgram prog_;
    std::map<int, int> blockLines_;                          // position -> line
    std::map<int, int> nvLines_;                             // index -> line
    std::map<std::tuple<int, int, int, int>, int> cpLines_;  // owner, ref, scope, index -> line
    std::vector<int> cpNvRefLines_;  // per cp: its line, for owners "nv:<index>"
    std::set<std::string> nvNames_;
};

std::vector<std::string> Parser::split(std::string_view line) const {
    std::vector<std::string> fields;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= line.size()) break;
        std::string field;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\'))
                    c = line[i++];
                field += c;
            }
            if (!closed) fail("unterminated quoted field");
            if (i < line.size() && line[i] != ' ' && line[i] != '\t')
                fail("a blank must follow a quoted field");
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t') field += line[i++];
        }
        fields.push_back(std::move(field));
    }
    return fields;
}

int Parser::number(const std::string& field, const char* what, int lo, int hi) const {
    int v = 0;
    auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), v);
    if (field.empty() || ec != std::errc() || end != field.data() + field.size())
        fail(std::string(what) + " \"" + field + "\" is not a decimal number");
    if (v < lo || v > hi)
        fail(std::string(what) + " " + field + " is out of range " + std::to_string(lo) + "-" +
             std::to_string(hi));
    return v;
}

const std::string& Parser::type(const std::string& field) const {
    if (!values::isKnownType(field)) fail("unknown value type \"" + field + "\"");
    return field;
}

std::string Parser::checkedValue(const std::string& t, int elements,
                                 const std::string& text) const {
    try {
        std::string canonical =
            elements > 1 ? values::parseArray(t, elements, text, '.') : values::parse(t, text, '.');
        if (elements > 1 && values::splitArray(canonical).size() != static_cast<size_t>(elements))
            fail("the value \"" + text + "\" needs " + std::to_string(elements) +
                 " elements separated by \";\"");
        return canonical;
    } catch (const platform::Error& e) {
        if (e.description.starts_with(file_ + ":")) throw;
        fail(e.description);
    }
}

void Parser::block(const std::vector<std::string>& f) {
    if (f.size() != 4) fail("block needs 3 fields: position, name, profile key");
    XifBlock b{number(f[1], "block position", 0, 32767), f[2],
               number(f[3], "profile key", 0, 65535)};
    if (blockLines_.count(b.position))
        fail("block position " + f[1] + " is already declared on line " +
             std::to_string(blockLines_[b.position]));
    blockLines_[b.position] = line_;
    prog_.blocks.push_back(std::move(b));
}

void Parser::nv(const std::vector<std::string>& f) {
    if (f.size() != 6 && !(f.size() == 8 && f[6] == "value"))
        fail("nv needs 5 fields: index, name, input|output, type, block position [, value text]");
    XifNv v;
    v.index = number(f[1], "nv index", 0, 32767);
    v.name = f[2];
    if (f[3] != "input" && f[3] != "output")
        fail("nv direction \"" + f[3] + "\" is neither input nor output");
    v.output = f[3] == "output";
    v.type = type(f[4]);
    v.block = number(f[5], "block position", 0, 32767);
    if (!blockLines_.count(v.block)) fail("nv names the undeclared block " + f[5]);
    if (nvLines_.count(v.index))
        fail("nv index " + f[1] + " is already declared on line " +
             std::to_string(nvLines_[v.index]));
    if (!nvNames_.insert(v.name).second) fail("nv name \"" + v.name + "\" is already declared");
    v.value = f.size() == 8 ? checkedValue(v.type, 1, f[7]) : values::defaultValue(v.type);
    nvLines_[v.index] = line_;
    prog_.nvs.push_back(std::move(v));
}

void Parser::cp(const std::vector<std::string>& f) {
    bool withElements = f.size() == 10 && f[6] == "elements" && f[8] == "default";
    if (!withElements && !(f.size() == 8 && f[6] == "default"))
        fail("cp needs: owner, scope, type index, name, type [, elements n], default text");
    XifCp c;
    const std::string& owner = f[1];
    if (owner == "device") {
        c.owner = CpOwner::Device;
    } else if (owner.starts_with("block:")) {
        c.owner = CpOwner::Block;
        c.ownerRef = number(owner.substr(6), "block position", 0, 32767);
        if (!blockLines_.count(c.ownerRef))
            fail("cp names the undeclared block " + owner.substr(6));
    } else if (owner.starts_with("nv:")) {
        c.owner = CpOwner::Nv;
        c.ownerRef = number(owner.substr(3), "nv index", 0, 32767);
    } else {
        fail("cp owner \"" + owner + "\" is none of device, block:<position>, nv:<index>");
    }
    c.scope = number(f[2], "scope", 0, 6);
    c.typeIndex = number(f[3], "type index", 0, 65535);
    c.name = f[4];
    c.type = type(f[5]);
    if (withElements) c.elements = number(f[7], "elements", 2, 1000);
    c.value = checkedValue(c.type, c.elements, f.back());
    auto key = std::make_tuple(static_cast<int>(c.owner), c.ownerRef, c.scope, c.typeIndex);
    if (cpLines_.count(key))
        fail("the property " + owner + " " + f[2] + ":" + f[3] + " is already declared on line " +
             std::to_string(cpLines_[key]));
    cpLines_[key] = line_;
    cpNvRefLines_.push_back(line_);
    prog_.cps.push_back(std::move(c));
}

void Parser::record(const std::vector<std::string>& f) {
    const std::string& kw = f[0];
    if (!header_) {
        if (kw != "xif") fail("the file must begin with the header \"xif 1\"");
        if (f.size() != 2 || f[1] != "1") fail("unsupported XIF version (expected \"xif 1\")");
        header_ = true;
        return;
    }
    if (kw == "program-id") {
        if (f.size() != 2) fail("program-id needs 1 field");
        const std::string& id = f[1];
        bool hex = id.size() == 16 && std::all_of(id.begin(), id.end(), [](char c) {
                       return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
                   });
        if (!hex) fail("program-id \"" + id + "\" is not 16 upper-case hexadecimal digits");
        if (!prog_.programId.empty()) fail("program-id is given twice");
        prog_.programId = id;
    } else if (kw == "model") {
        if (f.size() != 2) fail("model needs 1 field (quote a text with blanks)");
        prog_.model = f[1];
    } else if (kw == "block") {
        block(f);
    } else if (kw == "nv") {
        nv(f);
    } else if (kw == "cp") {
        cp(f);
    } else if (kw == "xif") {
        fail("the header \"xif\" is given twice");
    } else {
        fail("unknown record \"" + kw + "\"");
    }
}

void Parser::finish() {
    if (!header_) fail(std::max(line_, 1), "the file has no header \"xif 1\"");
    if (prog_.programId.empty()) fail("the file has no program-id record");
    // Block positions count from 0 without gaps.
    int expected = 0;
    for (auto& [pos, line] : blockLines_) {
        if (pos != expected)
            fail(line, "block position " + std::to_string(pos) + " leaves a gap (expected " +
                           std::to_string(expected) + ")");
        ++expected;
    }
    for (size_t i = 0; i < prog_.cps.size(); ++i) {
        const XifCp& c = prog_.cps[i];
        if (c.owner == CpOwner::Nv && !nvLines_.count(c.ownerRef))
            fail(cpNvRefLines_[i], "cp names the undeclared nv " + std::to_string(c.ownerRef));
    }
    std::sort(prog_.blocks.begin(), prog_.blocks.end(),
              [](const XifBlock& a, const XifBlock& b) { return a.position < b.position; });
}

XifProgram Parser::run() {
    size_t pos = 0;
    while (pos <= text_.size()) {
        size_t end = text_.find('\n', pos);
        std::string_view line =
            text_.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        ++line_;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        auto first = line.find_first_not_of(" \t");
        if (first != std::string_view::npos && line[first] != '#') record(split(line));
        if (end == std::string_view::npos) break;
        pos = end + 1;
    }
    finish();
    return std::move(prog_);
}

}  // namespace

XifProgram parseXif(std::string_view text, const std::string& fileName) {
    return Parser(text, fileName).run();
}

XifProgram parseXifFile(const std::filesystem::path& file) {
    return parseXif(platform::readFile(file), file.filename().string());
}

}  // namespace netdb
