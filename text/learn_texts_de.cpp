// Texts of the sensor learn-in, in German.
// Blanks at either end belong to the text: callers join messages with names and values.

#include "text/text_data.h"

namespace text::data {
namespace {

// clang-format off
constexpr TextEntry kTexts[] = {
    {0, "Lerntaste drücken"},
    {1, "Taste drücken"},
    {2, "Zur Übernahme der Sensor ID in die QBX-Datenbasis muss das Gerät mit 'Current values in device' neu kommissioniert werden. "},
    {3, "Das Gerät wurde geändert, zum Einlernen bitte zuerst Daten zum Gerät übertragen."},
};
// clang-format on

}  // namespace

std::span<const TextEntry> learnTextsGerman() { return kTexts; }

}  // namespace text::data
