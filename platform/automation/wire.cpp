#include "platform/automation/wire.h"

namespace automation::wire {

Value errorToJson(const platform::Error& e) {
    return Value{{"number", e.number}, {"source", e.source}, {"description", e.description}};
}

platform::Error errorFromJson(const Value& e) {
    if (!e.is_object() || !e.contains("number") || !e["number"].is_number_integer())
        return protocolError("Malformed error reply: " + toLine(e));
    auto text = [&](const char* key) {
        auto it = e.find(key);
        return it != e.end() && it->is_string() ? it->get<std::string>() : std::string();
    };
    return platform::Error(e["number"].get<int32_t>(), text("source"), text("description"));
}

Value valueReply(const Value& id, Value value) {
    return Value{{"id", id}, {"value", std::move(value)}};
}

Value errorReply(const Value& id, const platform::Error& e) {
    return Value{{"id", id}, {"error", errorToJson(e)}};
}

std::string toLine(const Value& v) {
    return v.dump(-1, ' ', false, Value::error_handler_t::replace);
}

platform::Error protocolError(std::string description) {
    return platform::Error(platform::errc::kAutomation, "automation", std::move(description));
}

}  // namespace automation::wire
