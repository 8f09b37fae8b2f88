#include "platform/core/clock.h"

#include <chrono>

namespace platform {

int64_t RealClock::nowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace platform
