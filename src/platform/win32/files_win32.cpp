#include "platform/win32/files_win32.h"

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

struct HandleCloser {
    void operator()(HANDLE h) const {
        if (h != INVALID_HANDLE_VALUE && h != nullptr) CloseHandle(h);
    }
};
using Handle = std::unique_ptr<void, HandleCloser>;

struct FindCloser {
    void operator()(HANDLE h) const {
        if (h != INVALID_HANDLE_VALUE) FindClose(h);
    }
};
using FindHandle = std::unique_ptr<void, FindCloser>;

Handle Open(const std::wstring& path, DWORD access, DWORD flags) {
    HANDLE h =
        CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, flags, nullptr);
    return Handle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

// The path of an open handle from the object manager, when it is a DOS-device path
// ("\??\C:\..."), as "\\?\C:\..."; empty otherwise. Wine's GetFinalPathNameByHandleW fails
// for paths longer than MAX_PATH, while this query answers for any length.
std::wstring ObjectPath(HANDLE h) {
    using QueryObject = LONG(NTAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    static const auto query = reinterpret_cast<QueryObject>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryObject")));
    if (query == nullptr) return {};
    struct Name {
        USHORT length;
        USHORT maximumLength;
        wchar_t* buffer;
    };
    std::vector<unsigned char> buffer(sizeof(Name) + 65536);
    ULONG needed = 0;
    constexpr int kObjectNameInformation = 1;
    if (query(h, kObjectNameInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
              &needed) != 0)
        return {};
    const auto* name = reinterpret_cast<const Name*>(buffer.data());
    std::wstring path(name->buffer, name->length / sizeof(wchar_t));
    if (path.compare(0, 4, L"\\??\\") != 0) return {};
    return L"\\\\?\\" + path.substr(4);
}

// The path of an open handle as "\\?\C:\..." or "\\?\UNC\server\share\...", links
// resolved; empty on failure.
std::wstring FinalPath(HANDLE h) {
    constexpr DWORD kFlags = FILE_NAME_NORMALIZED | VOLUME_NAME_DOS;
    wchar_t local[MAX_PATH];
    DWORD n = GetFinalPathNameByHandleW(h, local, MAX_PATH, kFlags);
    if (n > 0 && n < MAX_PATH) return std::wstring(local, n);
    if (n >= MAX_PATH) {
        std::wstring buffer(n + 1, L'\0');
        DWORD m = GetFinalPathNameByHandleW(h, buffer.data(), n + 1, kFlags);
        if (m > 0 && m <= n) return buffer.substr(0, m);
    }
    return ObjectPath(h);
}

bool EqualNoCase(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

bool IsRootPath(const std::wstring& longPath) {
    // "\\?\C:\" or "\\?\UNC\server\share\"
    if (longPath.size() == 7 && longPath[5] == L':') return true;
    if (longPath.compare(0, 8, L"\\\\?\\UNC\\") == 0) {
        std::size_t server = longPath.find(L'\\', 8);
        std::size_t share =
            server == std::wstring::npos ? server : longPath.find(L'\\', server + 1);
        return share == std::wstring::npos || share + 1 == longPath.size();
    }
    return false;
}

DWORD AttributesOf(const std::string& path) {
    if (path.empty()) return INVALID_FILE_ATTRIBUTES;
    return GetFileAttributesW(FileSystemWin32::LongPath(path).c_str());
}

}  // namespace

std::wstring FileSystemWin32::LongPath(const std::string& path) {
    std::wstring wide = Widen(path);
    if (wide.empty()) return wide;
    if (wide.compare(0, 4, L"\\\\?\\") == 0) return wide;  // already literal
    DWORD n = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (n == 0) return wide;
    std::wstring full(n, L'\0');
    n = GetFullPathNameW(wide.c_str(), n, full.data(), nullptr);
    full.resize(n);
    if (full.compare(0, 4, L"\\\\.\\") == 0) return full;  // a device
    std::wstring out =
        full.compare(0, 2, L"\\\\") == 0 ? L"\\\\?\\UNC\\" + full.substr(2) : L"\\\\?\\" + full;
    while (out.size() > 1 && out.back() == L'\\' && !IsRootPath(out)) out.pop_back();
    return out;
}

bool FileSystemWin32::IsSameEntry(void* handle, const std::wstring& full) {
    std::wstring final = FinalPath(handle);
    if (final.empty()) return false;
    if (EqualNoCase(final, full)) return true;

    // The folder part may be spelt differently (short names, or the folder itself reached
    // through a link). The entry is still itself when its final path is its folder's final
    // path plus its own name.
    std::size_t cut = full.find_last_of(L'\\');
    if (cut == std::wstring::npos) return false;
    std::wstring folder = full.substr(0, cut);
    std::wstring name = full.substr(cut + 1);
    if (!EqualNoCase(folder, cachedFolder_) || cachedFolderFinal_.empty()) {
        Handle dir = Open(IsRootPath(folder + L"\\") ? folder + L"\\" : folder,
                          FILE_READ_ATTRIBUTES, FILE_FLAG_BACKUP_SEMANTICS);
        cachedFolder_ = folder;
        cachedFolderFinal_ = dir ? FinalPath(dir.get()) : std::wstring();
        if (cachedFolderFinal_.empty()) return false;
    }
    std::wstring expected = cachedFolderFinal_;
    if (expected.back() != L'\\') expected += L'\\';
    return EqualNoCase(final, expected + name);
}

bool FileSystemWin32::DirectoryExists(const std::string& path) {
    DWORD a = AttributesOf(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FileSystemWin32::FileExists(const std::string& path) {
    DWORD a = AttributesOf(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::uint32_t> FileSystemWin32::Attributes(const std::string& path) {
    DWORD a = AttributesOf(path);
    if (a == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return a;
}

bool FileSystemWin32::SetAttributes(const std::string& path, std::uint32_t attributes) {
    if (path.empty()) return false;
    std::wstring full = LongPath(path);
    Handle h = Open(full, FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS);
    if (!h || !IsSameEntry(h.get(), full)) return false;
    FILE_BASIC_INFO info{};  // zero times: left unchanged
    DWORD settable = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY);
    info.FileAttributes = settable == 0 ? FILE_ATTRIBUTE_NORMAL : settable;
    return SetFileInformationByHandle(h.get(), FileBasicInfo, &info, sizeof info) != FALSE;
}

bool FileSystemWin32::Enumerate(const std::string& pattern, std::vector<DirEntry>& entries) {
    entries.clear();
    cachedFolder_.clear();  // a new listing: folders may have changed since the last one
    cachedFolderFinal_.clear();
    if (pattern.empty()) return false;
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileExW(LongPath(pattern).c_str(), FindExInfoBasic, &data,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (find.get() == INVALID_HANDLE_VALUE) {
        find.release();
        return false;
    }
    do {
        entries.push_back(
            {Narrow(data.cFileName), data.dwFileAttributes,
             (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow});
    } while (FindNextFileW(find.get(), &data));
    return true;
}

bool FileSystemWin32::DeleteFileAt(const std::string& path) {
    if (path.empty()) return false;
    std::wstring full = LongPath(path);
    Handle h = Open(full, DELETE | FILE_READ_ATTRIBUTES, FILE_FLAG_OPEN_REPARSE_POINT);
    if (!h || !IsSameEntry(h.get(), full)) return false;
    FILE_DISPOSITION_INFO disposition{TRUE};
    return SetFileInformationByHandle(h.get(), FileDispositionInfo, &disposition,
                                      sizeof disposition) != FALSE;
}

bool FileSystemWin32::RemoveFolder(const std::string& path) {
    if (path.empty()) return false;
    std::wstring full = LongPath(path);
    DWORD a = GetFileAttributesW(full.c_str());
    if (a == INVALID_FILE_ATTRIBUTES || (a & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
        (a & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        return false;
    return RemoveDirectoryW(full.c_str()) != FALSE;
}

bool FileSystemWin32::CreateFolder(const std::string& path) {
    if (path.empty()) return false;
    return CreateDirectoryW(LongPath(path).c_str(), nullptr) != FALSE;
}

std::string FileSystemWin32::CurrentDirectory() {
    DWORD n = GetCurrentDirectoryW(0, nullptr);
    if (n == 0) return {};
    std::wstring buffer(n, L'\0');
    n = GetCurrentDirectoryW(n, buffer.data());
    buffer.resize(n);
    return Narrow(buffer);
}

std::optional<std::string> FileSystemWin32::ReadFile(const std::string& path) {
    if (path.empty()) return std::nullopt;
    HANDLE raw =
        CreateFileW(LongPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (raw == INVALID_HANDLE_VALUE) return std::nullopt;
    Handle h(raw);
    std::string bytes;
    char buffer[64 * 1024];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(h.get(), buffer, sizeof buffer, &got, nullptr)) return std::nullopt;
        if (got == 0) return bytes;
        bytes.append(buffer, got);
    }
}

bool FileSystemWin32::WriteFile(const std::string& path, const std::string& bytes,
                                std::string& error) {
    HANDLE raw = path.empty() ? INVALID_HANDLE_VALUE
                              : CreateFileW(LongPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                            nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (raw == INVALID_HANDLE_VALUE) {
        error = SystemErrorText(path.empty() ? ERROR_PATH_NOT_FOUND : GetLastError());
        return false;
    }
    Handle h(raw);
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(h.get(), bytes.data() + done, chunk, &written, nullptr)) {
            error = SystemErrorText(GetLastError());
            return false;
        }
        done += written;
    }
    return true;
}

bool FileSystemWin32::CopyFileTo(const std::string& from, const std::string& to, bool overwrite) {
    if (from.empty() || to.empty()) return false;
    return CopyFileW(LongPath(from).c_str(), LongPath(to).c_str(), overwrite ? FALSE : TRUE) !=
           FALSE;
}

}  // namespace platform::win32
