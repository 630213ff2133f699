#pragma once
// A URL cache for tests: a list of entry URLs, some of them locked (in use).

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/url_cache.h"

namespace fakes {

class FakeUrlCache : public platform::UrlCache {
  public:
    std::vector<std::string> entries;
    std::set<std::string> locked;
    int clearCalls = 0;

    platform::UrlCacheContents CountUrlCache() override { return {entries.size(), 0}; }
    std::size_t ClearUrlCache() override {
        ++clearCalls;
        std::size_t before = entries.size();
        std::erase_if(entries, [&](const std::string& url) { return !locked.count(url); });
        return before - entries.size();
    }
};

}  // namespace fakes
