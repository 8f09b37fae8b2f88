// Descriptions of the network variables' and the tab's help entries, in German.

#include "text/help_text_data.h"

namespace text::data {
namespace {

// clang-format off
constexpr VariableHelp kHelp{
    .feedbackInputs = {
        "Eingangsvariable für den aktuellen Zustand der von nvoMultiOut_1_Fb gesteuerten Beleuchtungsgruppen.",
        "Eingangsvariable für den aktuellen Zustand der von nvoMultiOut_2_Fb gesteuerten Beleuchtungsgruppen.",
    },
    .alarmOutput =
        "Wird für eine Zeit, die die Überwachungszeit UCPTenoceanRcvTm überschreitet, kein Telegramm "
        "empfangen, so erzeugt nvoAlarm eine Alarmmeldung, wobei jedem Sensor ein Bit zugeordnet ist. "
        "Die Alarmbits werden beim Empfang des nächsten zugehörigen Telegramms automatisch gelöscht.",
    .channelOutputs = {
        "Ausgangsvariable für den gemessenen Temperaturwert (Auflösung 1/100 °C). Die "
        "Datenausgabe erfolgt in Abhängigkeit des Konfigurationsparameters SCPTmaxSendTime "
        "und bei Empfang eines neuen Sensortelegramms.",
        "Ausgangsvariable für die Sollwertkorrektur bzw. die Solltemperatur, die am Sollwertsteller "
        "eingestellt werden kann. Standardmäßig liegt der Wertebereich zwischen -3 und +3 K und kann "
        "mit UCPTspMinValue und UCPTspMaxValue angepasst werden. Die Datenausgabe erfolgt analog "
        "zu nvoHVACTemp.",
        "Je nach Konfiguration überträgt die Ausgangsvariable entweder die relative Feuchte, die "
        "Stellung des Drehschalters zur Lüfterstufenverstellung, die Lichtstärke, den Zustand des "
        "digitalen Eingangsmoduls, den Zustand eines Fensters (geöffnet/geschlossen) oder Funktionen "
        "zum Schalten/Dimmen/Jalousie.",
        "Je nach Konfiguration überträgt die Ausgangsvariable entweder die Präsenztaste oder die "
        "Funktionen zum Schalten/Dimmen/Jalousie.",
    },
    .boundTab =
        "Achtung:\r\n"
        "nvoMultiOut ist gebindet! Das Gerät und der SNVT-Typ kann nicht geändert werden, \r\n"
        "wenn nvoMultiOut gebindet ist.",
};
// clang-format on

}  // namespace

const VariableHelp& variableHelpGerman() { return kHelp; }

}  // namespace text::data
