#pragma once
// The object status and the alarm of a functional block, as status viewers and status bars
// read them: the 23 flags of an object status in their standard order, whether the block is in
// exception, whether an alarm is present, and the alarm record. The simulator (and
// `qbx sim status`) sets them.
//
// The status lives in the block's status word: bits 0 to 22 are the flags, bit 23 "in
// exception", bit 24 "alarm present". The alarm record lives in its own table.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/netdb/unifex_object.h"

namespace netdb {

inline constexpr int kStatusFlagCount = 23;

// "invalid_id", "invalid_request", ..., "alarm_notify_disabled".
const std::array<std::string_view, kStatusFlagCount>& statusFlagNames();
// The flag's position (0 to 22); throws platform::Error naming the flag when unknown.
int statusFlagIndex(std::string_view name);

class ObjectStatus {
  public:
    explicit ObjectStatus(std::shared_ptr<UnifexObject> block) : block_(std::move(block)) {}

    bool Flag(int index) const;  // 0 to 22
    void SetFlag(int index, bool on);
    bool Flag(std::string_view name) const { return Flag(statusFlagIndex(name)); }
    void SetFlag(std::string_view name, bool on) { SetFlag(statusFlagIndex(name), on); }
    bool InException() const;
    void SetInException(bool on);
    bool AlarmPresent() const;
    void SetAlarmPresent(bool on);
    void Clear();  // every flag and both indicators off

  private:
    bool bit(int n) const;
    void setBit(int n, bool on);
    std::shared_ptr<UnifexObject> block_;
};

// The alarm of a block; a block that never had one reads as type 0 ("no alarm condition").
class UnifexAlarm {
  public:
    explicit UnifexAlarm(std::shared_ptr<UnifexObject> block);

    int AlarmType() const;
    std::string LimitValue() const;
    std::string Location() const;
    int ObjectId() const;
    int PriorityLevel() const;
    std::string TimeStamp() const;
    std::string Value() const;

    struct Record {
        int alarmType = 0;
        std::string limitValue = "0";
        std::string location;
        int objectId = 0;
        int priorityLevel = 0;
        std::string timeStamp;
        std::string value = "0";
    };
    Record record() const;
    void set(const Record& r);

  private:
    std::shared_ptr<UnifexObject> block_;
};

ObjectStatus statusOf(std::shared_ptr<UnifexObject> block);
UnifexAlarm alarmOf(std::shared_ptr<UnifexObject> block);

}  // namespace netdb
