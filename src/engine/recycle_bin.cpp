#include "engine/recycle_bin.h"

#include "platform/shell.h"

namespace engine {

void EmptyRecycleBin(platform::Shell& shell, platform::WindowHandle owner,
                     const std::function<void(const std::string&)>& showError) {
    if (shell.EmptyRecycleBins(owner) == platform::RecycleBinStatus::LibraryMissing && showError) {
        showError("Failed to load Shell32.dll.");
    }
}

}  // namespace engine
