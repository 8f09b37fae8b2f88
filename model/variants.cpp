#include "model/variants.h"

#include <string>

#include "platform/core/error.h"

namespace model {

namespace {

struct Variant {
    int number;
    const char* programName;
    const char* xifPath;
};

constexpr Variant kVariants[] = {
    {8, "Korvane mbxn_9_1_01", "MBX-440\\mbxn_9_1_01\\mbxn_9_1_01.XIF"},
    {9, "Korvane mbxn_9_1_02", "MBX-440\\mbxn_9_1_02\\mbxn_9_1_02.XIF"},
    {13, "Korvane mbxn_9_1_02_QZ7000", "MBX-440\\mbxn_9_1_02_QZ7000\\mbxn_9_1_02_QZ7000.XIF"},
};

}  // namespace

void fillVariantTables(VariantTables& tables, int16_t variantSet) {
    if (variantSet != 0) return;
    tables.ProgramIdPrefix = "9FFF3C46008604";
    tables.FirstVariant = 8;
    tables.LastVariant = 9;
    for (const Variant& v : kVariants) {
        tables.VariantProgramNames[v.number] = v.programName;
        tables.VariantXifPaths[v.number] = v.xifPath;
    }
}

std::string programIdOfVariant(std::string_view prefix, int variant) {
    if (variant < 0 || variant > 255)
        throw platform::Error(platform::errc::kInvalidValue, "mbx_model",
                              "Variant " + std::to_string(variant) + " is not 0 to 255");
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string id(prefix);
    id += kDigits[variant / 16];
    id += kDigits[variant % 16];
    return id;
}

void selectDocumentationFiles(DocumentationFiles& files, std::string_view language) {
    if (language == "german") {
        files.DescriptionFile = "\\Dokumentation\\mbxn_9_1_02.pdf";
        files.ReadmeFile = "\\readme_ger.txt";
    } else if (language == "english") {
        files.DescriptionFile = "\\Dokumentation\\mbxn_9_1_02_eng.pdf";
        files.ReadmeFile = "\\readme_eng.txt";
    }
}

}  // namespace model
