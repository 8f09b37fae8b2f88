// Captions of the learn-in and device-selection windows (selector 1), the About window
// (selector 2) and the print menu (selector 3), and the list of all captions.

#include "text/caption_builder.h"

namespace text::detail {

void addDialogCaptions(std::vector<CaptionText>& out) {
    CaptionBuilder learn(out, 1, "Einlernen");
    learn.form("Learn-in SensorID", "Sensor Einlernen");
    learn.caption("Manuell", 1, "Manual learn-in of sensor ID", "Sensor ID manuell einlernen:");
    learn.caption("Manuell", 0, "Learning sensor ID by learn-in button",
                  "Sensor ID mittels Lerntaste einlernen");
    learn.caption("Uebertragen", "Apply", "Einlernen");
    learn.caption("Abbrechen", "Cancel", "Abbrechen");

    // The selection window's title and the option's tool tip are designed with these texts.
    CaptionBuilder select(out, 1, "fGeräteauswahl");
    select.form("select Devices...", "select Devices...");
    select.caption("cmdFertig", "Done", "Auswahl &beendet");
    select.caption("cmdreset", "Reset selection", "Auswahl &reset");
    select.caption("chksynchronisiern", "sync. Devices", "synchronisieren");
    const char* syncTip =
        "By activating this option, 'all' parameters will be transmit to the selcted devices.";
    select.add("chksynchronisiern", kNoIndex, CaptionProperty::ToolTipText, kNoIndex, syncTip,
               syncTip);

    CaptionBuilder about(out, 2, "fAbout");
    about.caption("lblVersion", "Korvane_MBX-440: Version 1.0 for QBX/WCX for Windows®",
                  "Korvane_MBX-440: Version 1.0 für QBX/WCX für Windows®");
    about.caption("lbl_Software_Hinweis",
                  "Korvane Controls Ltd does not take over any liability for damages occurred "
                  "by the operation of the software.",
                  "Für Schäden die durch Verwendung dieser Software an Hard- oder Software "
                  "entstehen wird keine Haftung übernommen.");

    CaptionBuilder print(out, 3, "fDruckmenue");
    print.form("Print properties", "Druckinhalt");
    print.caption("cmdDruck", "Printmenu", "&Druckmenü");
    print.caption("lblDruckauswahl", "Print properties", "Auswahl des Druckinhaltes");
}

}  // namespace text::detail

namespace text {

std::span<const CaptionText> captionTexts() {
    static const std::vector<CaptionText> all = [] {
        std::vector<CaptionText> out;
        detail::addMainWindowCaptions(out);
        detail::addMainWindowLists(out);
        detail::addDialogCaptions(out);
        return out;
    }();
    return all;
}

}  // namespace text
