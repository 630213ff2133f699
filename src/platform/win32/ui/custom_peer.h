#pragma once
// A child window painted by its control (check boxes, panels, headers...).

#include "platform/win32/ui/window_peer.h"

namespace platform::win32 {

class CustomPeer final : public WindowPeer {
  public:
    CustomPeer(Win32State& state, ui::Control& control);
};

}  // namespace platform::win32
