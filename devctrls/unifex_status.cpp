#include "devctrls/unifex_status.h"

#include <sstream>
#include <vector>

#include "platform/core/error.h"

namespace devctrls {

bool StatusFlags::inException() const {
    for (int f = 0; f < kStatusFlagCount; ++f)
        if (flags[f] && f != report_mask && f != alarm_notify_disabled && f != reset_complete)
            return true;
    return false;
}

StatusFlags StatusFlags::parse(std::string_view text) {
    auto bad = [&](const std::string& why) {
        return platform::Error(platform::errc::kInvalidValue, "WcxDevCtrs",
                               "Invalid object status \"" + std::string(text) + "\": " + why);
    };
    std::istringstream in{std::string(text)};
    std::vector<std::string> fields;
    for (std::string f; in >> f;) fields.push_back(f);
    if (fields.size() != kStatusFlagCount + 1)
        throw bad("expected " + std::to_string(kStatusFlagCount + 1) + " fields");
    StatusFlags s;
    const std::string& id = fields[0];
    if (id.empty() || id.size() > 5 || id.find_first_not_of("0123456789") != std::string::npos ||
        std::stol(id) > 65535)
        throw bad("object id out of range");
    s.objectId = std::stoi(id);
    for (int f = 0; f < kStatusFlagCount; ++f) {
        const std::string& v = fields[f + 1];
        if (v != "0" && v != "1") throw bad("flag " + std::to_string(f + 1) + " is not 0 or 1");
        s.flags[f] = v == "1";
    }
    return s;
}

namespace {
class TextStatus final : public ObjectStatus {
  public:
    explicit TextStatus(std::function<std::string()> fn) : read_(std::move(fn)) {}
    StatusFlags read() const override { return StatusFlags::parse(read_()); }

  private:
    std::function<std::string()> read_;
};

class FieldsAlarm final : public ObjectAlarm {
  public:
    explicit FieldsAlarm(std::function<AlarmFields()> fn) : read_(std::move(fn)) {}
    AlarmFields read() const override { return read_(); }

  private:
    std::function<AlarmFields()> read_;
};
}  // namespace

std::shared_ptr<ObjectStatus> statusFromText(std::function<std::string()> readText) {
    return std::make_shared<TextStatus>(std::move(readText));
}

std::shared_ptr<ObjectAlarm> alarmFrom(std::function<AlarmFields()> readFields) {
    return std::make_shared<FieldsAlarm>(std::move(readFields));
}

}  // namespace devctrls
