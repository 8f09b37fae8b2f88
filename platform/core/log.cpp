#include "platform/core/log.h"

#include <cstdio>
#include <ctime>
#include <string>

namespace platform {
namespace {
std::FILE* logFile = nullptr;
}

void setLogFile(const char* path) {
    if (logFile) std::fclose(logFile);
    logFile = path ? std::fopen(path, "a") : nullptr;
}

void logLine(std::string_view component, std::string_view message) {
    std::time_t t = std::time(nullptr);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", std::localtime(&t));
    std::string line = std::string(stamp) + " [" + std::string(component) + "] " +
                       std::string(message) + "\n";
    std::fputs(line.c_str(), stderr);
    if (logFile) {
        std::fputs(line.c_str(), logFile);
        std::fflush(logFile);
    }
}

}  // namespace platform
