#include "platform/ui/timer.h"

#include "platform/core/event_loop.h"
#include "platform/ui/form.h"
#include "platform/ui/props.h"

namespace ui {

Timer::Timer(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {}

Timer::~Timer() { stop(); }

void Timer::stop() {
    if (!timerId_) return;
    auto& loop = platform::EventLoop::instance();
    // A test may have replaced the loop meanwhile; the old loop's timers died with it.
    if (&loop == loop_) loop.removeTimer(timerId_);
    timerId_ = 0;
    loop_ = nullptr;
}

void Timer::setInterval(int ms) {
    if (ms < 0 || ms > 65535) raiseUi(uierr::kInvalidValue, "Invalid property value: Interval");
    if (ms == interval_) return;
    interval_ = ms;
    changed("Interval", ms);
    stop();  // a new interval starts a new period
    update();
}

void Timer::update() {
    bool wanted = enabled() && interval_ > 0 && form().isLoaded();
    if (!wanted) return stop();
    auto& loop = platform::EventLoop::instance();
    if (timerId_ && &loop == loop_) return;
    timerId_ = loop.addTimer(interval_, [this] { raise(onTimer); });
    loop_ = &loop;
}

const PropertyTable<Timer>& Timer::propertyTable() {
    // A timer is never shown: it lists none of the geometry, colours and fonts.
    static const auto table = PropertyTable<Timer>()
                                  .add("Interval", &Timer::interval, &Timer::setInterval)
                                  .listOnly({"Name", "Index", "Enabled", "Interval", "Tag"});
    return table;
}

}  // namespace ui
