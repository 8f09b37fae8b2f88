#pragma once
// The fixed texts and links of the About window and the Help menu that do not change with the
// language. The version line and the disclaimer, which do, are caption data (captions.h,
// window "fAbout"); the documentation file names follow the language with the environment.

#include <string_view>

namespace text::about {

inline constexpr std::string_view kMaker = "Korvane Controls Ltd";  // lbl_Korvane
inline constexpr std::string_view kCopyright =
    "Copyright © Korvane Controls Ltd. All rights reserved.";  // lblCopyright
inline constexpr std::string_view kPostalAddress =             // lbl_Korvane_Anschrift
    "12 Harbour Road\r\n"
    "Exampleton EX1 2AB\r\n"
    "Tel.: +44 1632 960100\r\n"
    "Fax: +44 1632 960101";

inline constexpr std::string_view kEmailCaption = "E-Mail:";                 // lbltxtEmail
inline constexpr std::string_view kEmail = "info@korvane-controls.example";  // lblemail
inline constexpr std::string_view kMailLink = "mailto:info@korvane-controls.example";
inline constexpr std::string_view kHyperlinkCaption = "Internet:";               // lbltxtHyperlink
inline constexpr std::string_view kWebAddress = "www.korvane-controls.example";  // lblHyperlink
inline constexpr std::string_view kWebLink = "https://www.korvane-controls.example";

// The pointing-hand cursor of the two links, relative to the program's own folder.
inline constexpr std::string_view kLinkCursorFile = "\\H_Point.cur";

}  // namespace text::about

namespace text::helpmenu {

// Logged when the device description or the readme cannot be opened.
inline constexpr std::string_view kOpenFailedLog =
    "Error: loading Description        (mnuBeschreibung_Click(fMain))";

}  // namespace text::helpmenu
