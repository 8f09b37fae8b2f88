#pragma once
// Late binding: every automatable object answers calls by member name.
//
// Values travel as JSON (null, bool, number, string, arrays), the same in-process and over the
// automation socket, so director code calls a remote object and an in-process one alike.
// Member names compare without regard to case.

#include <cstdint>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace automation {

using Value = nlohmann::json;

enum class Kind { Get, Put, Call };

// Error numbers of the component system. The ones a caller may see from a member table follow
// the numbers the automation world has always used for these failures.
namespace errc {
inline constexpr int32_t kTypeMismatch = 13;   // "Type mismatch"
inline constexpr int32_t kOverflow = 6;        // "Overflow"
inline constexpr int32_t kNoSuchMember = 438;  // "Object doesn't support this property or method"
inline constexpr int32_t kWrongArguments =
    450;  // "Wrong number of arguments or invalid property assignment"
inline constexpr int32_t kCannotCreate = 429;  // "ActiveX component can't create object"
}  // namespace errc

class Dispatch {
  public:
    virtual ~Dispatch() = default;

    // Get: args is empty; Put: args holds the one new value; Call: args holds the arguments.
    // args is always a JSON array. Throws platform::Error on failure.
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

using ObjectPtr = std::shared_ptr<Dispatch>;

// "Get", "Put", "Call" (for messages and the wire format).
std::string_view kindName(Kind kind);

// Lower-case ASCII copy, used to compare member names and class identifiers.
std::string foldCase(std::string_view s);

}  // namespace automation
