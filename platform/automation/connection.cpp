#include "platform/automation/connection.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/automation/members.h"
#include "platform/automation/run_files.h"
#include "platform/automation/wire.h"
#include "platform/core/log.h"

namespace automation {

Connection::Connection(int fd, std::string peer) : fd_(fd), peer_(std::move(peer)) {}

Connection::~Connection() {
    if (fd_ >= 0) ::close(fd_);
}

std::shared_ptr<Connection> Connection::open(const std::filesystem::path& socket) {
    int fd = connectUnix(socket);
    if (fd < 0)
        throw wire::protocolError("Cannot connect to \"" + socket.string() +
                                  "\": " + std::strerror(errno));
    return std::make_shared<Connection>(fd, socket.filename().string());
}

void Connection::fail(const std::string& what) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    throw wire::protocolError("Connection to the automation server " + peer_ + " lost: " + what);
}

void Connection::sendRaw(std::string_view line) {
    if (fd_ < 0) throw wire::protocolError("The connection to " + peer_ + " is closed");
    if (!sendLine(fd_, line, timeoutMs_ < 0 ? 60000 : timeoutMs_)) fail("cannot send");
}

std::string Connection::receiveLine() {
    if (fd_ < 0) throw wire::protocolError("The connection to " + peer_ + " is closed");
    for (;;) {
        size_t nl = buffer_.find('\n');
        if (nl != std::string::npos) {
            std::string line = buffer_.substr(0, nl);
            buffer_.erase(0, nl + 1);
            return line;
        }
        pollfd p{fd_, POLLIN, 0};
        int r = ::poll(&p, 1, timeoutMs_);
        if (r < 0 && errno == EINTR) continue;
        if (r == 0) fail("no reply within " + std::to_string(timeoutMs_) + " ms");
        if (r < 0) fail(std::strerror(errno));
        char buf[4096];
        ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) fail("the server closed the connection");
        if (n < 0) fail(std::strerror(errno));
        buffer_.append(buf, static_cast<size_t>(n));
        if (buffer_.size() > wire::kMaxLine) fail("reply line too long");
    }
}

Value Connection::request(Value req) {
    int64_t id = nextId_++;
    req["id"] = id;
    sendRaw(wire::toLine(req));
    for (;;) {
        std::string line = receiveLine();
        Value reply = Value::parse(line, nullptr, false);
        if (reply.is_discarded() || !reply.is_object()) fail("unreadable reply: " + line);
        if (reply.value("id", Value()) != Value(id)) {
            // Replies of earlier requests that timed out on our side arrive late; skip them.
            platform::logLine("automation", "Skipping a reply to another request: " + line);
            continue;
        }
        if (auto e = reply.find("error"); e != reply.end()) throw wire::errorFromJson(*e);
        return reply.value("value", Value());
    }
}

ObjectPtr Connection::createObject(std::string_view progId) {
    Value handle = request(Value{{"op", "create"}, {"class", progId}});
    if (!handle.is_number_integer()) fail("create replied without an object: " + handle.dump());
    return std::make_shared<RemoteObject>(shared_from_this(), handle.get<int64_t>(),
                                          std::string(progId));
}

Value Connection::ui(const Value& request) {
    return this->request(Value{{"op", "ui"}, {"request", request}});
}

RemoteObject::RemoteObject(std::shared_ptr<Connection> connection, int64_t handle,
                           std::string progId)
    : connection_(std::move(connection)), handle_(handle), progId_(std::move(progId)) {}

RemoteObject::~RemoteObject() {
    if (released_ || !connection_->isOpen()) return;
    try {
        release();
    } catch (const platform::Error& e) {
        platform::logLine("automation",
                          "Releasing an object of " + progId_ + " failed: " + e.description);
    }
}

Value RemoteObject::invoke(std::string_view member, Kind kind, const Value& args) {
    if (released_) throw wire::protocolError("The object of " + progId_ + " was released");
    Value req{{"op", kindName(kind)}, {"object", handle_}, {"member", member}};
    if (kind == Kind::Put) {
        if (!args.is_array() || args.size() != 1)
            detail::wrongArguments(progId_, member, 1, args.is_array() ? args.size() : 0);
        req["value"] = args[0];
    } else {
        req["args"] = args;
    }
    return connection_->request(std::move(req));
}

void RemoteObject::release() {
    if (released_) return;
    released_ = true;
    connection_->request(Value{{"op", "release"}, {"object", handle_}});
}

}  // namespace automation
