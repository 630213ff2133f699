#pragma once
// A folder's entries as a walk keeps them: every name in one buffer and a small record per
// entry (no 8.3 names), so that a folder of a hundred thousand entries costs a few megabytes,
// not tens of them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace engine {

class CompactListing {
  public:
    // Past 4 GB of names (tens of millions of entries) the rest is left out: not walked, so
    // not deleted, and the folder is then not empty to remove.
    void Add(const platform::DirEntry& entry) {
        if (names_.size() + entry.name.size() > UINT32_MAX) return;
        records_.push_back(
            {entry.size, static_cast<std::uint32_t>(names_.size()), entry.attributes});
        names_ += entry.name;
    }
    void Clear() {
        records_.clear();
        names_.clear();
    }
    // Gives back what growing left unused, once the listing is complete.
    void Fit() {
        records_.shrink_to_fit();
        names_.shrink_to_fit();
    }
    std::size_t Size() const { return records_.size(); }

    std::string_view Name(std::size_t i) const {
        const std::size_t end = i + 1 < records_.size() ? records_[i + 1].nameAt : names_.size();
        return std::string_view(names_).substr(records_[i].nameAt, end - records_[i].nameAt);
    }
    std::uint32_t Attributes(std::size_t i) const { return records_[i].attributes; }
    std::uint64_t Bytes(std::size_t i) const { return records_[i].size; }
    bool IsFolder(std::size_t i) const {
        return (records_[i].attributes & platform::attr::kDirectory) != 0;
    }
    // Entry I as the platform listed it, but for its 8.3 name.
    void Get(std::size_t i, platform::DirEntry& entry) const {
        entry.name.assign(Name(i));
        entry.attributes = records_[i].attributes;
        entry.size = records_[i].size;
        entry.shortName.clear();
    }

  private:
    struct Record {
        std::uint64_t size;
        std::uint32_t nameAt;  // where its name starts in names_; it ends where the next starts
        std::uint32_t attributes;
    };
    std::vector<Record> records_;
    std::string names_;
};

}  // namespace engine
