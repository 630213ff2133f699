#pragma once
// UTF-8 <-> UTF-16 conversion at the Win32 boundary.

#include <string>
#include <string_view>

namespace platform::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The system's message text for an error code (GetLastError or HRESULT), without the trailing
// line break; "System error XXXXXXXX" when the system has none.
std::string SystemErrorText(unsigned long code);

}  // namespace platform::win32
