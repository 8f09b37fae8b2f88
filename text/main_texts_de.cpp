// Messages, progress texts and report headings of the main window and the transfer, in German.
// Entries 44 and 45 are never filled. Blanks at either end belong to the text: callers join
// messages with names and values.

#include "text/text_data.h"

namespace text::data {
namespace {

// clang-format off
constexpr TextEntry kTexts[] = {
    {0, "Das 'device resource file' für dieses Gerät konnte nicht gefunden werden. Browsing and data formating capabilities might be restricted to standard types and standard functional profile templates therefore. Wollen Sie fortfahren?"},
    {1, "Unable to set the Mode for the Unifex Objects, do you want to proceed?"},
    {2, "lese Parameter....."},
    {3, "teste das Gerät..."},
    {4, "lese den Status..."},
    {5, "lese Netzwerkvariablen... "},
    {6, "lese Configuration Property: "},
    {7, "Complete DRF look-up in progress..."},
    {8, "Funktion:"},
    {9, "Datum:"},
    {10, "Objekt"},
    {11, "Variable"},
    {12, "Wert"},
    {13, "Deutsch"},
    {14, "Englisch"},
    {15, "das Gerät: "},
    {16, " ist nicht Online"},
    {17, " hat keine KernixID"},
    {18, "Parameter zu dem aktuellen Gerät übertragen?"},
    {19, " ! kein Gerät ausgewählt !"},
    {20, "A director is using this plug-in.  Exiting may cause the director to experience errors.  Are you sure that you want to exit?"},
    {21, "There are "},
    {22, " directors using this plug-in.  Exiting may cause the directors to experience errors.  Are you sure that you want to exit?"},
    {23, "Monitor An"},
    {24, "Monitor Aus"},
    {25, "Drucken"},
    {26, "Parameter(SCPT) laden"},
    {27, "Parameter(SCPT) speichern"},
    {28, "schreibe Netzwerkvariablen.."},
    {29, "schreibe Parameter..."},
    {30, " kann nicht synchronisiert werden !"},
    {31, "Die nicht gesendeten Parameter können nicht beim synchronisieren übertragen werden. "},
    {32, "Es handelt sich dabei um Gerätespezifische und keine allgemeingültigen Parameter."},
    {33, "Um diese Parameter an mehrere Geräte zu übertragen, wählen Sie "},
    {34, "die gewünschten Geräte ohne die Option synchronisieren."},
    {35, "  wiederhole..."},
    {36, "SNVT Typ:"},
    {37, "SCPT Typ:"},
    {38, "suche weitere Geräte..."},
    {39, "gefunden: "},
    {40, "Geräte:"},
    {41, "Parameter:"},
    {42, "verbleibende Zeit:"},
    {43, "Konfigurationsparameter"},
    {46, "Plug-In erfolgreich installiert. Zum Fertigstellen der Installation bitte Netzwerkmanagmenttool neu starten!"},
    {47, "Zum Abbrechen der Datenübertragung Status-Fenster schließen."},
    {48, "Sensor sendet"},
    {49, "Sensor sendet nicht"},
    {50, "Kann SNVT-Typ nicht ändern, NV ist gebindet."},
};
// clang-format on

}  // namespace

std::span<const TextEntry> mainTextsGerman() { return kTexts; }

}  // namespace text::data
