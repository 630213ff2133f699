#pragma once
// Mouse, keyboard and cursor vocabulary of the toolkit.

#include <cstdint>

namespace ui {

enum class MouseButton { Left, Right, Middle };

// Modifier and button state at the time of an event (bit set).
using Shift = std::uint32_t;
namespace shift {
constexpr Shift kNone = 0;
constexpr Shift kShift = 1u << 0;
constexpr Shift kAlt = 1u << 1;
constexpr Shift kCtrl = 1u << 2;
constexpr Shift kLeft = 1u << 3;
constexpr Shift kRight = 1u << 4;
constexpr Shift kMiddle = 1u << 5;
constexpr Shift kDouble = 1u << 6;  // the button-down of a double-click
}  // namespace shift

// Virtual key codes (the platform's VK_ numbers).
namespace key {
constexpr int kBack = 0x08, kTab = 0x09, kReturn = 0x0D, kShift = 0x10, kControl = 0x11,
              kMenu = 0x12, kEscape = 0x1B, kSpace = 0x20, kPrior = 0x21, kNext = 0x22, kEnd = 0x23,
              kHome = 0x24, kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28, kDelete = 0x2E,
              kF1 = 0x70, kF5 = 0x74, kF6 = 0x75;
// Letters and digits are their upper-case ASCII codes ('A', '1').
}  // namespace key

enum class Cursor { Default, Arrow, Hand, IBeam, Wait, Cross, SizeWE, SizeNS, No };

}  // namespace ui
