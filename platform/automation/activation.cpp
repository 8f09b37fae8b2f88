#include "platform/automation/activation.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "platform/automation/class_registry.h"
#include "platform/automation/factories.h"
#include "platform/automation/run_files.h"
#include "platform/automation/wire.h"
#include "platform/core/error.h"
#include "platform/core/paths.h"

extern char** environ;

namespace automation {
namespace fs = std::filesystem;

namespace {

[[noreturn]] void cannotStart(const fs::path& exe, const std::string& why) {
    throw platform::Error(errc::kCannotCreate, "automation",
                          "Cannot start the automation server \"" + exe.string() + "\": " + why);
}

// Starts exe with "--automation" as a daemon (its own session, stdin from /dev/null, output
// appended to logFile) and returns its process id. Waits only until exec succeeded or failed.
pid_t spawnDetached(const fs::path& exe, const fs::path& logFile) {
    std::string exeStr = exe.string(), logStr = logFile.string();
    std::string arg(kAutomationArg);
    char* argv[] = {exeStr.data(), arg.data(), nullptr};
    int pidPipe[2], execPipe[2];
    if (::pipe2(pidPipe, O_CLOEXEC) != 0) cannotStart(exe, std::strerror(errno));
    if (::pipe2(execPipe, O_CLOEXEC) != 0) {
        ::close(pidPipe[0]);
        ::close(pidPipe[1]);
        cannotStart(exe, std::strerror(errno));
    }
    // Only async-signal-safe calls between fork and exec: the caller may have threads.
    pid_t child = ::fork();
    int forkErr = child < 0 ? errno : 0;
    if (child == 0) {
        ::setsid();
        pid_t grandchild = ::fork();
        if (grandchild == 0) {
            int in = ::open("/dev/null", O_RDONLY);
            if (in >= 0) ::dup2(in, 0);
            int out = ::open(logStr.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
            if (out >= 0) {
                ::dup2(out, 1);
                ::dup2(out, 2);
            }
            ::execve(exeStr.c_str(), argv, environ);
            int err = errno;
            (void)!::write(execPipe[1], &err, sizeof err);
            ::_exit(127);
        }
        (void)!::write(pidPipe[1], &grandchild, sizeof grandchild);
        ::_exit(grandchild < 0 ? 1 : 0);
    }
    ::close(pidPipe[1]);
    ::close(execPipe[1]);
    pid_t server = -1;
    if (child > 0) {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        if (::read(pidPipe[0], &server, sizeof server) != sizeof server) server = -1;
    }
    int err = 0;
    ssize_t n = server > 0 ? ::read(execPipe[0], &err, sizeof err) : 0;
    ::close(pidPipe[0]);
    ::close(execPipe[0]);
    if (child < 0 || server <= 0)
        cannotStart(exe, std::string("fork failed: ") + std::strerror(forkErr ? forkErr : EAGAIN));
    if (n == sizeof err) cannotStart(exe, std::strerror(err));
    return server;
}

// Whether the started server still runs; an ended one may linger as a zombie until its new
// parent reaps it, which counts as ended.
bool alive(pid_t pid) {
    if (::kill(pid, 0) != 0 && errno != EPERM) return false;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    size_t close = line.rfind(')');
    return close == std::string::npos || close + 2 >= line.size() || line[close + 2] != 'Z';
}

std::map<std::string, std::weak_ptr<Connection>>& sharedConnections() {
    static std::map<std::string, std::weak_ptr<Connection>> connections;
    return connections;
}

}  // namespace

std::shared_ptr<Connection> activate(std::string_view progId, const fs::path& exePath,
                                     const ActivationOptions& options) {
    fs::path socket = runFile(progId, ".sock");
    std::string peer(progId);
    auto connected = [&](int fd) {
        auto c = std::make_shared<Connection>(fd, peer);
        c->setReplyTimeout(options.replyTimeoutMs);
        return c;
    };
    if (int fd = connectUnix(socket); fd >= 0) return connected(fd);

    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(options.timeoutMs);
    auto timedOut = [&](const std::string& what) {
        return platform::Error(errc::kCannotCreate, "automation",
                               "The automation server of " + peer + " (\"" + exePath.string() +
                                   "\") " + what + " within " + std::to_string(options.timeoutMs) +
                                   " ms");
    };
    // Whoever holds the start lock starts the server; the others wait for it and then connect.
    FileLock lock(runFile(progId, ".start"));
    if (!lock.lockWithin(options.timeoutMs)) throw timedOut("was not started by another director");
    if (int fd = connectUnix(socket); fd >= 0) return connected(fd);

    fs::path logDir = platform::qbxHome() / "log";
    std::error_code ec;
    fs::create_directories(logDir, ec);
    fs::path logFile = logDir / (foldCase(progId) + ".log");
    pid_t pid = spawnDetached(exePath, logFile);
    for (;;) {
        if (int fd = connectUnix(socket); fd >= 0) return connected(fd);
        if (!alive(pid))
            throw platform::Error(errc::kCannotCreate, "automation",
                                  "The automation server of " + peer + " (\"" + exePath.string() +
                                      "\") ended during start-up; see " + logFile.string());
        if (std::chrono::steady_clock::now() >= deadline)
            throw timedOut("did not start listening (see " + logFile.string() + ")");
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::shared_ptr<Connection> connectToClass(std::string_view progId,
                                           const ActivationOptions& options) {
    auto entry = lookupClass(progId);
    if (!entry || entry->localServer.empty())
        throw platform::Error(errc::kCannotCreate, "automation",
                              "Cannot create object: no server is registered for class \"" +
                                  std::string(progId) + "\"");
    auto& shared = sharedConnections();
    std::string key = foldCase(progId);
    if (auto c = shared[key].lock(); c && c->isOpen()) return c;
    auto c = activate(progId, entry->localServer, options);
    shared[key] = c;
    return c;
}

ObjectPtr createObject(std::string_view progId, const ActivationOptions& options) {
    checkProgId(progId);
    if (auto f = FactoryRegistry::instance().find(progId)) return f();
    auto entry = lookupClass(progId);
    if (entry && !entry->inprocServer.empty()) {
        loadClassLibrary(entry->inprocServer);
        if (auto f = FactoryRegistry::instance().find(progId)) return f();
        throw platform::Error(errc::kCannotCreate, "automation",
                              "The class library \"" + entry->inprocServer +
                                  "\" does not provide class \"" + std::string(progId) + "\"");
    }
    auto connection = connectToClass(progId, options);
    try {
        return connection->createObject(progId);
    } catch (const platform::Error& e) {
        // A server that was just ending (its last object went) closes the connection without
        // a reply; a fresh activation starts a new one.
        if (e.number != platform::errc::kAutomation || connection->isOpen()) throw;
        return connectToClass(progId, options)->createObject(progId);
    }
}

std::shared_ptr<Connection> connectionOf(const ObjectPtr& object) {
    auto remote = std::dynamic_pointer_cast<RemoteObject>(object);
    return remote ? remote->connection() : nullptr;
}

}  // namespace automation
