#pragma once
// The single-threaded event loop of the user-interface thread.
//
// Everything of the system runs here: timers, posted work, socket watches, modal forms (nested
// loops) and doEvents() ("let pending window events run"). The loop runs on a real clock in
// production and on a virtual clock in tests, where timers fire only when advance() moves the
// clock, in the order they fall due.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/core/clock.h"

namespace platform {

class EventLoop {
public:
    using Id = uint64_t;

    explicit EventLoop(bool virtualClock = false);
    ~EventLoop();
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;

    // The loop of this process's user-interface thread. Created on first use with the real clock
    // unless useVirtualClock() was called before (tests, QBX_VIRTUAL_CLOCK=1).
    static EventLoop& instance();
    // Replaces the process-wide loop by a fresh one (tests start each case with a clean loop).
    static EventLoop& reset(bool virtualClock);

    bool isVirtual() const { return clock_->isVirtual(); }
    int64_t nowMs() const { return clock_->nowMs(); }

    // Timers. A repeating timer fires every intervalMs after it was added; a one-shot timer once.
    Id addTimer(int64_t intervalMs, std::function<void()> fn, bool oneShot = false);
    void removeTimer(Id id);
    bool hasTimer(Id id) const { return timers_.count(id) != 0; }

    // Work to run soon, in the order posted.
    void post(std::function<void()> fn);

    // Calls fn whenever fd is readable. A top-level-only watch is served only when the loop is not
    // inside doEvents() or a nested loop (automation calls are served this way).
    Id watchFd(int fd, std::function<void()> fn, bool topLevelOnly = false);
    void unwatchFd(Id id);

    // Called when a loop at any depth has nothing else to do; returns true when it did something.
    // The headless toolkit uses this to run the steps a test queued for a modal form.
    Id addIdleHandler(std::function<bool()> fn);
    void removeIdleHandler(Id id);
    // Inside an idle handler: true when the loop calling it would block next (a nested or the
    // top-level loop waiting for input), false in a doEvents() pass of a busy routine.
    bool idleWaits() const { return idleWaits_; }

    // Lets pending events run once without blocking: posted work, due timers, readable sockets.
    void doEvents();

    // Runs a nested loop until done() is true (modal forms, waiting for a reply). On the virtual
    // clock an idle loop with nothing to wait for would never end; that raises an Error instead.
    void runUntil(const std::function<bool()>& done);

    // The top-level loop: runs until quit().
    void run();
    void quit() { quit_ = true; }
    bool quitRequested() const { return quit_; }

    // Virtual clock only: moves the clock forward by ms, running every timer that falls due in
    // order of its due time, with the clock set to that time while it runs.
    void advance(int64_t ms);

    // How many loops are running (0 at the top, 1 inside run(), more inside doEvents/nested).
    int depth() const { return depth_; }

private:
    struct Timer {
        int64_t interval;
        int64_t due;
        bool oneShot;
        uint64_t order;  // ties of the due time fire in the order the timers were added
        std::shared_ptr<std::function<void()>> fn;
    };
    struct Watch {
        int fd;
        bool topLevelOnly;
        std::shared_ptr<std::function<void()>> fn;
    };

    bool runPosted();
    bool runDueTimers(int64_t upTo);
    bool pollFds(int timeoutMs);
    bool runIdle();
    // One pass; wait=true blocks until something happens (real clock) or until idle.
    bool step(bool wait);
    int64_t nextDue() const;

    std::unique_ptr<Clock> clock_;
    VirtualClock* virtual_ = nullptr;
    std::map<Id, Timer> timers_;
    std::deque<std::function<void()>> posted_;
    std::map<Id, Watch> watches_;
    std::map<Id, std::shared_ptr<std::function<bool()>>> idle_;
    Id nextId_ = 1;
    uint64_t order_ = 0;
    int depth_ = 0;
    int topLevelDepth_ = 1;  // depth at which top-level-only watches are served
    bool quit_ = false;
    bool idleWaits_ = false;
};

// Shorthand for "let pending window events run" on the process-wide loop.
void doEvents();

}  // namespace platform
