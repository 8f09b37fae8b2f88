#pragma once
// The parameter catalogue: the plug-in's fixed model of the MBX-440 (a node object and nine sensor
// channels). Its row numbers are the shared index space of the editor, the transfer, files and
// monitoring: CpTable row r is shown in txtnci(r), NviTable row n in txtNvi(n), NvoTable row n in
// txtNvo(n).

#include <array>
#include <cstdint>
#include <string_view>

#include "model/param_entry.h"

namespace model {

// A table with a fixed number of slots. Rows at or beyond the table's count exist but are unused;
// an index outside the slots throws platform::Error.
template <int Slots>
class ParamTable {
  public:
    static constexpr int kSlots = Slots;

    explicit ParamTable(const char* name) : name_(name) {}

    ParamEntry& operator[](int index) { return slots_[checked(index)]; }
    const ParamEntry& operator[](int index) const { return slots_[checked(index)]; }

  private:
    std::size_t checked(int index) const;

    const char* name_;
    std::array<ParamEntry, Slots> slots_{};
};

// Throws the error for an index outside a table's slots.
[[noreturn]] void throwOutsideSlots(const char* table, int index, int slots);

template <int Slots>
std::size_t ParamTable<Slots>::checked(int index) const {
    if (index < 0 || index >= Slots) throwOutsideSlots(name_, index, Slots);
    return static_cast<std::size_t>(index);
}

struct Catalogue {
    ParamTable<101> CpTable{"CpTable"};   // slots 0 to 100
    ParamTable<26> NviTable{"NviTable"};  // slots 0 to 25
    ParamTable<41> NvoTable{"NvoTable"};  // slots 0 to 40
    int16_t CpCount = 0;
    int16_t NviCount = 0;
    int16_t NvoCount = 0;
};

// Layout of the device.
inline constexpr int kChannelCount = 9;
inline constexpr int kCpRowsPerChannel = 9;
inline constexpr int kFirstChannelCpRow = 17;
inline constexpr int16_t kCpRows = 98;
inline constexpr int16_t kNviRows = 19;
inline constexpr int16_t kNvoRowsWithoutLearnId = 37;
inline constexpr int kNvoLearnIdRow = 37;
inline constexpr int kCpDiConfigRow = 10;  // UCPTdiConfig, the button functions of all channels

// The programs whose devices carry the extra output nvoLearnID.
inline constexpr std::string_view kLearnIdProgramIds[] = {"9FFF3C4600860409", "9FFF3C460086040D"};

// Row numbers of channel k (0 to 8): property j (0 to 8) of the channel, its input j (0, 1: the
// feedback of nvoMultiOut_1 and _2) and its output j (0 to 3: HVACTemp, Setpoint, MultiOut_1, _2).
constexpr int channelCpRow(int channel, int j) {
    return kFirstChannelCpRow + kCpRowsPerChannel * channel + j;
}
constexpr int channelNviRow(int channel, int j) { return 1 + 2 * channel + j; }
constexpr int channelNvoRow(int channel, int j) { return 1 + 4 * channel + j; }

// Whether a device of this program has the row nvoLearnID (exact, case-sensitive comparison).
bool hasLearnIdRow(std::string_view programId);

// The constant part of building the catalogue, the same for every device of the family: writes
// names, owners, NV indices, monitor tags, references, the syncable and in-use flags and the
// counts of all rows. Values (CpValue, NviValue, NvoValue) are left as they are, so a rebuild
// keeps what reading and applying stored. Only the presence of nvoLearnID depends on the program
// ID; pass an empty ID when it could not be read from the device.
//
// The device-dependent part of the build runs afterwards, each step with its failure ignored:
// store the formatted value of the NV with NviIndex (NvoIndex) in NviValue (NvoValue) for the rows
// below NviCount (NvoCount).
void fillCatalogueConstants(Catalogue& catalogue, std::string_view programId);

}  // namespace model
