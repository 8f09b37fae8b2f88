#include "devctrls/frm_alarms.h"

#include <cmath>

#include "devctrls/library_texts.h"

namespace devctrls {

namespace {
struct Row {
    const char* key;
    const char* text;
};
constexpr Row kRows[] = {
    {"AlarmType", "Alarm Type"}, {"LimitValue", "Limit Value"},       {"Location", "Location"},
    {"ObjectId", "Object Id"},   {"PriorityLevel", "Priority Level"}, {"TimeStamp", "Time Stamp"},
    {"Value", "Value"},
};
}  // namespace

int alarmColumnUnit(int listWidth) {
    return std::max(0, static_cast<int>(std::lround((listWidth - 90) / 3.0)));
}

frmAlarms::frmAlarms() : ViewerForm("frmAlarms", "Unifex Alarms", "lstAlarms") {
    move(0, 0, 5400, 2700);
    fillWithList();
    onLoad = [this] { Form_Load(); };
}

void frmAlarms::Form_Load() {
    int u = alarmColumnUnit(lstAlarms.width());
    lstAlarms.clearColumns();
    lstAlarms.addColumn("Alarm", "Alarm", u);
    lstAlarms.addColumn("Value", "Value", 2 * u);
    for (const Row& row : kRows) lstAlarms.addItem(row.text, row.key);
}

bool frmAlarms::ParseAlarm(std::shared_ptr<ObjectAlarm> alarm) {
    load();
    alarm_ = std::move(alarm);
    return firstParse([this] { return RepeatParseAlarm(); });
}

bool frmAlarms::RepeatParseAlarm() {
    return guarded("RepeatParseAlarm", [this] {
        AlarmFields a = alarm_->read();
        // Row by row, so that rows before a failing field keep their new values.
        const std::function<std::string()> values[] = {
            [&] { return alarmTypeText(a.alarmType); },
            [&] { return a.limitValue; },
            [&] { return a.location; },
            [&] { return std::to_string(a.objectId); },
            [&] { return priorityLevelText(a.priorityLevel); },
            [&] { return a.timeStamp; },
            [&] { return a.value; },
        };
        for (size_t i = 0; i < std::size(kRows); ++i)
            lstAlarms.setSubItem(lstAlarms.itemByKey(kRows[i].key), 1, values[i]());
    });
}

}  // namespace devctrls
