// Messages of registration, device templates and command registration, in German.
// Blanks at either end belong to the text: callers join messages with names and values.

#include "text/text_data.h"

namespace text::data {
namespace {

// clang-format off
constexpr TextEntry kTexts[] = {
    {0, "Öffne den Objektserver"},
    {1, "Öffne "},
    {2, "Deregistriere commands..."},
    {3, "Eine neuere Version des Plug-in ist bereits registriert"},
    {4, " Registrierung als COM server ist fehlgeschlagen"},
    {5, "Plug-in wurde registriert als "},
    {6, "Die neuere Version des Plug-in wurde registriert als "},
    {7, "register the same plug-in on the server so that the DRF can be installed there, too. Failure to do so is not an error, but might lead to confusion later"},
    {8, " Deregistrierung als COM server ist fehlgeschlagen"},
    {9, " deregistriert"},
    {10, " existiert nicht in der Windows registery"},
    {11, " konnte nicht gefunden werden."},
    {12, "Cannot Export Database"},
    {13, "Remote client kann keine Templates hinzufügen."},
    {14, "Unable to find XIF file / create a template."},
    {15, "Es konnte kein Templatename erstellt werden."},
    {16, "füge command hinzu "},
    {17, "Möchten Sie den Command "},
    {18, " als Standardanwendung für "},
    {19, " Geräte?"},
    {20, " die Standardanwendug für das Unifex Objekt "},
    {21, " für "},
    {22, " objekte?"},
    {23, "Fehler beim hinzufügen von command "},
    {24, " für Device Template"},
    {25, "Unable to add the resources listed in the ResourceTable to the catalog"},
    {26, "Das device template '"},
    {27, "' wird von keinem Gerät im aktuellen Netzwerk verwendet. Soll das Template entfernt werden?"},
    {28, "Es ist nicht möglich folgendes Template zu entfernen: "},
    {29, "deregistriere Command "},
    {30, "erstelle Templates..."},
};
// clang-format on

}  // namespace

std::span<const TextEntry> registrationTextsGerman() { return kTexts; }

}  // namespace text::data
