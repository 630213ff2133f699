// The real skarvel.exe runs with the version 6 common controls its manifest asks for.

#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cwctype>
#include <string>

#include "win/support/linux_side.h"
#include "win/support/running_program.h"

namespace {

std::wstring Lower(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return text;
}

// The path of the comctl32.dll loaded in process PID; empty when none is.
std::wstring CommonControlsOf(DWORD pid) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (snapshot == INVALID_HANDLE_VALUE) return {};
    MODULEENTRY32W module{};
    module.dwSize = sizeof(module);
    std::wstring path;
    for (BOOL more = Module32FirstW(snapshot, &module); more && path.empty();
         more = Module32NextW(snapshot, &module))
        if (Lower(module.szModule) == L"comctl32.dll") path = module.szExePath;
    CloseHandle(snapshot);
    return path;
}

TEST(Manifest, TheRunningProgramUsesTheVersion6CommonControls) {
    wintest::RunningProgram program;
    ASSERT_NE(program.Main(), nullptr) << "main window not found";
    const std::wstring path = CommonControlsOf(program.ProcessId());
    ASSERT_FALSE(path.empty()) << "no comctl32.dll in the program";
    // Loaded from the side-by-side assembly of the common controls 6.0, not the system folder.
    const std::wstring lower = Lower(path);
    EXPECT_NE(lower.find(L"\\winsxs\\"), std::wstring::npos) << lower;
    EXPECT_NE(lower.find(L"common-controls_6595b64144ccf1df_6."), std::wstring::npos) << lower;

    // The library's own answer. Wine's copy in that assembly answers 5.81 as its system
    // folder twin does, so there the assembly it came from is the evidence.
    HMODULE library = LoadLibraryW(path.c_str());
    ASSERT_NE(library, nullptr);
    DLLVERSIONINFO version{};
    version.cbSize = sizeof(version);
    auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(GetProcAddress(library, "DllGetVersion")));
    ASSERT_NE(getVersion, nullptr);
    ASSERT_EQ(getVersion(&version), S_OK);
    if (!wintest::UnderWine()) {
        EXPECT_GE(version.dwMajorVersion, 6u);
    }
    FreeLibrary(library);
    EXPECT_EQ(program.Close(), 0u);
}

}  // namespace
