// Captions of the main window: frames, field labels, buttons, menus, tabs and status-bar
// panels. The window is designed in German; English replaces these captions on load.

#include <array>

#include "text/caption_builder.h"

namespace text::detail {
namespace {

// Labels of the per-channel fields: the label-array index for channels 0 to 8.
struct ChannelLabel {
    std::array<int, 9> index;
    const char* english;
    const char* german;
};

// clang-format off
constexpr ChannelLabel kChannelLabels[] = {
    {{1, 36, 52, 74, 101, 123, 139, 161, 177}, "Device", "Gerät:"},
    {{5, 31, 48, 69, 97, 118, 135, 156, 173}, "Lower measuring range [K]:", "Unterer Messbereich:"},
    {{6, 30, 49, 68, 98, 117, 136, 155, 174}, "Upper measuring range [K]:", "Oberer Messbereich:"},
    {{7, 29, 50, 67, 99, 116, 137, 154, 175}, "Temperature offset [K]:", "Temperaturoffset:"},
    {{8, 22, 38, 60, 76, 109, 125, 147, 163}, "Button 1:", "Taste 1:"},
    {{9, 21, 39, 59, 77, 108, 126, 146, 164}, "Button 2:", "Taste 2:"},
    {{10, 20, 40, 58, 82, 107, 127, 145, 165}, "Button 3:", "Taste 3:"},
    {{11, 19, 41, 57, 83, 106, 128, 144, 166}, "Button 4:", "Taste 4:"},
};

// Labels of the general, push-button, long-press, sun-blind and dimming fields.
struct FieldLabel {
    int index;
    const char* english;
    const char* german;
};

constexpr FieldLabel kFieldLabels[] = {
    {182, "Lower setpoint adjustment [K]:", "Unterer Sollwertverstellbereich [K]:"},
    {183, "Upper setpoint adjustment [K]:", "Oberer Sollwertverstellbereich [K]:"},
    {184, "Fan stages:", "Lüfterstufen:"},
    {185, "Presence key [min]:", "Präsenztaste [min]:"},
    {186, "Receive Time [min]:", "Überwachungszeit [min]:"},
    {3, "Receive LED flashes:", "Empfangs-LED blinkt:"},
    {187, "Sending interval NV's [s]:", "Sendeintervall NV's [s]:"},
    {79, "Dim [s]:", "Dimmen [s]:"},
    {80, "Sun blind / Shutter [s]:", "Jalousie / Rollladen [s]:"},
    {81, "Scene [s]:", "Szene [s]:"},
    {85, "Telegram UP:", "Telegramm AUF:"},
    {86, "Telegram DOWN:", "Telegramm AB:"},
    {87, "Telegram STOP:", "Telegramm STOPP:"},
    {88, "Telegram IDLE:", "Telegramm Ruhezustand:"},
    {188, "Sending interval [s]:", "Sendeintervall [s]:"},
    {189, "Step value [%]:", "Schrittweite [%]:"},
    {190, "Reverse time [ms]:", "Umschaltzeit [ms]:"},
    {191, "Drive time [s]:", "Nachlaufzeit [s]:"},
};
// clang-format on

}  // namespace

void addMainWindowCaptions(std::vector<CaptionText>& out) {
    CaptionBuilder b(out, 0, "fMain");

    b.caption("Frame1", "Sensor settings", "Sensor Einstellungen");
    b.caption("Frame5", "Receiver settings", "Empfänger Einstellungen");
    b.caption("Framelongpresstime", "Long button actuation", "Langer Tastendruck ");
    b.caption("FrmSunblind", "Sun blind / Shutter", "Rollladen / Jalousie");
    b.caption("Frame2", "Dim", "Dimmen");
    b.captions("frm_sensor", 0, 8, "Sensor parameter", "Allgemeine Sensorparameter");
    b.captions("frm_temp", 0, 8, "Temperature range / temperature offset",
               "Temperaturbereich / Temperaturoffset");
    b.captions("frm_nv", 0, 8, "Network variables", "Netzwerkvariablen");
    b.captions("frm_button", 0, 8, "Button functions", "Tastenfunktion");
    b.captions("lbl_alarm", 0, 8, "Sensor is sending:", "Sensor sendet:");

    // The four captions around the push-button picture, in array order.
    b.caption("lbl_desc", 0, "Button 2", "Taste 2");
    b.caption("lbl_desc", 1, "Button 1", "Taste 1");
    b.caption("lbl_desc", 2, "Button 4", "Taste 4");
    b.caption("lbl_desc", 3, "Button 3", "Taste 3");

    for (const auto& label : kFieldLabels)
        b.caption("lblNc", label.index, label.english, label.german);
    for (const auto& label : kChannelLabels)
        for (int index : label.index) b.caption("lblNc", index, label.english, label.german);

    // The designed German caption of the learn-in buttons is the learn-in window's title.
    b.captions("bt_learn", 0, 8, "Learn-in SensorID", "Sensor Einlernen");
    b.caption("cmdApply", "A&pply", "&Übernehmen");
    b.caption("cmdCancel", "&Cancel", "A&bbrechen");
    b.caption("cmdGerAuswahl", "&Device selection", "&Geräteauswahl");
    // Designed with this tool tip; the English language sets the same text.
    b.add("cmdGerAuswahl", kNoIndex, CaptionProperty::ToolTipText, kNoIndex,
          "shows a list with all devices of the same program-id ",
          "shows a list with all devices of the same program-id ");

    b.caption("mnuOptionen", "&File", "&Datei");
    b.caption("mnuParameter_laden", "Load Parameters", "Parameter laden");
    b.caption("mnuParameter_speichern", "Save Parameters", "Parameter speichern");
    b.caption("mnuDrucken", "Print", "Drucken");
    b.caption("mnuExit", "Exit", "B&eenden");
    b.caption("mnuHilfe", "&Help", "&Hilfe");
    b.caption("mnuBeschreibung", "Device description", "Gerätebeschreibung");
    b.caption("lblPolling", "Pollinterval (s):", "Pollintervall [s]:");
    // The same in both languages.
    b.caption("mnuAbout", "About", "About");
    b.caption("mnuReadme", "Readme", "Readme");
    b.caption("mnuSaveLog", "&Save Log", "&Save Log");
    b.caption("mnuSaveLogAs", "Save Log &As...", "Save Log &As...");
    b.caption("mnuClearLog", "Clear Log", "Clear Log");
    b.caption("cmd_Poll_ok", "Ok", "Ok");

    b.add("tabData", kNoIndex, CaptionProperty::TabCaption, 0, "General settings",
          "Allgemeine Einstellungen");
    b.add("tabData", kNoIndex, CaptionProperty::TabCaption, 1, "Switch settings",
          "Taster Einstelllungen");
    for (int c = 0; c < 9; ++c) {
        const std::string sensor = "Sensor " + std::to_string(c + 1);
        b.add("tabData", kNoIndex, CaptionProperty::TabCaption, 2 + c, sensor, sensor);
    }

    const char* panels[][2] = {{"Devicename", "Gerätename"},
                               {"Devicetyp", "Gerätetyp"},
                               {"KernixId", "KernixId"},
                               {"Status", "Status"}};
    for (int p = 1; p <= 4; ++p)
        b.add("PlugInStatus", kNoIndex, CaptionProperty::PanelText, p, panels[p - 1][0],
              panels[p - 1][1]);

    // The transfer's progress window is captioned together with the main window.
    CaptionBuilder(out, 0, "fStatus").form("State", "Status");
}

}  // namespace text::detail
