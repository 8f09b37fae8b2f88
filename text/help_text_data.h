#pragma once
// The descriptions of the help entries, per language. The key lines and headings are the same
// in both languages and are put together with these descriptions by help_texts.cpp. A
// description of several lines holds its CR LF joins itself.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace text::data {

// The description of one of the general property rows 0 to 16.
struct GeneralHelp {
    std::size_t row;
    std::string_view description;
};

// Sensor channels 0 to 8 as bits of a mask.
constexpr unsigned channelRange(unsigned first, unsigned last) {
    unsigned mask = 0;
    for (unsigned k = first; k <= last; ++k) mask |= 1u << k;
    return mask;
}
constexpr unsigned channel(unsigned k) { return 1u << k; }
inline constexpr unsigned kAllChannels = channelRange(0, 8);

// The description of position `position` (0 to 8) of each channel's property rows, for the
// channels in `channels`: the channels' texts differ in blanks and line breaks.
struct ChannelHelp {
    std::size_t position;
    unsigned channels;
    std::string_view description;
};

// The network variables' and the tab's descriptions; each applies to every channel.
struct VariableHelp {
    std::array<std::string_view, 2> feedbackInputs;  // nviMultiOut_1_Fb_c, nviMultiOut_2_Fb_c
    std::string_view alarmOutput;                    // nvoAlarm_Sensor
    // nvoHVACTemp_c, nvoSetpoint_c, nvoMultiOut_1_c, nvoMultiOut_2_c
    std::array<std::string_view, 4> channelOutputs;
    std::string_view boundTab;  // the whole entry of tab 0, heading included
};

std::span<const GeneralHelp> generalHelpEnglish();
std::span<const GeneralHelp> generalHelpGerman();
std::span<const ChannelHelp> channelHelpEnglish();
std::span<const ChannelHelp> channelHelpGerman();
const VariableHelp& variableHelpEnglish();
const VariableHelp& variableHelpGerman();

}  // namespace text::data
