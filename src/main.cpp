// Windows entry point: wires the real services and the Win32 toolkit backend into the
// program and runs it.

#include "app/skarvel_app.h"
#include "platform/win32/delay_load.h"
#include "platform/win32/ole_session.h"
#include "platform/win32/services.h"
#include "platform/win32/ui/win32_backend.h"

int main() {
    platform::win32::LoadDelayedDllsFromSystemFolder();
    platform::win32::OleSession ole;  // for the whole run, before any service or window
    platform::win32::RealServices services;
    platform::win32::Win32Backend backend;
    return app::RunSkarvel(backend, services.Get());
}
