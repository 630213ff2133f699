#pragma once
// The delay-imported system DLLs (the shell, OLE, automation) are loaded from the system folder
// only, never from the program's or the current folder, like those FindSystemFunction loads.
// Portable header: the entry points include it without <windows.h>.

namespace platform::win32 {

// Call first thing in an entry point, before anything that could call into those DLLs.
void LoadDelayedDllsFromSystemFolder();

}  // namespace platform::win32
