#pragma once
// The language-dependent captions of the plug-in's windows, as data for the windows that
// apply them on load: every window caption, control caption, tool tip, menu caption, tab
// caption, status-bar panel text, list entry and the welcome text, in English and German.

#include <span>
#include <string>
#include <string_view>

namespace text {

enum class CaptionProperty {
    Caption,      // Caption of the form (control "") or of a control
    ToolTipText,  // ToolTipText of a control
    Text,         // Text of a text or rich-text box
    ListItem,     // entry `item` (0-based) of a selection list
    TabCaption,   // caption of tab `item` (0-based) of a tab control
    PanelText,    // text of panel `item` (1-based) of a status bar
};

enum class CaptionSource {
    // The German text is the window's designed text: the English language replaces it, the
    // German language leaves the window as designed (entries the same in both languages too).
    Designed,
    // Nothing is designed: each language sets its own text (lists the window fills itself).
    Filled,
};

inline constexpr int kNoIndex = -1;

struct CaptionText {
    int formSelector;  // the ApplyLanguage selector whose forms this belongs to (0 to 3)
    std::string_view form;
    std::string_view control;  // "" for the form itself
    int index;                 // control-array index, kNoIndex for a single control
    CaptionProperty property;
    int item;  // list entry, tab or panel number; kNoIndex for other properties
    std::string english;
    std::string german;
    CaptionSource source;
};

// Every caption of the main window (selector 0, with the transfer progress window fStatus)
// and of the learn-in, device-selection, About and print-menu windows (selectors 1 to 3),
// grouped by window; list entries are in list order.
std::span<const CaptionText> captionTexts();

}  // namespace text
