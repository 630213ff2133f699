#pragma once
// The disk manager's drive table as text: one row per present drive, ten cells each.

#include <cstdint>
#include <string>
#include <vector>

namespace platform {
class Volumes;
}

namespace tools {

// Cell 0 stays empty; 1 root, 2 kind, 3 label, 4 total and 5 free size, 6 file system,
// 7 maximum name length, 8 flags, 9 serial number.
inline constexpr int kDriveCells = 10;
using DriveRow = std::vector<std::string>;

// The name of a drive kind as the platform numbers it; "Unknown" for a number it never gives.
std::string DriveKindName(std::uint32_t type);
// Whole megabytes (an exact half goes to the even neighbour), then two spaces and "Mb".
std::string MegabytesText(std::uint64_t bytes);
// Upper-case hexadecimal with at least four digits.
std::string FlagsText(std::uint32_t flags);
// Upper-case hexadecimal, exactly eight digits.
std::string SerialText(std::uint32_t serial);

// A row for each drive letter present, A to Z. CD-ROM and removable drives get their root and
// kind only, and nothing else is asked of them (no waiting for a medium). For other drives a
// volume query that fails leaves its cells empty.
std::vector<DriveRow> DriveRows(platform::Volumes& volumes);

}  // namespace tools
