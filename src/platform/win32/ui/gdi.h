#pragma once
// RAII for GDI objects and device contexts.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace platform::win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const {
        if (object) DeleteObject(object);
    }
};
template <typename T>
using GdiPtr = std::unique_ptr<std::remove_pointer_t<T>, GdiObjectDeleter>;
using PenPtr = GdiPtr<HPEN>;
using BrushPtr = GdiPtr<HBRUSH>;
using FontPtr = GdiPtr<HFONT>;
using BitmapPtr = GdiPtr<HBITMAP>;
using RegionPtr = GdiPtr<HRGN>;

// Selects an object into a DC and restores the previous one.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectGuard() { SelectObject(dc_, old_); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A memory DC with a compatible bitmap selected; restores the old bitmap before deleting.
class MemoryDC {
public:
    MemoryDC(HDC reference, int width, int height)
        : dc_(CreateCompatibleDC(reference)),
          bitmap_(CreateCompatibleBitmap(reference, width > 0 ? width : 1, height > 0 ? height : 1)),
          old_(SelectObject(dc_, bitmap_)) {}
    ~MemoryDC() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

}  // namespace platform::win32
