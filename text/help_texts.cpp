// Puts the help entries together from the key lines below and the descriptions of the
// language, and fills the four help tables.

#include "text/help_texts.h"

#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

#include "platform/core/log.h"
#include "text/help_text_data.h"

namespace text {

constinit TextTable<101> CpHelpTexts;
constinit TextTable<26> NviHelpTexts;
constinit TextTable<41> NvoHelpTexts;
constinit TextTable<11> TabHelpTexts;

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::size_t kChannels = 9;
constexpr std::size_t kChannelPositions = 9;
constexpr std::size_t kFirstChannelRow = 17;

// The key of a property entry: type name, type index and value type. The function line of one
// row names the output the property configures.
struct PropertyKey {
    std::string_view name;
    int index;
    std::string_view valueType;
    std::string_view functionSuffix = "";
};

constexpr PropertyKey kGeneralKeys[] = {
    {"UCPTspMinValue", 40, "SNVT_temp_p"},
    {"UCPTspMaxValue", 41, "SNVT_temp_p"},
    {"UCPTfanSpdStages", 13, "SNVT_count"},
    {"SCPTbypassTime", 34, "SNVT_time_min", " nvoMultiOut_2"},
    {"UCPTenoceanRcvTm", 33, "SNVT_time_min"},
    {"SCPTmaxSendTime", 49, "SNVT_time_sec"},
    {"UCPTlongPressTime", 71, "SNVT_time_sec"},
    {"SCPTminSendTime", 52, "SNVT_time_sec"},
    {"SCPTstepValue", 92, "SNVT_lev_cont"},
    {"UCPTreverseDelay", 14, "SNVT_count"},
    {"UCPTdiConfig", 44, "UNVT_str_hex4"},
    {"UCPTgeneralCP1", 7, "SNVT_state"},
    {"UCPTsunblindDOWN", 73, "SNVT_setting"},
    {"UCPTsunblindUP", 72, "SNVT_setting"},
    {"UCPTsunblindSTOP", 74, "SNVT_setting"},
    {"UCPTsunblindIDLE", 75, "SNVT_setting"},
    {"SCPTdriveTime", 45, "SNVT_time_sec"},
};
static_assert(std::size(kGeneralKeys) == kFirstChannelRow);

// Positions 0 to 8 of each channel's rows 17 + 9k + j.
constexpr PropertyKey kChannelKeys[] = {
    {"SCPTminRnge", 23, "SNVT_temp_p"},       {"SCPTmaxRnge", 20, "SNVT_temp_p"},
    {"SCPTtempOffset", 227, "SNVT_temp_p"},   {"SCPTnvType", 254, "SNVT_nv_type"},
    {"SCPTnvType", 254, "SNVT_nv_type"},      {"UCPTenoceanID", 39, "UNVT_str_hex4"},
    {"UCPTdeviceType", 42, "SNVT_count"},     {"SCPTmaxOut", 93, "SNVT_lev_cont"},
    {"SCPTmaxSendTime", 49, "SNVT_time_sec"},
};
static_assert(std::size(kChannelKeys) == kChannelPositions);

// The key of a variable entry: its key line (value type and its index) and its name, which
// gets the channel's digit.
struct VariableKey {
    std::string_view keyLine;
    std::string_view name;  // without the channel suffix
};

// Inputs 2c - 1 and 2c of channel c (1 to 9).
constexpr VariableKey kFeedbackInputKeys[] = {
    {" SNVT_temp_p, Index 105", "nviMultiOut_1_Fb_"},
    {" SNVT_temp_p, Index 105", "nviMultiOut_2_Fb_"},
};
// Outputs 4c - 3 to 4c of channel c (1 to 9).
constexpr VariableKey kChannelOutputKeys[] = {
    {"SNVT_temp_p, Index 105", "nvoHVACTemp_"},
    {"SNVT_temp_p, Index 105", "nvoSetpoint_"},
    {"SNVT_setting, Index 117", "nvoMultiOut_1_"},
    {"SNVT_setting, Index 117", "nvoMultiOut_2_"},
};
// Input entries carry a blank after their heading.
constexpr std::string_view kInputHeading = "SNVT Type: ";
constexpr std::string_view kOutputHeading = "SNVT Type:";

std::string joinLines(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (auto line = lines.begin(); line != lines.end(); ++line) {
        if (line != lines.begin()) out += kCrLf;
        out += *line;
    }
    return out;
}

std::string propertyEntry(const PropertyKey& key, std::string_view function,
                          std::string_view description) {
    const std::string keyLine = std::string(key.name) + ", Index " + std::to_string(key.index) +
                                ", " + std::string(key.valueType);
    const std::string functionLine = std::string(function) + std::string(key.functionSuffix);
    return joinLines({key.name.starts_with("UCPT") ? "UCPT Type:" : "SCPT Type:", keyLine,
                      functionLine, description});
}

std::string variableEntry(std::string_view heading, std::string_view keyLine,
                          const std::string& name, std::string_view function,
                          std::string_view description) {
    return joinLines({heading, keyLine, "(" + name + ")", "", function, description});
}

// The description of position `position` of channel `channel`; "" (and a log line) when the
// language's data leaves it out.
std::string_view channelDescription(std::span<const data::ChannelHelp> help, std::size_t position,
                                    std::size_t channel) {
    for (const auto& h : help)
        if (h.position == position && (h.channels & data::channel(channel)) != 0)
            return h.description;
    platform::logLine("text", "no help description for position " + std::to_string(position) +
                                  " of sensor channel " + std::to_string(channel));
    return {};
}

struct LanguageHelp {
    std::string_view function;
    std::span<const data::GeneralHelp> general;
    std::span<const data::ChannelHelp> channel;
    const data::VariableHelp& variables;
};

LanguageHelp languageHelp(Language language) {
    if (language == Language::German)
        return {"Funktion:", data::generalHelpGerman(), data::channelHelpGerman(),
                data::variableHelpGerman()};
    return {"Function:", data::generalHelpEnglish(), data::channelHelpEnglish(),
            data::variableHelpEnglish()};
}

void fillPropertyHelp(const LanguageHelp& help) {
    for (const auto& g : help.general)
        CpHelpTexts.set(g.row, propertyEntry(kGeneralKeys[g.row], help.function, g.description));
    for (std::size_t k = 0; k < kChannels; ++k)
        for (std::size_t j = 0; j < kChannelPositions; ++j)
            CpHelpTexts.set(kFirstChannelRow + kChannelPositions * k + j,
                            propertyEntry(kChannelKeys[j], help.function,
                                          channelDescription(help.channel, j, k)));
}

void fillVariableHelp(const LanguageHelp& help) {
    const data::VariableHelp& v = help.variables;
    NvoHelpTexts.set(0, variableEntry(kOutputHeading, "SNVT_state, Index 83", "nvoAlarm_Sensor",
                                      help.function, v.alarmOutput));
    for (std::size_t c = 1; c <= kChannels; ++c) {
        const std::string digit = std::to_string(c);
        for (std::size_t i = 0; i < std::size(kFeedbackInputKeys); ++i) {
            const VariableKey& key = kFeedbackInputKeys[i];
            NviHelpTexts.set(2 * c - 1 + i, variableEntry(kInputHeading, key.keyLine,
                                                          std::string(key.name) + digit,
                                                          help.function, v.feedbackInputs[i]));
        }
        for (std::size_t i = 0; i < std::size(kChannelOutputKeys); ++i) {
            const VariableKey& key = kChannelOutputKeys[i];
            NvoHelpTexts.set(4 * c - 3 + i, variableEntry(kOutputHeading, key.keyLine,
                                                          std::string(key.name) + digit,
                                                          help.function, v.channelOutputs[i]));
        }
    }
    TabHelpTexts.set(0, std::string(v.boundTab));
}

}  // namespace

void fillHelpTexts(Language language) {
    CpHelpTexts.clear();
    NviHelpTexts.clear();
    NvoHelpTexts.clear();
    TabHelpTexts.clear();
    if (language == Language::None) return;
    const LanguageHelp help = languageHelp(language);
    fillPropertyHelp(help);
    fillVariableHelp(help);
}

}  // namespace text
