#pragma once
// The files of the component system in the run folder $QBX_HOME/run (mode 0700): one
// Unix-domain socket per class ("<progid>.sock"), the lock a running server holds for its
// lifetime with its process id in it ("<progid>.pid"), and the lock activators take while they
// start a server ("<progid>.start"). Identifiers are folded to lower case, as they compare.

#include <filesystem>
#include <string>
#include <string_view>

namespace automation {

// The run folder, created with mode 0700 when missing (and set to 0700 when it exists).
std::filesystem::path runDir();
std::filesystem::path runFile(std::string_view progId, std::string_view suffix);

// Connects to a listening socket; returns the descriptor (close-on-exec, blocking) or -1 with
// errno set (ENOENT or ECONNREFUSED when no server listens).
int connectUnix(const std::filesystem::path& socket);
// Binds and listens on a socket (replacing a stale socket file); throws platform::Error.
int listenUnix(const std::filesystem::path& socket);

// Writes a whole line (adding "\n") to a socket, waiting up to timeoutMs for room when the
// peer is slow; returns false when the peer is gone or does not read.
bool sendLine(int fd, std::string_view line, int timeoutMs = 5000);

// An exclusive advisory lock on a file (flock), released when the object goes or the process
// ends, so a crashed holder never blocks the others.
class FileLock {
  public:
    explicit FileLock(const std::filesystem::path& file);  // opens (creates) the file; throws
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool tryLock();
    // Tries until the lock is taken or timeoutMs have passed.
    bool lockWithin(int timeoutMs);
    // Replaces the file's content (the holder's process id).
    void write(std::string_view text);
    static std::string read(const std::filesystem::path& file);

  private:
    int fd_ = -1;
    std::filesystem::path file_;
};

}  // namespace automation
