#include "platform/core/paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/core/error.h"

namespace platform {
namespace fs = std::filesystem;

std::string toNativePath(std::string_view p) {
    if (p.size() >= 2 && p[1] == ':' && std::isalpha(static_cast<unsigned char>(p[0])))
        p.remove_prefix(2);
    std::string out;
    out.reserve(p.size());
    for (char c : p) {
        char n = c == '\\' ? '/' : c;
        if (n == '/' && !out.empty() && out.back() == '/') continue;
        out += n;
    }
    return out;
}

fs::path qbxHome() {
    if (const char* h = std::getenv("QBX_HOME"); h && *h) return fs::path(h);
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / ".local/share/qbx";
}

fs::path documentsFolder() {
    if (const char* d = std::getenv("XDG_DOCUMENTS_DIR"); d && *d) return fs::path(d);
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / "Documents";
}

namespace {
[[noreturn]] void fail(const fs::path& path, const std::string& what, int err) {
    throw Error(errc::kIo, "platform",
                "Cannot write \"" + path.string() + "\": " + what + ": " + std::strerror(err));
}
}  // namespace

void writeFileAtomically(const fs::path& path, std::string_view bytes) {
    fs::path dir = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    std::string tmpl = (dir / ("." + path.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(tmpl.data());
    if (fd < 0) fail(path, "cannot create a temporary file", errno);
    auto cleanup = [&](const std::string& what) {
        int err = errno;
        ::close(fd);
        ::unlink(tmpl.c_str());
        fail(path, what, err);
    };
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            cleanup("write failed");
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0) cleanup("fsync failed");
    // Keep the permissions of the file we replace; a new file gets the usual 0644 less umask.
    struct stat st {};
    mode_t mode = 0666;
    if (::stat(path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(tmpl.c_str());
        fail(path, "close failed", err);
    }
    if (::rename(tmpl.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(tmpl.c_str());
        fail(path, "rename failed", err);
    }
    int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Error(errc::kIo, "platform", "Cannot read \"" + path.string() + "\": " +
                                               std::strerror(errno));
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace platform
