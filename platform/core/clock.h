#pragma once
// Clocks of the event loop: the real monotonic clock, and a virtual clock that only moves when
// a test (or a script) advances it, so that every timer is tested deterministically.

#include <cstdint>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    virtual int64_t nowMs() const = 0;
    virtual bool isVirtual() const = 0;
};

class RealClock final : public Clock {
public:
    int64_t nowMs() const override;
    bool isVirtual() const override { return false; }
};

class VirtualClock final : public Clock {
public:
    int64_t nowMs() const override { return now_; }
    bool isVirtual() const override { return true; }
    void set(int64_t ms) { now_ = ms; }

private:
    int64_t now_ = 0;
};

}  // namespace platform
