#include "platform/win32/url_cache_win32.h"

#include <windows.h>
#include <wininet.h>

#include <cstdint>
#include <vector>

#include "platform/win32/system_function.h"

namespace platform::win32 {

namespace {

// One cache-entry record, sized anew for every entry. Backed by 8-byte units so the
// record's pointer fields are aligned.
class EntryBuffer {
  public:
    void Resize(DWORD bytes) {
        storage_.assign((bytes + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t), 0);
        size_ = bytes;
        // The record carries its own size in its first field.
        if (bytes >= sizeof(INTERNET_CACHE_ENTRY_INFOW)) Info()->dwStructSize = bytes;
    }
    INTERNET_CACHE_ENTRY_INFOW* Info() {
        return storage_.empty() ? nullptr
                                : reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(storage_.data());
    }
    DWORD* Size() { return &size_; }

  private:
    std::vector<std::uint64_t> storage_;
    DWORD size_ = 0;
};

// The cache's functions, from WinINet on first use; all null when it is missing.
struct CacheFunctions {
    decltype(FindFirstUrlCacheEntryW)* findFirst =
        SystemFunction<decltype(FindFirstUrlCacheEntryW)>(L"wininet.dll",
                                                          "FindFirstUrlCacheEntryW");
    decltype(FindNextUrlCacheEntryW)* findNext =
        SystemFunction<decltype(FindNextUrlCacheEntryW)>(L"wininet.dll", "FindNextUrlCacheEntryW");
    decltype(FindCloseUrlCache)* findClose =
        SystemFunction<decltype(FindCloseUrlCache)>(L"wininet.dll", "FindCloseUrlCache");
    decltype(DeleteUrlCacheEntryW)* deleteEntry =
        SystemFunction<decltype(DeleteUrlCacheEntryW)>(L"wininet.dll", "DeleteUrlCacheEntryW");
    bool Whole() const { return findFirst && findNext && findClose && deleteEntry; }
};

const CacheFunctions& Cache() {
    static const CacheFunctions functions;
    return functions;
}

// A fetch that needs a bigger buffer (the entry grew since its size was asked) is
// retried with the size the cache now reports; any other failure ends the walk.
constexpr int kFetchAttempts = 3;

// Walks the cache's entries, giving each one's record to VISIT.
template <typename Visit>
void WalkEntries(Visit visit) {
    const CacheFunctions& cache = Cache();
    if (!cache.Whole()) return;  // no cache to walk
    EntryBuffer buffer;
    DWORD needed = 0;
    HANDLE find = cache.findFirst(nullptr, nullptr, &needed);
    for (int attempt = 0; !find && attempt < kFetchAttempts; ++attempt) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed == 0) break;
        buffer.Resize(needed);
        find = cache.findFirst(nullptr, buffer.Info(), buffer.Size());
        needed = *buffer.Size();
    }
    if (!find) return;

    for (;;) {
        visit(*buffer.Info());

        needed = 0;
        bool fetched = false;
        if (!cache.findNext(find, nullptr, &needed)) {
            for (int attempt = 0; attempt < kFetchAttempts; ++attempt) {
                if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed == 0) break;
                buffer.Resize(needed);
                if (cache.findNext(find, buffer.Info(), buffer.Size())) {
                    fetched = true;
                    break;
                }
                needed = *buffer.Size();
            }
        }
        if (!fetched) break;  // no more entries, or a failure that ends the walk
    }
    cache.findClose(find);
}

}  // namespace

UrlCacheContents UrlCacheWin32::CountUrlCache() {
    UrlCacheContents contents;
    WalkEntries([&](const INTERNET_CACHE_ENTRY_INFOW& entry) {
        ++contents.entries;
        contents.bytes += (static_cast<std::uint64_t>(entry.dwSizeHigh) << 32) | entry.dwSizeLow;
    });
    return contents;
}

std::size_t UrlCacheWin32::ClearUrlCache() {
    std::size_t deleted = 0;
    WalkEntries([&](const INTERNET_CACHE_ENTRY_INFOW& entry) {
        if (Cache().deleteEntry(entry.lpszSourceUrlName)) ++deleted;
    });
    return deleted;
}

}  // namespace platform::win32
