#pragma once
// Emptying every recycle bin through the shell.

#include <functional>
#include <string>

#include "platform/window_handle.h"

namespace platform {
class Shell;
}

namespace engine {

// Empties the bins of all drives without asking. When the shell library cannot be loaded,
// SHOWERROR receives "Failed to load Shell32.dll." (to be shown as an error message box);
// other failures are not reported.
void EmptyRecycleBin(platform::Shell& shell, platform::WindowHandle owner,
                     const std::function<void(const std::string&)>& showError);

}  // namespace engine
