#pragma once
// Properties by name as one table per class.
//
// A class lists its VB property names once, each with a getter and, unless it is read-only, a
// setter: `add("Caption", &Label::caption, &Label::setCaption)` converts the value by the type
// the setter takes (asString, asInt, asDouble, asBool or asColor of props.h); lambdas cover
// computed values and special conversions. Look-up ignores case.
//
// A control class derives from WithProperties<Itself> (or WithProperties<Itself, Base>) and
// defines `static const PropertyTable<Itself>& propertyTable()`; the mixin answers Control's
// by-name access from that table first and from the base class after it. A name the table
// holds without a setter stays read-only (Error 383) even when a base class could set a
// property of that name.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/props.h"

namespace ui {

// The value of a property converted to the type a setter takes (Error 13 when it does not fit).
template <class T>
T fromValue(const Value& v) {
    if constexpr (std::is_same_v<T, std::string>)
        return asString(v);
    else if constexpr (std::is_same_v<T, bool>)
        return asBool(v);
    else if constexpr (std::is_same_v<T, int>)
        return asInt(v);
    else if constexpr (std::is_same_v<T, double>)
        return asDouble(v);
    else if constexpr (std::is_same_v<T, OleColor>)
        return asColor(v);
    else
        static_assert(sizeof(T) == 0, "no conversion of a property value to this type");
}

template <class C>
class PropertyTable {
  public:
    using Getter = std::function<Value(const C&)>;
    using Setter = std::function<void(C&, const Value&)>;  // empty: read-only

    enum class Write { Done, ReadOnly, Unknown };

    // A property among names(); without a setter it is read-only.
    PropertyTable& add(std::string name, Getter get, Setter set = {}) {
        entries_.push_back({std::move(name), std::move(get), std::move(set), true});
        return *this;
    }
    // A getter and setter of C (or of a base of C).
    template <class R, class G, class S, class T>
    PropertyTable& add(std::string name, R (G::*get)() const, S (C::*set)(T)) {
        static_assert(std::is_base_of_v<G, C>);
        return add(std::move(name), Getter(get),
                   [set](C& c, const Value& v) { (c.*set)(fromValue<std::remove_cvref_t<T>>(v)); });
    }
    // A property that can be read and written by name but is not among names().
    PropertyTable& unlisted(std::string name, Getter get, Setter set = {}) {
        entries_.push_back({std::move(name), std::move(get), std::move(set), false});
        return *this;
    }
    // names() gives exactly these, in place of the base's names followed by the table's.
    PropertyTable& listOnly(std::vector<std::string> names) {
        listOnly_ = std::move(names);
        return *this;
    }

    // Reads a property; false when the table has no such name.
    bool read(const C& c, std::string_view name, Value& out) const {
        const Entry* e = find(name);
        if (e) out = e->get(c);
        return e != nullptr;
    }
    Write write(C& c, std::string_view name, const Value& value) const {
        const Entry* e = find(name);
        if (!e) return Write::Unknown;
        if (!e->set) return Write::ReadOnly;
        e->set(c, value);
        return Write::Done;
    }
    // The names of the properties: the base's followed by the table's, in the table's order.
    std::vector<std::string> names(std::vector<std::string> base) const {
        if (listOnly_) return *listOnly_;
        for (const auto& e : entries_)
            if (e.listed) base.push_back(e.name);
        return base;
    }

  private:
    struct Entry {
        std::string name;
        Getter get;
        Setter set;
        bool listed;
    };
    const Entry* find(std::string_view name) const {
        for (const auto& e : entries_)
            if (iequals(e.name, name)) return &e;
        return nullptr;
    }

    std::vector<Entry> entries_;
    std::optional<std::vector<std::string>> listOnly_;
};

// Control's property access by name served by Derived::propertyTable(), then by Base.
template <class Derived, class Base = Control>
class WithProperties : public Base {
  public:
    using Base::Base;

  protected:
    bool getProperty(std::string_view name, Value& out) const override {
        return Derived::propertyTable().read(self(), name, out) || Base::getProperty(name, out);
    }
    bool setProperty(std::string_view name, const Value& value) override {
        using Write = typename PropertyTable<Derived>::Write;
        switch (Derived::propertyTable().write(self(), name, value)) {
            case Write::Done:
                return true;
            case Write::ReadOnly:
                return false;  // Control::set reports it as read-only
            case Write::Unknown:
                break;
        }
        return Base::setProperty(name, value);
    }
    std::vector<std::string> propertyNames() const override {
        return Derived::propertyTable().names(Base::propertyNames());
    }

  private:
    const Derived& self() const { return static_cast<const Derived&>(*this); }
    Derived& self() { return static_cast<Derived&>(*this); }
};

}  // namespace ui
