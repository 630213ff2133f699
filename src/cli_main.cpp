// skarvel-cli.exe entry point: the real services, the console, the command line.

#include "cli/cli.h"
#include "platform/win32/console_win32.h"
#include "platform/win32/delay_load.h"
#include "platform/win32/ole_session.h"
#include "platform/win32/services.h"

int main() {
    platform::win32::LoadDelayedDllsFromSystemFolder();
    platform::win32::OleSession ole;  // the shell's folder lookups
    platform::win32::RealServices services;
    platform::win32::ConsoleWin32 console;
    const platform::Services& all = services.Get();
    const engine::CleaningServices cleaning{*all.files,    *all.system, *all.profile,
                                            *all.registry, *all.shell,  *all.urlCache};
    return cli::RunCommandLine(platform::win32::CommandLineArguments(), cleaning, *all.processes,
                               console, {all.taskScheduler, all.eventLog});
}
