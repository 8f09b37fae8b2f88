#include "platform/ui/observer.h"

#include <map>
#include <memory>
#include <vector>

namespace ui {
namespace {
struct Observers {
    std::map<ObserverId, std::shared_ptr<std::function<void(const Change&)>>> fns;
    ObserverId next = 1;
};
Observers& observers() {
    static auto* o = new Observers;  // never destroyed (see the form registry)
    return *o;
}
}  // namespace

ObserverId addObserver(std::function<void(const Change&)> fn) {
    auto& o = observers();
    ObserverId id = o.next++;
    o.fns[id] = std::make_shared<std::function<void(const Change&)>>(std::move(fn));
    return id;
}

void removeObserver(ObserverId id) { observers().fns.erase(id); }

bool hasObservers() { return !observers().fns.empty(); }

void notify(const Change& change) {
    auto& o = observers();
    if (o.fns.empty()) return;
    // An observer may add or remove observers while it runs.
    std::vector<std::shared_ptr<std::function<void(const Change&)>>> fns;
    for (auto& [id, fn] : o.fns) fns.push_back(fn);
    for (auto& fn : fns) (*fn)(change);
}

}  // namespace ui
