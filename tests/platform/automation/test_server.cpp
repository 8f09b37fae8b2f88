// A small automation server for the tests of the component system. Class "Test.Counter":
// a read/write property, methods with arguments, a method raising the plug-in's error 20003, a
// count of the live objects, and a method that runs a nested loop until a ui request ends it.
// Like the plug-in, the process ends when its last object is released.

#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "platform/automation/class_registry.h"
#include "platform/automation/members.h"
#include "platform/automation/server.h"
#include "platform/core/error.h"
#include "platform/core/log.h"
#include "platform/core/paths.h"

namespace {

platform::EventLoop* loop = nullptr;
bool nested = false;
bool endNested = false;
int alive = 0;

// Runs a nested loop until a ui request {"op":"end-nested"} arrives.
void runNested() {
    nested = true;
    endNested = false;
    loop->runUntil([] { return endNested; });
    nested = false;
}

class Counter : public automation::Automatable<Counter> {
  public:
    Counter() { ++alive; }
    ~Counter() override { --alive; }

    static const automation::Members<Counter>& members() {
        static const auto table =
            automation::Members<Counter>("Test.Counter")
                .property("Value", &Counter::value, &Counter::setValue)
                .readOnly("Count", [](Counter&) { return alive; })
                .readOnly("Pid", [](Counter&) { return static_cast<int>(::getpid()); })
                .readOnly("Depth", [](Counter&) { return loop->depth(); })
                .method("Add", [](Counter&, int32_t a, int32_t b) { return a + b; })
                .method("Fail",
                        [](Counter&) {
                            throw platform::Error(20003, "Korvane_MBX-440",
                                                  "Command not supported");
                        })
                .method("RunNested", [](Counter&) {
                    runNested();
                    return std::string("nested done");
                });
        return table;
    }

    int32_t value() const { return value_; }
    void setValue(int32_t v) { value_ = v; }

  private:
    int32_t value_ = 0;
};

automation::Value serveUi(const automation::Value& request) {
    std::string op = request.value("op", "");
    if (op == "state")
        return {{"nested", nested}, {"depth", loop->depth()}, {"virtual", loop->isVirtual()}};
    if (op == "end-nested") {
        endNested = true;
        return nullptr;
    }
    if (op == "modal") {  // input that opens a modal loop, like a click on a dialog's button
        runNested();
        return "modal closed";
    }
    if (op == "forms") return automation::Value::array({"fTest"});
    throw platform::Error(platform::errc::kInvalidValue, "test server",
                          "Unknown ui request " + request.dump());
}

}  // namespace

int main(int argc, char** argv) {
    if (auto rc = automation::handleServerRegistration(argc, argv, {"Test.Counter"})) return *rc;
    if (!automation::startedForAutomation(argc, argv)) {
        std::fprintf(stderr, "usage: %s /regserver | /unregserver | --automation\n", argv[0]);
        return 2;
    }
    // Tests count the server starts.
    std::ofstream(platform::qbxHome() / "server_starts.log", std::ios::app) << ::getpid() << "\n";
    loop = &automation::serverLoop();
    automation::Server server(*loop);
    server.registerClass("Test.Counter", [] { return std::make_shared<Counter>(); });
    server.setUiHandler(serveUi);
    server.onObjectReleased([&](const std::string&) {
        if (server.objectCount() == 0) loop->quit();
    });
    try {
        server.listen();
    } catch (const platform::Error& e) {
        platform::logLine("test server", e.description);
        return 1;
    }
    loop->run();
    return 0;
}
