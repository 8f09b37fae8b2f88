// Descriptions of the configuration properties' help entries, in English: the general rows
// and the nine positions of each sensor channel. The channels' texts differ only in blanks and
// line breaks; both belong to the text shown, as do the typos.

#include "text/help_text_data.h"

namespace text::data {
namespace {

// clang-format off
constexpr GeneralHelp kGeneral[] = {
    {0, "The parameter determines the output values of nvoSetpoint with left stop of the "
        "set point potentiometer and defines the ajdustment range. (Preset values: -3 °C)"},
    {1, "The parameter determines the output values of nvoSetpoint with right stop of the "
         "set point potentiometer and defines the ajdustment range. (Preset values: +3 °C)"},
    {2, "Configuration property for default of fan stages. "
        "(Preset value: 3 ==> OFF, 33,0 %, 66,5 %, 100,0 %, AUTO)"},
    {3, "Configuration property for the output variable nvoMultiOut_2 of the presenence key / "
        "wireless chair /slide switch in the Sensor-Objects. "
        "SCPTbypassTime = 0: \r\n"
        "-upon actuation = OC_OCCUPIED / 100.0 1\r\n"
        "SCPTbypassTime = 1: \r\n"
        "-status of the contact is output"
        "SCPTbypassTime = 2: \r\n"
        "-toggling of the lighting \r\n"
        "SCPTbypassTime >= 3: \r\n"
        "-overtime function\r\n"
        "(Range: < 1000, preset value : 90 min)"},
    {4, "If no telegram is received for a time exceeding the monitor time UCPTenoceanRcvTm, an "
        "alarm message is generated, whereas each sensor of a bit is allocated to the SNVT_state - "
        "variable nvoAlarm and can be identified, thus. The individual alarm bits are automatically "
        "cleared upon receipt of the next associated telegram. (Preset value: 60 min)."},
    {5, "Heartbeat function. Stipulates interval time after which all output variables of the device "
        "are sent independently of a value change. By means of the input values = 0, the heartbeat "
        "function is deactivated. (Preset value: 0, i.e. the output variables are only sent, if an output "
        "value has changed, e.g. with an alarm message or if a sensor telegram is received)"},
    {6, "By means of this configuration property the time (in seconds) for dimming, blinds, scene and "
        "universal can be input by a long button actuation. (Preset value: 1.0;2.0;2.0;2.0)"},
    {7, "This configuration property stipulates the sending interval of the output variable in the "
        "dimming mode. By input values = 0, the function is deactivated. (Preset value: 0,3 s)"},
    {8, "This configuration property defines the step size of the variable nvoSwitch.value in the "
        "dimming mode. (Preset value: 5.0)"},
    {9, "This configuration property defines the toggling delay with a rotation reversing of the blind "
        "motors. Thus, a change command from e.g. nvoSetting = SET_UP to nvoSetting = SET_DOWN "
        "is output delayed. (Preset value: 500 ms)"},
    {10, "This configuration property determines the buttion function and their allocation to the "
         "output variables. "},
    {11, "Configuration of switching behaviour of receiving LED. "},
    {12, "By means of this configuration property it can be adjusted which SNVT_setting value shall "
         "be sent when the blind/shutter is going down. (Preset value: SET_DOWN 100.0 0.0)"},
    {13, "By means of this configuration property it can be adjusted which SNVT_setting value shall "
         "be sent when the blind/shutter is going up. (Preset value: SET_UP 100.0 0.0)"},
    {14, "By means of this configuration property it can be adjusted which SNVT_setting value shall "
         "be sent when the blind/shutter is stopped. (Preset value: SET_STOP 0.0 0.0)"},
    {15, "By means of this configuration property you it can be adjusted which SNVT_setting value "
         "shall be sent for the stand-by mode of the blind/shutter. UCPTsunblindIDLE is sent 500ms "
         "after the stop of the blind/shutter, if UCPTsunblindIDLE is unequal UCPTsunblindSTOP. "
         "(Preset value: SET_NUL 0.0 0.0)"},
    {16, "This configuration property defines the maximum switch-on time of the blind motors in the "
         "automatic run. (Preset value: 100,0 s)"},
};

// The minimum and the maximum range share their description, except channel 5's minimum.
constexpr std::string_view kRangeHelp =
    "The parameters are for the adjustment of different temperature ranges. \r\n"
    "Standard measuring range: \r\n"
    "- RT-21: 0 to +40 °C\r\n"
    "- RT-40: -20 to +60 °C\r\n"
    "- RT-40 K2: -20 to +60 °C\r\n"
    "- RT-40 K1: +10 to +90 °C\r\n"
    "- RT-40 K3: +10 to +90 °C\r\n"
    "(Preset value: SCPTminRnge = 0,00 °C and SCPTmaxRnge = 40,00 °C)";

constexpr ChannelHelp kChannel[] = {
    {0, channelRange(0, 4) | channelRange(6, 8), kRangeHelp},
    {0, channel(5),
     "The parameters are for the adjustment of different temperature ranges. "
     "Standard measuring range:\r\n"
     "- RT-21: 0 to +40 °C \r\n"
     "- RT-40: -20 to +60 °C\r\n"
     "- RT-40 K2: -20 to +60 °C\r\n"
     "- RT-40 K1: +10 to +90 °C\r\n"
     "- RT-40 K3: +10 to +90 °C\r\n"
     "(Preset value: SCPTminRnge = 0,00 °C and SCPTmaxRnge = 40,00 °C)"},
    {1, kAllChannels, kRangeHelp},
    {2, channelRange(0, 4),
     "Offset for the temperature value. By means of this parameter a software calibration is "
     "possible."},
    {2, channelRange(5, 8),
     "Offset for the temperature value. By means of this parameter a software calibration is"
     "possible."},
    {3, channelRange(0, 2) | channel(7),
     "The configuration property specifies the type of the network variable nvoMultiOut_1. "},
    {3, channelRange(3, 6) | channel(8),
     "The configuration property specifies the type of the network variable nvoMultiOut_1."},
    {4, channelRange(0, 2) | channel(5) | channel(8),
     "The configuration property specifies the type of the network variable nvoMultiOut_2. "},
    {4, channel(3) | channel(4) | channel(6) | channel(7),
     "The configuration property specifies the type of the network variable nvoMultiOut_2."},
    {5, channelRange(0, 4),
     "The parameter UCPTenoceanID allocates a special sensor to each object, whereas the sensor "
     "ID can either be entered manually or read automatically via the learn button on the sensor. "
     "Display format of 32-Bit Sensor-ID in the browser in hex: ID-Byte3, ID-Byte2, ID-Byte1, IDByte0"},
    {5, channelRange(5, 8),
     "The parameter UCPTenoceanID allocates a special sensor to each object, whereas the sensor"
     "ID can either be entered manually or read automatically via the learn button on the sensor."
     "Display format of 32-Bit Sensor-ID in the browser in hex: ID-Byte3, ID-Byte2, ID-Byte1, IDByte0"},
    {6, channel(0) | channelRange(2, 8),
     "By UCPTdeviceType the different device types (RT-21.../RT-40... and WC-10) are selected."},
    {6, channel(1),
     "By UCPTdeviceType the different device types (RT-21.../RT-40... and WC-10) are selected. "},
    {7, channelRange(0, 4),
     "This configuration property determines the maximum output value of the variable "
     "nvoMultiOut.value. (Preset value: 100.0)"},
    {7, channelRange(5, 8),
     "This configuration property determines the maximum output value of the variable"
     "nvoMultiOut.value. (Preset value: 100.0)"},
    {8, channelRange(0, 4),
     "Heartbeat function. This configuration property stipulates the interval time after which the "
     "output variable is sent. By input values = 0, the heartbeat function is deactivated. (Preset "
     "value: 0,0 s)"},
    {8, channelRange(5, 8),
     "Heartbeat function. This configuration property stipulates the interval time after which the"
     "output variable is sent. By input values = 0, the heartbeat function is deactivated. (Preset"
     "value: 0,0 s)"},
};
// clang-format on

}  // namespace

std::span<const GeneralHelp> generalHelpEnglish() { return kGeneral; }
std::span<const ChannelHelp> channelHelpEnglish() { return kChannel; }

}  // namespace text::data
