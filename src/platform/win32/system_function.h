#pragma once
// Functions of the system DLLs that only some actions need (the URL cache, sounds, the save
// dialog, screen readers), found on first use instead of imported: every imported DLL is
// loaded and initialised, with the DLLs it brings, before the program starts.

#include <windows.h>

namespace platform::win32 {

// The function NAME of the system DLL DLL, loaded from the system folder only (never from the
// program's or the current folder); null when either is missing. The DLL stays loaded.
FARPROC FindSystemFunction(const wchar_t* dll, const char* name);

// The same, typed: SystemFunction<decltype(PlaySoundW)>(L"winmm.dll", "PlaySoundW").
template <typename Fn>
Fn* SystemFunction(const wchar_t* dll, const char* name) {
    // Through the generic function type, which converts to any other without a warning.
    return reinterpret_cast<Fn*>(reinterpret_cast<void (*)()>(FindSystemFunction(dll, name)));
}

}  // namespace platform::win32
