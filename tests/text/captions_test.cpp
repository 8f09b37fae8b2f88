#include "text/captions.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>

namespace {

using text::CaptionProperty;
using text::CaptionSource;
using text::CaptionText;
using text::kNoIndex;

using Key = std::tuple<std::string, std::string, int, CaptionProperty, int>;

Key keyOf(const CaptionText& c) {
    return {std::string(c.form), std::string(c.control), c.index, c.property, c.item};
}

const CaptionText* find(std::string_view form, std::string_view control, int index,
                        CaptionProperty property = CaptionProperty::Caption, int item = kNoIndex) {
    for (const auto& c : text::captionTexts())
        if (c.form == form && c.control == control && c.index == index && c.property == property &&
            c.item == item)
            return &c;
    return nullptr;
}

TEST(Captions, EntriesReadExactlyInBothLanguages) {
    using enum CaptionProperty;
    struct Case {
        const char* form;
        const char* control;
        int index;
        CaptionProperty property;
        int item;
        const char* english;
        const char* german;
    } cases[] = {
        {"fMain", "Framelongpresstime", kNoIndex, Caption, kNoIndex, "Long button actuation",
         "Langer Tastendruck "},
        {"fMain", "frm_button", 8, Caption, kNoIndex, "Button functions", "Tastenfunktion"},
        {"fMain", "lbl_desc", 2, Caption, kNoIndex, "Button 4", "Taste 4"},
        {"fMain", "lblNc", 3, Caption, kNoIndex, "Receive LED flashes:", "Empfangs-LED blinkt:"},
        {"fMain", "lblNc", 187, Caption, kNoIndex,
         "Sending interval NV's [s]:", "Sendeintervall NV's [s]:"},
        {"fMain", "lblNc", 81, Caption, kNoIndex, "Scene [s]:", "Szene [s]:"},
        {"fMain", "lblNc", 177, Caption, kNoIndex, "Device", "Gerät:"},
        {"fMain", "lblNc", 83, Caption, kNoIndex, "Button 4:", "Taste 4:"},
        {"fMain", "lblNc", 154, Caption, kNoIndex, "Temperature offset [K]:", "Temperaturoffset:"},
        {"fMain", "cmdApply", kNoIndex, Caption, kNoIndex, "A&pply", "&Übernehmen"},
        {"fMain", "cmdGerAuswahl", kNoIndex, ToolTipText, kNoIndex,
         "shows a list with all devices of the same program-id ",
         "shows a list with all devices of the same program-id "},
        {"fMain", "mnuExit", kNoIndex, Caption, kNoIndex, "Exit", "B&eenden"},
        {"fMain", "mnuSaveLogAs", kNoIndex, Caption, kNoIndex, "Save Log &As...",
         "Save Log &As..."},
        {"fMain", "lblPolling", kNoIndex, Caption, kNoIndex,
         "Pollinterval (s):", "Pollintervall [s]:"},
        {"fMain", "tabData", kNoIndex, TabCaption, 1, "Switch settings", "Taster Einstelllungen"},
        {"fMain", "tabData", kNoIndex, TabCaption, 10, "Sensor 9", "Sensor 9"},
        {"fMain", "PlugInStatus", kNoIndex, PanelText, 2, "Devicetyp", "Gerätetyp"},
        {"fMain", "cmb_display", 100, ListItem, 1, "by every received telegram",
         "bei jedem empfangenen Telegramm "},
        {"fMain", "cmb_display", 100, ListItem, 2, "by every received learnt-in telegram",
         "bei jedem empfangenen eingelernten  Sensor"},
        {"fMain", "cmb_display", 76, ListItem, 4, "704 = MD-36 360° - Motion Detector",
         "704 = MD-36 360° - Bewegungsmelder"},
        {"fMain", "cmb_display", 62, ListItem, 7, "Automatic", "Automatik"},
        {"fMain", "RTHinweis", kNoIndex, Text, kNoIndex,
         "\r\n\r\nIf you want some informations about a Networkvariable, then  feel free and "
         "click in the Textbox.\r\n\r\nThe whole Korvane Team wishes you a lot of fun using "
         "this tool,which helps to save your time. ",
         "\r\n\r\nWenn Sie Informationen über eine Netzwerkvariable wünschen, dann klicken Sie in "
         "das entsprechende Textfeld.\r\n\r\nDas Korvane Team wünscht: viel Spass beim "
         "parametrieren!"},
        {"fStatus", "", kNoIndex, Caption, kNoIndex, "State", "Status"},
        {"Einlernen", "Manuell", 1, Caption, kNoIndex, "Manual learn-in of sensor ID",
         "Sensor ID manuell einlernen:"},
        {"fGeräteauswahl", "chksynchronisiern", kNoIndex, ToolTipText, kNoIndex,
         "By activating this option, 'all' parameters will be transmit to the selcted devices.",
         "By activating this option, 'all' parameters will be transmit to the selcted devices."},
        {"fGeräteauswahl", "cmdreset", kNoIndex, Caption, kNoIndex, "Reset selection",
         "Auswahl &reset"},
        {"fAbout", "lblVersion", kNoIndex, Caption, kNoIndex,
         "Korvane_MBX-440: Version 1.0 for QBX/WCX for Windows®",
         "Korvane_MBX-440: Version 1.0 für QBX/WCX für Windows®"},
        {"fDruckmenue", "cmdDruck", kNoIndex, Caption, kNoIndex, "Printmenu", "&Druckmenü"},
    };
    for (const auto& c : cases) {
        const CaptionText* found = find(c.form, c.control, c.index, c.property, c.item);
        ASSERT_NE(found, nullptr) << c.form << "." << c.control << "(" << c.index << ")";
        EXPECT_EQ(found->english, c.english) << c.control << "(" << c.index << ")";
        EXPECT_EQ(found->german, c.german) << c.control << "(" << c.index << ")";
    }
}

TEST(Captions, EveryTargetIsNamedOnceWithItsWindowsSelector) {
    const std::map<std::string, int> selectors = {{"fMain", 0},     {"fStatus", 0},
                                                  {"Einlernen", 1}, {"fGeräteauswahl", 1},
                                                  {"fAbout", 2},    {"fDruckmenue", 3}};
    std::set<Key> keys;
    for (const auto& c : text::captionTexts()) {
        EXPECT_TRUE(keys.insert(keyOf(c)).second)
            << "twice: " << c.form << "." << c.control << "(" << c.index << ") item " << c.item;
        ASSERT_TRUE(selectors.contains(std::string(c.form))) << c.form;
        EXPECT_EQ(c.formSelector, selectors.at(std::string(c.form))) << c.form;
        EXPECT_FALSE(c.english.empty() || c.german.empty()) << c.control << "(" << c.index << ")";
    }
}

TEST(Captions, ControlArraysAndListsAreCompleteAndOnlyButtonModesAreSetInGerman) {
    std::map<int, int> lblNc;  // label index -> count
    std::map<int, std::set<int>> listItems;
    std::map<int, CaptionSource> listSource;
    for (const auto& c : text::captionTexts()) {
        if (c.form != "fMain") continue;
        if (c.control == "lblNc") ++lblNc[c.index];
        if (c.control == "cmb_display") {
            listItems[c.index].insert(c.item);
            listSource[c.index] = c.source;
        }
    }
    // 18 labels of the general and push-button pages, 8 per channel on nine pages.
    EXPECT_EQ(lblNc.size(), 18u + 8u * 9u);

    std::set<int> expectedLists{100};
    for (int c = 0; c < 9; ++c) {
        expectedLists.insert(72 + c);
        for (int b = 0; b < 4; ++b) expectedLists.insert(18 * b + c);
    }
    std::set<int> lists;
    for (const auto& [index, items] : listItems) {
        lists.insert(index);
        const int count = index == 100 ? 3 : index >= 72 ? 11 : 8;
        EXPECT_EQ(items.size(), static_cast<std::size_t>(count)) << index;
        EXPECT_EQ(*items.rbegin(), count - 1) << index;
        EXPECT_EQ(listSource[index], index < 72 ? CaptionSource::Filled : CaptionSource::Designed)
            << index;
    }
    EXPECT_EQ(lists, expectedLists);
    for (const char* frame :
         {"frm_sensor", "frm_temp", "frm_nv", "frm_button", "lbl_alarm", "bt_learn"})
        for (int c = 0; c < 9; ++c) EXPECT_NE(find("fMain", frame, c), nullptr) << frame << c;
}

}  // namespace
