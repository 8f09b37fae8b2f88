#include "model/variants.h"

#include <gtest/gtest.h>

#include "model/environment.h"
#include "platform/core/error.h"

namespace model {
namespace {

TEST(Variants, SetZeroFillsTheProgramTableOtherSetsLeaveIt) {
    VariantTables unchanged;
    fillVariantTables(unchanged, 1);
    fillVariantTables(unchanged, 100);
    EXPECT_TRUE(unchanged.ProgramIdPrefix.empty());
    EXPECT_TRUE(unchanged.VariantProgramNames[9].empty());

    VariantTables t;
    fillVariantTables(t, 0);
    EXPECT_EQ(t.ProgramIdPrefix, "9FFF3C46008604");
    EXPECT_EQ(t.FirstVariant, 8);
    EXPECT_EQ(t.LastVariant, 9);
    EXPECT_EQ(t.VariantProgramNames[8], "Korvane mbxn_9_1_01");
    EXPECT_EQ(t.VariantXifPaths[8], "MBX-440\\mbxn_9_1_01\\mbxn_9_1_01.XIF");
    EXPECT_EQ(t.VariantProgramNames[9], "Korvane mbxn_9_1_02");
    EXPECT_EQ(t.VariantXifPaths[9], "MBX-440\\mbxn_9_1_02\\mbxn_9_1_02.XIF");
    EXPECT_EQ(t.VariantProgramNames[13], "Korvane mbxn_9_1_02_QZ7000");
    EXPECT_EQ(t.VariantXifPaths[13], "MBX-440\\mbxn_9_1_02_QZ7000\\mbxn_9_1_02_QZ7000.XIF");
    int filled = 0;
    for (const auto& name : t.VariantProgramNames) filled += !name.empty();
    EXPECT_EQ(filled, 3);
}

TEST(Variants, ProgramIdsUseUpperCaseHexWithLeadingZero) {
    EXPECT_EQ(programIdOfVariant("9FFF3C46008604", 13), "9FFF3C460086040D");
    EXPECT_EQ(programIdOfVariant("9FFF3C46008604", 8), "9FFF3C4600860408");
    EXPECT_EQ(programIdOfVariant("9FFF3C46008604", 9), "9FFF3C4600860409");
    EXPECT_EQ(programIdOfVariant("9FFF3C46008604", 255), "9FFF3C46008604FF");
    EXPECT_THROW(programIdOfVariant("9FFF3C46008604", 256), platform::Error);
}

TEST(Variants, DocumentationFilesFollowTheExactLanguage) {
    DocumentationFiles files;
    selectDocumentationFiles(files, "German");  // no match: stays empty
    EXPECT_EQ(files.DescriptionFile, "");
    EXPECT_EQ(files.ReadmeFile, "");

    selectDocumentationFiles(files, "german");
    EXPECT_EQ(files.DescriptionFile, "\\Dokumentation\\mbxn_9_1_02.pdf");
    EXPECT_EQ(files.ReadmeFile, "\\readme_ger.txt");

    selectDocumentationFiles(files, "");  // nothing read: keeps the previous names
    EXPECT_EQ(files.ReadmeFile, "\\readme_ger.txt");

    selectDocumentationFiles(files, "english");
    EXPECT_EQ(files.DescriptionFile, "\\Dokumentation\\mbxn_9_1_02_eng.pdf");
    EXPECT_EQ(files.ReadmeFile, "\\readme_eng.txt");
}

TEST(Environment, EmptyRegionalSeparatorMeansComma) {
    EXPECT_EQ(decimalSeparatorFromSetting(""), ",");
    EXPECT_EQ(decimalSeparatorFromSetting("."), ".");
    EXPECT_EQ(decimalSeparatorFromSetting(","), ",");
}

}  // namespace
}  // namespace model
