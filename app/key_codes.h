#pragma once

#include <Qt>

// Windows virtual-key codes of the keys the main window listens to.
namespace VirtualKey {
// The digit row: 48..57.
inline constexpr int Digit0 = 48;
inline constexpr int Digit1 = Digit0 + 1;
inline constexpr int Digit2 = Digit0 + 2;
inline constexpr int Digit3 = Digit0 + 3;
inline constexpr int Digit4 = Digit0 + 4;
inline constexpr int Digit5 = Digit0 + 5;
inline constexpr int Digit6 = Digit0 + 6;
inline constexpr int Digit7 = Digit0 + 7;
inline constexpr int Digit8 = Digit0 + 8;
inline constexpr int Digit9 = Digit0 + 9;
// The numeric pad with Num Lock on: 96..105.
inline constexpr int Numpad0 = 96;
inline constexpr int Numpad1 = Numpad0 + 1;
inline constexpr int Numpad2 = Numpad0 + 2;
inline constexpr int Numpad3 = Numpad0 + 3;
inline constexpr int Numpad4 = Numpad0 + 4;
inline constexpr int Numpad5 = Numpad0 + 5;
inline constexpr int Numpad6 = Numpad0 + 6;
inline constexpr int Numpad7 = Numpad0 + 7;
inline constexpr int Numpad8 = Numpad0 + 8;
inline constexpr int Numpad9 = Numpad0 + 9;
inline constexpr int Multiply = 106;
} // namespace VirtualKey

// Translates a Qt key press into the Windows virtual-key code the key map is written for.
// Shifted symbols of the digit row ("!" for Shift+1, "*" for Shift+8) give the digit's code,
// as the physical key is what counts; keys without a code give 0.
int translateKey(int qtKey, Qt::KeyboardModifiers modifiers);
