#include "platform/ui/timer.h"

#include "platform/core/event_loop.h"
#include "platform/ui/form.h"
#include "platform/ui/props.h"

namespace ui {

Timer::Timer(Form* form, std::string name, int index) : Control(form, std::move(name), index) {}

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

bool Timer::getProperty(std::string_view n, Value& out) const {
    if (iequals(n, "Interval"))
        out = interval_;
    else
        return Control::getProperty(n, out);
    return true;
}

bool Timer::setProperty(std::string_view n, const Value& v) {
    if (iequals(n, "Interval"))
        setInterval(asInt(v));
    else
        return Control::setProperty(n, v);
    return true;
}

std::vector<std::string> Timer::propertyNames() const {
    return {"Name", "Index", "Enabled", "Interval", "Tag"};
}

}  // namespace ui
