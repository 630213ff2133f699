#pragma once
#include "platform/url_cache.h"

namespace platform::win32 {

class UrlCacheWin32 final : public UrlCache {
  public:
    UrlCacheContents CountUrlCache() override;
    std::size_t ClearUrlCache() override;
};

}  // namespace platform::win32
