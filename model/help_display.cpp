#include "model/help_display.h"

#include <optional>
#include <string>

#include "platform/core/steps.h"
#include "platform/ui/rich_text_box.h"
#include "platform/ui/text_box.h"
#include "text/help_texts.h"
#include "text/texts.h"

namespace model {

namespace {

// Selection lengths of the display, in characters.
constexpr int kWholeText = 10000;
constexpr int kFunctionSearchLength = 1000;

// MainTexts entries of the headings and of the function line.
constexpr std::size_t kFunctionText = 8;
constexpr std::size_t kSnvtHeading = 36;
constexpr std::size_t kScptHeading = 37;

template <std::size_t N>
std::optional<std::string> entryOf(const text::TextTable<N>& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) return std::nullopt;
    return table[static_cast<std::size_t>(index)];
}

struct HelpEntry {
    std::optional<std::string> text;  // none: unknown kind or index outside the slots
    std::string heading;
};

HelpEntry helpEntry(std::string_view kind, int index) {
    if (kind == kHelpNvi)
        return {entryOf(text::NviHelpTexts, index), text::MainTexts[kSnvtHeading]};
    if (kind == kHelpCp) return {entryOf(text::CpHelpTexts, index), text::MainTexts[kScptHeading]};
    if (kind == kHelpNvo)
        return {entryOf(text::NvoHelpTexts, index), text::MainTexts[kSnvtHeading]};
    if (kind == kHelpTab) return {entryOf(text::TabHelpTexts, index), {}};
    return {};
}

void select(ui::RichTextBox& box, int start, int length) {
    box.setSelStart(start);
    box.setSelLength(length);
}

void emphasise(ui::RichTextBox& box, bool on) {
    box.setSelBold(on);
    box.setSelUnderline(on);
}

}  // namespace

void showHelp(ui::RichTextBox& box, std::string_view kind, int index) {
    if (kind.empty()) return;
    const HelpEntry entry = helpEntry(kind, index);
    platform::ignoreStepByStep({
        [&] {
            if (entry.text) box.setText(*entry.text);
        },
        [&] {
            select(box, 0, kWholeText);
            emphasise(box, false);
        },
        [&] {
            // The help texts begin with their heading.
            const int length = ui::utf8Length(entry.heading);
            if (length == 0) return;
            select(box, 0, length);
            emphasise(box, true);
        },
        [&] {
            const std::string& function = text::MainTexts[kFunctionText];
            if (function.empty()) return;
            const std::string head = ui::utf8Substr(box.text(), 0, kFunctionSearchLength);
            const std::size_t at = head.find(function);
            if (at == std::string::npos) return;
            select(box, ui::utf8Length(std::string_view(head).substr(0, at)),
                   ui::utf8Length(function));
            emphasise(box, true);
        },
        [&] { select(box, kHelpCaret, 0); },
    });
}

}  // namespace model
