#pragma once
// Start-up and shut-down of the program.

#include "platform/services.h"
#include "ui/backend.h"

namespace app {

// Sets the title, creates the seven windows in order (each running its creation handler),
// runs the message loop and tears the windows down. Returns the process exit code.
int RunSkarvel(ui::Backend& backend, const platform::Services& services);

}  // namespace app
