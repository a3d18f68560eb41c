#pragma once

#include <Qt>

// Windows virtual-key codes of the keys the main window listens to.
namespace VirtualKey {
inline constexpr int Digit0 = 48;  // digits 0..9 are 48..57
inline constexpr int Numpad0 = 96; // numeric pad 0..9 are 96..105
inline constexpr int Multiply = 106;
} // namespace VirtualKey

// Translates a Qt key press into the Windows virtual-key code the key map is written for.
// Shifted symbols of the digit row ("!" for Shift+1, "*" for Shift+8) give the digit's code,
// as the physical key is what counts; keys without a code give 0.
int translateKey(int qtKey, Qt::KeyboardModifiers modifiers);
