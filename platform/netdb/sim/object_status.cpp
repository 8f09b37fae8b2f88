#include "platform/netdb/sim/object_status.h"

#include "platform/core/error.h"

namespace netdb {
namespace errc = platform::errc;

namespace {
constexpr int kInExceptionBit = 23;
constexpr int kAlarmPresentBit = 24;

void createAlarmTable(platform::SqliteDb& db) {
    db.exec(R"sql(
CREATE TABLE IF NOT EXISTS sim_alarm(
  block_id INTEGER PRIMARY KEY REFERENCES block(id) ON DELETE CASCADE,
  alarm_type INTEGER NOT NULL, limit_value TEXT NOT NULL, location TEXT NOT NULL,
  object_id INTEGER NOT NULL, priority_level INTEGER NOT NULL, time_stamp TEXT NOT NULL,
  value TEXT NOT NULL);
)sql");
}
}  // namespace

const std::array<std::string_view, kStatusFlagCount>& statusFlagNames() {
    static const std::array<std::string_view, kStatusFlagCount> names = {
        "invalid_id",       "invalid_request",      "disabled",
        "out_of_limits",    "open_circuit",         "out_of_service",
        "mechanical_fault", "feedback_failure",     "over_range",
        "under_range",      "electrical_fault",     "unable_to_measure",
        "comm_failure",     "fail_self_test",       "self_test_in_progress",
        "locked_out",       "manual_control",       "in_alarm",
        "in_override",      "report_mask",          "programming_mode",
        "programming_fail", "alarm_notify_disabled"};
    return names;
}

int statusFlagIndex(std::string_view name) {
    const auto& names = statusFlagNames();
    for (int i = 0; i < kStatusFlagCount; ++i)
        if (names[static_cast<size_t>(i)] == name) return i;
    throw platform::Error(errc::kNotFound, "netdb",
                          "There is no object status flag \"" + std::string(name) + "\"");
}

bool ObjectStatus::bit(int n) const { return (block_->Status() >> n) & 1; }

void ObjectStatus::setBit(int n, bool on) {
    auto flags = static_cast<uint32_t>(block_->Status());
    flags = on ? (flags | (1u << n)) : (flags & ~(1u << n));
    block_->SetStatus(static_cast<int32_t>(flags));
}

bool ObjectStatus::Flag(int index) const {
    if (index < 0 || index >= kStatusFlagCount)
        throw platform::Error(errc::kInvalidValue, "netdb",
                              "There is no object status flag " + std::to_string(index));
    return bit(index);
}

void ObjectStatus::SetFlag(int index, bool on) {
    Flag(index);  // checks the index
    setBit(index, on);
}

bool ObjectStatus::InException() const { return bit(kInExceptionBit); }
void ObjectStatus::SetInException(bool on) { setBit(kInExceptionBit, on); }
bool ObjectStatus::AlarmPresent() const { return bit(kAlarmPresentBit); }
void ObjectStatus::SetAlarmPresent(bool on) { setBit(kAlarmPresentBit, on); }
void ObjectStatus::Clear() { block_->SetStatus(0); }

UnifexAlarm::UnifexAlarm(std::shared_ptr<UnifexObject> block) : block_(std::move(block)) {
    createAlarmTable(block_->store()->db());
}

UnifexAlarm::Record UnifexAlarm::record() const {
    auto st = block_->store()->db().prepare(
        "SELECT alarm_type, limit_value, location, object_id, priority_level, time_stamp, value"
        " FROM sim_alarm WHERE block_id = ?");
    st.bind(1, block_->id());
    Record r;
    if (!st.step()) return r;
    r.alarmType = static_cast<int>(st.integer(0));
    r.limitValue = st.text(1);
    r.location = st.text(2);
    r.objectId = static_cast<int>(st.integer(3));
    r.priorityLevel = static_cast<int>(st.integer(4));
    r.timeStamp = st.text(5);
    r.value = st.text(6);
    return r;
}

void UnifexAlarm::set(const Record& r) {
    // Codes outside the standard tables are allowed: viewers must cope with what a device sends.
    auto& db = block_->store()->db();
    db.transaction([&] {
        db.prepare(
              "INSERT OR REPLACE INTO sim_alarm(block_id, alarm_type, limit_value, location,"
              " object_id, priority_level, time_stamp, value) VALUES(?, ?, ?, ?, ?, ?, ?, ?)")
            .bind(1, block_->id())
            .bind(2, r.alarmType)
            .bind(3, r.limitValue)
            .bind(4, r.location)
            .bind(5, r.objectId)
            .bind(6, r.priorityLevel)
            .bind(7, r.timeStamp)
            .bind(8, r.value)
            .run();
    });
}

int UnifexAlarm::AlarmType() const { return record().alarmType; }
std::string UnifexAlarm::LimitValue() const { return record().limitValue; }
std::string UnifexAlarm::Location() const { return record().location; }
int UnifexAlarm::ObjectId() const { return record().objectId; }
int UnifexAlarm::PriorityLevel() const { return record().priorityLevel; }
std::string UnifexAlarm::TimeStamp() const { return record().timeStamp; }
std::string UnifexAlarm::Value() const { return record().value; }

ObjectStatus statusOf(std::shared_ptr<UnifexObject> block) {
    return ObjectStatus(std::move(block));
}
UnifexAlarm alarmOf(std::shared_ptr<UnifexObject> block) { return UnifexAlarm(std::move(block)); }

}  // namespace netdb
