#include "platform/core/event_loop.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <limits>

#include "platform/core/error.h"

namespace platform {
namespace {
// Never destroyed: objects of other libraries (forms, timers) may still use the loop while the
// process's static objects are destroyed at exit.
std::unique_ptr<EventLoop>& globalLoop() {
    static auto* loop = new std::unique_ptr<EventLoop>;
    return *loop;
}

struct DepthGuard {
    explicit DepthGuard(int& d) : d_(d) { ++d_; }
    ~DepthGuard() { --d_; }
    int& d_;
};
}  // namespace

EventLoop::EventLoop(bool virtualClock) {
    if (virtualClock) {
        auto v = std::make_unique<VirtualClock>();
        virtual_ = v.get();
        clock_ = std::move(v);
    } else {
        clock_ = std::make_unique<RealClock>();
    }
}

EventLoop::~EventLoop() = default;

EventLoop& EventLoop::instance() {
    auto& loop = globalLoop();
    if (!loop) loop = std::make_unique<EventLoop>(false);
    return *loop;
}

EventLoop& EventLoop::reset(bool virtualClock) {
    auto& loop = globalLoop();
    loop = std::make_unique<EventLoop>(virtualClock);
    return *loop;
}

EventLoop::Id EventLoop::addTimer(int64_t intervalMs, std::function<void()> fn, bool oneShot) {
    Id id = nextId_++;
    if (intervalMs < 1) intervalMs = 1;
    timers_[id] = Timer{intervalMs, nowMs() + intervalMs, oneShot, order_++,
                        std::make_shared<std::function<void()>>(std::move(fn))};
    return id;
}

void EventLoop::removeTimer(Id id) { timers_.erase(id); }

void EventLoop::post(std::function<void()> fn) { posted_.push_back(std::move(fn)); }

EventLoop::Id EventLoop::watchFd(int fd, std::function<void()> fn, bool topLevelOnly) {
    Id id = nextId_++;
    watches_[id] = Watch{fd, topLevelOnly, std::make_shared<std::function<void()>>(std::move(fn))};
    return id;
}

void EventLoop::unwatchFd(Id id) { watches_.erase(id); }

EventLoop::Id EventLoop::addIdleHandler(std::function<bool()> fn) {
    Id id = nextId_++;
    idle_[id] = std::make_shared<std::function<bool()>>(std::move(fn));
    return id;
}

void EventLoop::removeIdleHandler(Id id) { idle_.erase(id); }

bool EventLoop::runPosted() {
    // Only what was posted before this pass runs now; work posted meanwhile waits for the next.
    size_t n = posted_.size();
    bool any = n > 0;
    while (n-- > 0 && !posted_.empty()) {
        auto fn = std::move(posted_.front());
        posted_.pop_front();
        fn();
    }
    return any;
}

int64_t EventLoop::nextDue() const {
    int64_t best = std::numeric_limits<int64_t>::max();
    for (const auto& [id, t] : timers_) best = std::min(best, t.due);
    return best;
}

bool EventLoop::runDueTimers(int64_t upTo) {
    bool any = false;
    // Fire each timer that is due at most once per pass; a timer removed by an earlier one in
    // the same pass does not fire.
    std::vector<std::pair<std::pair<int64_t, uint64_t>, Id>> due;
    for (const auto& [id, t] : timers_)
        if (t.due <= upTo) due.push_back({{t.due, t.order}, id});
    std::sort(due.begin(), due.end());
    for (const auto& entry : due) {
        auto it = timers_.find(entry.second);
        if (it == timers_.end()) continue;
        auto fn = it->second.fn;
        if (it->second.oneShot) {
            timers_.erase(it);
        } else {
            it->second.due += it->second.interval;
            if (it->second.due <= nowMs()) it->second.due = nowMs() + it->second.interval;
        }
        any = true;
        (*fn)();
    }
    return any;
}

bool EventLoop::pollFds(int timeoutMs) {
    std::vector<pollfd> fds;
    std::vector<Id> ids;
    bool topLevel = depth_ <= topLevelDepth_;
    for (const auto& [id, w] : watches_) {
        if (w.topLevelOnly && !topLevel) continue;
        fds.push_back(pollfd{w.fd, POLLIN, 0});
        ids.push_back(id);
    }
    if (fds.empty()) return false;
    int r = ::poll(fds.data(), fds.size(), timeoutMs);
    if (r <= 0) return false;
    bool any = false;
    for (size_t i = 0; i < fds.size(); ++i) {
        if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
        auto it = watches_.find(ids[i]);
        if (it == watches_.end()) continue;
        auto fn = it->second.fn;
        any = true;
        (*fn)();
    }
    return any;
}

bool EventLoop::runIdle() {
    std::vector<std::shared_ptr<std::function<bool()>>> handlers;
    for (const auto& [id, fn] : idle_) handlers.push_back(fn);
    for (auto& fn : handlers)
        if ((*fn)()) return true;
    return false;
}

bool EventLoop::step(bool wait) {
    bool any = runPosted();
    any = runDueTimers(nowMs()) || any;
    if (any) {
        pollFds(0);
        return true;
    }
    if (pollFds(0)) return true;
    if (!posted_.empty()) return true;
    {
        struct Restore {
            bool& flag;
            bool saved;
            ~Restore() { flag = saved; }
        } restore{idleWaits_, idleWaits_};
        idleWaits_ = wait;
        if (runIdle()) return true;
    }
    if (!wait) return false;
    // Nothing to do now: block for the next socket event or, on the real clock, the next timer.
    int timeout = -1;
    if (!isVirtual() && !timers_.empty()) {
        int64_t ms = nextDue() - nowMs();
        timeout = static_cast<int>(std::clamp<int64_t>(ms, 0, 60000));
    }
    bool hasWatch = false;
    bool topLevel = depth_ <= topLevelDepth_;
    for (const auto& [id, w] : watches_) hasWatch = hasWatch || !w.topLevelOnly || topLevel;
    if (!hasWatch && timeout < 0) {
        throw Error(errc::kState, "EventLoop",
                    "The event loop is idle with nothing to wait for (no timer can fire and no "
                    "socket is watched)");
    }
    if (hasWatch) return pollFds(timeout);
    ::poll(nullptr, 0, timeout);
    return runDueTimers(nowMs());
}

void EventLoop::doEvents() {
    DepthGuard g(depth_);
    step(false);
}

void EventLoop::runUntil(const std::function<bool()>& done) {
    DepthGuard g(depth_);
    while (!done() && !quit_) step(true);
}

void EventLoop::run() {
    quit_ = false;
    DepthGuard g(depth_);
    int saved = topLevelDepth_;
    topLevelDepth_ = depth_;
    while (!quit_) step(true);
    topLevelDepth_ = saved;
}

void EventLoop::advance(int64_t ms) {
    if (!virtual_) throw Error(errc::kState, "EventLoop", "advance() needs the virtual clock");
    int64_t target = nowMs() + std::max<int64_t>(ms, 0);
    for (;;) {
        runPosted();
        int64_t due = nextDue();
        if (due > target) break;
        if (due > nowMs()) virtual_->set(due);
        runDueTimers(due);
    }
    virtual_->set(target);
    runPosted();
}

void doEvents() { EventLoop::instance().doEvents(); }

}  // namespace platform
