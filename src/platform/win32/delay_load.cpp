#include "platform/win32/delay_load.h"

#include <windows.h>
#include <delayimp.h>

namespace platform::win32 {

namespace {

// The loader asks before it loads a delay-imported DLL: a module handed back is taken instead.
FARPROC WINAPI LoadFromSystemFolder(unsigned note, PDelayLoadInfo info) {
    if (note != dliNotePreLoadLibrary || !info || !info->szDll) return nullptr;
    return reinterpret_cast<FARPROC>(
        LoadLibraryExA(info->szDll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
}

}  // namespace

void LoadDelayedDllsFromSystemFolder() {
    __pfnDliNotifyHook2 = LoadFromSystemFolder;
}

}  // namespace platform::win32
