#include "platform/automation/server.h"

#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "platform/automation/class_registry.h"
#include "platform/automation/run_files.h"
#include "platform/automation/wire.h"
#include "platform/core/error.h"
#include "platform/core/log.h"

namespace automation {
namespace fs = std::filesystem;

struct Server::Listener {
    std::string progId;
    fs::path socket;
    int fd = -1;
    platform::EventLoop::Id watch = 0;
    std::unique_ptr<FileLock> lock;
};

struct Server::Connection {
    uint64_t id = 0;
    int fd = -1;
    platform::EventLoop::Id watch = 0;
    std::string buffer;
    std::map<int64_t, std::pair<std::string, ObjectPtr>> objects;  // handle -> (class, object)
    int64_t nextObject = 1;
    bool open = true;
};

// A request waiting for the top level, or the objects of a dropped connection to release there.
struct Server::Job {
    std::weak_ptr<Connection> connection;
    Value request;
    std::vector<std::pair<std::string, ObjectPtr>> dropped;
};

struct Server::PendingUi {
    std::weak_ptr<Connection> connection;
    Value id;
    Value request;
    int depth = 0;  // loop depth the request was served at
    bool done = false, replied = false;
    Value result;
    std::optional<platform::Error> error;
    platform::EventLoop::Id idle = 0;
};

namespace {
std::string clip(const std::string& s) { return s.size() > 200 ? s.substr(0, 200) + "..." : s; }

const std::string& field(const Value& request, const char* key) {
    auto it = request.find(key);
    if (it == request.end() || !it->is_string())
        throw wire::protocolError(std::string("The request needs the text field \"") + key + "\"");
    return it->get_ref<const std::string&>();
}
}  // namespace

platform::EventLoop& serverLoop() {
    const char* v = std::getenv("QBX_VIRTUAL_CLOCK");
    return platform::EventLoop::reset(v && std::string_view(v) == "1");
}

Server::Server(platform::EventLoop& loop) : loop_(loop), alive_(std::make_shared<bool>(true)) {
    jobSignal_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (jobSignal_ < 0)
        throw platform::Error(
            platform::errc::kIo, "automation",
            std::string("Cannot create an event descriptor: ") + std::strerror(errno));
    jobWatch_ = loop_.watchFd(
        jobSignal_, [this] { runNextJob(); }, /*topLevelOnly=*/true);
}

Server::~Server() {
    created_ = nullptr;
    released_ = nullptr;
    close();
    loop_.unwatchFd(jobWatch_);
    ::close(jobSignal_);
}

void Server::registerClass(std::string progId, Factory factory) {
    checkProgId(progId);
    std::string key = foldCase(progId);
    classes_[key] = {std::move(progId), std::move(factory)};
}

void Server::listen() {
    for (const auto& [key, cls] : classes_) {
        auto l = std::make_unique<Listener>();
        l->progId = cls.first;
        // The lock, held for the server's lifetime, makes it the only server of the class; so a
        // socket file found here is stale and may be replaced.
        l->lock = std::make_unique<FileLock>(runFile(cls.first, ".pid"));
        if (!l->lock->tryLock())
            throw platform::Error(platform::errc::kState, "automation",
                                  "Class " + cls.first + " is already served by process " +
                                      FileLock::read(runFile(cls.first, ".pid")));
        l->lock->write(std::to_string(::getpid()));
        l->socket = runFile(cls.first, ".sock");
        l->fd = listenUnix(l->socket);
        Listener* raw = l.get();
        l->watch = loop_.watchFd(l->fd, [this, raw] { accept(*raw); });
        listeners_.push_back(std::move(l));
    }
}

void Server::close() {
    for (auto& l : listeners_) {
        loop_.unwatchFd(l->watch);
        ::close(l->fd);
        ::unlink(l->socket.c_str());
    }
    listeners_.clear();
    auto connections = connections_;
    for (auto& [id, c] : connections) drop(c);
    // Release at once what the dropped connections held.
    auto jobs = std::move(jobs_);
    jobs_.clear();
    for (auto& job : jobs)
        for (auto& [progId, object] : job.dropped) {
            object.reset();
            releaseObject(progId);
        }
}

void Server::accept(Listener& listener) {
    for (;;) {
        int fd = ::accept4(listener.fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR) continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK)
                platform::logLine("automation", "Accepting a connection for " + listener.progId +
                                                    " failed: " + std::strerror(errno));
            return;
        }
        auto c = std::make_shared<Connection>();
        c->id = nextConnection_++;
        c->fd = fd;
        std::weak_ptr<Connection> weak = c;
        // Read at any depth: ui requests are served inside modal loops too; automation requests
        // read there wait in the job queue for the top level.
        c->watch = loop_.watchFd(fd, [this, weak] {
            if (auto c = weak.lock()) readFrom(c);
        });
        connections_[c->id] = c;
    }
}

void Server::readFrom(const std::shared_ptr<Connection>& c) {
    char buf[4096];
    for (;;) {
        ssize_t n = ::recv(c->fd, buf, sizeof buf, 0);
        if (n > 0) {
            c->buffer.append(buf, static_cast<size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        drop(c);  // end of stream or a broken connection
        return;
    }
    size_t nl;
    while (c->open && (nl = c->buffer.find('\n')) != std::string::npos) {
        std::string line = c->buffer.substr(0, nl);
        c->buffer.erase(0, nl + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) handleLine(c, line);
    }
    if (c->open && c->buffer.size() > wire::kMaxLine) {
        reply(c, wire::errorReply(Value(), wire::protocolError("Request line too long")));
        drop(c);
    }
}

void Server::handleLine(const std::shared_ptr<Connection>& c, const std::string& line) {
    Value request = Value::parse(line, nullptr, false);
    if (request.is_discarded() || !request.is_object()) {
        platform::logLine("automation", "Malformed request: " + clip(line));
        reply(c, wire::errorReply(
                     Value(),
                     wire::protocolError("Malformed request (not a JSON object): " + clip(line))));
        return;
    }
    Value id = request.value("id", Value());
    auto op = request.find("op");
    std::string name = op != request.end() && op->is_string() ? op->get<std::string>() : "";
    if (name == "ui") {
        std::weak_ptr<bool> alive = alive_;
        std::weak_ptr<Connection> weak = c;
        loop_.post([this, alive, weak, id, request] {
            auto c = weak.lock();
            if (!alive.expired() && c) serveUi(c, id, request.value("request", Value()));
        });
    } else if (name == "create" || name == "get" || name == "put" || name == "call" ||
               name == "release") {
        enqueue(Job{c, std::move(request), {}});
    } else {
        platform::logLine("automation", "Unknown request: " + clip(line));
        reply(c,
              wire::errorReply(id, wire::protocolError("Unknown request \"op\": " +
                                                       (op == request.end() ? std::string("(none)")
                                                                            : op->dump()))));
    }
}

void Server::drop(const std::shared_ptr<Connection>& c) {
    if (!c->open) return;
    c->open = false;
    loop_.unwatchFd(c->watch);
    ::close(c->fd);
    connections_.erase(c->id);
    if (c->objects.empty()) return;
    Job job;
    for (auto& [handle, entry] : c->objects) job.dropped.push_back(std::move(entry));
    c->objects.clear();
    enqueue(std::move(job));
}

void Server::reply(const std::shared_ptr<Connection>& c, const Value& message) {
    if (!c->open) return;
    if (!sendLine(c->fd, wire::toLine(message))) {
        platform::logLine("automation",
                          "A director does not take its reply; dropping its connection");
        drop(c);
    }
}

void Server::enqueue(Job job) {
    jobs_.push_back(std::move(job));
    uint64_t one = 1;
    (void)!::write(jobSignal_, &one, sizeof one);
}

void Server::runNextJob() {
    uint64_t count;
    (void)!::read(jobSignal_, &count, sizeof count);
    if (jobs_.empty()) return;
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    if (!jobs_.empty()) {
        uint64_t one = 1;
        (void)!::write(jobSignal_, &one, sizeof one);
    }
    for (auto& [progId, object] : job.dropped) {
        object.reset();
        releaseObject(progId);
    }
    auto c = job.connection.lock();
    if (!c || !c->open) return;
    Value id = job.request.value("id", Value());
    std::pair<std::string, ObjectPtr> released;
    Value out;
    try {
        Value value;
        const std::string& op = job.request["op"].get_ref<const std::string&>();
        if (op == "release") {
            auto h = job.request.find("object");
            auto it = h != job.request.end() && h->is_number_integer()
                          ? c->objects.find(h->get<int64_t>())
                          : c->objects.end();
            if (it == c->objects.end())
                throw wire::protocolError("Unknown object " +
                                          (h == job.request.end() ? "(none)" : h->dump()));
            released = std::move(it->second);
            c->objects.erase(it);
        } else {
            value = serve(*c, job.request);
        }
        out = wire::valueReply(id, std::move(value));
    } catch (const platform::Error& e) {
        out = wire::errorReply(id, e);
    } catch (const std::exception& e) {
        out = wire::errorReply(id, wire::protocolError(e.what()));
    }
    // Reply before the object goes: its release may end the process.
    reply(c, out);
    if (released.second) {
        released.second.reset();
        releaseObject(released.first);
    }
}

Value Server::serve(Connection& c, const Value& request) {
    const std::string& op = request["op"].get_ref<const std::string&>();
    if (op == "create") {
        const std::string& progId = field(request, "class");
        auto it = classes_.find(foldCase(progId));
        if (it == classes_.end())
            throw platform::Error(errc::kCannotCreate, "automation",
                                  "Class \"" + progId + "\" is not served by this process");
        ObjectPtr object = it->second.second();
        if (!object)
            throw platform::Error(errc::kCannotCreate, "automation",
                                  "The factory of " + progId + " created no object");
        int64_t handle = c.nextObject++;
        c.objects[handle] = {it->second.first, object};
        ++objects_;
        runHook(created_, it->second.first);
        return handle;
    }
    auto h = request.find("object");
    auto it = h != request.end() && h->is_number_integer() ? c.objects.find(h->get<int64_t>())
                                                           : c.objects.end();
    if (it == c.objects.end())
        throw wire::protocolError("Unknown object " + (h == request.end() ? "(none)" : h->dump()));
    ObjectPtr object = it->second.second;  // the call may drop the connection meanwhile
    const std::string& member = field(request, "member");
    if (op == "get") return object->invoke(member, Kind::Get, Value::array());
    if (op == "put") {
        auto v = request.find("value");
        if (v == request.end()) throw wire::protocolError("put needs a \"value\"");
        return object->invoke(member, Kind::Put, Value::array({*v}));
    }
    Value args = request.value("args", Value::array());
    if (!args.is_array()) throw wire::protocolError("\"args\" must be an array");
    return object->invoke(member, Kind::Call, args);
}

void Server::serveUi(const std::shared_ptr<Connection>& c, const Value& id, const Value& request) {
    if (!uiHandler_) {
        reply(c, wire::errorReply(id, wire::protocolError("This server serves no ui requests")));
        return;
    }
    auto p = std::make_shared<PendingUi>();
    p->connection = c;
    p->id = id;
    p->request = request;
    p->depth = loop_.depth();
    std::weak_ptr<bool> alive = alive_;
    platform::EventLoop& loop = loop_;
    // The reply goes out when the loop is idle again: after the handler returned, or, when the
    // input opened a modal loop that now waits for input, from inside that loop (the request
    // started something that the script's next line may drive).
    p->idle = loop_.addIdleHandler([this, p, alive, &loop] {
        if (alive.expired() || p->replied) {
            loop.removeIdleHandler(p->idle);
            return false;
        }
        bool waitingInside = loop.idleWaits() && loop.depth() > p->depth;
        if (!p->done && !waitingInside) return false;
        p->replied = true;
        loop.removeIdleHandler(p->idle);
        if (auto c = p->connection.lock()) {
            if (!p->done)
                reply(c, wire::valueReply(p->id, Value()));
            else if (p->error)
                reply(c, wire::errorReply(p->id, *p->error));
            else
                reply(c, wire::valueReply(p->id, p->result));
        }
        return false;
    });
    try {
        p->result = uiHandler_(request);
    } catch (const platform::Error& e) {
        p->error = e;
    } catch (const std::exception& e) {
        p->error = wire::protocolError(e.what());
    }
    p->done = true;
    if (p->replied && p->error)
        platform::logLine("automation", "The ui request " + clip(wire::toLine(request)) +
                                            " failed after its reply: " + p->error->description);
}

void Server::releaseObject(std::string progId) {
    --objects_;
    runHook(released_, progId);
}

void Server::runHook(const ObjectHook& hook, const std::string& progId) {
    // A failing hook must not take the loop down with it.
    if (!hook) return;
    try {
        hook(progId);
    } catch (const std::exception& e) {
        platform::logLine("automation", "An object hook of " + progId + " failed: " + e.what());
    }
}

}  // namespace automation
