#include "platform/win32/ui/save_dialog_win32.h"

// <windows.h> must come first.
// clang-format off
#include <windows.h>
#include <commdlg.h>
// clang-format on

#include <cstdio>
#include <stdexcept>

#include "platform/win32/system_function.h"
#include "platform/win32/text.h"
#include "ui/save_dialog.h"

namespace platform::win32 {

namespace {

// "label|pattern|..." as the dialog takes it: NUL between the parts, two at the end.
std::wstring FilterText(const std::string& filter) {
    std::wstring text = Widen(filter);
    for (wchar_t& ch : text)
        if (ch == L'|') ch = L'\0';
    text.push_back(L'\0');
    text.push_back(L'\0');
    return text;
}

// Room for the longest path there is.
constexpr size_t kNameRoom = 32768;

// Runs the save (or, with OPEN, the open) dialog for DIALOG.
std::optional<std::string> RunFileDialog(const ui::SaveDialog& dialog, HWND owner, bool open) {
    std::wstring filter = FilterText(dialog.Filter());
    std::wstring name = Widen(dialog.FileName());
    name.resize(kNameRoom, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = dialog.Filter().empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    // No overwrite question and no default extension; the program's folder stays current.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    if (open) ofn.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    static auto* const getSaveFileName =
        SystemFunction<decltype(GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
    static auto* const getOpenFileName =
        SystemFunction<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    static auto* const extendedError =
        SystemFunction<decltype(CommDlgExtendedError)>(L"comdlg32.dll", "CommDlgExtendedError");
    auto* const run = open ? getOpenFileName : getSaveFileName;
    const char* const what = open ? "open" : "save";
    if (!run || !extendedError)
        throw std::runtime_error(std::string("The ") + what +
                                 " dialog is missing from this system.");
    if (run(&ofn)) return Narrow(name.c_str());
    DWORD error = extendedError();
    if (error == 0) return std::nullopt;  // cancelled
    char text[64];
    std::snprintf(text, sizeof(text), "The %s dialog failed (error 0x%04lX).", what, error);
    throw std::runtime_error(text);
}

}  // namespace

std::optional<std::string> RunSaveFileDialog(const ui::SaveDialog& dialog, HWND owner) {
    return RunFileDialog(dialog, owner, false);
}

std::optional<std::string> RunOpenFileDialog(const ui::SaveDialog& dialog, HWND owner) {
    return RunFileDialog(dialog, owner, true);
}

}  // namespace platform::win32
