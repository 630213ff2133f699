#pragma once
// Owners for COM: an interface pointer that is released once, and memory from the COM task
// allocator (item identifier lists, strings the shell returns).

#include <objbase.h>

#include <memory>
#include <utility>

namespace platform::win32 {

template <typename T>
class ComPtr {
  public:
    ComPtr() = default;
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { Reset(); }

    T* operator->() const { return p_; }
    T* Get() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For calls that hand out a new reference; releases the one held now.
    T** Out() {
        Reset();
        return &p_;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }
    void Reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }

  private:
    T* p_ = nullptr;
};

struct CoTaskMemFreer {
    void operator()(void* memory) const { CoTaskMemFree(memory); }
};
// Memory the COM task allocator handed out (CoTaskMemFree).
template <typename T>
using CoTaskMemOwner = std::unique_ptr<T, CoTaskMemFreer>;

}  // namespace platform::win32
