// Descriptions of the configuration properties' help entries, in German: the general rows and
// the nine positions of each sensor channel, the same for every channel.

#include "text/help_text_data.h"

namespace text::data {
namespace {

// clang-format off
constexpr GeneralHelp kGeneral[] = {
    {0, "Die Parameter bestimmen die Ausgabewerte von nvoSetpoint bei Linksanschlag "
        "des Sollwertpotis und definieren damit den Verstellbereich. "
        "(Voreingestellte Werte: -3 °C und +3 °C)"},
    {1, "Die Parameter bestimmen die Ausgabewerte von nvoSetpoint bei Rechtsanschlag "
        "des Sollwertpotis und definieren damit den Verstellbereich. "
        "(Voreingestellte Werte: -3 °C und +3 °C)"},
    {2, "Konfigurationsparameter für die Vorgabe der Lüfterstufen. "
        "(Voreingestellter Wert: 3 ==> AUS, 33,0 %, 66,5 %, 100,0 %, AUTO)"},
    {3, "Konfigurationsparameter für die Ausgangsvariable nvoMultiOut_2 der Präsenztaste / "
        "des Funkstuhls / des Schiebeschalters in den Sensor-Objekten.\r\n"
        "SCPTbypassTime = 0:\r\n"
        "-bei Betätigung = OC_OCCUPIED / 100.0 1\r\n"
        "SCPTbypassTime = 1:\r\n"
        "-der Zustand des Kontaktes wird ausgegeben\r\n"
        "SCPTbypassTime = 2:\r\n"
        "-Umschalten der Beleuchtung\r\n"
        "SCPTbypassTime >= 3:\r\n"
        "-Präsenzverlängerung\r\n"
        "(Bereich: < 1000, voreingestellter Wert: 90 min)"},
    {4, "Wird für eine Zeit, die die Überwachungszeit UCPTenoceanRcvTm überschreitet, kein "
        "Telegramm empfangen, so wird eine Alarmmeldung erzeugt. Dabei ist jedem Sensor ein Bit "
        "der SNVT_state-Variable nvoAlarm zugeordnet, so dass er identifiziert werden kann. Die "
        "einzelnen Alarmbits werden beim Empfang des nächsten zugehörigen Telegramms automatisch "
        "gelöscht. (Voreingestellter Wert: 60 min)"},
    {5, "Heartbeat-Funktion. Legt die Intervallzeit fest, nach der alle Ausgangsvariablen des "
        "Gerätes unabhängig von einer Wertänderung gesendet werden. Mit dem Eingabewert = 0 wird "
        "die Heartbeat-Funktion deaktiviert. (Voreingestellter Wert: 0, d.h. die Ausgangsvariablen "
        "werden nur gesendet, wenn sich ein Ausgangswert geändert hat, z.B. bei einer Alarmmeldung "
        "oder wenn ein Sensortelegramm empfangen wird)"},
    {6, "Mit diesem Konfigurationsparameter wird die Zeit (in Sekunden) eines langen Tastendrucks "
        "für Dimmen, Jalousie, Szene und Universal eingegeben. "
        "(Voreingestellter Wert: 1.0;2.0;2.0;2.0)"},
    {7, "Dieser Konfigurationsparameter legt das Sendeintervall der Ausgangsvariable im "
        "Dimmbetrieb fest. Mit dem Eingabewert = 0 wird die Funktion deaktiviert. "
        "(Voreingestellter Wert: 0,3 s)"},
    {8, "Dieser Konfigurationsparameter legt die Schrittweite der Variable nvoSwitch.value im "
        "Dimmbetrieb fest. (Voreingestellter Wert: 5.0)"},
    {9, "Dieser Konfigurationsparameter legt die Umschaltverzögerung bei einer Drehrichtungsumkehr "
        "der Jalousiemotoren fest. Ein Wechselbefehl von z.B. nvoSetting = SET_UP auf "
        "nvoSetting = SET_DOWN wird dadurch verzögert ausgegeben. (Voreingestellter Wert: 500 ms)"},
    {10, "Dieser Konfigurationsparameter bestimmt die Tastenfunktionen und ihre Zuordnung zu den "
         "Ausgangsvariablen."},
    {11, "Konfiguration des Schaltverhaltens der Empfangs-LED."},
    {12, "Mit diesem Konfigurationsparameter kann eingestellt werden, welcher SNVT_setting-Wert "
         "gesendet wird, wenn die Jalousie / der Rollladen abwärts fährt. "
         "(Voreingestellter Wert: SET_DOWN 100.0 0.0)"},
    {13, "Mit diesem Konfigurationsparameter kann eingestellt werden, welcher SNVT_setting-Wert "
         "gesendet wird, wenn die Jalousie / der Rollladen aufwärts fährt. "
         "(Voreingestellter Wert: SET_UP 100.0 0.0)"},
    {14, "Mit diesem Konfigurationsparameter kann eingestellt werden, welcher SNVT_setting-Wert "
         "gesendet wird, wenn die Jalousie / der Rollladen gestoppt wird. "
         "(Voreingestellter Wert: SET_STOP 0.0 0.0)"},
    {15, "Mit diesem Konfigurationsparameter kann eingestellt werden, welcher SNVT_setting-Wert "
         "für den Ruhezustand der Jalousie / des Rollladens gesendet wird. UCPTsunblindIDLE wird "
         "500 ms nach dem Stopp der Jalousie / des Rollladens gesendet, wenn UCPTsunblindIDLE "
         "ungleich UCPTsunblindSTOP ist. (Voreingestellter Wert: SET_NUL 0.0 0.0)"},
    {16, "Dieser Konfigurationsparameter legt die maximale Einschaltzeit der Jalousiemotoren im "
         "Automatikbetrieb fest. (Voreingestellter Wert: 100,0 s)"},
};

// The minimum and maximum range share their description.
constexpr std::string_view kRangeHelp =
    "Die Parameter dienen der Einstellung verschiedener Temperaturbereiche.\r\n"
    "Standard-Messbereich:\r\n"
    "- RT-21: 0 bis +40 °C\r\n"
    "- RT-40: -20 bis +60 °C\r\n"
    "- RT-40 K2: -20 bis +60 °C\r\n"
    "- RT-40 K1: +10 bis +90 °C\r\n"
    "- RT-40 K3: +10 bis +90 °C\r\n"
    "(Voreingestellte Werte: SCPTminRnge = 0,00 °C und SCPTmaxRnge = 40,00 °C)";

constexpr ChannelHelp kChannel[] = {
    {0, kAllChannels, kRangeHelp},
    {1, kAllChannels, kRangeHelp},
    {2, kAllChannels,
     "Offset für den Temperaturwert. Mit diesem Parameter ist eine Software-Kalibrierung "
     "möglich."},
    {3, kAllChannels,
     "Der Konfigurationsparameter legt den Typ der Netzwerkvariable nvoMultiOut_1 fest."},
    {4, kAllChannels,
     "Der Konfigurationsparameter legt den Typ der Netzwerkvariable nvoMultiOut_2 fest."},
    {5, kAllChannels,
     "Der Parameter UCPTenoceanID ordnet jedem Objekt einen bestimmten Sensor zu, wobei die "
     "Sensor-ID entweder manuell eingegeben oder automatisch über die Lerntaste am Sensor "
     "eingelesen werden kann. Anzeigeformat der 32-Bit Sensor-ID im Browser in Hex: ID-Byte3, "
     "ID-Byte2, ID-Byte1, ID-Byte0"},
    {6, kAllChannels,
     "Mit UCPTdeviceType werden die verschiedenen Gerätetypen (RT-21.../RT-40... und WC-10) "
     "ausgewählt."},
    {7, kAllChannels,
     "Dieser Konfigurationsparameter bestimmt den maximalen Ausgabewert der Variable "
     "nvoMultiOut.value. (Voreingestellter Wert: 100.0)"},
    {8, kAllChannels,
     "Heartbeat-Funktion. Dieser Konfigurationsparameter legt die Intervallzeit fest, nach der "
     "die Ausgangsvariable gesendet wird. Mit dem Eingabewert = 0 wird die Heartbeat-Funktion "
     "deaktiviert. (Voreingestellter Wert: 0,0 s)"},
};
// clang-format on

}  // namespace

std::span<const GeneralHelp> generalHelpGerman() { return kGeneral; }
std::span<const ChannelHelp> channelHelpGerman() { return kChannel; }

}  // namespace text::data
