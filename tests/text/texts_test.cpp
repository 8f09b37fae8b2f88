#include "text/texts.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "text/text_data.h"

namespace {

using text::applyLanguage;
using text::Language;

// Reads one entry of one of the five tables, and the size of that table.
struct Table {
    const char* name;
    std::function<const std::string&(std::size_t)> at;
    std::size_t size;
};

const std::vector<Table>& tables() {
    static const std::vector<Table> all = {
        {"RegistrationTexts", [](std::size_t i) -> auto& {return text::RegistrationTexts[i];
}
, text::RegistrationTexts.size()
}  // namespace
, {"ButtonFunctionTexts", [](std::size_t i) -> auto& {return text::ButtonFunctionTexts[i];
}
, text::ButtonFunctionTexts.size()
}
, {"PlugInTexts", [](std::size_t i) -> auto& {return text::PlugInTexts[i];
}
, text::PlugInTexts.size()
}
, {"MainTexts", [](std::size_t i) -> auto& {return text::MainTexts[i];
}
, text::MainTexts.size()
}
, {"LearnTexts", [](std::size_t i) -> auto& {return text::LearnTexts[i];
}
, text::LearnTexts.size()
}
,
}
;
return all;
}

const Table& table(std::string_view name) {
    for (const auto& t : tables())
        if (t.name == name) return t;
    throw std::logic_error("no table");
}

std::set<std::size_t> filledIndices(const Table& t) {
    std::set<std::size_t> filled;
    for (std::size_t i = 0; i < t.size; ++i)
        if (!t.at(i).empty()) filled.insert(i);
    return filled;
}

class Texts : public ::testing::Test {
  protected:
    void TearDown() override { applyLanguage(""); }
};

TEST_F(Texts, EntriesReadExactlyInBothLanguagesAndUnfilledOnesAreEmpty) {
    struct Case {
        const char* table;
        std::size_t index;
        const char* english;
        const char* german;
    } cases[] = {
        {"RegistrationTexts", 0, "Opening the Object Server...", "Öffne den Objektserver"},
        {"RegistrationTexts", 4, "registration as COM server failed",
         " Registrierung als COM server ist fehlgeschlagen"},
        {"RegistrationTexts", 10, " does not exisit in the Windows registery",
         " existiert nicht in der Windows registery"},
        {"RegistrationTexts", 12, "Cannot Export Database", "Cannot Export Database"},
        {"RegistrationTexts", 20, " the default action for the Unifex object ",
         " die Standardanwendug für das Unifex Objekt "},
        {"RegistrationTexts", 30, "create Templates...", "erstelle Templates..."},
        {"PlugInTexts", 0, "Registering plug-in . . .", "Registeriere plug-in . . ."},
        {"PlugInTexts", 6, "Cannot open the network ", "Das Netzwerk kann nicht geöffnet werden "},
        {"PlugInTexts", 8, "", ""},
        {"PlugInTexts", 10,
         "Can not modify the minimzed property when invisble. The property will be applied the "
         "next time the plug-in is made visible",
         "Can not modify the minimzed property when invisble. The property will be applied the "
         "next time the plug-in is made visible"},
        {"MainTexts", 2, "reading Parameters.....", "lese Parameter....."},
        {"MainTexts", 20,
         "A director is using this plug-in.  Exiting may cause the director to experience "
         "errors.  Are you sure that you want to exit?",
         "A director is using this plug-in.  Exiting may cause the director to experience "
         "errors.  Are you sure that you want to exit?"},
        {"MainTexts", 31,
         "All not transmited Parameters, could not be trasmit by activating 'sync. Devices'. ",
         "Die nicht gesendeten Parameter können nicht beim synchronisieren übertragen werden. "},
        {"MainTexts", 33, "To transmit these parameters to more than one device, you need",
         "Um diese Parameter an mehrere Geräte zu übertragen, wählen Sie "},
        {"MainTexts", 35, "  repeating...", "  wiederhole..."},
        {"MainTexts", 44, "", ""},
        {"MainTexts", 45, "", ""},
        {"MainTexts", 50, "Could not change SNVT-Type, NV is binded.",
         "Kann SNVT-Typ nicht ändern, NV ist gebindet."},
        {"MainTexts", 51, "", ""},  // outside the table
        {"LearnTexts", 0, "Press learn-in button", "Lerntaste drücken"},
        {"LearnTexts", 2,
         "To take over the sensor ID into the QBX-database, the device must be recommissioned "
         "by means of 'Current values in device'. ",
         "Zur Übernahme der Sensor ID in die QBX-Datenbasis muss das Gerät mit 'Current values "
         "in device' neu kommissioniert werden. "},
        {"LearnTexts", 3, "Device has changed, please take over the data to the device.",
         "Das Gerät wurde geändert, zum Einlernen bitte zuerst Daten zum Gerät übertragen."},
        {"ButtonFunctionTexts", 0x00, "0x00 not used", "0x00 nicht belegt"},
        {"ButtonFunctionTexts", 0x02, "0x02 pressed / not pressed / nvoMultiOut_2",
         "0x02 gedrückt / nicht gedrückt / nvoMultiOut_2"},
        {"ButtonFunctionTexts", 0x04, "0x04 toggle / nvoMultiOut_2", "0x04 Toggle / nvoMultiOut_2"},
        {"ButtonFunctionTexts", 0x12, "0x12 toggle last value / nvoMultiOut_1",
         "0x12 Toggle letzter Einwert / nvoMultiOut_1"},
        {"ButtonFunctionTexts", 0x19, "0x19 darker / nvoMultiOut_2",
         "0x19 Dunkler / nvoMultiOut_2"},
        {"ButtonFunctionTexts", 0x22, "0x22 blind UP / nvoMultiOut_2",
         "0x22 Jalousie AUF / nvoMultiOut_2"},
        {"ButtonFunctionTexts", 0x31, "0x31 shutter DOWN / nvoMultiOut_1",
         "0x31 Rollladen AB / nvoMultiOut_1"},
        {"ButtonFunctionTexts", 0x4A, "0x4A scene 10 / nvoMultiOut_1",
         "0x4A Szene 10 / nvoMultiOut_1"},
        {"ButtonFunctionTexts", 0x50, "0x50 scene 0 / nvoMultiOut_2",
         "0x50 Szene 0 / nvoMultiOut_2"},
        {"ButtonFunctionTexts", 0x61, "0x61 automatic (= 0.0 -1) / nvoMultiOut_2",
         "0x61 Automatik (= 0.0 -1) / nvoMultiOut_2"},
        {"ButtonFunctionTexts", 0x09, "", ""},
        {"ButtonFunctionTexts", 0x1C, "", ""},
        {"ButtonFunctionTexts", 0x62, "", ""},
    };
    for (Language language : {Language::English, Language::German}) {
        const bool german = language == Language::German;
        EXPECT_EQ(applyLanguage(german ? "german" : "english"), language);
        EXPECT_EQ(text::tableLanguage(), language);
        for (const auto& c : cases)
            EXPECT_EQ(table(c.table).at(c.index), german ? c.german : c.english)
                << c.table << "[" << c.index << "] " << (german ? "german" : "english");
    }
}

TEST_F(Texts, OnlyTheExactLowerCaseSettingsFillTheTablesAndAnyOtherEmptiesThem) {
    for (const char* setting : {"English", "German", "GERMAN", " german", "english ", ""}) {
        applyLanguage("german");  // a filled state that the setting must clear
        EXPECT_EQ(applyLanguage(setting), Language::None) << setting;
        EXPECT_EQ(text::tableLanguage(), Language::None);
        for (const auto& t : tables()) EXPECT_TRUE(filledIndices(t).empty()) << t.name << setting;
    }
}

TEST_F(Texts, BothLanguagesFillTheSameIndices) {
    for (const auto& t : tables()) {
        applyLanguage("english");
        const auto english = filledIndices(t);
        applyLanguage("german");
        EXPECT_EQ(filledIndices(t), english) << t.name;
    }
    applyLanguage("english");
    EXPECT_EQ(filledIndices(table("RegistrationTexts")).size(), 31u);
    EXPECT_EQ(filledIndices(table("PlugInTexts")).size(), 10u);
    EXPECT_EQ(filledIndices(table("MainTexts")).size(), 49u);
    EXPECT_EQ(filledIndices(table("LearnTexts")).size(), 4u);

    // The data lists themselves name the same indices in the same order.
    auto indices = [](auto span) {
        std::vector<std::size_t> out;
        for (const auto& e : span) out.push_back(e.index);
        return out;
    };
    using namespace text::data;
    EXPECT_EQ(indices(registrationTextsEnglish()), indices(registrationTextsGerman()));
    EXPECT_EQ(indices(plugInTextsEnglish()), indices(plugInTextsGerman()));
    EXPECT_EQ(indices(mainTextsEnglish()), indices(mainTextsGerman()));
    EXPECT_EQ(indices(learnTextsEnglish()), indices(learnTextsGerman()));
}

// The codes of each button mode: base code and number of codes the mode offers.
TEST_F(Texts, ButtonFunctionTextsHoldExactlyTheCodesOfTheModes) {
    struct Mode {
        int base, count;
    } modes[] = {{0x00, 1}, {0x01, 8},  {0x10, 10}, {0x20, 4},
                 {0x30, 4}, {0x40, 16}, {0x50, 16}, {0x60, 2}};
    std::set<std::size_t> expected;
    for (const auto& m : modes)
        for (int code = m.base; code < m.base + m.count; ++code) expected.insert(code);
    ASSERT_EQ(expected.size(), 61u);

    const Table& buttons = table("ButtonFunctionTexts");
    EXPECT_EQ(buttons.size, 98u);
    applyLanguage("english");
    std::vector<std::string> english(98);
    for (std::size_t code = 0; code < 98; ++code) english[code] = buttons.at(code);
    EXPECT_EQ(filledIndices(buttons), expected);
    applyLanguage("german");
    EXPECT_EQ(filledIndices(buttons), expected);

    const char* englishWords[] = {"not used", "pressed", "toggle",  "only",  "brighter",
                                  "darker",   "blind",   "shutter", "scene", "automatic"};
    for (std::size_t code : expected) {
        const std::string& de = buttons.at(code);
        const std::string& en = english[code];
        char prefix[8];
        std::snprintf(prefix, sizeof prefix, "0x%02X ", static_cast<unsigned>(code));
        EXPECT_TRUE(en.starts_with(prefix) && de.starts_with(prefix)) << en << " | " << de;
        // Code 0x00 drives no output; the others name theirs identically in both languages.
        const std::string suffix = code == 0 ? "" : en.substr(en.rfind(" / nvoMultiOut_"));
        EXPECT_TRUE(code == 0 || (suffix.size() == 16 && de.ends_with(suffix))) << en;
        for (const char* word : englishWords)
            EXPECT_EQ(de.find(word), std::string::npos) << de << " keeps '" << word << "'";
    }
    // Each function drives nvoMultiOut_1 and nvoMultiOut_2 by the code's place in its block.
    applyLanguage("english");
    EXPECT_TRUE(buttons.at(0x07).ends_with("only OFF / nvoMultiOut_1"));
    EXPECT_TRUE(buttons.at(0x08).ends_with("only OFF / nvoMultiOut_2"));
    EXPECT_TRUE(buttons.at(0x21).ends_with("blind DOWN / nvoMultiOut_1"));
    EXPECT_TRUE(buttons.at(0x4F).ends_with("scene 15 / nvoMultiOut_1"));
    EXPECT_TRUE(buttons.at(0x5F).ends_with("scene 15 / nvoMultiOut_2"));
}

}  // namespace
