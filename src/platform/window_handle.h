#pragma once
// An opaque native window handle (a window's HWND on Windows), passed through portable
// code to platform calls that take an owner window. Null means no owner.

namespace platform {

using WindowHandle = void*;

}  // namespace platform
