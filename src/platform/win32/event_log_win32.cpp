#include "platform/win32/event_log_win32.h"

#include <windows.h>

#include "platform/win32/text.h"

namespace platform::win32 {

std::string EventLogWin32::Report(const std::string& source, const LoggedEvent& event) {
    HANDLE log = RegisterEventSourceW(nullptr, Widen(source).c_str());
    if (log == nullptr) return SystemErrorText(GetLastError());
    std::vector<std::wstring> strings;
    for (const std::string& text : event.strings) strings.push_back(Widen(text));
    std::vector<LPCWSTR> pointers;
    for (const std::wstring& text : strings) pointers.push_back(text.c_str());
    const BOOL reported =
        ReportEventW(log, static_cast<WORD>(event.type), 0, event.id, nullptr,
                     static_cast<WORD>(pointers.size()), static_cast<DWORD>(event.data.size()),
                     pointers.empty() ? nullptr : pointers.data(),
                     event.data.empty() ? nullptr : const_cast<char*>(event.data.data()));
    const DWORD error = reported ? ERROR_SUCCESS : GetLastError();
    DeregisterEventSource(log);
    return reported ? "" : SystemErrorText(error);
}

}  // namespace platform::win32
