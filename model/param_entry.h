#pragma once
// One row of the parameter catalogue. The three tables share this record; each fills only its own
// group of fields and `MonitorTag`. An empty text means "not yet known".
//
// The binding of a row to its editor field (txtnci, txtNvi, txtNvo) is not stored: the row number
// is the element index of the field array, so the editor selects the field by the row.

#include <cstdint>
#include <string>

namespace model {

struct ParamEntry {
    // Configuration property (CpTable).
    std::string CpName;   // type name, e.g. "UCPTspMinValue"
    std::string CpOwner;  // functional block or network variable the property belongs to
    std::string CpValue;  // the device's value as formatted text; set by reading and applying only
    bool CpInUse = false;
    std::string CpRef;        // property reference, e.g. "F:0/C:3:40"
    bool CpSyncable = false;  // general value, copied to the other devices when synchronising

    // Input network variable (NviTable).
    std::string NviName;
    int16_t NviIndex = 0;  // index on the device
    std::string NviOwner;
    std::string NviValue;  // formatted text as last read, written or monitored

    // Output network variable (NvoTable).
    std::string NvoName;
    std::string NvoOwner;
    int16_t NvoIndex = 0;
    std::string NvoValue;

    // Tag under which monitoring reports this variable; unique over both NV tables.
    int32_t MonitorTag = 0;
};

}  // namespace model
