#pragma once
// The hook through which a device simulator takes part in every value access of an application
// device: it may change the stored value before a read (a sensor reports), refuse or delay an
// access (latency, injected faults, by throwing platform::Error), or react after a write.
// Template presets never pass through it.

#include <string>

namespace netdb {

class AppDevice;

struct ValueAccess {
    enum class Kind { ReadNv, WriteNv, ReadCp, WriteCp };
    Kind kind;
    AppDevice& device;
    int nvIndex = -1;       // the variable's device index (variables only)
    std::string reference;  // the property reference, "F:0/C:3:40" (properties only)
};

class DeviceBehaviour {
  public:
    virtual ~DeviceBehaviour() = default;
    // Before a read or write reaches the database.
    virtual void beforeAccess(const ValueAccess&) {}
    // After a write was stored, with the stored (canonical) value.
    virtual void afterWrite(const ValueAccess&, const std::string& /*canonical*/) {}
};

}  // namespace netdb
