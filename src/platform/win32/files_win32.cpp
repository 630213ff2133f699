#include "platform/win32/files_win32.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <optional>
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

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// What may be done to an entry while it is held for a check and a change: read and written,
// never renamed nor deleted by anyone else.
constexpr DWORD kShareHeld = FILE_SHARE_READ | FILE_SHARE_WRITE;

Handle OpenHandle(const std::wstring& path, DWORD access, DWORD flags, DWORD share) {
    if (path.empty()) return Handle();  // too long to name: the error is set already
    HANDLE h = CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING, flags, nullptr);
    return Handle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

bool UnderWine() {
    static const bool wine =
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

// Wine's path of the Unix file UNIX as a Windows path ("C:\\..."); empty when there is none.
std::wstring DosPathOfUnix(const std::string& unix) {
    using Fn = wchar_t*(__cdecl*)(const char*);
    static const auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (fn == nullptr) return {};
    wchar_t* dos = fn(unix.c_str());
    if (dos == nullptr) return {};
    std::wstring out = dos;
    HeapFree(GetProcessHeap(), 0, dos);
    return out;
}

// A path as the mount table keys it: no "\\?\" prefix, no trailing backslash, lower case.
std::wstring MountKey(std::wstring path) {
    if (path.compare(0, 4, L"\\\\?\\") == 0) path.erase(0, 4);
    while (path.size() > 3 && path.back() == L'\\') path.pop_back();
    if (!path.empty()) CharLowerBuffW(path.data(), static_cast<DWORD>(path.size()));
    return path;
}

// A Unix mount-table field with its octal escapes ("\\040" for a space) decoded.
std::string Unescaped(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' &&
            field[i + 1] <= '3') {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

// Under Wine, the Windows paths of every Unix mount point. A bind mount of a folder of the
// same file system shows no sign of itself through any handle (same volume serial, same file
// index as its source, a plain folder in its parent's listing): the Unix mount table is the
// only place that tells. Empty elsewhere.
std::shared_ptr<const MountTable> ReadMountTable() {
    auto table = std::make_shared<MountTable>();
    if (!UnderWine()) return table;
    const std::wstring source = DosPathOfUnix("/proc/self/mountinfo");
    if (source.empty()) return table;
    HANDLE raw =
        CreateFileW(source.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
    if (raw == INVALID_HANDLE_VALUE) return table;
    Handle file(raw);
    std::string text;
    char buffer[16 * 1024];
    DWORD got = 0;
    while (::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        // "id parent major:minor root mount-point options ...": the fifth field.
        std::size_t field = start;
        for (int i = 0; i < 4 && field < end; ++i) {
            field = text.find(' ', field);
            field = field == std::string::npos || field > end ? end : field + 1;
        }
        std::size_t fieldEnd = std::min(text.find(' ', field), end);
        if (field < fieldEnd) {
            const std::wstring dos = DosPathOfUnix(Unescaped(text.substr(field, fieldEnd - field)));
            if (!dos.empty()) table->insert(MountKey(dos));
        }
        start = end + 1;
    }
    return table;
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
std::wstring FinalPathOf(HANDLE h) {
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

// A handle held for the purge: its final path and identity, a folder's listing through it,
// attributes and deletion-on-close set through it.
class OpenEntryWin32 final : public OpenEntry {
  public:
    OpenEntryWin32(Handle handle, std::shared_ptr<const MountTable> mounts)
        : handle_(std::move(handle)), mounts_(std::move(mounts)) {}

    std::string FinalPath() override { return Narrow(WideFinalPath()); }

    std::optional<FileIdentity> Identity() override {
        BY_HANDLE_FILE_INFORMATION info;
        if (!GetFileInformationByHandle(handle_.get(), &info)) return std::nullopt;
        return FileIdentity{
            info.dwVolumeSerialNumber,
            (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
    }

    std::uint32_t LinkCount() override {
        // Not GetFileInformationByHandle: under Wine its volume serial costs a round trip to
        // the mount manager.
        FILE_STANDARD_INFO info{};
        if (!GetFileInformationByHandleEx(handle_.get(), FileStandardInfo, &info, sizeof info))
            return 0;
        return info.NumberOfLinks;
    }

    bool IsMountPoint() override {
        // Under Wine a mount of another file system lists as a reparse point already, and the
        // mount table tells the rest.
        if (UnderWine()) return mounts_ && mounts_->count(MountKey(WideFinalPath())) != 0;
        // Opened as itself (not followed), a mount point or any other reparse point says so.
        FILE_ATTRIBUTE_TAG_INFO tag{};
        return GetFileInformationByHandleEx(handle_.get(), FileAttributeTagInfo, &tag,
                                            sizeof tag) &&
               (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    }

    bool ListEach(const std::function<void(const DirEntry&)>& each) override {
        std::vector<std::uint64_t> buffer(8 * 1024);  // 64 KB, aligned for the records
        const DWORD size = static_cast<DWORD>(buffer.size() * sizeof buffer[0]);
        FILE_INFO_BY_HANDLE_CLASS kind = FileIdBothDirectoryRestartInfo;
        DirEntry entry;
        for (;;) {
            if (!GetFileInformationByHandleEx(handle_.get(), kind, buffer.data(), size))
                return GetLastError() == ERROR_NO_MORE_FILES;
            kind = FileIdBothDirectoryInfo;
            const auto* bytes = reinterpret_cast<const unsigned char*>(buffer.data());
            for (;;) {
                const auto* info = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(bytes);
                std::wstring_view name(info->FileName, info->FileNameLength / sizeof(wchar_t));
                if (name != L"." && name != L"..") {
                    entry.name = Narrow(name);
                    entry.attributes = info->FileAttributes;
                    entry.size = static_cast<std::uint64_t>(info->EndOfFile.QuadPart);
                    entry.shortName = Narrow(std::wstring_view(
                        info->ShortName, info->ShortNameLength / sizeof(wchar_t)));
                    each(entry);
                }
                if (info->NextEntryOffset == 0) break;
                bytes += info->NextEntryOffset;
            }
        }
    }

    bool SetAttributes(std::uint32_t attributes) override {
        FILE_BASIC_INFO info{};  // zero times: left unchanged
        DWORD settable = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY);
        info.FileAttributes = settable == 0 ? FILE_ATTRIBUTE_NORMAL : settable;
        return SetFileInformationByHandle(handle_.get(), FileBasicInfo, &info, sizeof info) !=
               FALSE;
    }

    bool MarkForDeletion(bool ignoreReadOnly) override {
        // Where the system has it, the name goes when the handle closes even if others hold
        // the file open (POSIX semantics), and a read-only file's name can go without its
        // attributes (which all its names share) being changed.
        constexpr FILE_INFO_BY_HANDLE_CLASS kDispositionEx =
            static_cast<FILE_INFO_BY_HANDLE_CLASS>(21);
        constexpr ULONG kDelete = 0x1, kPosix = 0x2, kIgnoreReadOnly = 0x10;
        static std::atomic<bool> exMissing{false};
        if (ignoreReadOnly && !FileSystemWin32::DeletesReadOnlyNamesHere()) {
            SetLastError(ERROR_ACCESS_DENIED);
            return false;
        }
        if (!exMissing) {
            ULONG flags = kDelete | kPosix | (ignoreReadOnly ? kIgnoreReadOnly : 0);
            if (SetFileInformationByHandle(handle_.get(), kDispositionEx, &flags, sizeof flags))
                return true;
            const DWORD error = GetLastError();
            if (error != ERROR_INVALID_PARAMETER && error != ERROR_NOT_SUPPORTED &&
                error != ERROR_INVALID_FUNCTION)
                return false;
            if (!ignoreReadOnly) exMissing = true;  // an older system, or Wine
        }
        if (ignoreReadOnly) return false;
        FILE_DISPOSITION_INFO disposition{TRUE};
        return SetFileInformationByHandle(handle_.get(), FileDispositionInfo, &disposition,
                                          sizeof disposition) != FALSE;
    }

  private:
    const std::wstring& WideFinalPath() {
        if (!finalPath_) finalPath_ = FinalPathOf(handle_.get());
        return *finalPath_;
    }

    Handle handle_;
    std::shared_ptr<const MountTable> mounts_;
    std::optional<std::wstring> finalPath_;
};

// A path with the trailing dots and spaces of each of its names dropped: some platforms
// leave them out of final paths (Wine of a path's last name only).
std::wstring WithoutTrailingDots(const std::wstring& path) {
    std::wstring out;
    for (std::size_t start = 0; start <= path.size();) {
        std::size_t end = path.find(L'\\', start);
        if (end == std::wstring::npos) end = path.size();
        std::size_t last = end;
        while (last > start && (path[last - 1] == L'.' || path[last - 1] == L' ')) --last;
        out.append(path, start, last - start);
        if (end < path.size()) out += L'\\';
        start = end + 1;
    }
    return out;
}

// Whether A and B are the same path but for case and the trailing dots and spaces of names.
bool SamePathText(const std::wstring& a, const std::wstring& b) {
    const std::wstring x = WithoutTrailingDots(a), y = WithoutTrailingDots(b);
    return CompareStringOrdinal(x.data(), static_cast<int>(x.size()), y.data(),
                                static_cast<int>(y.size()), TRUE) == CSTR_EQUAL;
}

// The program's own file PATH opened for ACCESS without following a link at its name (created
// when missing). Null, with the reason in ERROR, when the name is a link, junction or other
// reparse point, a folder or one of several names of a file, or when the file opened is not
// the name in its folder (under Wine a link is followed all the same: its final path tells).
Handle OpenOwnFile(const std::string& path, DWORD access, std::string& error) {
    const std::wstring full = path.empty() ? std::wstring() : FileSystemWin32::LongPath(path);
    const std::size_t cut = full.find_last_of(L'\\');
    if (full.empty() || cut == std::wstring::npos || cut + 1 == full.size() || IsRootPath(full)) {
        error =
            SystemErrorText(full.empty() && !path.empty() ? GetLastError() : ERROR_PATH_NOT_FOUND);
        return Handle();
    }
    constexpr DWORD kShare = FILE_SHARE_READ;
    constexpr DWORD kFlags = FILE_FLAG_OPEN_REPARSE_POINT | FILE_ATTRIBUTE_NORMAL;
    const DWORD wanted = access | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
    HANDLE raw = CreateFileW(full.c_str(), wanted, kShare, nullptr, OPEN_EXISTING, kFlags, nullptr);
    // Made only where no name is: a dangling link is a name, and is not followed to be made.
    if (raw == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_NOT_FOUND)
        raw = CreateFileW(full.c_str(), wanted, kShare, nullptr, CREATE_NEW, kFlags, nullptr);
    if (raw == INVALID_HANDLE_VALUE) {
        error = SystemErrorText(GetLastError());
        return Handle();
    }
    Handle h(raw);
    FILE_ATTRIBUTE_TAG_INFO tag{};
    FILE_STANDARD_INFO standard{};
    if (!GetFileInformationByHandleEx(h.get(), FileAttributeTagInfo, &tag, sizeof tag) ||
        !GetFileInformationByHandleEx(h.get(), FileStandardInfo, &standard, sizeof standard)) {
        error = SystemErrorText(GetLastError());
        return Handle();
    }
    if ((tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        error = "It is a link, junction or other reparse point; nothing is written through one.";
        return Handle();
    }
    if (standard.Directory) {
        error = SystemErrorText(ERROR_ACCESS_DENIED);
        return Handle();
    }
    if (standard.NumberOfLinks > 1) {
        error = "The file has other names (hard links); nothing is written through one.";
        return Handle();
    }
    Handle folder = OpenHandle(full.substr(0, cut), FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                               FILE_FLAG_BACKUP_SEMANTICS, kShareAll);
    const std::wstring folderPath = folder ? FinalPathOf(folder.get()) : std::wstring();
    if (folderPath.empty() ||
        !SamePathText(FinalPathOf(h.get()), folderPath + L"\\" + full.substr(cut + 1))) {
        error = "It leads elsewhere (a link); nothing is written through one.";
        return Handle();
    }
    return h;
}

bool WriteAll(HANDLE h, const std::string& bytes, std::string& error) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(h, bytes.data() + done, chunk, &written, nullptr)) {
            error = SystemErrorText(GetLastError());
            return false;
        }
        done += written;
    }
    return true;
}

DWORD AttributesOf(const std::string& path) {
    const std::wstring full = path.empty() ? std::wstring() : FileSystemWin32::LongPath(path);
    if (full.empty()) return INVALID_FILE_ATTRIBUTES;
    return GetFileAttributesW(full.c_str());
}

}  // namespace

std::wstring FileSystemWin32::LongPath(const std::string& path) {
    std::wstring wide = Widen(path);
    // No path the system can name is longer; a longer one is not handed to its path functions
    // at all (some implementations overrun their buffers on one).
    if (wide.size() > kLongestPath) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return {};
    }
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
    if (out.size() > kLongestPath) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return {};
    }
    return out;
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
    DWORD settable = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY);
    return SetFileAttributesW(LongPath(path).c_str(),
                              settable == 0 ? FILE_ATTRIBUTE_NORMAL : settable) != FALSE;
}

bool FileSystemWin32::Enumerate(const std::string& pattern, std::vector<DirEntry>& entries) {
    entries.clear();
    if (pattern.empty()) return false;
    WIN32_FIND_DATAW data;
    const std::wstring full = LongPath(pattern);
    if (full.empty()) return false;
    FindHandle find(FindFirstFileExW(full.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                     nullptr, FIND_FIRST_EX_LARGE_FETCH));
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

std::unique_ptr<OpenEntry> FileSystemWin32::Open(const std::string& path, OpenFor purpose) {
    if (path.empty()) return nullptr;
    const std::wstring full = LongPath(path);
    constexpr DWORD kList = FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
    constexpr DWORD kDelete = DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
    constexpr DWORD kNoFollow = FILE_FLAG_OPEN_REPARSE_POINT;
    constexpr DWORD kFolder = FILE_FLAG_BACKUP_SEMANTICS;
    Handle h;
    std::shared_ptr<const MountTable> mounts;
    switch (purpose) {
        case OpenFor::Listing:
            h = OpenHandle(full, kList, kFolder, kShareAll);
            break;
        case OpenFor::Walking:
            // The mounts are read again for every purge: one may have been made meanwhile.
            mounts = ReadMountTable();
            {
                std::lock_guard<std::mutex> lock(mountsLock_);
                mounts_ = mounts;
            }
            h = OpenHandle(full, kList, kFolder, kShareHeld);
            break;
        case OpenFor::Removal:
            h = OpenHandle(full, kList | DELETE | FILE_WRITE_ATTRIBUTES, kFolder | kNoFollow,
                           kShareHeld);
            // Held open elsewhere, or not ours to remove: it can still be emptied. Every entry
            // below is checked against its expected path, so a rename meanwhile leads nowhere.
            if (!h && (GetLastError() == ERROR_ACCESS_DENIED ||
                       GetLastError() == ERROR_SHARING_VIOLATION))
                h = OpenHandle(full, kList, kFolder | kNoFollow, kShareAll);
            break;
        case OpenFor::Deletion:
            h = OpenHandle(full, kDelete, kNoFollow, kShareHeld);
            break;
        case OpenFor::AttributeReset:
            h = OpenHandle(full, kDelete | FILE_WRITE_ATTRIBUTES, kNoFollow, kShareHeld);
            break;
    }
    if (!h) return nullptr;
    if (!mounts) {
        std::lock_guard<std::mutex> lock(mountsLock_);
        mounts = mounts_;
    }
    return std::make_unique<OpenEntryWin32>(std::move(h), std::move(mounts));
}

std::string FileSystemWin32::LastErrorText() {
    return SystemErrorText(GetLastError());
}

bool FileSystemWin32::DeletesReadOnlyNames() {
    return DeletesReadOnlyNamesHere();
}

bool FileSystemWin32::DeletesReadOnlyNamesHere() {
    // The disposition flag that ignores the read-only attribute came with Windows 10 1809
    // (build 17763); Wine does not have it.
    static const bool supported = [] {
        if (UnderWine()) return false;
        using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
        auto fn = reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
        OSVERSIONINFOW info{};
        info.dwOSVersionInfoSize = sizeof info;
        if (fn == nullptr || fn(&info) != 0) return false;
        return info.dwMajorVersion > 10 ||
               (info.dwMajorVersion == 10 && info.dwBuildNumber >= 17763);
    }();
    return supported;
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
    Handle h = OpenOwnFile(path, GENERIC_WRITE, error);
    if (!h) return false;
    // Replaced in place: the name was checked, and it is this file that is emptied.
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(h.get(), start, nullptr, FILE_BEGIN) || !SetEndOfFile(h.get())) {
        error = SystemErrorText(GetLastError());
        return false;
    }
    return WriteAll(h.get(), bytes, error);
}

bool FileSystemWin32::AppendFile(const std::string& path, const std::string& bytes,
                                 std::string& error) {
    // Opened for appending alone: every write goes to the end, nothing before it is touched.
    Handle h = OpenOwnFile(path, FILE_APPEND_DATA, error);
    return h && WriteAll(h.get(), bytes, error);
}

std::string FileSystemWin32::NameKey(std::string_view text) {
    std::wstring wide = Widen(text);
    if (wide.empty()) return {};
    // The system's own upper case, as it compares names: one UTF-16 unit for one.
    std::wstring upper(wide.size(), L'\0');
    const int n = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.data(),
                                static_cast<int>(wide.size()), upper.data(),
                                static_cast<int>(upper.size()), nullptr, nullptr, 0);
    if (n <= 0) {
        CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
        return Narrow(wide);
    }
    upper.resize(static_cast<std::size_t>(n));
    return Narrow(upper);
}

bool FileSystemWin32::CopyFileTo(const std::string& from, const std::string& to, bool overwrite) {
    if (from.empty() || to.empty()) return false;
    return CopyFileW(LongPath(from).c_str(), LongPath(to).c_str(), overwrite ? FALSE : TRUE) !=
           FALSE;
}

bool FileSystemWin32::MoveReplacing(const std::string& from, const std::string& to) {
    if (from.empty() || to.empty()) return false;
    return MoveFileExW(LongPath(from).c_str(), LongPath(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace platform::win32
