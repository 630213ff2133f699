#pragma once
// Picks the native peer for a control by its PeerKind().

#include <memory>

#include "platform/win32/ui/win32_state.h"
#include "ui/backend.h"

namespace platform::win32 {

std::unique_ptr<ui::ControlPeer> CreateWin32Peer(Win32State& state, ui::Control& control);

}  // namespace platform::win32
