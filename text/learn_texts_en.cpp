// Texts of the sensor learn-in, in English.
// Blanks at either end belong to the text: callers join messages with names and values.

#include "text/text_data.h"

namespace text::data {
namespace {

// clang-format off
constexpr TextEntry kTexts[] = {
    {0, "Press learn-in button"},
    {1, "Press button"},
    {2, "To take over the sensor ID into the QBX-database, the device must be recommissioned by means of 'Current values in device'. "},
    {3, "Device has changed, please take over the data to the device."},
};
// clang-format on

}  // namespace

std::span<const TextEntry> learnTextsEnglish() { return kTexts; }

}  // namespace text::data
