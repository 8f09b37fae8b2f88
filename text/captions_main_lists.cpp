// List entries and the welcome text of the main window. The device-type and receive-LED
// lists are designed in German and replaced in English; the button-mode lists and the
// welcome text are set in either language.

#include "text/caption_builder.h"

namespace text::detail {
namespace {

// clang-format off
constexpr const char* kDeviceTypes[][2] = {
    {"7 = RT-21 / RT-22 / RT-40 - Temperature sensor", "7 = RT-21 / RT-22 / RT-40 - Temperatursensor"},
    {"701 = RT-21 HX - Humidity sensor", "701 = RT-21 HX - Feuchtesensor"},
    {"702 = RT-40 DX - Digital input", "702 = RT-40 DX - Digitaler Eingang"},
    {"703 = RT-40 LX - Outdoor Light Sensor", "703 = RT-40 LX - Außenhelligkeitsfühler"},
    {"704 = MD-36 360° - Motion Detector", "704 = MD-36 360° - Bewegungsmelder"},
    {"705 = MX-50 - Multi Sensor", "705 = MX-50 - Multisensor"},
    {"6 = WC-10 - Window Contact", "6 = WC-10 - Fensterkontakt"},
    {"5 = Tactile sensor - Switch Function", "5 = Tastsensor - Schaltfunktionen"},
    {"501 = SeatSense - Room Occupancy", "501 = SeatSense - Raumbelegung"},
    {"502 = WH-20 - Window handle (Opened / Closed)", "502 = WH-20 - Fenstergriff (Auf / Zu)"},
    {"503 = WH-20 - Window handle (Opened / Tilted / Closed)", "503 = WH-20 - Fenstergriff (Auf / Kipp / Zu)"},
};

constexpr const char* kReceiveLed[][2] = {
    {"not", "nicht"},
    {"by every received telegram", "bei jedem empfangenen Telegramm "},
    {"by every received learnt-in telegram", "bei jedem empfangenen eingelernten  Sensor"},
};

constexpr const char* kButtonModes[][2] = {
    {"Not used", "Nicht belegt"}, {"Switch", "Schalten"}, {"Dimming", "Dimmen"},
    {"Blind", "Jalousie"},        {"Shutter", "Rollladen"}, {"Scene 1", "Szene 1"},
    {"Scene 2", "Szene 2"},       {"Automatic", "Automatik"},
};
// clang-format on

constexpr const char* kCrLf = "\r\n";

}  // namespace

void addMainWindowLists(std::vector<CaptionText>& out) {
    CaptionBuilder b(out, 0, "fMain");
    using enum CaptionProperty;

    for (int i = 0; i < 3; ++i)
        b.add("cmb_display", 100, ListItem, i, kReceiveLed[i][0], kReceiveLed[i][1]);
    for (int c = 0; c < 9; ++c)
        for (int i = 0; i < 11; ++i)
            b.add("cmb_display", 72 + c, ListItem, i, kDeviceTypes[i][0], kDeviceTypes[i][1]);
    for (int button = 0; button < 4; ++button)
        for (int c = 0; c < 9; ++c)
            for (int i = 0; i < 8; ++i)
                b.add("cmb_display", 18 * button + c, ListItem, i, kButtonModes[i][0],
                      kButtonModes[i][1], CaptionSource::Filled);

    std::string english = std::string(kCrLf) + kCrLf +
                          "If you want some informations about a Networkvariable, then  " +
                          "feel free and click in the Textbox." + kCrLf + kCrLf +
                          "The whole Korvane Team wishes you a lot of fun using this tool," +
                          "which helps to save your time. ";
    std::string german =
        std::string(kCrLf) + kCrLf +
        "Wenn Sie Informationen über eine Netzwerkvariable wünschen, dann klicken Sie " +
        "in das entsprechende Textfeld." + kCrLf + kCrLf +
        "Das Korvane Team wünscht: viel Spass beim parametrieren!";
    b.add("RTHinweis", kNoIndex, Text, kNoIndex, std::move(english), std::move(german),
          CaptionSource::Filled);
}

}  // namespace text::detail
