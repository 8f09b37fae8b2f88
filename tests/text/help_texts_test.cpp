#include "text/help_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "text/texts.h"

namespace {

using text::applyLanguage;
using text::Language;

struct HelpTable {
    const char* name;
    std::function<const std::string&(std::size_t)> at;
    std::size_t size;
    std::size_t firstFilled, lastFilled;
};

const std::vector<HelpTable>& helpTables() {
    static const std::vector<HelpTable> all = {
        {"CpHelpTexts", [](std::size_t i) -> auto& {return text::CpHelpTexts[i];
}
, text::CpHelpTexts.size(), 0, 97
}  // namespace
, {"NviHelpTexts", [](std::size_t i) -> auto& {return text::NviHelpTexts[i];
}
, text::NviHelpTexts.size(), 1, 18
}
, {"NvoHelpTexts", [](std::size_t i) -> auto& {return text::NvoHelpTexts[i];
}
, text::NvoHelpTexts.size(), 0, 36
}
, {"TabHelpTexts", [](std::size_t i) -> auto& {return text::TabHelpTexts[i];
}
, text::TabHelpTexts.size(), 0, 0
}
,
}
;
return all;
}

const HelpTable& helpTable(std::string_view name) {
    for (const auto& t : helpTables())
        if (t.name == name) return t;
    throw std::logic_error("no table");
}

std::vector<std::string> linesOf(const std::string& entry) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = entry.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(entry.substr(start, end - start));
    lines.push_back(entry.substr(start));
    return lines;
}

// The description of a property entry: everything after its "Function:" line.
std::string propertyDescription(const std::string& entry) {
    const auto lines = linesOf(entry);
    std::string out;
    for (std::size_t i = 3; i < lines.size(); ++i) out += (i > 3 ? "\r\n" : "") + lines[i];
    return out;
}

const char* setting(Language language) {
    return language == Language::German ? "german" : "english";
}

class HelpTexts : public ::testing::Test {
  protected:
    void TearDown() override { applyLanguage(""); }
};

TEST_F(HelpTexts, EntriesReadExactly) {
    struct Case {
        const char* table;
        std::size_t index;
        Language language;
        const char* text;
    } cases[] = {
        {"CpHelpTexts", 0, Language::English,
         "UCPT Type:\r\nUCPTspMinValue, Index 40, SNVT_temp_p\r\nFunction:\r\n"
         "The parameter determines the output values of nvoSetpoint with left stop of the "
         "set point potentiometer and defines the ajdustment range. (Preset values: -3 °C)"},
        {"CpHelpTexts", 0, Language::German,
         "UCPT Type:\r\nUCPTspMinValue, Index 40, SNVT_temp_p\r\nFunktion:\r\n"
         "Die Parameter bestimmen die Ausgabewerte von nvoSetpoint bei Linksanschlag "
         "des Sollwertpotis und definieren damit den Verstellbereich. "
         "(Voreingestellte Werte: -3 °C und +3 °C)"},
        {"CpHelpTexts", 3, Language::English,
         "SCPT Type:\r\nSCPTbypassTime, Index 34, SNVT_time_min\r\nFunction: nvoMultiOut_2\r\n"
         "Configuration property for the output variable nvoMultiOut_2 of the presenence key / "
         "wireless chair /slide switch in the Sensor-Objects. SCPTbypassTime = 0: \r\n"
         "-upon actuation = OC_OCCUPIED / 100.0 1\r\n"
         "SCPTbypassTime = 1: \r\n"
         "-status of the contact is outputSCPTbypassTime = 2: \r\n"
         "-toggling of the lighting \r\n"
         "SCPTbypassTime >= 3: \r\n"
         "-overtime function\r\n"
         "(Range: < 1000, preset value : 90 min)"},
        {"CpHelpTexts", 11, Language::English,
         "UCPT Type:\r\nUCPTgeneralCP1, Index 7, SNVT_state\r\nFunction:\r\n"
         "Configuration of switching behaviour of receiving LED. "},
        // Channel 5: the first two pieces of the minimum range share a line, the maximum
        // range has them on two lines.
        {"CpHelpTexts", 62, Language::English,
         "SCPT Type:\r\nSCPTminRnge, Index 23, SNVT_temp_p\r\nFunction:\r\n"
         "The parameters are for the adjustment of different temperature ranges. Standard "
         "measuring range:\r\n- RT-21: 0 to +40 °C \r\n- RT-40: -20 to +60 °C\r\n"
         "- RT-40 K2: -20 to +60 °C\r\n- RT-40 K1: +10 to +90 °C\r\n- RT-40 K3: +10 to +90 °C\r\n"
         "(Preset value: SCPTminRnge = 0,00 °C and SCPTmaxRnge = 40,00 °C)"},
        {"CpHelpTexts", 63, Language::English,
         "SCPT Type:\r\nSCPTmaxRnge, Index 20, SNVT_temp_p\r\nFunction:\r\n"
         "The parameters are for the adjustment of different temperature ranges. \r\n"
         "Standard measuring range: \r\n- RT-21: 0 to +40 °C\r\n- RT-40: -20 to +60 °C\r\n"
         "- RT-40 K2: -20 to +60 °C\r\n- RT-40 K1: +10 to +90 °C\r\n- RT-40 K3: +10 to +90 °C\r\n"
         "(Preset value: SCPTminRnge = 0,00 °C and SCPTmaxRnge = 40,00 °C)"},
        {"CpHelpTexts", 97, Language::English,
         "SCPT Type:\r\nSCPTmaxSendTime, Index 49, SNVT_time_sec\r\nFunction:\r\n"
         "Heartbeat function. This configuration property stipulates the interval time after "
         "which theoutput variable is sent. By input values = 0, the heartbeat function is "
         "deactivated. (Presetvalue: 0,0 s)"},
        {"NviHelpTexts", 1, Language::English,
         "SNVT Type: \r\n SNVT_temp_p, Index 105\r\n(nviMultiOut_1_Fb_1)\r\n\r\nFunction:\r\n"
         "Input variable for the current status of the lighting groups controlled by "
         "nvoMultiOut_1_Fb."},
        {"NviHelpTexts", 18, Language::English,
         "SNVT Type: \r\n SNVT_temp_p, Index 105\r\n(nviMultiOut_2_Fb_9)\r\n\r\nFunction:\r\n"
         "Input variable for the current status of the lighting groups controlled by "
         "nvoMultiOut_2_Fb."},
        {"NvoHelpTexts", 0, Language::English,
         "SNVT Type:\r\nSNVT_state, Index 83\r\n(nvoAlarm_Sensor)\r\n\r\nFunction:\r\n"
         "If no telegram is received for a time exceeding the monitor time UCPTenoceanRcvTm, an "
         "alarm message is generated by nvoAlarm, whereas each sensor is allocated to a bit.The "
         "alarm bits are cleared automatically by receiving the next associated telegram."},
        {"NvoHelpTexts", 1, Language::German,
         "SNVT Type:\r\nSNVT_temp_p, Index 105\r\n(nvoHVACTemp_1)\r\n\r\nFunktion:\r\n"
         "Ausgangsvariable für den gemessenen Temperaturwert (Auflösung 1/100 °C). Die "
         "Datenausgabe erfolgt in Abhängigkeit des Konfigurationsparameters SCPTmaxSendTime "
         "und bei Empfang eines neuen Sensortelegramms."},
        {"NvoHelpTexts", 34, Language::English,
         "SNVT Type:\r\nSNVT_temp_p, Index 105\r\n(nvoSetpoint_9)\r\n\r\nFunction:\r\n"
         "Output variable for set point correction respectively set point temperature, that "
         "can be adjusted by the set point adjuster. As a standard, the value range is lying "
         "between -3 and +3 K and can be adjusted by UCPTspMinValue and UCPTspMinValue. Data "
         "output is made analogue to nvoHVACTemp."},
        {"NvoHelpTexts", 36, Language::English,
         "SNVT Type:\r\nSNVT_setting, Index 117\r\n(nvoMultiOut_2_9)\r\n\r\nFunction:\r\n"
         "Depending on the configuration, the output vairable can either transmit the presence "
         "key or the functions for switching/dimming/blind."},
        {"TabHelpTexts", 0, Language::English,
         "Attention:\r\nnvoMultiOut is binded! Device and SNVT-Type could not changed, \r\n"
         "until nvoMultiOut is binded."},
        {"TabHelpTexts", 0, Language::German,
         "Achtung:\r\nnvoMultiOut ist gebindet! Das Gerät und der SNVT-Typ kann nicht geändert "
         "werden, \r\nwenn nvoMultiOut gebindet ist."},
    };
    for (const auto& c : cases) {
        applyLanguage(setting(c.language));
        EXPECT_EQ(helpTable(c.table).at(c.index), c.text)
            << c.table << "[" << c.index << "] " << setting(c.language);
    }
}

TEST_F(HelpTexts, ExactlyTheListedSlotsAreFilledAndOnlyForEnglishOrGerman) {
    for (Language language : {Language::English, Language::German}) {
        applyLanguage(setting(language));
        for (const auto& t : helpTables()) {
            for (std::size_t i = 0; i < t.size; ++i) {
                const std::string& entry = t.at(i);
                const bool filled = i >= t.firstFilled && i <= t.lastFilled;
                EXPECT_EQ(!entry.empty(), filled) << t.name << "[" << i << "]";
                // Lines are joined by CR LF only: no bare CR or LF, no join at the end.
                std::string unjoined = entry;
                for (std::size_t p; (p = unjoined.find("\r\n")) != std::string::npos;)
                    unjoined.replace(p, 2, "|");
                EXPECT_EQ(unjoined.find_first_of("\r\n"), std::string::npos) << t.name << i;
                if (filled) {
                    EXPECT_FALSE(entry.ends_with("\r\n")) << t.name << "[" << i << "]";
                }
            }
        }
    }
    applyLanguage("german");
    for (const char* other : {"German", "english ", ""}) {
        applyLanguage(other);
        for (const auto& t : helpTables())
            for (std::size_t i = 0; i < t.size; ++i)
                EXPECT_EQ(t.at(i), "") << t.name << "[" << i << "] after " << other;
    }
}

// Headings, key lines and function lines of every row, in both languages; the window
// emphasizes the first MainTexts 8 within the first 1000 characters.
TEST_F(HelpTexts, EveryEntryHasItsHeadingKeyLineAndFunctionLine) {
    const char* generalKeys[] = {
        "UCPTspMinValue, Index 40, SNVT_temp_p",      "UCPTspMaxValue, Index 41, SNVT_temp_p",
        "UCPTfanSpdStages, Index 13, SNVT_count",     "SCPTbypassTime, Index 34, SNVT_time_min",
        "UCPTenoceanRcvTm, Index 33, SNVT_time_min",  "SCPTmaxSendTime, Index 49, SNVT_time_sec",
        "UCPTlongPressTime, Index 71, SNVT_time_sec", "SCPTminSendTime, Index 52, SNVT_time_sec",
        "SCPTstepValue, Index 92, SNVT_lev_cont",     "UCPTreverseDelay, Index 14, SNVT_count",
        "UCPTdiConfig, Index 44, UNVT_str_hex4",      "UCPTgeneralCP1, Index 7, SNVT_state",
        "UCPTsunblindDOWN, Index 73, SNVT_setting",   "UCPTsunblindUP, Index 72, SNVT_setting",
        "UCPTsunblindSTOP, Index 74, SNVT_setting",   "UCPTsunblindIDLE, Index 75, SNVT_setting",
        "SCPTdriveTime, Index 45, SNVT_time_sec"};
    const char* channelKeys[] = {
        "SCPTminRnge, Index 23, SNVT_temp_p",      "SCPTmaxRnge, Index 20, SNVT_temp_p",
        "SCPTtempOffset, Index 227, SNVT_temp_p",  "SCPTnvType, Index 254, SNVT_nv_type",
        "SCPTnvType, Index 254, SNVT_nv_type",     "UCPTenoceanID, Index 39, UNVT_str_hex4",
        "UCPTdeviceType, Index 42, SNVT_count",    "SCPTmaxOut, Index 93, SNVT_lev_cont",
        "SCPTmaxSendTime, Index 49, SNVT_time_sec"};
    const char* outputs[][2] = {{"SNVT_temp_p, Index 105", "nvoHVACTemp_"},
                                {"SNVT_temp_p, Index 105", "nvoSetpoint_"},
                                {"SNVT_setting, Index 117", "nvoMultiOut_1_"},
                                {"SNVT_setting, Index 117", "nvoMultiOut_2_"}};

    for (Language language : {Language::English, Language::German}) {
        applyLanguage(setting(language));
        const std::string function = language == Language::German ? "Funktion:" : "Function:";
        ASSERT_EQ(text::MainTexts[8], function);

        for (std::size_t row = 0; row <= 97; ++row) {
            const std::string key = row < 17 ? generalKeys[row] : channelKeys[(row - 17) % 9];
            const auto lines = linesOf(text::CpHelpTexts[row]);
            ASSERT_GE(lines.size(), 4u) << row;
            EXPECT_EQ(lines[0], key.starts_with("UCPT") ? "UCPT Type:" : "SCPT Type:") << row;
            EXPECT_EQ(lines[1], key) << row;
            EXPECT_EQ(lines[2], row == 3 ? function + " nvoMultiOut_2" : function) << row;
            EXPECT_FALSE(lines[3].empty()) << row;
            EXPECT_LT(text::CpHelpTexts[row].find(function), 1000u);
        }
        auto expectVariable = [&](const std::string& entry, const std::string& heading,
                                  const std::string& key, const std::string& name) {
            const auto lines = linesOf(entry);
            ASSERT_EQ(lines.size(), 6u) << name;
            EXPECT_EQ(lines[0], heading) << name;
            EXPECT_EQ(lines[1], key) << name;
            EXPECT_EQ(lines[2], "(" + name + ")");
            EXPECT_EQ(lines[3], "");
            EXPECT_EQ(lines[4], function) << name;
            EXPECT_FALSE(lines[5].empty()) << name;
        };
        expectVariable(text::NvoHelpTexts[0], "SNVT Type:", "SNVT_state, Index 83",
                       "nvoAlarm_Sensor");
        for (std::size_t c = 1; c <= 9; ++c) {
            const std::string digit = std::to_string(c);
            expectVariable(text::NviHelpTexts[2 * c - 1], "SNVT Type: ", " SNVT_temp_p, Index 105",
                           "nviMultiOut_1_Fb_" + digit);
            expectVariable(text::NviHelpTexts[2 * c], "SNVT Type: ", " SNVT_temp_p, Index 105",
                           "nviMultiOut_2_Fb_" + digit);
            for (std::size_t i = 0; i < 4; ++i)
                expectVariable(text::NvoHelpTexts[4 * c - 3 + i], "SNVT Type:", outputs[i][0],
                               outputs[i][1] + digit);
        }
    }
}

// Channels that share a description, by position, and which differ only in blanks and line
// breaks; the German channels all share one text.
TEST_F(HelpTexts, ChannelDescriptionsDifferOnlyWhereListed) {
    using Groups = std::set<std::set<std::size_t>>;
    const Groups listed[] = {
        {{0, 1, 2, 3, 4, 6, 7, 8}, {5}}, {{0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {{0, 1, 2, 3, 4}, {5, 6, 7, 8}}, {{0, 1, 2, 7}, {3, 4, 5, 6, 8}},
        {{0, 1, 2, 5, 8}, {3, 4, 6, 7}}, {{0, 1, 2, 3, 4}, {5, 6, 7, 8}},
        {{0, 2, 3, 4, 5, 6, 7, 8}, {1}}, {{0, 1, 2, 3, 4}, {5, 6, 7, 8}},
        {{0, 1, 2, 3, 4}, {5, 6, 7, 8}},
    };
    auto withoutBlanks = [](std::string s) {
        std::erase_if(s, [](char ch) { return ch == ' ' || ch == '\r' || ch == '\n'; });
        return s;
    };
    for (std::size_t j = 0; j < 9; ++j) {
        applyLanguage("english");
        std::map<std::string, std::set<std::size_t>> byText;
        for (std::size_t k = 0; k < 9; ++k)
            byText[propertyDescription(text::CpHelpTexts[17 + 9 * k + j])].insert(k);
        Groups groups;
        std::set<std::string> stripped;
        for (const auto& [description, channels] : byText) {
            groups.insert(channels);
            stripped.insert(withoutBlanks(description));
        }
        EXPECT_EQ(groups, listed[j]) << "position " << j;
        EXPECT_EQ(stripped.size(), 1u) << "position " << j;

        applyLanguage("german");
        for (std::size_t k = 1; k < 9; ++k)
            EXPECT_EQ(text::CpHelpTexts[17 + 9 * k + j], text::CpHelpTexts[17 + j])
                << "position " << j << " channel " << k;
    }
    applyLanguage("english");
    EXPECT_EQ(text::CpHelpTexts[26], text::CpHelpTexts[17]);
}

}  // namespace
