#include "devctrls/log_file.h"

#include <array>

namespace devctrls {

namespace {
constexpr const char* kEol = "\r\n";
const std::string kRule(46, '_');
constexpr size_t kTextColumn = 15;  // counted from 1

std::string columns(const std::string& first, const std::string& second) {
    std::string line = first;
    if (line.size() < kTextColumn - 1) line.resize(kTextColumn - 1, ' ');
    return line + second;
}

std::string format(const std::tm& t, const char* pattern) {
    std::array<char, 128> buf{};
    size_t n = std::strftime(buf.data(), buf.size(), pattern, &t);
    return std::string(buf.data(), n);
}
}  // namespace

std::string formatLogFile(const std::vector<LogLine>& lines, const std::string& date) {
    std::string out;
    for (const std::string& header :
         {std::string("QBX Device Plugin Log File"), date, std::string(), kRule,
          columns("Time Stamp", "Command"), kRule})
        out += header + kEol;
    for (const LogLine& line : lines) out += columns(line.timeStamp, line.text) + kEol;
    return out;
}

std::string longDate(const std::tm& local) {
    return format(local, "%A, %B ") + std::to_string(local.tm_mday) + format(local, ", %Y");
}

std::string timeOfDay(const std::tm& local) { return format(local, "%H:%M:%S"); }

std::tm localNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace devctrls
