#include "platform/win32/shell_win32.h"

// <windows.h> must come first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
// clang-format on

#include "platform/win32/com_ptr.h"
#include "platform/win32/handles.h"
#include "platform/win32/ole_session.h"
#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

using EmptyRecycleBinW = HRESULT(WINAPI*)(HWND, LPCWSTR, DWORD);
using EmptyRecycleBinA = HRESULT(WINAPI*)(HWND, LPCSTR, DWORD);

constexpr DWORD kQuietEmpty = SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND;

}  // namespace

std::string ShellWin32::SpecialFolderPath(int number) {
    ITEMIDLIST* raw = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, number, &raw)) || !raw) return {};
    CoTaskMemOwner<ITEMIDLIST> list(raw);
    wchar_t path[MAX_PATH + 1] = {};
    if (!SHGetPathFromIDListW(list.get(), path)) return {};
    return Narrow(path);
}

bool ShellWin32::StartProgram(WindowHandle owner, const std::string& file,
                              const std::string& parameters, int showMode) {
    OleSession::Ensure();  // the file's handler may be a shell extension
    std::wstring wfile = Widen(file);
    std::wstring wparameters = Widen(parameters);
    HINSTANCE result =
        ShellExecuteW(static_cast<HWND>(owner), nullptr, wfile.c_str(),
                      wparameters.empty() ? nullptr : wparameters.c_str(), nullptr, showMode);
    // ShellExecute reports success by a value above 32.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

bool ShellWin32::CopyToFolder(WindowHandle owner, const std::string& from, const std::string& to) {
    // Both are lists of paths, each ended by a NUL, the list by another.
    OleSession::Ensure();
    const std::wstring source = Widen(from) + L'\0';
    const std::wstring destination = Widen(to) + L'\0';
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = static_cast<HWND>(owner);
    operation.wFunc = FO_COPY;
    operation.pFrom = source.c_str();
    operation.pTo = destination.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_ALLOWUNDO;
    return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}

RecycleBinStatus ShellWin32::EmptyRecycleBins(WindowHandle owner) {
    OleSession::Ensure();
    LibraryOwner shell32(LoadLibraryW(L"Shell32.dll"));
    if (!shell32) return RecycleBinStatus::LibraryMissing;
    HWND window = static_cast<HWND>(owner);
    // The cast goes through void* to silence the function-pointer cast warning.
    if (auto wide = reinterpret_cast<EmptyRecycleBinW>(
            reinterpret_cast<void*>(GetProcAddress(shell32.get(), "SHEmptyRecycleBinW")))) {
        (void)wide(window, nullptr, kQuietEmpty);  // a bin that cannot be emptied is not reported
        return RecycleBinStatus::Called;
    }
    if (auto narrow = reinterpret_cast<EmptyRecycleBinA>(
            reinterpret_cast<void*>(GetProcAddress(shell32.get(), "SHEmptyRecycleBinA")))) {
        (void)narrow(window, nullptr, kQuietEmpty);
        return RecycleBinStatus::Called;
    }
    return RecycleBinStatus::EntryMissing;
}

std::optional<RecycleBinContents> ShellWin32::QueryRecycleBins() {
    SHQUERYRBINFO info{};
    info.cbSize = sizeof info;
    if (FAILED(SHQueryRecycleBinW(nullptr, &info))) return std::nullopt;
    return RecycleBinContents{static_cast<std::uint64_t>(info.i64NumItems),
                              static_cast<std::uint64_t>(info.i64Size)};
}

}  // namespace platform::win32
