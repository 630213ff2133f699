#pragma once
// Logical drives and volumes: which drive letters exist, what kind of drive each is, and
// what its volume reports. Roots are "C:\" (letter, colon, backslash).

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Drive kinds, numbered as the platform numbers them.
namespace drive {
constexpr std::uint32_t kUnknown = 0;
constexpr std::uint32_t kNoRootDir = 1;
constexpr std::uint32_t kRemovable = 2;
constexpr std::uint32_t kFixed = 3;
constexpr std::uint32_t kRemote = 4;
constexpr std::uint32_t kCdRom = 5;
constexpr std::uint32_t kRamDisk = 6;
}  // namespace drive

struct VolumeInformation {
    std::string label;
    std::uint32_t serialNumber = 0;
    std::uint32_t maxComponentLength = 0;  // of one name in a path
    std::uint32_t fileSystemFlags = 0;
    std::string fileSystem;  // "NTFS", "FAT32"...
};

struct DiskSpace {
    std::uint64_t freeToCaller = 0;  // bytes the calling user may still use
    std::uint64_t total = 0;
    std::uint64_t totalFree = 0;  // free bytes on the volume, whoever may use them
};

class Volumes {
  public:
    virtual ~Volumes() = default;

    // Bit I set for each present drive letter, bit 0 = A; 0 when the call fails.
    virtual std::uint32_t LogicalDrives() = 0;
    // The kind of drive ROOT is (drive::...).
    virtual std::uint32_t DriveType(const std::string& root) = 0;
    // What the volume at ROOT reports; nullopt when it cannot be asked (no medium, a
    // disconnected share...).
    virtual std::optional<VolumeInformation> Information(const std::string& root) = 0;
    virtual std::optional<DiskSpace> Space(const std::string& root) = 0;
};

}  // namespace platform
