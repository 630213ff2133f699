#pragma once
// Device-context helpers over the handle owners: selecting an object for a scope, and memory
// DCs that put the old bitmap back before the DC goes.

#include <windows.h>

#include "platform/win32/handles.h"

namespace platform::win32 {

// Selects an object into a DC and restores the previous one.
class SelectGuard {
  public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (old_) SelectObject(dc_, old_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// A memory DC compatible with REFERENCE with BITMAP (owned by the caller, who keeps it longer)
// selected into it.
class CompatibleDc {
  public:
    CompatibleDc(HDC reference, HBITMAP bitmap)
        : dc_(CreateCompatibleDC(reference)), select_(dc_.get(), bitmap) {}
    HDC Get() const { return dc_.get(); }

  private:
    DcOwner dc_;
    SelectGuard select_;
};

// An off-screen buffer of WIDTH x HEIGHT (at least 1 x 1) compatible with REFERENCE.
class MemoryDC {
  public:
    MemoryDC(HDC reference, int width, int height)
        : bitmap_(
              CreateCompatibleBitmap(reference, width > 0 ? width : 1, height > 0 ? height : 1)),
          dc_(reference, bitmap_.get()) {}
    HDC Get() const { return dc_.Get(); }

  private:
    BitmapOwner bitmap_;  // before the DC that borrows it
    CompatibleDc dc_;
};

}  // namespace platform::win32
