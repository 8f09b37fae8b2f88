#pragma once
// The device programs of the MBX-440 family and the language-dependent documentation files.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace model {

// Shown in the device-type panel of the status bar.
inline constexpr std::string_view kProductName = "MBX-440";

// The program table, filled only for template and command registration.
struct VariantTables {
    std::string ProgramIdPrefix;  // first 14 hexadecimal digits of every program ID
    int16_t FirstVariant = 0;     // registration walks FirstVariant to LastVariant
    int16_t LastVariant = 0;
    std::array<std::string, 17> VariantProgramNames;  // by variant number; only 8, 9, 13 are set
    std::array<std::string, 17> VariantXifPaths;      // relative to the platform's import folder
};

// Fills the program table when `variantSet` is 0; any other value leaves it unchanged.
void fillVariantTables(VariantTables& tables, int16_t variantSet);

// The program ID of a variant: the prefix and the variant number as two upper-case hexadecimal
// digits (13 gives "...0D"). Throws for a number outside 0 to 255.
std::string programIdOfVariant(std::string_view prefix, int variant);

// Documentation opened from the Help menu, relative to the program's own folder.
struct DocumentationFiles {
    std::string DescriptionFile;
    std::string ReadmeFile;
};

// Sets the file names for the language "german" or "english" (exact, case-sensitive); any other
// language text leaves them as they are.
void selectDocumentationFiles(DocumentationFiles& files, std::string_view language);

}  // namespace model
