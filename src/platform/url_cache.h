#pragma once
// The Internet URL cache.

#include <cstddef>

namespace platform {

class UrlCache {
  public:
    virtual ~UrlCache() = default;
    // Deletes every cache entry through the cache's own enumeration, one by one. Entries
    // that cannot be deleted (in use) stay. Returns how many entries were deleted.
    virtual std::size_t ClearUrlCache() = 0;
};

}  // namespace platform
