#pragma once
// A table of the members a C++ class exposes to automation: properties (getter and/or setter)
// and methods, looked up by name without regard to case. Arguments and results are converted
// by their C++ types (value_convert.h), so a class declares its members once:
//
//   const automation::Members<ArvLog>& ArvLog::members() {
//       static const auto table = automation::Members<ArvLog>("WcxDevCtrs.ArvLog")
//           .writeOnly("LogCommand", &ArvLog::setLogCommand)
//           .method("Clear", &ArvLog::Clear);
//       return table;
//   }
//   class ArvLog : public automation::Automatable<ArvLog> { ... };

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "platform/automation/dispatch.h"
#include "platform/automation/value_convert.h"

namespace automation {

namespace detail {
// The parameter list (after the object) and the result of a member function pointer or of a
// callable taking the object as its first parameter.
template <class F>
struct CallableTraits : CallableTraits<decltype(&F::operator())> {};
template <class C, class R, class... A>
struct CallableTraits<R (C::*)(A...)> {
    using Result = R;
    using Args = std::tuple<A...>;
};
template <class C, class R, class... A>
struct CallableTraits<R (C::*)(A...) const> : CallableTraits<R (C::*)(A...)> {};
template <class C, class R, class... A>
struct CallableTraits<R (C::*)(A...) noexcept> : CallableTraits<R (C::*)(A...)> {};
template <class C, class R, class... A>
struct CallableTraits<R (C::*)(A...) const noexcept> : CallableTraits<R (C::*)(A...)> {};

// For a lambda the first parameter is the object itself; for a member pointer it is implicit.
template <class F, class T>
struct MemberArgs {
    using Traits = CallableTraits<F>;
    using Result = typename Traits::Result;
    using Args = typename Traits::Args;
};
template <class F, class T>
requires(!std::is_member_function_pointer_v<F>) struct MemberArgs<F, T> {
    using Traits = CallableTraits<F>;
    using Result = typename Traits::Result;
    template <class First, class... Rest>
    static std::tuple<Rest...> drop(std::tuple<First, Rest...>*);
    using Args = decltype(drop(static_cast<typename Traits::Args*>(nullptr)));
};

[[noreturn]] void wrongArguments(std::string_view source, std::string_view member, size_t expected,
                                 size_t got);

template <class T, class F, size_t... I>
Value invokeConverted(T& obj, const F& fn, const Value& args, std::string_view source,
                      std::string_view member, std::index_sequence<I...>) {
    using M = MemberArgs<F, T>;
    using Args = typename M::Args;
    if (!args.is_array() || args.size() != sizeof...(I))
        wrongArguments(source, member, sizeof...(I), args.is_array() ? args.size() : 1);
    if constexpr (std::is_void_v<typename M::Result>) {
        std::invoke(fn, obj, fromValue<std::tuple_element_t<I, Args>>(args[I], source, member)...);
        return Value();
    } else {
        return toValue(std::invoke(
            fn, obj, fromValue<std::tuple_element_t<I, Args>>(args[I], source, member)...));
    }
}

template <class T, class F>
Value invokeConverted(T& obj, const F& fn, const Value& args, std::string_view source,
                      std::string_view member) {
    constexpr size_t n = std::tuple_size_v<typename MemberArgs<F, T>::Args>;
    return invokeConverted(obj, fn, args, source, member, std::make_index_sequence<n>());
}
}  // namespace detail

// Thrown text and number for a member that does not exist or does not support the kind.
[[noreturn]] void noSuchMember(std::string_view source, std::string_view member, Kind kind);

template <class T>
class Members {
  public:
    using Raw = std::function<Value(T&, const Value& args)>;

    // className is the source of the errors the table raises (unknown member, bad arguments).
    explicit Members(std::string className) : className_(std::move(className)) {}

    const std::string& className() const { return className_; }

    template <class G, class S>
    Members& property(std::string name, G getter, S setter) {
        readOnly(name, std::move(getter));
        return writeOnly(std::move(name), std::move(setter));
    }

    template <class G>
    Members& readOnly(std::string name, G getter) {
        entry(name).get = wrap(name, std::move(getter));
        return *this;
    }

    template <class S>
    Members& writeOnly(std::string name, S setter) {
        entry(name).put = wrap(name, std::move(setter));
        return *this;
    }

    template <class F>
    Members& method(std::string name, F fn) {
        entry(name).call = wrap(name, std::move(fn));
        return *this;
    }

    // A method that takes its arguments as they come (any number, unconverted).
    Members& rawMethod(std::string name, Raw fn) {
        entry(name).call = std::move(fn);
        return *this;
    }

    Value invoke(T& obj, std::string_view member, Kind kind, const Value& args) const {
        auto it = entries_.find(foldCase(member));
        if (it == entries_.end()) noSuchMember(className_, member, kind);
        const Entry& e = it->second;
        bool noArgs = args.is_array() && args.empty();
        switch (kind) {
            case Kind::Get:
                if (e.get) return e.get(obj, args);
                if (e.call && noArgs) return e.call(obj, args);  // a method read like a property
                break;
            case Kind::Put:
                if (e.put) return e.put(obj, args);
                break;
            case Kind::Call:
                if (e.call) return e.call(obj, args);
                if (e.get && noArgs) return e.get(obj, args);  // a property called like a method
                break;
        }
        noSuchMember(className_, member, kind);
    }

  private:
    struct Entry {
        Raw get, put, call;
    };

    Entry& entry(const std::string& name) { return entries_[foldCase(name)]; }

    template <class F>
    Raw wrap(const std::string& name, F fn) {
        return [fn = std::move(fn), name, source = className_](T& obj, const Value& args) {
            return detail::invokeConverted(obj, fn, args, source, name);
        };
    }

    std::string className_;
    std::map<std::string, Entry> entries_;
};

// Base of a class whose members are listed in `static const Members<T>& members()`.
template <class T>
class Automatable : public Dispatch {
  public:
    Value invoke(std::string_view member, Kind kind, const Value& args) override {
        return T::members().invoke(static_cast<T&>(*this), member, kind, args);
    }
};

}  // namespace automation
