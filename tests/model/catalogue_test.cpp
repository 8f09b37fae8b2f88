#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/build_catalogue.h"
#include "model/cp_reference.h"
#include "platform/core/error.h"

namespace model {
namespace {

Catalogue built(std::string_view programId = "9FFF3C4600860408") {
    Catalogue c;
    fillCatalogueConstants(c, programId);
    return c;
}

TEST(Catalogue, PropertyRowsMatchTheDeviceLayout) {
    struct Row {
        int row;
        const char* name;
        const char* owner;
        const char* ref;
        bool syncable;
    } rows[] = {
        {0, "UCPTspMinValue", "NodeObject", "F:0/C:3:40", true},
        {2, "UCPTfanSpdStages", "NodeObject", "F:0/C:3:13", true},
        {6, "UCPTlongPressTime", "NodeObject", "F:0/C:3:71", true},
        {10, "UCPTdiConfig", "NodeObject", "F:0/C:3:44", true},
        {11, "UCPTgeneralCP1", "NodeObject", "F:0/C:3:7", true},
        {13, "UCPTsunblindUP", "NodeObject", "F:0/C:3:72", true},
        {16, "SCPTdriveTime", "NodeObject", "F:0/C:0:45", true},
        // channel 0
        {17, "SCPTminRnge", "nvoHVACTemp_1", "N:5/C:0:23", true},
        {18, "SCPTmaxRnge", "nvoHVACTemp_1", "N:5/C:0:20", true},
        {19, "SCPTtempOffset", "nvoHVACTemp_1", "N:5/C:0:227", false},
        {20, "SCPTnvType", "nvoMultiOut_1_1", "N:23/C:0:254", true},
        {21, "SCPTnvType", "nvoMultiOut_2_1", "N:32/C:0:254", true},
        {22, "UCPTenoceanID", "Sensor[0]", "F:1/C:3:39", false},
        {23, "UCPTdeviceType", "Sensor[0]", "F:1/C:3:42", true},
        {24, "SCPTmaxOut", "Sensor[0]", "F:1/C:0:93", true},
        {25, "SCPTmaxSendTime", "Sensor[0]", "F:1/C:0:49", true},
        // channel 4
        {55, "SCPTtempOffset", "nvoHVACTemp_5", "N:9/C:0:227", false},
        {56, "SCPTnvType", "nvoMultiOut_1_5", "N:27/C:0:254", true},
        {58, "UCPTenoceanID", "Sensor[4]", "F:5/C:3:39", false},
        // channel 8
        {89, "SCPTminRnge", "nvoHVACTemp_9", "N:13/C:0:23", true},
        {91, "SCPTtempOffset", "nvoHVACTemp_9", "N:13/C:0:227", false},
        {92, "SCPTnvType", "nvoMultiOut_1_9", "N:31/C:0:254", true},
        {93, "SCPTnvType", "nvoMultiOut_2_9", "N:40/C:0:254", true},
        {94, "UCPTenoceanID", "Sensor[8]", "F:9/C:3:39", false},
        {96, "SCPTmaxOut", "Sensor[8]", "F:9/C:0:93", true},
        {97, "SCPTmaxSendTime", "Sensor[8]", "F:9/C:0:49", true},
    };
    const Catalogue c = built();
    for (const Row& r : rows) {
        const ParamEntry& e = c.CpTable[r.row];
        EXPECT_EQ(e.CpName, r.name) << "row " << r.row;
        EXPECT_EQ(e.CpOwner, r.owner) << "row " << r.row;
        EXPECT_EQ(e.CpRef, r.ref) << "row " << r.row;
        EXPECT_EQ(e.CpSyncable, r.syncable) << "row " << r.row;
    }
}

TEST(Catalogue, EveryPropertyRowIsInUseWithItsOwnReference) {
    const Catalogue c = built();
    ASSERT_EQ(c.CpCount, 98);
    std::set<std::string> refs;
    int deviceSpecific = 0;
    for (int r = 0; r < c.CpCount; ++r) {
        const ParamEntry& e = c.CpTable[r];
        EXPECT_TRUE(e.CpInUse) << r;
        EXPECT_TRUE(refs.insert(e.CpRef).second) << "duplicate reference " << e.CpRef;
        if (!e.CpSyncable) {
            ++deviceSpecific;
            EXPECT_TRUE(e.CpName == "SCPTtempOffset" || e.CpName == "UCPTenoceanID") << r;
        }
    }
    EXPECT_EQ(deviceSpecific, 18);  // nine offsets and nine sensor IDs
    EXPECT_FALSE(c.CpTable[98].CpInUse);
}

struct Nv {
    int row;
    const char* name;
    const char* owner;
    int16_t index;
    int32_t tag;
};

template <int Slots, std::size_t N>
void expectRows(const ParamTable<Slots>& table, const Nv (&rows)[N], std::string ParamEntry::*name,
                std::string ParamEntry::*owner, int16_t ParamEntry::*index) {
    for (const Nv& n : rows) {
        const ParamEntry& e = table[n.row];
        EXPECT_EQ(e.*name, n.name) << n.row;
        EXPECT_EQ(e.*owner, n.owner) << n.row;
        EXPECT_EQ(e.*index, n.index) << n.row;
        EXPECT_EQ(e.MonitorTag, n.tag) << n.row;
    }
}

TEST(Catalogue, VariableRowsMatchTheDeviceLayout) {
    const Nv inputs[] = {
        {0, "nviLearn", "NodeObject", 1, 132},
        {1, "nviMultiOut_1_Fb_1", "Sensor[0]", 41, 133},
        {2, "nviMultiOut_2_Fb_1", "Sensor[0]", 50, 134},
        {4, "nviMultiOut_2_Fb_2", "Sensor[1]", 51, 136},
        {17, "nviMultiOut_1_Fb_9", "Sensor[8]", 49, 149},
        {18, "nviMultiOut_2_Fb_9", "Sensor[8]", 58, 150},
    };
    const Nv outputs[] = {
        {0, "nvoAlarm_Sensor", "NodeObject", 4, 206}, {1, "nvoHVACTemp_1", "Sensor[0]", 5, 207},
        {2, "nvoSetpoint_1", "Sensor[0]", 14, 208},   {3, "nvoMultiOut_1_1", "Sensor[0]", 23, 209},
        {4, "nvoMultiOut_2_1", "Sensor[0]", 32, 210}, {18, "nvoSetpoint_5", "Sensor[4]", 18, 224},
        {33, "nvoHVACTemp_9", "Sensor[8]", 13, 239},  {36, "nvoMultiOut_2_9", "Sensor[8]", 40, 242},
        {37, "nvoLearnID", "LearnedID", 59, 243},
    };
    const Catalogue c = built("9FFF3C4600860409");
    EXPECT_EQ(c.NviCount, 19);
    EXPECT_EQ(c.NvoCount, 38);
    expectRows(c.NviTable, inputs, &ParamEntry::NviName, &ParamEntry::NviOwner,
               &ParamEntry::NviIndex);
    expectRows(c.NvoTable, outputs, &ParamEntry::NvoName, &ParamEntry::NvoOwner,
               &ParamEntry::NvoIndex);
}

TEST(Catalogue, MonitorTagsAndNvIndicesAreUniqueOverBothTables) {
    const Catalogue c = built("9FFF3C460086040D");
    std::set<int32_t> tags;
    std::set<int16_t> indices;
    for (int r = 0; r < c.NviCount; ++r) {
        EXPECT_TRUE(tags.insert(c.NviTable[r].MonitorTag).second) << "input row " << r;
        EXPECT_TRUE(indices.insert(c.NviTable[r].NviIndex).second) << "input row " << r;
    }
    for (int r = 0; r < c.NvoCount; ++r) {
        EXPECT_TRUE(tags.insert(c.NvoTable[r].MonitorTag).second) << "output row " << r;
        EXPECT_TRUE(indices.insert(c.NvoTable[r].NvoIndex).second) << "output row " << r;
    }
    EXPECT_EQ(tags.size(), 19u + 38u);
    // Every NV index 1 and 4 to 59 is catalogued, 0, 2 and 3 are not.
    EXPECT_EQ(indices.size(), 57u);
    EXPECT_EQ(*indices.begin(), 1);
    EXPECT_EQ(*indices.rbegin(), 59);
    EXPECT_FALSE(indices.contains(2) || indices.contains(3));
}

TEST(Catalogue, LearnIdRowOnlyForTheTwoProgramIdsExactly) {
    struct Case {
        const char* programId;
        int16_t nvoCount;
    } cases[] = {
        {"9FFF3C4600860409", 38},
        {"9FFF3C460086040D", 38},
        {"9FFF3C4600860408", 37},
        {"9fff3c460086040d", 37},
        {"9FFF3C460086040d", 37},
        {"9FFF3C4600860409 ", 37},
        {"", 37},
    };
    for (const Case& t : cases) EXPECT_EQ(built(t.programId).NvoCount, t.nvoCount) << t.programId;
}

TEST(Catalogue, RebuildRewritesConstantsAndKeepsValues) {
    Catalogue c = built("9FFF3C4600860409");
    c.CpTable[0].CpValue = "5.0";
    c.CpTable[0].CpName = "scribbled";
    c.NviTable[3].NviValue = "0.0 0";
    c.NvoTable[37].NvoValue = "1f,0,0,0";
    fillCatalogueConstants(c, "9FFF3C4600860408");
    EXPECT_EQ(c.CpTable[0].CpName, "UCPTspMinValue");
    EXPECT_EQ(c.CpTable[0].CpValue, "5.0");
    EXPECT_EQ(c.NviTable[3].NviValue, "0.0 0");
    EXPECT_EQ(c.NvoCount, 37);  // the old learn-ID slot is outside the used rows now
}

TEST(Catalogue, IndexOutsideTheSlotsIsAnError) {
    Catalogue c;
    EXPECT_NO_THROW(c.CpTable[100]);
    EXPECT_NO_THROW(c.NviTable[25]);
    EXPECT_NO_THROW(c.NvoTable[40]);
    EXPECT_THROW(c.CpTable[101], platform::Error);
    EXPECT_THROW(c.CpTable[-1], platform::Error);
    EXPECT_THROW(c.NviTable[26], platform::Error);
    EXPECT_THROW(c.NvoTable[41], platform::Error);
}

TEST(BuildCatalogue, FailingDeviceReadsAreSkippedAndKeepPreviousValues) {
    Catalogue c;
    c.NviTable[0].NviValue = "previous";
    BuildCatalogue(c, CatalogueReads{});  // no device: every read fails
    EXPECT_EQ(c.CpCount, 98);
    EXPECT_EQ(c.NviCount, 19);
    EXPECT_EQ(c.NvoCount, 37);
    EXPECT_EQ(c.NviTable[0].NviName, "nviLearn");
    EXPECT_EQ(c.NviTable[0].NviValue, "previous");
}

TEST(CpReference, ParsesTheThreeForms) {
    struct Case {
        const char* ref;
        CpRefKind kind;
        int number;
        const char* key;
    } cases[] = {
        {"F:0/C:3:40", CpRefKind::Block, 0, "3:40"},  // the first block of the list
        {"F:9/C:0:49", CpRefKind::Block, 9, "0:49"},  // the tenth block
        {"N:5/C:0:23", CpRefKind::Variable, 5, "0:23"},
        {"N:40/C:0:254", CpRefKind::Variable, 40, "0:254"},
        {"C:3:40", CpRefKind::Device, 0, "3:40"},
        {"F:0/C:40:3", CpRefKind::Block, 0, "40:3"},  // swapped: never equals cpKey(3, 40)
    };
    for (const Case& t : cases) {
        const CpRefTarget target = parseCpRef(t.ref);
        EXPECT_EQ(target.kind, t.kind) << t.ref;
        EXPECT_EQ(target.key, t.key) << t.ref;
        if (t.kind != CpRefKind::Device) {
            EXPECT_EQ(target.number, t.number) << t.ref;
        }
    }
    EXPECT_EQ(cpKey(3, 40), "3:40");
    EXPECT_NE(parseCpRef("F:0/C:40:3").key, cpKey(3, 40));
}

TEST(CpReference, UnknownKindOrNumberIsAnError) {
    for (const char* ref : {"X:0/C:3:40", "f:0/C:3:40", "", "F:x/C:3:40", "N:/C:0:23"})
        EXPECT_THROW(parseCpRef(ref), platform::Error) << ref;
}

TEST(SplitFirst, HeadUntrimmedRestTrimmed) {
    std::string rest;
    EXPECT_EQ(SplitFirst("a b / c d ", '/', rest), "a b ");
    EXPECT_EQ(rest, "c d");
    EXPECT_EQ(SplitFirst("abc", '/', rest), "abc");
    EXPECT_EQ(rest, "");
}

}  // namespace
}  // namespace model
