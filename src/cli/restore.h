#pragma once
// --restore FILE: puts back the keys and values of a registry backup. The file is read whole
// first; one that cannot be read, or that holds a line that is not understood, changes nothing.

#include <string>

#include "platform/console.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace cli {

// Restores FILE into REGISTRY, telling CONSOLE what was done; returns the exit code: done, bad
// usage (a file that cannot be read or is not a registry file) or something left (a key or
// value the registry refused).
int Restore(const std::string& file, platform::FileSystem& files, platform::Registry& registry,
            platform::Console& console);

}  // namespace cli
