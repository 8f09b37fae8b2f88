#pragma once
// The filled entries of each message table, per language. The German lists repeat the English
// text where both languages use the same message, so both lists always name the same indices.

#include <span>

#include "text/text_table.h"

namespace text::data {

std::span<const TextEntry> registrationTextsEnglish();
std::span<const TextEntry> registrationTextsGerman();
std::span<const TextEntry> plugInTextsEnglish();
std::span<const TextEntry> plugInTextsGerman();
std::span<const TextEntry> mainTextsEnglish();
std::span<const TextEntry> mainTextsGerman();
std::span<const TextEntry> learnTextsEnglish();
std::span<const TextEntry> learnTextsGerman();

}  // namespace text::data
