// Cost of the checked purge on a real file system (run under Wine by scripts/bench-purge, or on
// Windows): 20,000 empty files in 1,000 folders, made afresh before every measurement, emptied
// by PurgeFolder and by a plain walk (FindFirstFileExW with a large fetch, DeleteFileW,
// RemoveDirectoryW) in alternation. Each measurement runs in a child process so that its peak
// working set is its own.
//
//   purge_bench [ROUNDS] [FOLDERS] [FILES]   driver: prints every run and the median ratio
//   purge_bench --make FOLDERS FILES ROOT     makes a tree
//   purge_bench --purge safe|plain|preview ROOT   empties (or previews) ROOT, prints "seconds peak
//   base" (KB)
//                                             and its thread id (for counting requests)
//   purge_bench --memory                      the peak working set of 2,000-file and 200,000-file
//                                             purges (100 and 10,000 folders of 20 files)
//   purge_bench --floor ROOT [ROUNDS]         the per-file cost of the system calls each walk
//                                             cannot do without, in one folder of 500 files
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/purge.h"
#include "platform/win32/files_win32.h"

namespace {

std::wstring Widen(const std::string& s) {
    return std::wstring(s.begin(), s.end());  // the bench's own ASCII paths
}

std::size_t WorkingSetKb(bool peak) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return (peak ? counters.PeakWorkingSetSize : counters.WorkingSetSize) / 1024;
}

void MakeTree(int folders, int files, const std::string& root) {
    CreateDirectoryW(Widen(root).c_str(), nullptr);
    for (int d = 0; d < folders; ++d) {
        const std::string folder = root + "\\folder" + std::to_string(d);
        CreateDirectoryW(Widen(folder).c_str(), nullptr);
        for (int f = 0; f < files; ++f) {
            HANDLE h =
                CreateFileW(Widen(folder + "\\file" + std::to_string(f) + ".tmp").c_str(),
                            GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
        }
    }
}

// The baseline: no checks at all.
void PlainWalk(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &data,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring full = folder + L"\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            PlainWalk(full);
            RemoveDirectoryW(full.c_str());
        } else {
            DeleteFileW(full.c_str());
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

int Purge(const std::string& variant, const std::string& root) {
    const std::size_t base = WorkingSetKb(false);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (variant == "safe" || variant == "preview") {
        platform::win32::FileSystemWin32 files;
        wchar_t windows[MAX_PATH];
        GetWindowsDirectoryW(windows, MAX_PATH);
        std::string windowsFolder(windows, windows + wcslen(windows));
        engine::PurgeFolder(
            files, root, windowsFolder,
            {.mode = variant == "safe" ? engine::PurgeMode::Clean : engine::PurgeMode::Preview});
    } else {
        PlainWalk(Widen(root));
    }
    QueryPerformanceCounter(&end);
    std::printf("%.4f %zu %zu %04lx\n", double(end.QuadPart - start.QuadPart) / frequency.QuadPart,
                WorkingSetKb(true), base, GetCurrentThreadId());
    return 0;
}

// The calls a walk makes for one file, timed alone: the floor under each walk's cost. The
// checked delete cannot drop any of them where a file link lists as a plain file (Wine): only
// the handle's name tells it, and a delete-on-close open cannot be taken back once the name
// shows a link, so the deletion is a call of its own.
enum class FileCalls { PlainDelete, OpenClose, OpenNameClose, OpenNameDispositionClose };

double SecondsNow() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / frequency.QuadPart;
}

// Microseconds per file for CALLS over FILES fresh files in FOLDER.
double TimeFileCalls(FileCalls calls, const std::string& folder, int files) {
    MakeTree(0, 0, folder);
    const std::wstring wide = Widen(folder);
    for (int f = 0; f < files; ++f) {
        HANDLE h = CreateFileW((wide + L"\\file" + std::to_wstring(f)).c_str(), GENERIC_WRITE, 0,
                               nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
    const double start = SecondsNow();
    for (int f = 0; f < files; ++f) {
        const std::wstring path = wide + L"\\file" + std::to_wstring(f);
        if (calls == FileCalls::PlainDelete) {
            DeleteFileW(path.c_str());
            continue;
        }
        HANDLE h = CreateFileW(path.c_str(), DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (h == INVALID_HANDLE_VALUE) continue;
        if (calls != FileCalls::OpenClose) {
            wchar_t name[MAX_PATH];
            GetFinalPathNameByHandleW(h, name, MAX_PATH, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        }
        if (calls == FileCalls::OpenNameDispositionClose) {
            FILE_DISPOSITION_INFO disposition{TRUE};
            SetFileInformationByHandle(h, FileDispositionInfo, &disposition, sizeof disposition);
        }
        CloseHandle(h);
    }
    const double micros = (SecondsNow() - start) / files * 1e6;
    for (int f = 0; f < files; ++f) DeleteFileW((wide + L"\\file" + std::to_wstring(f)).c_str());
    RemoveDirectoryW(wide.c_str());
    return micros;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int Floor(const std::string& folder, int rounds) {
    const char* names[] = {"plain delete (open deleting on close, close)", "open, close",
                           "open, name, close (the preview)",
                           "open, name, disposition, close (the clean)"};
    std::vector<double> micros[4];
    for (int round = 0; round < rounds; ++round)
        for (int k = 0; k < 4; ++k)
            micros[k].push_back(TimeFileCalls(static_cast<FileCalls>(k), folder, 500));
    double median[4];
    for (int k = 0; k < 4; ++k) {
        median[k] = Median(micros[k]);
        std::printf("floor: %-46s %7.1f us per file\n", names[k], median[k]);
    }
    std::printf("floor: clean/plain %.2f, preview/clean %.2f\n", median[3] / median[0],
                median[2] / median[3]);
    return 0;
}

struct Run {
    double seconds = 0;
    std::size_t peakKb = 0, baseKb = 0;
};

Run RunChild(const std::string& variant, const std::string& root) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command =
        L"\"" + std::wstring(self) + L"\" --purge " + Widen(variant) + L" \"" + Widen(root) + L"\"";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd, writeEnd;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi{};
    Run run;
    if (CreateProcessW(self, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si,
                       &pi)) {
        CloseHandle(writeEnd);
        std::string out;
        char buffer[256];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
            out.append(buffer, got);
        WaitForSingleObject(pi.hProcess, INFINITE);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        std::sscanf(out.c_str(), "%lf %zu %zu", &run.seconds, &run.peakKb, &run.baseKb);
    } else {
        CloseHandle(writeEnd);
    }
    CloseHandle(readEnd);
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 4 && args[0] == "--make") {
        MakeTree(std::atoi(args[1].c_str()), std::atoi(args[2].c_str()), args[3]);
        return 0;
    }
    if (args.size() == 3 && args[0] == "--purge") return Purge(args[1], args[2]);
    if (args.size() >= 2 && args[0] == "--floor")
        return Floor(args[1], args.size() > 2 ? std::atoi(args[2].c_str()) : 7);

    const bool memory = !args.empty() && args[0] == "--memory";
    const int rounds = args.size() > 0 && !memory ? std::atoi(args[0].c_str()) : 3;
    const int folders = args.size() > 1 ? std::atoi(args[1].c_str()) : 1000;
    const int files = args.size() > 2 ? std::atoi(args[2].c_str()) : 20;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::string root = std::string(temp, temp + wcslen(temp)) + "skarvel-purge-bench-" +
                             std::to_string(GetCurrentProcessId());

    if (memory) {
        // What a purge holds grows with the largest folder's listing, not with the tree.
        for (const char* variant : {"safe", "preview"}) {
            std::ptrdiff_t over[2];
            for (int k = 0; k < 2; ++k) {
                MakeTree(k == 0 ? 100 : 10000, 20, root);
                const Run run = RunChild(variant, root);
                over[k] = static_cast<std::ptrdiff_t>(run.peakKb - run.baseKb);
                RunChild("plain", root);  // a preview leaves the tree
                RemoveDirectoryW(Widen(root).c_str());
            }
            std::printf(
                "memory: %-7s peak over start %6zd KB for 2,000 files, %6zd KB for "
                "200,000: %+zd KB\n",
                variant, over[0], over[1], over[1] - over[0]);
        }
        return 0;
    }
    std::printf("%d folders x %d empty files, %d rounds, alternating\n", folders, files, rounds);
    std::vector<double> safe, plain, preview, ratios, previewRatios;
    auto measure = [&](const char* variant, std::vector<double>& times, int round) {
        const Run run = RunChild(variant, root);
        times.push_back(run.seconds);
        std::printf("round %d %-7s %8.3f s  peak working set %6zu KB (%+zd KB over start)\n",
                    round + 1, variant, run.seconds, run.peakKb,
                    static_cast<std::ptrdiff_t>(run.peakKb - run.baseKb));
    };
    for (int round = 0; round < rounds; ++round) {
        // Alternate which goes first, so neither always meets a warmer cache. The preview
        // walks the tree the safe purge then empties.
        for (int k = 0; k < 2; ++k) {
            MakeTree(folders, files, root);
            if ((round + k) % 2 == 0) {
                measure("preview", preview, round);
                measure("safe", safe, round);
            } else {
                measure("plain", plain, round);
            }
            RemoveDirectoryW(Widen(root).c_str());
        }
        ratios.push_back(safe.back() / plain.back());
        previewRatios.push_back(preview.back() / safe.back());
    }
    std::printf("median: safe %.3f s, plain %.3f s, median ratio safe/plain %.2f\n", Median(safe),
                Median(plain), Median(ratios));
    std::printf("median: preview %.3f s, median ratio preview/safe %.2f\n", Median(preview),
                Median(previewRatios));
    return 0;
}
