#pragma once
// The Internet URL cache.

#include <cstddef>
#include <cstdint>

namespace platform {

struct UrlCacheContents {
    std::size_t entries = 0;
    std::uint64_t bytes = 0;
};

class UrlCache {
  public:
    virtual ~UrlCache() = default;
    // What the cache holds now; nothing is changed.
    virtual UrlCacheContents CountUrlCache() = 0;
    // Deletes every cache entry through the cache's own enumeration, one by one. Entries
    // that cannot be deleted (in use) stay. Returns how many entries were deleted.
    virtual std::size_t ClearUrlCache() = 0;
};

}  // namespace platform
