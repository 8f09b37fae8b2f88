#pragma once
// The text of a saved log: the header lines and one line per entry with the time stamp in
// columns 1-14 and the entry's text from column 15, every line ended by CR LF.

#include <ctime>
#include <string>
#include <vector>

namespace devctrls {

struct LogLine {
    std::string timeStamp;  // "hh:mm:ss" or empty
    std::string text;
};

// The log file content in UTF-8; `date` is the date line (see longDate()).
std::string formatLogFile(const std::vector<LogLine>& lines, const std::string& date);

// "Thursday, December 10, 2026": the long date of a local time.
std::string longDate(const std::tm& local);
// "14:05:09": the time of day on the 24-hour clock.
std::string timeOfDay(const std::tm& local);
// The local time now.
std::tm localNow();

}  // namespace devctrls
