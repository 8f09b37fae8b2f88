#include "model/catalogue.h"

#include <algorithm>
#include <span>
#include <string>

#include "platform/core/error.h"

namespace model {

namespace {

// VB's "Subscript out of range", the error of an array index outside its bounds.
constexpr int32_t kSubscriptOutOfRange = 9;

const char* const kNodeObject = "NodeObject";

std::string sensorBlock(int channel) { return "Sensor[" + std::to_string(channel) + "]"; }
std::string suffixed(const char* stem, int channel) { return stem + std::to_string(channel + 1); }

struct NodeCp {
    const char* name;
    const char* ref;
};

// Rows 0 to 16: the properties of the node object, all general.
constexpr NodeCp kNodeCps[] = {
    {"UCPTspMinValue", "F:0/C:3:40"},    {"UCPTspMaxValue", "F:0/C:3:41"},
    {"UCPTfanSpdStages", "F:0/C:3:13"},  {"SCPTbypassTime", "F:0/C:0:34"},
    {"UCPTenoceanRcvTm", "F:0/C:3:43"},  {"SCPTmaxSendTime", "F:0/C:0:49"},
    {"UCPTlongPressTime", "F:0/C:3:71"}, {"SCPTminSendTime", "F:0/C:0:52"},
    {"SCPTstepValue", "F:0/C:0:92"},     {"UCPTreverseDelay", "F:0/C:3:14"},
    {"UCPTdiConfig", "F:0/C:3:44"},      {"UCPTgeneralCP1", "F:0/C:3:7"},
    {"UCPTsunblindDOWN", "F:0/C:3:73"},  {"UCPTsunblindUP", "F:0/C:3:72"},
    {"UCPTsunblindSTOP", "F:0/C:3:74"},  {"UCPTsunblindIDLE", "F:0/C:3:75"},
    {"SCPTdriveTime", "F:0/C:0:45"},
};
static_assert(std::size(kNodeCps) == kFirstChannelCpRow);

// Where a channel property lives: on one of the channel's outputs (by the stem of its name and
// the NV index of channel 0) or on the channel's functional block.
struct ChannelCp {
    const char* name;
    const char* nvStem;  // nullptr: the property belongs to the block Sensor[k]
    int nvIndexOfChannel0;
    const char* scopeAndType;
    bool syncable;
};

constexpr ChannelCp kChannelCps[] = {
    {"SCPTminRnge", "nvoHVACTemp_", 5, "0:23", true},
    {"SCPTmaxRnge", "nvoHVACTemp_", 5, "0:20", true},
    {"SCPTtempOffset", "nvoHVACTemp_", 5, "0:227", false},
    {"SCPTnvType", "nvoMultiOut_1_", 23, "0:254", true},
    {"SCPTnvType", "nvoMultiOut_2_", 32, "0:254", true},
    {"UCPTenoceanID", nullptr, 0, "3:39", false},
    {"UCPTdeviceType", nullptr, 0, "3:42", true},
    {"SCPTmaxOut", nullptr, 0, "0:93", true},
    {"SCPTmaxSendTime", nullptr, 0, "0:49", true},
};
static_assert(std::size(kChannelCps) == kCpRowsPerChannel);

struct ChannelNv {
    const char* stem;
    int16_t indexOfChannel0;
};

// The two feedback inputs and four outputs of a channel, in row order.
constexpr ChannelNv kChannelNvis[] = {{"nviMultiOut_1_Fb_", 41}, {"nviMultiOut_2_Fb_", 50}};
constexpr ChannelNv kChannelNvos[] = {
    {"nvoHVACTemp_", 5}, {"nvoSetpoint_", 14}, {"nvoMultiOut_1_", 23}, {"nvoMultiOut_2_", 32}};

constexpr int32_t kFirstNviTag = 132;
constexpr int32_t kFirstNvoTag = 206;

// The fields an NV table fills: NviTable the Nvi group, NvoTable the Nvo group.
struct NvFields {
    std::string ParamEntry::*name;
    std::string ParamEntry::*owner;
    int16_t ParamEntry::*index;
};
constexpr NvFields kNviFields{&ParamEntry::NviName, &ParamEntry::NviOwner, &ParamEntry::NviIndex};
constexpr NvFields kNvoFields{&ParamEntry::NvoName, &ParamEntry::NvoOwner, &ParamEntry::NvoIndex};

void setNv(ParamEntry& e, const NvFields& f, std::string name, std::string owner, int16_t index,
           int32_t tag) {
    e.*f.name = std::move(name);
    e.*f.owner = std::move(owner);
    e.*f.index = index;
    e.MonitorTag = tag;
}

// Row 0 is the node object's NV, then each channel's NVs in turn; the tag counts up with the row.
template <int Slots>
void fillNvRows(ParamTable<Slots>& table, const NvFields& f, const char* nodeNv, int16_t nodeIndex,
                std::span<const ChannelNv> perChannel, int32_t firstTag) {
    setNv(table[0], f, nodeNv, kNodeObject, nodeIndex, firstTag);
    const int width = static_cast<int>(perChannel.size());
    for (int k = 0; k < kChannelCount; ++k)
        for (int j = 0; j < width; ++j) {
            const ChannelNv& nv = perChannel[j];
            const int row = 1 + width * k + j;
            setNv(table[row], f, suffixed(nv.stem, k), sensorBlock(k),
                  static_cast<int16_t>(nv.indexOfChannel0 + k), firstTag + row);
        }
}

void setCp(ParamEntry& e, std::string name, std::string owner, std::string ref, bool syncable) {
    e.CpName = std::move(name);
    e.CpOwner = std::move(owner);
    e.CpRef = std::move(ref);
    e.CpSyncable = syncable;
    e.CpInUse = true;
}

void fillNvis(Catalogue& c) {
    fillNvRows(c.NviTable, kNviFields, "nviLearn", 1, kChannelNvis, kFirstNviTag);
    c.NviCount = kNviRows;
}

void fillNvos(Catalogue& c, std::string_view programId) {
    fillNvRows(c.NvoTable, kNvoFields, "nvoAlarm_Sensor", 4, kChannelNvos, kFirstNvoTag);
    c.NvoCount = kNvoRowsWithoutLearnId;
    if (hasLearnIdRow(programId)) {
        setNv(c.NvoTable[kNvoLearnIdRow], kNvoFields, "nvoLearnID", "LearnedID", 59,
              kFirstNvoTag + kNvoLearnIdRow);
        c.NvoCount = kNvoRowsWithoutLearnId + 1;
    }
}

void fillCps(Catalogue& c) {
    for (int row = 0; row < kFirstChannelCpRow; ++row)
        setCp(c.CpTable[row], kNodeCps[row].name, kNodeObject, kNodeCps[row].ref, true);
    for (int k = 0; k < kChannelCount; ++k)
        for (int j = 0; j < kCpRowsPerChannel; ++j) {
            const ChannelCp& cp = kChannelCps[j];
            std::string owner, ref;
            if (cp.nvStem) {
                owner = suffixed(cp.nvStem, k);
                ref = "N:" + std::to_string(cp.nvIndexOfChannel0 + k);
            } else {
                owner = sensorBlock(k);
                ref = "F:" + std::to_string(k + 1);  // block 0 is the node object
            }
            ref += "/C:";
            ref += cp.scopeAndType;
            setCp(c.CpTable[channelCpRow(k, j)], cp.name, std::move(owner), std::move(ref),
                  cp.syncable);
        }
    c.CpCount = kCpRows;
}

}  // namespace

void throwOutsideSlots(const char* table, int index, int slots) {
    throw platform::Error(kSubscriptOutOfRange, "mbx_model",
                          std::string("Subscript out of range: ") + table + "(" +
                              std::to_string(index) + "), slots 0 to " + std::to_string(slots - 1));
}

bool hasLearnIdRow(std::string_view programId) {
    return std::ranges::find(kLearnIdProgramIds, programId) != std::end(kLearnIdProgramIds);
}

void fillCatalogueConstants(Catalogue& catalogue, std::string_view programId) {
    fillNvis(catalogue);
    fillNvos(catalogue, programId);
    fillCps(catalogue);
}

}  // namespace model
