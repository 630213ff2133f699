#pragma once
// Owners of Win32 handles: one move-only type per kind of handle, each releasing it the way the
// system asks (the release function is part of the type). A null handle owns nothing.
//
// GDI objects and device contexts, and the USER objects the program makes (menus, cursors),
// keep a live count: Wine's GetGuiResources is a stub, so the tests that check for leaks count
// through these owners. Declare an owner before anything that borrows its handle.

#include <windows.h>

#include <atomic>
#include <utility>

namespace platform::win32 {

// What a handle kind is counted as.
enum class HandleCount { None, Gdi, User };

// Live handles of each counted kind made through the owners.
int LiveGdiHandles();
int LiveUserHandles();

namespace detail {
inline std::atomic<int> liveGdi{0};
inline std::atomic<int> liveUser{0};
inline void Count(HandleCount kind, int delta) {
    if (kind == HandleCount::Gdi) liveGdi += delta;
    if (kind == HandleCount::User) liveUser += delta;
}
}  // namespace detail

inline int LiveGdiHandles() {
    return detail::liveGdi;
}
inline int LiveUserHandles() {
    return detail::liveUser;
}

template <typename Handle, auto Release, HandleCount Kind = HandleCount::None>
class HandleOwner {
  public:
    HandleOwner() = default;
    // Takes HANDLE (the result of the call that made it, null when that failed).
    explicit HandleOwner(Handle handle) noexcept : handle_(handle) {
        if (handle_) detail::Count(Kind, +1);
    }
    HandleOwner(HandleOwner&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    HandleOwner& operator=(HandleOwner&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    HandleOwner(const HandleOwner&) = delete;
    HandleOwner& operator=(const HandleOwner&) = delete;
    ~HandleOwner() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    // Releases the handle owned now and takes HANDLE.
    void reset(Handle handle = nullptr) noexcept {
        if (handle_) {
            (void)Release(handle_);  // nothing to do when the system refuses
            detail::Count(Kind, -1);
        }
        handle_ = handle;
        if (handle_) detail::Count(Kind, +1);
    }
    // Gives up ownership without releasing.
    Handle release() noexcept {
        if (handle_) detail::Count(Kind, -1);
        return std::exchange(handle_, nullptr);
    }

  private:
    Handle handle_ = nullptr;
};

// GDI objects (DeleteObject).
using BrushOwner = HandleOwner<HBRUSH, &DeleteObject, HandleCount::Gdi>;
using PenOwner = HandleOwner<HPEN, &DeleteObject, HandleCount::Gdi>;
using FontOwner = HandleOwner<HFONT, &DeleteObject, HandleCount::Gdi>;
using BitmapOwner = HandleOwner<HBITMAP, &DeleteObject, HandleCount::Gdi>;
using RegionOwner = HandleOwner<HRGN, &DeleteObject, HandleCount::Gdi>;
// A device context the program created (CreateCompatibleDC: DeleteDC).
using DcOwner = HandleOwner<HDC, &DeleteDC, HandleCount::Gdi>;
// USER objects.
using MenuOwner = HandleOwner<HMENU, &DestroyMenu, HandleCount::User>;
using CursorOwner = HandleOwner<HCURSOR, &DestroyCursor, HandleCount::User>;
using IconOwner = HandleOwner<HICON, &DestroyIcon, HandleCount::User>;
using WindowOwner = HandleOwner<HWND, &DestroyWindow>;
// Kernel and loader handles.
using LibraryOwner = HandleOwner<HMODULE, &FreeLibrary>;
// Memory the system allocated with LocalAlloc for the caller (LocalFree).
using LocalMemoryOwner = HandleOwner<HLOCAL, &LocalFree>;

// The DC of a window borrowed from the system (GetDC or GetWindowDC: ReleaseDC).
class WindowDc {
  public:
    // The window's whole area (GetWindowDC) or its client area only.
    enum class Area { Client, Window };
    WindowDc(HWND hwnd, Area area) noexcept
        : hwnd_(hwnd), dc_(area == Area::Window ? GetWindowDC(hwnd) : GetDC(hwnd)) {
        if (dc_) detail::Count(HandleCount::Gdi, +1);
    }
    ~WindowDc() {
        if (!dc_) return;
        ReleaseDC(hwnd_, dc_);
        detail::Count(HandleCount::Gdi, -1);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const noexcept { return dc_; }

  private:
    HWND hwnd_;
    HDC dc_;
};

// The paint DC of a WM_PAINT (BeginPaint; EndPaint however the painting ends).
class PaintDc {
  public:
    explicit PaintDc(HWND hwnd) noexcept : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
    ~PaintDc() { EndPaint(hwnd_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const noexcept { return dc_; }
    const RECT& Dirty() const noexcept { return paint_.rcPaint; }

  private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

}  // namespace platform::win32
