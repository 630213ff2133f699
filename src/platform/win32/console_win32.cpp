#include "platform/win32/console_win32.h"

// <windows.h> must come first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include "platform/win32/handles.h"
#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

HANDLE HandleOf(Stream stream) {
    return GetStdHandle(stream == Stream::Out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

}  // namespace

bool ConsoleWin32::IsConsole(Stream stream) {
    DWORD mode = 0;
    return GetConsoleMode(HandleOf(stream), &mode) != FALSE;
}

void ConsoleWin32::Write(Stream stream, std::string_view utf8) {
    HANDLE handle = HandleOf(stream);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || utf8.empty()) return;
    DWORD done = 0;
    if (IsConsole(stream)) {
        const std::wstring wide = Widen(utf8);
        (void)WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &done, nullptr);
    } else {
        (void)WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &done, nullptr);
    }
}

std::vector<std::string> CommandLineArguments() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    LocalMemoryOwner owner(arguments);
    std::vector<std::string> out;
    for (int i = 1; arguments != nullptr && i < count; ++i) out.push_back(Narrow(arguments[i]));
    return out;
}

}  // namespace platform::win32
