#pragma once
// Timer: raises Timer every Interval milliseconds while Enabled and Interval > 0, on the
// process-wide event loop (virtual clock in tests: EventLoop::advance() makes it tick).
// Changing Interval or re-enabling restarts the period. A timer stops when its form unloads.

#include <cstdint>
#include <string>

#include "platform/ui/property_table.h"

namespace ui {

class Timer : public WithProperties<Timer> {
  public:
    Timer(Form* form, std::string name, int index = -1);
    static const PropertyTable<Timer>& propertyTable();
    ~Timer() override;
    const char* kind() const override { return "Timer"; }

    int interval() const { return interval_; }
    void setInterval(int ms);
    bool running() const { return timerId_ != 0; }

    std::function<void()> onTimer;

    // Re-evaluates whether the loop timer runs (after Enabled, Interval or form changes).
    void update();

  protected:
    void enabledChanged() override { update(); }

  private:
    void stop();
    int interval_ = 0;
    uint64_t timerId_ = 0;
    const void* loop_ = nullptr;  // the loop the timer was added to
};

}  // namespace ui
