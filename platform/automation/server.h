#pragma once
// The server side of the component system: a process that serves objects of its classes to
// directors over one Unix-domain socket per class ($QBX_HOME/run/<progid>.sock).
//
// Automation requests (create, get, put, call, release) are served on the event loop's thread
// one at a time and only at the top level of the loop, never from inside doEvents() or a modal
// loop: a call that opens a message box keeps its director waiting until it is answered, and
// requests of other directors wait meanwhile. Input requests of scripts ("ui") are served at
// any depth and answered when the loop is idle again. Each connection owns the objects it
// created; when it drops, they are released.
//
//   automation::Server server;
//   server.registerClass("Korvane_MBX_440.QBXPlugInAPI", [] { return
//   std::make_shared<QBXPlugInAPI>(); }); server.onObjectReleased([&](const std::string&) { if
//   (server.objectCount() == 0) ... }); server.setUiHandler([](const automation::Value& request) {
//   return inspect(request); }); server.listen(); platform::EventLoop::instance().run();

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/automation/dispatch.h"
#include "platform/automation/factories.h"
#include "platform/core/event_loop.h"

namespace automation {

// The event loop of a server process: on the virtual clock when QBX_VIRTUAL_CLOCK=1 (tests and
// scripts then move time with `ui advance`), else on the real clock.
platform::EventLoop& serverLoop();

class Server {
  public:
    // Takes a ui request ({"op":"forms"}, ...) and returns the reply value; throws
    // platform::Error for a request it cannot serve.
    using UiHandler = std::function<Value(const Value& request)>;
    using ObjectHook = std::function<void(const std::string& progId)>;

    explicit Server(platform::EventLoop& loop = platform::EventLoop::instance());
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    void registerClass(std::string progId, Factory factory);
    void setUiHandler(UiHandler handler) { uiHandler_ = std::move(handler); }
    // Called after an object was created, and after one was released (its last reference of
    // the server dropped), with the object count already updated.
    void onObjectCreated(ObjectHook hook) { created_ = std::move(hook); }
    void onObjectReleased(ObjectHook hook) { released_ = std::move(hook); }

    // Listens on the sockets of every registered class. Throws platform::Error when another
    // process already serves one of them.
    void listen();
    // Stops listening and drops every connection (their objects are released at once).
    void close();

    size_t objectCount() const { return objects_; }
    size_t connectionCount() const { return connections_.size(); }

  private:
    struct Connection;
    struct Job;
    struct Listener;
    struct PendingUi;

    void accept(Listener& listener);
    void readFrom(const std::shared_ptr<Connection>& c);
    void handleLine(const std::shared_ptr<Connection>& c, const std::string& line);
    void drop(const std::shared_ptr<Connection>& c);
    void reply(const std::shared_ptr<Connection>& c, const Value& message);
    void enqueue(Job job);
    void runNextJob();
    Value serve(Connection& c, const Value& request);
    void serveUi(const std::shared_ptr<Connection>& c, const Value& id, const Value& request);
    void releaseObject(std::string progId);
    static void runHook(const ObjectHook& hook, const std::string& progId);

    platform::EventLoop& loop_;
    std::map<std::string, std::pair<std::string, Factory>> classes_;  // folded id -> (id, factory)
    std::vector<std::unique_ptr<Listener>> listeners_;
    std::map<uint64_t, std::shared_ptr<Connection>> connections_;
    std::deque<Job> jobs_;
    int jobSignal_ = -1;  // eventfd, readable while jobs wait; watched at the top level only
    platform::EventLoop::Id jobWatch_ = 0;
    uint64_t nextConnection_ = 1;
    size_t objects_ = 0;
    UiHandler uiHandler_;
    ObjectHook created_, released_;
    std::shared_ptr<bool> alive_;
};

}  // namespace automation
