#pragma once
// Monitoring of network variables: the service polls every variable whose monitoring is enabled
// (its `monitor` settings) at its poll interval, while not held, and delivers an update event
// with the monitor tag and the formatted value; a failed poll delivers an update-error event.
// Events arrive on the event loop, one after the other, from the monitor's timer.
//
//   netdb::sim::Monitoring monitoring(server);
//   monitoring.onUpdate([](int32_t tag, const std::string& value, const auto& nv) { ... });
//   monitoring.onUpdateError([](int32_t tag, const platform::Error& e, const auto& nv) { ... });
//   monitoring.start();
//
// The settings live on the variable objects of this process. The monitor holds every device
// variable of the database, so a variable whose monitoring was set up stays the same object
// (with its settings) while the caller lets go of it.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/core/error.h"
#include "platform/core/event_loop.h"
#include "platform/netdb/network_variable.h"
#include "platform/netdb/store.h"

namespace netdb {
class ObjectServer;
}

namespace netdb::sim {

class Monitoring {
  public:
    using UpdateHandler = std::function<void(int32_t tag, const std::string& value,
                                             const std::shared_ptr<NetworkVariable>& nv)>;
    using ErrorHandler = std::function<void(int32_t tag, const platform::Error& error,
                                            const std::shared_ptr<NetworkVariable>& nv)>;

    // The monitor checks which variables are due every tenth of a second (the unit of the poll
    // interval) and looks for new variables in the database every second.
    static constexpr int64_t kTickMs = 100;
    static constexpr int64_t kRescanMs = 1000;

    explicit Monitoring(ObjectServer& server,
                        platform::EventLoop& loop = platform::EventLoop::instance());
    ~Monitoring();
    Monitoring(const Monitoring&) = delete;
    Monitoring& operator=(const Monitoring&) = delete;

    void onUpdate(UpdateHandler h) { onUpdate_ = std::move(h); }
    void onUpdateError(ErrorHandler h) { onError_ = std::move(h); }
    // After a round of polls that delivered at least one event (the window may repaint).
    void onRoundDone(std::function<void()> h) { onRound_ = std::move(h); }

    void start();
    void stop();
    bool running() const { return timer_ != 0; }

    // Polls every variable that is due now (the timer calls it).
    void poll();

  private:
    struct Entry {
        std::shared_ptr<NetworkVariable> nv;
        bool active = false;  // enabled and not held at the last look
        int interval = 0;
        int64_t nextDue = 0;
    };

    void rescan();
    void deliverUpdate(int32_t tag, const std::string& value,
                       const std::shared_ptr<NetworkVariable>& nv);
    void deliverError(int32_t tag, const platform::Error& e,
                      const std::shared_ptr<NetworkVariable>& nv);

    std::shared_ptr<Store> store_;
    platform::EventLoop& loop_;
    platform::EventLoop::Id timer_ = 0;
    std::map<int64_t, Entry> entries_;
    int64_t lastScan_ = INT64_MIN;
    bool polling_ = false;
    UpdateHandler onUpdate_;
    ErrorHandler onError_;
    std::function<void()> onRound_;
};

}  // namespace netdb::sim
