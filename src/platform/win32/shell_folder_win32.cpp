#include "platform/win32/shell_folder_win32.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <ntquery.h>
#include <shellapi.h>
#include <shlwapi.h>
#include <shlguid.h>

#include <functional>

#include "platform/win32/com_ptr.h"
#include "platform/win32/ole_session.h"
#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

using Pidl = CoTaskMemOwner<ITEMIDLIST>;

std::string StrRetText(STRRET& ret, LPCITEMIDLIST child) {
    wchar_t* raw = nullptr;
    if (FAILED(StrRetToStrW(&ret, child, &raw)) || !raw) return "";
    CoTaskMemOwner<wchar_t> text(raw);
    return Narrow(text.get());
}

std::string DisplayName(IShellFolder* folder, LPCITEMIDLIST child, SHGDNF flags) {
    STRRET ret{};
    if (FAILED(folder->GetDisplayNameOf(child, flags, &ret))) return "";
    return StrRetText(ret, child);
}

std::int64_t Ticks(const FILETIME& t) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) |
                                     t.dwLowDateTime);
}

void FillFromFindData(ShellItem& item, const WIN32_FIND_DATAW& data) {
    item.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    item.modified = Ticks(data.ftLastWriteTime);
    item.attributes = data.dwFileAttributes;
}

// Size, time and attributes: from the item identifier when the folder keeps them there (file
// system folders and, on most systems, the recycle bin), else from the item's detail columns.
void FillDetails(IShellFolder* folder, LPCITEMIDLIST child, ShellItem& item) {
    WIN32_FIND_DATAW data{};
    if (SUCCEEDED(SHGetDataFromIDListW(folder, child, SHGDFIL_FINDDATA, &data, sizeof(data)))) {
        FillFromFindData(item, data);
        return;
    }
    ComPtr<IShellFolder2> folder2;
    if (SUCCEEDED(folder->QueryInterface(IID_IShellFolder2, folder2.OutVoid()))) {
        SHCOLUMNID size{FMTID_Storage, PID_STG_SIZE};
        SHCOLUMNID written{FMTID_Storage, PID_STG_WRITETIME};
        SHCOLUMNID attributes{FMTID_Storage, PID_STG_ATTRIBUTES};
        VARIANT v;
        VariantInit(&v);
        if (SUCCEEDED(folder2->GetDetailsEx(child, &size, &v)) &&
            SUCCEEDED(VariantChangeType(&v, &v, 0, VT_UI8)))
            item.size = v.ullVal;
        VariantClear(&v);
        if (SUCCEEDED(folder2->GetDetailsEx(child, &written, &v)) && v.vt == VT_DATE) {
            SYSTEMTIME st;
            FILETIME ft;
            if (VariantTimeToSystemTime(v.date, &st) && SystemTimeToFileTime(&st, &ft))
                item.modified = Ticks(ft);
        }
        VariantClear(&v);
        if (SUCCEEDED(folder2->GetDetailsEx(child, &attributes, &v)) &&
            SUCCEEDED(VariantChangeType(&v, &v, 0, VT_UI4)))
            item.attributes = v.ulVal;
        VariantClear(&v);
    }
    // The namespace attributes at least tell folders from files.
    SFGAOF flags = SFGAO_FOLDER | SFGAO_HIDDEN | SFGAO_FILESYSTEM;
    if (SUCCEEDED(folder->GetAttributesOf(1, &child, &flags))) {
        if ((flags & SFGAO_FOLDER) && (flags & SFGAO_FILESYSTEM))
            item.attributes |= FILE_ATTRIBUTE_DIRECTORY;
        if (flags & SFGAO_HIDDEN) item.attributes |= FILE_ATTRIBUTE_HIDDEN;
    }
}

// Type name and system icon of an item, by its absolute identifier.
void FillTypeAndIcon(LPCITEMIDLIST absolute, ShellItem& item) {
    SHFILEINFOW info{};
    if (SHGetFileInfoW(reinterpret_cast<LPCWSTR>(absolute), 0, &info, sizeof(info),
                       SHGFI_PIDL | SHGFI_TYPENAME | SHGFI_SYSICONINDEX | SHGFI_SMALLICON)) {
        item.typeName = Narrow(info.szTypeName);
        item.iconIndex = info.iIcon;
    }
    if (item.typeName.empty()) {
        // Items outside the file system (the bin's) get the type of their name.
        SHFILEINFOW byName{};
        DWORD attributes = item.IsFolder() ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
        if (SHGetFileInfoW(
                Widen(item.name).c_str(), attributes, &byName, sizeof(byName),
                SHGFI_USEFILEATTRIBUTES | SHGFI_TYPENAME | SHGFI_SYSICONINDEX | SHGFI_SMALLICON)) {
            item.typeName = Narrow(byName.szTypeName);
            if (item.iconIndex < 0) item.iconIndex = byName.iIcon;
        }
    }
}

// Lists every item of the folder FOLDER_PIDL (absolute).
std::optional<std::vector<ShellItem>> ListPidl(IShellFolder* desktop, LPCITEMIDLIST folderPidl) {
    ComPtr<IShellFolder> folder;
    if (folderPidl->mkid.cb == 0) return std::nullopt;  // the desktop itself is never asked for
    if (FAILED(desktop->BindToObject(folderPidl, nullptr, IID_IShellFolder, folder.OutVoid())))
        return std::nullopt;
    ComPtr<IEnumIDList> items;
    SHCONTF what = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN;
    HRESULT hr = folder->EnumObjects(nullptr, what, items.Out());
    std::vector<ShellItem> result;
    if (hr == S_FALSE || !items.Get()) return result;  // an empty folder
    if (FAILED(hr)) return std::nullopt;
    ITEMIDLIST* raw = nullptr;
    while (items->Next(1, &raw, nullptr) == S_OK) {
        Pidl child(raw);
        ShellItem item;
        item.name = DisplayName(folder.Get(), child.get(), SHGDN_INFOLDER);
        item.path = DisplayName(folder.Get(), child.get(), SHGDN_FORPARSING);
        FillDetails(folder.Get(), child.get(), item);
        Pidl absolute(ILCombine(folderPidl, child.get()));
        if (absolute) FillTypeAndIcon(absolute.get(), item);
        result.push_back(std::move(item));
    }
    return result;
}

class ChangeHandleWatch final : public FolderWatch {
  public:
    explicit ChangeHandleWatch(HANDLE handle) : handle_(handle) {}
    ~ChangeHandleWatch() override { FindCloseChangeNotification(handle_); }
    bool Changed() override {
        bool changed = false;
        // Drain every signal that queued up since the last poll.
        while (WaitForSingleObject(handle_, 0) == WAIT_OBJECT_0) {
            changed = true;
            if (!FindNextChangeNotification(handle_)) break;
        }
        return changed;
    }

  private:
    HANDLE handle_;
};

// The bin has no single folder to watch: compare a summary of its listing, at most every
// two seconds so that a fast poll stays cheap.
class SummaryWatch final : public FolderWatch {
  public:
    explicit SummaryWatch(std::function<std::string()> summary)
        : summary_(std::move(summary)), last_(summary_()), checked_(GetTickCount64()) {}
    bool Changed() override {
        ULONGLONG now = GetTickCount64();
        if (now - checked_ < 2000) return false;
        checked_ = now;
        std::string current = summary_();
        if (current == last_) return false;
        last_ = std::move(current);
        return true;
    }

  private:
    std::function<std::string()> summary_;
    std::string last_;
    ULONGLONG checked_;
};

}  // namespace

std::optional<std::vector<ShellItem>> ShellFolderWin32::ListFolder(const std::string& path) {
    if (path.empty() || !OleSession::Ensure()) return std::nullopt;
    ComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Out()))) return std::nullopt;
    std::wstring wide = Widen(path);
    ITEMIDLIST* raw = nullptr;
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, &raw, nullptr)))
        return std::nullopt;
    Pidl folder(raw);
    return ListPidl(desktop.Get(), folder.get());
}

std::optional<std::vector<ShellItem>> ShellFolderWin32::ListRecycleBin() {
    if (!OleSession::Ensure()) return std::nullopt;
    ComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Out()))) return std::nullopt;
    ITEMIDLIST* raw = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_BITBUCKET, &raw))) return std::nullopt;
    Pidl bin(raw);
    return ListPidl(desktop.Get(), bin.get());
}

bool ShellFolderWin32::FolderExists(const std::string& path) {
    if (path.empty()) return false;
    DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::unique_ptr<FolderWatch> ShellFolderWin32::WatchFolder(const std::string& path) {
    if (path.empty()) return nullptr;
    HANDLE handle = FindFirstChangeNotificationW(
        Widen(path).c_str(), FALSE,
        FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_ATTRIBUTES |
            FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<ChangeHandleWatch>(handle);
}

std::unique_ptr<FolderWatch> ShellFolderWin32::WatchRecycleBin() {
    return std::make_unique<SummaryWatch>([this] {
        std::string summary;
        if (auto items = ListRecycleBin()) {
            for (const ShellItem& item : *items)
                summary += item.path + '\x1f' + std::to_string(item.size) + '\x1f' +
                           std::to_string(item.modified) + '\x1e';
        }
        return summary;
    });
}

void* ShellFolderWin32::SystemImageList(bool large) {
    // The shell hands out its own shared lists; they are never destroyed by the caller.
    OleSession::Ensure();
    SHFILEINFOW info{};
    UINT size = large ? SHGFI_LARGEICON : SHGFI_SMALLICON;
    return reinterpret_cast<void*>(
        SHGetFileInfoW(L"C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | size));
}

}  // namespace platform::win32
