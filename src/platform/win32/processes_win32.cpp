#include "platform/win32/processes_win32.h"

// <windows.h> must come first.
// clang-format off
#include <windows.h>
#include <tlhelp32.h>
// clang-format on

#include "platform/win32/handles.h"
#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

using KernelHandle = HandleOwner<HANDLE, &CloseHandle>;

using CreateSnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
using ProcessWalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32W*);
using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
using GetModuleFileNameExFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);

// The cast goes through void* to silence the function-pointer cast warning.
template <typename Fn>
Fn Lookup(HMODULE library, const char* name) {
    return library ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)))
                   : nullptr;
}

// Module paths may be longer than MAX_PATH; the buffer grows up to the longest path there is.
constexpr DWORD kLongestPath = 32768;

}  // namespace

struct ProcessesWin32::StatusLibrary {
    LibraryOwner library{LoadLibraryW(L"psapi.dll")};
    EnumProcessesFn enumProcesses = Lookup<EnumProcessesFn>(library.get(), "EnumProcesses");
    EnumProcessModulesFn enumModules =
        Lookup<EnumProcessModulesFn>(library.get(), "EnumProcessModules");
    GetModuleFileNameExFn moduleFileName =
        Lookup<GetModuleFileNameExFn>(library.get(), "GetModuleFileNameExW");
};

namespace {

class ProcessQueryWin32 final : public ProcessQuery {
  public:
    ProcessQueryWin32(HANDLE process, const ProcessesWin32::StatusLibrary& status)
        : process_(process), status_(status) {}

    std::optional<std::string> MainModulePath() override {
        if (!status_.enumModules || !status_.moduleFileName) return std::nullopt;
        // The first module handle the process reports is its executable.
        HMODULE module = nullptr;
        DWORD needed = 0;
        if (!status_.enumModules(process_.get(), &module, sizeof(module), &needed) || !module)
            return std::nullopt;
        std::wstring path(MAX_PATH + 1, L'\0');
        for (;;) {
            DWORD size = static_cast<DWORD>(path.size());
            DWORD n = status_.moduleFileName(process_.get(), module, path.data(), size);
            if (n == 0) return std::nullopt;
            if (n < size - 1 || size >= kLongestPath) {
                path.resize(n);
                return Narrow(path);
            }
            path.assign(static_cast<size_t>(size) * 2, L'\0');  // it may have been cut short
        }
    }

  private:
    KernelHandle process_;
    const ProcessesWin32::StatusLibrary& status_;
};

}  // namespace

ProcessesWin32::ProcessesWin32() = default;
ProcessesWin32::~ProcessesWin32() = default;

ProcessesWin32::StatusLibrary& ProcessesWin32::Status() {
    if (!status_) status_ = std::make_unique<StatusLibrary>();
    return *status_;
}

std::optional<std::vector<std::string>> ProcessesWin32::SnapshotExeNames() {
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    auto snapshotFn = Lookup<CreateSnapshotFn>(kernel, "CreateToolhelp32Snapshot");
    auto firstFn = Lookup<ProcessWalkFn>(kernel, "Process32FirstW");
    auto nextFn = Lookup<ProcessWalkFn>(kernel, "Process32NextW");
    if (!snapshotFn) return std::nullopt;
    HANDLE raw = snapshotFn(TH32CS_SNAPPROCESS, 0);
    if (raw == INVALID_HANDLE_VALUE) return std::nullopt;
    KernelHandle snapshot(raw);
    std::vector<std::string> names;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL got = firstFn && firstFn(snapshot.get(), &entry); got;
         got = nextFn && nextFn(snapshot.get(), &entry)) {
        // The name field ends at its first NUL (or at its end).
        size_t length = 0;
        while (length < MAX_PATH && entry.szExeFile[length] != L'\0') ++length;
        names.push_back(Narrow(std::wstring_view(entry.szExeFile, length)));
    }
    return names;
}

std::optional<std::vector<std::uint32_t>> ProcessesWin32::ProcessIds() {
    StatusLibrary& status = Status();
    if (!status.enumProcesses) return std::nullopt;
    // Room for 4096 ids first; a full buffer may mean the list was cut short, so it grows.
    std::vector<DWORD> ids(4096);
    for (;;) {
        DWORD bytes = static_cast<DWORD>(ids.size() * sizeof(DWORD));
        DWORD returned = 0;
        if (!status.enumProcesses(ids.data(), bytes, &returned)) return std::nullopt;
        if (returned < bytes || ids.size() >= (1u << 20)) {
            ids.resize(returned / sizeof(DWORD));
            return std::vector<std::uint32_t>(ids.begin(), ids.end());
        }
        ids.resize(ids.size() * 2);
    }
}

std::unique_ptr<ProcessQuery> ProcessesWin32::Open(std::uint32_t id) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
    if (!process) return nullptr;
    return std::make_unique<ProcessQueryWin32>(process, Status());
}

}  // namespace platform::win32
