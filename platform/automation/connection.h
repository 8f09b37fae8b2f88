#pragma once
// The director's side of the automation socket: a connection to a server process, and proxies
// of the objects created over it, which are Dispatch objects like in-process ones.
//
// Calls are synchronous: a call that shows a message box in the server waits until it is
// answered, so by default there is no reply timeout.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch.h"

namespace automation {

class Connection : public std::enable_shared_from_this<Connection> {
  public:
    // Takes ownership of a connected socket; `peer` names the server in error messages.
    Connection(int fd, std::string peer);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Connects to a listening socket; throws platform::Error when nobody listens.
    static std::shared_ptr<Connection> open(const std::filesystem::path& socket);

    // Sends a request (its "id" is set here) and returns the reply's value; an error reply
    // is thrown as the platform::Error it carries, number, source and description unchanged.
    Value request(Value request);

    ObjectPtr createObject(std::string_view progId);
    // Sends an input request of a script (a `ui` line) and returns its reply value.
    Value ui(const Value& request);

    // Milliseconds to wait for a reply; negative waits as long as the server takes.
    void setReplyTimeout(int ms) { timeoutMs_ = ms; }
    bool isOpen() const { return fd_ >= 0; }
    const std::string& peer() const { return peer_; }

    // Low level, for tests of the protocol: one raw line out, one line in (throws on timeout
    // or when the server closed the connection).
    void sendRaw(std::string_view line);
    std::string receiveLine();

  private:
    [[noreturn]] void fail(const std::string& what);

    int fd_;
    std::string peer_;
    std::string buffer_;
    int64_t nextId_ = 1;
    int timeoutMs_ = -1;
};

// An object in a server process. Releasing it (release() or the last reference going) tells the
// server, which then releases its object.
class RemoteObject final : public Dispatch {
  public:
    RemoteObject(std::shared_ptr<Connection> connection, int64_t handle, std::string progId);
    ~RemoteObject() override;

    Value invoke(std::string_view member, Kind kind, const Value& args) override;
    void release();

    const std::shared_ptr<Connection>& connection() const { return connection_; }
    int64_t handle() const { return handle_; }

  private:
    std::shared_ptr<Connection> connection_;
    int64_t handle_;
    std::string progId_;
    bool released_ = false;
};

}  // namespace automation
