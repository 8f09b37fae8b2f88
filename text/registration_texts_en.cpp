// Messages of registration, device templates and command registration, in English.
// Blanks at either end belong to the text: callers join messages with names and values.

#include "text/text_data.h"

namespace text::data {
namespace {

// clang-format off
constexpr TextEntry kTexts[] = {
    {0, "Opening the Object Server..."},
    {1, "Opening "},
    {2, "Deregister commands..."},
    {3, "A newer version of this plug-in is already registered"},
    {4, "registration as COM server failed"},
    {5, "Plug-in registered as "},
    {6, "Updated version of plug-in registered as "},
    {7, "register the same plug-in on the server so that the DRF can be installed there, too. Failure to do so is not an error, but might lead to confusion later"},
    {8, " deregistration as COM server failed"},
    {9, " deregistered"},
    {10, " does not exisit in the Windows registery"},
    {11, " could not be found."},
    {12, "Cannot Export Database"},
    {13, "Remote client cannot add a template."},
    {14, "Unable to find XIF file / create a template."},
    {15, "Could not create a unique template name."},
    {16, "Adding command "},
    {17, "Do you wish to make "},
    {18, " the default action for "},
    {19, " devices?"},
    {20, " the default action for the Unifex object "},
    {21, " on "},
    {22, " objects?"},
    {23, "Error adding command "},
    {24, " for Device Template"},
    {25, "Unable to add the resources listed in the ResourceTable to the catalog"},
    {26, "The device template '"},
    {27, "' is no longer referenced by any device in the current network. Do you want to remove the device template from the template library?"},
    {28, "Unable to remove the device template: "},
    {29, "Deregister Command "},
    {30, "create Templates..."},
};
// clang-format on

}  // namespace

std::span<const TextEntry> registrationTextsEnglish() { return kTexts; }

}  // namespace text::data
