#include "text/texts.h"

#include <string>

#include "platform/core/log.h"
#include "text/help_texts.h"
#include "text/text_data.h"

namespace text {

constinit TextTable<31> RegistrationTexts;
constinit TextTable<kButtonFunctionTableSize> ButtonFunctionTexts;
constinit TextTable<11> PlugInTexts;
constinit TextTable<51> MainTexts;
constinit TextTable<4> LearnTexts;

namespace {
Language filledLanguage = Language::None;
}

void logIndexOutsideTable(std::size_t index, std::size_t size) {
    platform::logLine("text", "message index " + std::to_string(index) +
                                  " is outside its table of " + std::to_string(size) +
                                  " entries; the message is empty");
}

Language tableLanguage() { return filledLanguage; }

Language applyLanguage(std::string_view languageSetting) {
    const Language language = parseLanguage(languageSetting);
    const bool german = language == Language::German;
    RegistrationTexts.clear();
    ButtonFunctionTexts.clear();
    PlugInTexts.clear();
    MainTexts.clear();
    LearnTexts.clear();
    fillHelpTexts(language);
    filledLanguage = language;
    if (language == Language::None) return language;

    RegistrationTexts.fill(german ? data::registrationTextsGerman()
                                  : data::registrationTextsEnglish());
    PlugInTexts.fill(german ? data::plugInTextsGerman() : data::plugInTextsEnglish());
    MainTexts.fill(german ? data::mainTextsGerman() : data::mainTextsEnglish());
    LearnTexts.fill(german ? data::learnTextsGerman() : data::learnTextsEnglish());
    for (const auto& function : buttonFunctions())
        ButtonFunctionTexts.set(function.code, buttonFunctionText(function, language));
    return language;
}

}  // namespace text
