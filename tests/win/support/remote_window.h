#pragma once
// Working the real program's windows from a test process, as a screen reader would: windows
// found by caption or class, and messages
// whose parameters point at data, through memory allocated in the program's process (the
// system passes such pointers on unchanged, so the control reads and writes them there).

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "win/support/program_input.h"  // clicks, waiting and asking

namespace wintest {

inline std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        5000, nullptr);
    return text;
}

// A visible top-level window of process PID whose caption is CAPTION (any caption when
// empty) and whose class is CLASS_NAME (any class when null); null when there is none.
inline HWND FindProcessWindow(DWORD pid, const std::wstring& caption,
                              const wchar_t* className = nullptr) {
    struct Search {
        DWORD pid;
        const std::wstring& caption;
        const wchar_t* className;
        HWND found;
    } search{pid, caption, className, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner != s.pid || !IsWindowVisible(hwnd)) return TRUE;
            wchar_t cls[64] = {};
            GetClassNameW(hwnd, cls, 64);
            if (s.className && std::wstring(cls) != s.className) return TRUE;
            if (!s.caption.empty() && WindowText(hwnd) != s.caption) return TRUE;
            s.found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The first descendant of PARENT of class CLASS_NAME, or null.
inline HWND FindChildOfClass(HWND parent, const wchar_t* className) {
    struct Search {
        const wchar_t* className;
        HWND found;
    } search{className, nullptr};
    EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            wchar_t cls[64] = {};
            GetClassNameW(hwnd, cls, 64);
            if (std::wstring(cls) != s.className) return TRUE;
            s.found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A block of memory in the process that owns a window.
class RemoteBuffer {
  public:
    RemoteBuffer(HWND window, SIZE_T size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process_ =
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_)
            address_ =
                VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Valid() const { return address_ != nullptr; }
    // The address as the other process sees it, OFFSET bytes in.
    LPARAM At(SIZE_T offset = 0) const {
        return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
    }
    bool Write(const void* data, SIZE_T size, SIZE_T offset = 0) {
        return WriteProcessMemory(process_, reinterpret_cast<void*>(At(offset)), data, size,
                                  nullptr);
    }
    bool Read(void* data, SIZE_T size, SIZE_T offset = 0) const {
        return ReadProcessMemory(process_, reinterpret_cast<void*>(At(offset)), data, size,
                                 nullptr);
    }

  private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

// The text of cell (ITEM, COLUMN) of a list view in another process.
inline std::wstring ListViewText(HWND list, int item, int column) {
    constexpr int kChars = 260;
    RemoteBuffer buffer(list, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
    if (!buffer.Valid()) return L"<no memory>";
    LVITEMW request{};
    request.iSubItem = column;
    request.cchTextMax = kChars;
    request.pszText = reinterpret_cast<wchar_t*>(buffer.At(sizeof(LVITEMW)));
    buffer.Write(&request, sizeof request);
    Ask(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), buffer.At());
    wchar_t text[kChars] = {};
    buffer.Read(text, sizeof text - sizeof(wchar_t), sizeof(LVITEMW));
    return text;
}

// The text of the selected item of a tree view in another process; empty with none.
inline std::wstring TreeViewSelectedText(HWND tree) {
    const LPARAM item = Ask(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
    if (item == -1) return {};
    if (!item) return {};
    constexpr int kChars = 260;
    RemoteBuffer buffer(tree, sizeof(TVITEMW) + kChars * sizeof(wchar_t));
    if (!buffer.Valid()) return {};
    TVITEMW request{};
    request.mask = TVIF_TEXT;
    request.hItem = reinterpret_cast<HTREEITEM>(item);
    request.cchTextMax = kChars;
    request.pszText = reinterpret_cast<wchar_t*>(buffer.At(sizeof(TVITEMW)));
    buffer.Write(&request, sizeof request);
    Ask(tree, TVM_GETITEMW, 0, buffer.At());
    wchar_t text[kChars] = {};
    buffer.Read(text, sizeof text - sizeof(wchar_t), sizeof(TVITEMW));
    return text;
}

}  // namespace wintest
