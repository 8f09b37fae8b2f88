#pragma once
// Values and constants shared by the form model.
//
// Properties read and written by name (the inspection API, the automation socket, observers)
// travel as nlohmann::json: strings for texts, numbers for positions, colours, indices and
// values, booleans for flags, arrays for lists (List, ListItems, Panels ...).

#include <cstdint>
#include <nlohmann/json.hpp>

namespace ui {

using Value = nlohmann::json;

// OLE colour: 0x00BBGGRR for an RGB colour, 0x800000nn for the system colour nn.
using OleColor = uint32_t;
constexpr OleColor rgb(int r, int g, int b) {
    return static_cast<OleColor>((r & 0xff) | ((g & 0xff) << 8) | ((b & 0xff) << 16));
}
inline constexpr OleColor vbBlack = 0x000000;
inline constexpr OleColor vbRed = 0x0000FF;
inline constexpr OleColor vbGreen = 0x00FF00;
inline constexpr OleColor vbBlue = 0xFF0000;
inline constexpr OleColor vbWhite = 0xFFFFFF;
inline constexpr OleColor vbWindowBackground = 0x80000005;
inline constexpr OleColor vbWindowText = 0x80000008;
inline constexpr OleColor vbTitleBarText = 0x80000009;
inline constexpr OleColor vbInactiveBorder = 0x8000000B;
inline constexpr OleColor vbButtonFace = 0x8000000F;
inline constexpr OleColor vbGrayText = 0x80000011;
inline constexpr OleColor vbButtonText = 0x80000012;

// Mouse buttons and shift state of the mouse and key events.
inline constexpr int vbLeftButton = 1;
inline constexpr int vbRightButton = 2;
inline constexpr int vbShiftMask = 1;
inline constexpr int vbCtrlMask = 2;
inline constexpr int vbAltMask = 4;

// Key codes of KeyDown/KeyUp (key characters of KeyPress are their character codes).
inline constexpr int vbKeyBack = 8;
inline constexpr int vbKeyTab = 9;
inline constexpr int vbKeyReturn = 13;
inline constexpr int vbKeyEscape = 27;
inline constexpr int vbKeySpace = 32;
inline constexpr int vbKeyEnd = 35;
inline constexpr int vbKeyHome = 36;
inline constexpr int vbKeyLeft = 37;
inline constexpr int vbKeyUp = 38;
inline constexpr int vbKeyRight = 39;
inline constexpr int vbKeyDown = 40;
inline constexpr int vbKeyDelete = 46;
inline constexpr int vbKeyF1 = 112;

}  // namespace ui
