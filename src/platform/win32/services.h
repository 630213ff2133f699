#pragma once
// The real Windows services. This header is portable on purpose: the entry point and the
// Windows tests include it without <windows.h>.

#include <memory>

#include "platform/services.h"

namespace platform::win32 {

// Owns one instance of every real service family.
class RealServices {
  public:
    RealServices();
    ~RealServices();
    RealServices(const RealServices&) = delete;
    RealServices& operator=(const RealServices&) = delete;

    const Services& Get() const { return services_; }

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    Services services_;
};

}  // namespace platform::win32
