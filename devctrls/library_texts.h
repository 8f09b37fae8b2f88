#pragma once
// The library's own text table (English only): alarm types (100 + type), priority levels
// (400 + level), their placeholders 99 and 399, and the status bar's texts.

#include <string>

namespace devctrls {

inline constexpr int kTextNormal = 501;
inline constexpr int kTextInException = 502;

// The text of entry `id`; Error 326 naming the identifier when the table has none.
const std::string& libraryText(int id);

// The text of an alarm type code (-1 to 21) or of a priority level code (-1 to 11); any other
// code has no text and raises an Error naming the code.
const std::string& alarmTypeText(int type);
const std::string& priorityLevelText(int level);

}  // namespace devctrls
