#pragma once
// Which palette the running desktop theme corresponds to.

#include "platform/system.h"

namespace controls {

// 0 (blue) for "NormalColor", 1 (silver) for "Metallic", 2 (green) for "HomeStead", compared
// without regard to case; 0 for any other name, for systems before 5.1 (each version number is
// tested on its own, so 6.0 gives 0 too) and when the theme library is missing. A failing
// theme-name call propagates as an exception.
int DetectXPColorScheme(platform::System& system);

}  // namespace controls
