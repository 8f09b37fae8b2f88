#pragma once
// Late binding of the library's classes: a table of members (properties and methods) looked up
// by name without regard to case, called with JSON values. Each class lists its members once;
// the component system's dispatch calls invoke() with the member name, the kind of access and
// the arguments as a JSON array.

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "platform/ui/value.h"

namespace devctrls {

using Value = ui::Value;

enum class Kind { Get, Put, Call };

// Error 438 "Object doesn't support this property or method" naming the member.
[[noreturn]] void noSuchMember(std::string_view className, std::string_view member);
// Error 450 "Wrong number of arguments or invalid property assignment".
[[noreturn]] void wrongArguments(std::string_view className, std::string_view member);

// The text, number or flag of argument i of a call (Error 450 when missing, 13 when of the
// wrong type).
std::string textArg(const Value& args, size_t i, std::string_view className,
                    std::string_view member);
double numberArg(const Value& args, size_t i, std::string_view className, std::string_view member);
bool boolArg(const Value& args, size_t i, std::string_view className, std::string_view member);

std::string foldCase(std::string_view s);

// An object of the library as late binding sees it.
class Object {
  public:
    virtual ~Object() = default;
    virtual Value invoke(std::string_view member, Kind kind, const Value& args) = 0;

    Value get(std::string_view member) { return invoke(member, Kind::Get, Value::array()); }
    void put(std::string_view member, Value value) {
        invoke(member, Kind::Put, Value::array({std::move(value)}));
    }
    template <class... A>
    Value call(std::string_view member, A&&... args) {
        return invoke(member, Kind::Call, Value::array({Value(std::forward<A>(args))...}));
    }
};

template <class T>
class MemberTable {
  public:
    using Fn = std::function<Value(T&, const Value& args)>;

    explicit MemberTable(std::string className) : className_(std::move(className)) {}
    const std::string& className() const { return className_; }

    MemberTable& get(const std::string& name, Fn fn) {
        entries_[foldCase(name)].get = std::move(fn);
        return *this;
    }
    MemberTable& put(const std::string& name, Fn fn) {
        entries_[foldCase(name)].put = std::move(fn);
        return *this;
    }
    MemberTable& call(const std::string& name, Fn fn) {
        entries_[foldCase(name)].call = std::move(fn);
        return *this;
    }

    // args is a JSON array: empty for Get, the new value for Put, the arguments for Call. A
    // method without arguments may be read like a property, as late binding allows.
    Value invoke(T& obj, std::string_view member, Kind kind, const Value& args) const {
        auto it = entries_.find(foldCase(member));
        if (it == entries_.end()) noSuchMember(className_, member);
        const Entry& e = it->second;
        const Fn* fn = kind == Kind::Get   ? (e.get ? &e.get : &e.call)
                       : kind == Kind::Put ? &e.put
                                           : (e.call ? &e.call : &e.get);
        if (!*fn) noSuchMember(className_, member);
        return (*fn)(obj, args.is_array() ? args : Value::array({args}));
    }

  private:
    struct Entry {
        Fn get, put, call;
    };
    std::string className_;
    std::map<std::string, Entry> entries_;
};

}  // namespace devctrls
