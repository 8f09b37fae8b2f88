#include "platform/netdb/sim/monitoring.h"

#include <set>
#include <vector>

#include "platform/core/log.h"
#include "platform/netdb/object_server.h"

namespace netdb::sim {

Monitoring::Monitoring(ObjectServer& server, platform::EventLoop& loop)
    : store_(server.store()), loop_(loop) {}

Monitoring::~Monitoring() { stop(); }

void Monitoring::start() {
    if (timer_) return;
    rescan();
    timer_ = loop_.addTimer(kTickMs, [this] { poll(); });
}

void Monitoring::stop() {
    if (timer_) loop_.removeTimer(timer_);
    timer_ = 0;
}

void Monitoring::rescan() {
    lastScan_ = loop_.nowMs();
    if (!store_->isOpen()) return;
    std::set<int64_t> ids;
    auto st = store_->db().prepare("SELECT id FROM nv WHERE holder_kind = ?");
    st.bind(1, static_cast<int64_t>(Holder::Device));
    while (st.step()) ids.insert(st.integer(0));
    for (auto it = entries_.begin(); it != entries_.end();)
        it = ids.count(it->first) ? std::next(it) : entries_.erase(it);
    for (int64_t id : ids)
        if (!entries_.count(id)) entries_[id].nv = store_->object<NetworkVariable>(id);
}

void Monitoring::poll() {
    // A handler that lets pending events run (a message box) must not start a second round.
    // Nothing to poll while the service is closed (the plug-in is shutting down).
    if (polling_ || !store_->isOpen()) return;
    polling_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{polling_};
    try {
        if (loop_.nowMs() - lastScan_ >= kRescanMs) rescan();
    } catch (const platform::Error& e) {
        platform::logLine("monitoring", "Cannot look up the network variables: " + e.description);
    }
    int64_t now = loop_.nowMs();
    // Collect first: handlers may change settings (or the database) while events are delivered.
    std::vector<std::shared_ptr<NetworkVariable>> due;
    for (auto& [id, e] : entries_) {
        const MonitorSettings& m = e.nv->monitor;
        bool active = m.enabled && !m.hold && m.pollInterval > 0;
        if (!active) {
            e.active = false;
            continue;
        }
        int64_t intervalMs = int64_t{m.pollInterval} * 100;
        if (!e.active || e.interval != m.pollInterval) {
            // Newly switched on, released or given a new interval: the first poll is one
            // interval after the change, which happened since the last tick.
            e.active = true;
            e.interval = m.pollInterval;
            e.nextDue = now - kTickMs + intervalMs;
            continue;
        }
        if (now < e.nextDue) continue;
        e.nextDue += intervalMs;
        if (e.nextDue <= now) e.nextDue = now + intervalMs;  // missed polls are not made up
        due.push_back(e.nv);
    }
    bool delivered = false;
    for (auto& nv : due) {
        // Settings changed by an earlier handler of this round hold for the rest of it.
        if (!nv->monitor.enabled || nv->monitor.hold) continue;
        int32_t tag = nv->monitor.tag;
        std::string value;
        bool ok = false;
        try {
            value = nv->Value();
            ok = true;
        } catch (const platform::Error& e) {
            deliverError(tag, e, nv);
        } catch (const std::exception& e) {
            deliverError(tag, platform::Error(platform::errc::kGeneric, "netdb", e.what()), nv);
        }
        if (ok) deliverUpdate(tag, value, nv);
        delivered = true;
    }
    if (delivered && onRound_) {
        try {
            onRound_();
        } catch (const std::exception& e) {
            platform::logLine("monitoring",
                              std::string("A monitoring handler failed: ") + e.what());
        }
    }
}

void Monitoring::deliverUpdate(int32_t tag, const std::string& value,
                               const std::shared_ptr<NetworkVariable>& nv) {
    if (!onUpdate_) return;
    try {
        onUpdate_(tag, value, nv);
    } catch (const std::exception& e) {
        platform::logLine("monitoring", std::string("The update handler failed: ") + e.what());
    }
}

void Monitoring::deliverError(int32_t tag, const platform::Error& error,
                              const std::shared_ptr<NetworkVariable>& nv) {
    if (!onError_) {
        platform::logLine("monitoring",
                          "Polling a monitored network variable failed: " + error.description);
        return;
    }
    try {
        onError_(tag, error, nv);
    } catch (const std::exception& e) {
        platform::logLine("monitoring",
                          std::string("The update-error handler failed: ") + e.what());
    }
}

}  // namespace netdb::sim
