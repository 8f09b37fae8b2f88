#include "devctrls/library_texts.h"

#include <map>

#include "platform/core/error.h"

namespace devctrls {

namespace {
const std::map<int, std::string>& table() {
    static const std::map<int, std::string> texts = {
        {99, "********alarm_type*********"},
        {100, "No alarm condition present"},
        {101, "Unspecified alarm condition present"},
        {102, "Total/service interval alarm 1"},
        {103, "Total/service interval alarm 2"},
        {104, "Total/service interval alarm 3"},
        {105, "Alarm low limit alarm clear 1"},
        {106, "Alarm low limit alarm clear 2"},
        {107, "Alarm high limit alarm clear 1"},
        {108, "Alarm high limit alarm clear 2"},
        {109, "Alarm low limit alarm 1"},
        {110, "Alarm low limit alarm 2"},
        {111, "Alarm high limit alarm 1"},
        {112, "Alarm high limit alarm 2"},
        {113, "Fire Alarm Condition"},
        {114, "Pre-alarm condition"},
        {115, "Trouble (fault) condition with an object"},
        {116, "Supervisory condition with an object"},
        {117, "Alarm condition with an object in Test Mode"},
        {118, "Pre-Alarm condition with an object in Test Mode"},
        {119, "Maximum environmental compensation level reached"},
        {120, "Abnormal condition with an input object"},
        {121, "Maintenance Alert"},
        {399, "*******priority_level*********"},
        {400, "PR_LEVEL_0(Lowest alarm priority level)"},
        {401, "PR_LEVEL_1"},
        {402, "PR_LEVEL_2"},
        {403, "PR_LEVEL_3 (Highest alarm priority level)"},
        {404, "PR_1 Life Safety Fire Alarms"},
        {405, "PR_2 Property Safety Fire Alarms"},
        {406, "PR_3 Fire Supervisory Alarm"},
        {407, "PR_4 Fire Trouble/Fault (Display)"},
        {408, "PR_6 Fire Pre-Alarm, HVAC Critical Equipment Alarm"},
        {409, "PR_8 HVAC Alarms"},
        {410, "PR_10 HVAC Critical Equipment RTN, Fire RTN (Display)"},
        {411, "PR_16 HVAC RTN (lowest priority)"},
        {500, "***** Satus Bar ************"},
        {kTextNormal, "Normal"},
        {kTextInException, "In Exception"},
    };
    return texts;
}

const std::string& codeText(int base, int code, int last, const char* what) {
    if (code < -1 || code > last)
        throw platform::Error(platform::errc::kInvalidValue, "WcxDevCtrs",
                              std::string("No text for the ") + what + " " + std::to_string(code));
    return libraryText(base + code);
}
}  // namespace

const std::string& libraryText(int id) {
    auto it = table().find(id);
    if (it == table().end())
        throw platform::Error(326, "WcxDevCtrs",
                              "Resource with identifier '" + std::to_string(id) + "' not found");
    return it->second;
}

const std::string& alarmTypeText(int type) { return codeText(100, type, 21, "alarm type"); }

const std::string& priorityLevelText(int level) {
    return codeText(400, level, 11, "priority level");
}

}  // namespace devctrls
