// Messages, progress texts and report headings of the main window and the transfer, in English.
// Entries 44 and 45 are never filled. Blanks at either end belong to the text: callers join
// messages with names and values.

#include "text/text_data.h"

namespace text::data {
namespace {

// clang-format off
constexpr TextEntry kTexts[] = {
    {0, "The device resource files required for this device are not present in this enviroment. Browsing and data formating capabilities might be restricted to standard types and standard functional profile templates therefore. Do you wish to continue?"},
    {1, "Unable to set the Mode for the Unifex Objects, do you want to proceed?"},
    {2, "reading Parameters....."},
    {3, "testing the Device..."},
    {4, "reading State..."},
    {5, "Reading Network variables... "},
    {6, "Reading Configuration Property: "},
    {7, "Complete DRF look-up in progress..."},
    {8, "Function:"},
    {9, "Date:"},
    {10, "Object"},
    {11, "Variable"},
    {12, "Value"},
    {13, "German"},
    {14, "English"},
    {15, "the Device: "},
    {16, " is not Online"},
    {17, " missed a KernixID"},
    {18, "Transmit parameters to the current Device ?"},
    {19, " ! No Device selected !"},
    {20, "A director is using this plug-in.  Exiting may cause the director to experience errors.  Are you sure that you want to exit?"},
    {21, "There are "},
    {22, " directors using this plug-in.  Exiting may cause the directors to experience errors.  Are you sure that you want to exit?"},
    {23, "Monitoring On"},
    {24, "Monitoring Off"},
    {25, "Print"},
    {26, "Load Parameters(SCPT)"},
    {27, "Save Parameters(SCPT)"},
    {28, "writing Networkvariables.."},
    {29, "writing Parameters..."},
    {30, " not possible to synchronize !"},
    {31, "All not transmited Parameters, could not be trasmit by activating 'sync. Devices'. "},
    {32, "These parameters are no generall parameters. They are devicespecific."},
    {33, "To transmit these parameters to more than one device, you need"},
    {34, "to disable 'sync. Devices'. "},
    {35, "  repeating..."},
    {36, "SNVT Type:"},
    {37, "SCPT Type:"},
    {38, "searching for further devices..."},
    {39, "found: "},
    {40, "Devices:"},
    {41, "Parameters:"},
    {42, "Remaining time:"},
    {43, "Configuration Parameters"},
    {46, "Plug-In installation successful. To finish installation please start the network-managment-tool again!"},
    {47, "For canceling the data transfer please close the state-window."},
    {48, "Sensor sends"},
    {49, "Sensor doesn't send"},
    {50, "Could not change SNVT-Type, NV is binded."},
};
// clang-format on

}  // namespace

std::span<const TextEntry> mainTextsEnglish() { return kTexts; }

}  // namespace text::data
