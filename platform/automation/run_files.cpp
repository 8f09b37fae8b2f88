#include "platform/automation/run_files.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "platform/automation/class_registry.h"
#include "platform/automation/dispatch.h"
#include "platform/core/error.h"
#include "platform/core/paths.h"

namespace automation {
namespace fs = std::filesystem;

namespace {
[[noreturn]] void ioError(const std::string& what, int err) {
    throw platform::Error(platform::errc::kIo, "automation", what + ": " + std::strerror(err));
}

// A socket address for `path`. Paths longer than sun_path (deep platform homes) are reached
// through the folder's descriptor, /proc/self/fd/<n>/<name>, which the caller keeps open.
struct UnixAddress {
    explicit UnixAddress(const fs::path& path) {
        addr.sun_family = AF_UNIX;
        std::string p = path.string();
        if (p.size() >= sizeof addr.sun_path) {
            dirFd = ::open(path.parent_path().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
            if (dirFd < 0) ioError("Cannot open \"" + path.parent_path().string() + "\"", errno);
            p = "/proc/self/fd/" + std::to_string(dirFd) + "/" + path.filename().string();
            if (p.size() >= sizeof addr.sun_path)
                throw platform::Error(platform::errc::kIo, "automation",
                                      "Socket name too long: " + path.string());
        }
        std::memcpy(addr.sun_path, p.c_str(), p.size() + 1);
    }
    ~UnixAddress() {
        if (dirFd >= 0) ::close(dirFd);
    }
    const sockaddr* get() const { return reinterpret_cast<const sockaddr*>(&addr); }
    sockaddr_un addr{};
    int dirFd = -1;
};
}  // namespace

fs::path runDir() {
    fs::path dir = platform::qbxHome() / "run";
    std::error_code ec;
    fs::create_directories(dir.parent_path(), ec);
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        ioError("Cannot create the run folder \"" + dir.string() + "\"", errno);
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0)
        ioError("Cannot open the run folder \"" + dir.string() + "\"", errno);
    if ((st.st_mode & 0777) != 0700 && ::chmod(dir.c_str(), 0700) != 0)
        ioError("Cannot make the run folder \"" + dir.string() + "\" private", errno);
    return dir;
}

fs::path runFile(std::string_view progId, std::string_view suffix) {
    checkProgId(progId);
    return runDir() / (foldCase(progId) + std::string(suffix));
}

int connectUnix(const fs::path& socket) {
    UnixAddress a(socket);
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    while (::connect(fd, a.get(), sizeof a.addr) != 0) {
        if (errno == EINTR) continue;
        int err = errno;
        ::close(fd);
        errno = err;
        return -1;
    }
    return fd;
}

int listenUnix(const fs::path& socket) {
    UnixAddress a(socket);
    ::unlink(socket.c_str());
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) ioError("Cannot create a socket", errno);
    if (::bind(fd, a.get(), sizeof a.addr) != 0 || ::listen(fd, 64) != 0) {
        int err = errno;
        ::close(fd);
        ioError("Cannot listen on \"" + socket.string() + "\"", err);
    }
    ::chmod(socket.c_str(), 0600);
    return fd;
}

bool sendLine(int fd, std::string_view line, int timeoutMs) {
    std::string data(line);
    data += '\n';
    size_t off = 0;
    while (off < data.size()) {
        ssize_t n = ::send(fd, data.data() + off, data.size() - off, MSG_NOSIGNAL);
        if (n >= 0) {
            off += static_cast<size_t>(n);
            continue;
        }
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) return false;
        pollfd p{fd, POLLOUT, 0};
        if (::poll(&p, 1, timeoutMs) <= 0) return false;
    }
    return true;
}

FileLock::FileLock(const fs::path& file) : file_(file) {
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) ioError("Cannot open the lock file \"" + file.string() + "\"", errno);
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);
}

bool FileLock::tryLock() { return ::flock(fd_, LOCK_EX | LOCK_NB) == 0; }

bool FileLock::lockWithin(int timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!tryLock()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

void FileLock::write(std::string_view text) {
    if (::ftruncate(fd_, 0) != 0 || ::pwrite(fd_, text.data(), text.size(), 0) < 0)
        ioError("Cannot write the lock file \"" + file_.string() + "\"", errno);
}

std::string FileLock::read(const fs::path& file) {
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    char buf[64];
    ssize_t n = ::read(fd, buf, sizeof buf);
    ::close(fd);
    return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
}

}  // namespace automation
