#pragma once
// The status and the alarm of a functional block (Unifex object) as the viewers and the status
// bar read them. Each read asks the block again, so a viewer that refreshes shows the block's
// current state. The status travels as the text of its network variable type: the object id
// and 24 flag digits ("0 0 0 ... 1 0 0 0 0 0 0"), flags in the order of StatusFlag.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace devctrls {

enum StatusFlag {
    invalid_id,
    invalid_request,
    disabled,
    out_of_limits,
    open_circuit,
    out_of_service,
    mechanical_fault,
    feedback_failure,
    over_range,
    under_range,
    electrical_fault,
    unable_to_measure,
    comm_failure,
    fail_self_test,
    self_test_in_progress,
    locked_out,
    manual_control,
    in_alarm,
    in_override,
    report_mask,
    programming_mode,
    programming_fail,
    alarm_notify_disabled,
    reset_complete,
    kStatusFlagCount
};

struct StatusFlags {
    int objectId = 0;
    std::array<bool, kStatusFlagCount> flags{};

    bool operator[](StatusFlag f) const { return flags[f]; }
    // A condition of the block is reported: any flag but the reporting settings (report mask,
    // alarm notification disabled) and the reset notice.
    bool inException() const;
    bool alarmPresent() const { return flags[in_alarm]; }

    // Parses the status text; an Error names the text when it is not 25 fields of an object id
    // (0 to 65535) and 0/1 flags.
    static StatusFlags parse(std::string_view text);
};

// The fields of a block's alarm, texts as the service formats them.
struct AlarmFields {
    int alarmType = -1;
    std::string limitValue;
    std::string location;
    int objectId = 0;
    int priorityLevel = -1;
    std::string timeStamp;
    std::string value;
};

class ObjectStatus {
  public:
    virtual ~ObjectStatus() = default;
    virtual StatusFlags read() const = 0;  // throws platform::Error when it cannot be read
};

class ObjectAlarm {
  public:
    virtual ~ObjectAlarm() = default;
    virtual AlarmFields read() const = 0;  // throws platform::Error when it cannot be read
};

// A status read from the text a function gives each time (the block's status variable).
std::shared_ptr<ObjectStatus> statusFromText(std::function<std::string()> readText);
// An alarm whose fields a function gives each time.
std::shared_ptr<ObjectAlarm> alarmFrom(std::function<AlarmFields()> readFields);

}  // namespace devctrls
