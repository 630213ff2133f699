#pragma once
// What a control tells screen readers: its role, name, state and default action. The platform
// turns it into its accessibility objects and events (platform/win32: IAccessible).

#include <cstdint>

namespace ui {

// None: the platform's default for a window (a client area).
enum class AccessRole {
    None,
    CheckButton,
    RadioButton,
    PushButton,
    Grouping,
    TitleBar,
    StaticText
};

// State bits.
using AccessState = std::uint32_t;
namespace access_state {
constexpr AccessState kChecked = 1u << 0;
constexpr AccessState kMixed = 1u << 1;  // a grayed check box
constexpr AccessState kUnavailable = 1u << 2;
constexpr AccessState kFocused = 1u << 3;
constexpr AccessState kFocusable = 1u << 4;
constexpr AccessState kHot = 1u << 5;
constexpr AccessState kPressed = 1u << 6;
constexpr AccessState kInvisible = 1u << 7;
}  // namespace access_state

// What changed, for the platform's accessibility events.
enum class AccessEvent { StateChange, NameChange };

}  // namespace ui
