#include "forms/disk_manager/disk_table.h"

#include <array>
#include <cstdio>
#include <optional>

#include "platform/volumes.h"

namespace tools {

namespace {

std::string Hex(std::uint32_t value, const char* format) {
    char text[16];
    std::snprintf(text, sizeof text, format, static_cast<unsigned>(value));
    return text;
}

}  // namespace

std::string DriveKindName(std::uint32_t type) {
    static constexpr std::array<const char*, 7> kNames = {
        "Unknown", "No", "Removable disk", "Hard Disk", "Network Disk", "CD-ROM", "RAM"};
    return type < kNames.size() ? kNames[type] : kNames[0];
}

std::string MegabytesText(std::uint64_t bytes) {
    constexpr std::uint64_t kMegabyte = 1024 * 1024;
    constexpr std::uint64_t kHalf = kMegabyte / 2;
    std::uint64_t whole = bytes / kMegabyte;
    const std::uint64_t rest = bytes % kMegabyte;
    if (rest > kHalf || (rest == kHalf && whole % 2 == 1)) ++whole;
    return std::to_string(whole) + "  Mb";
}

std::string FlagsText(std::uint32_t flags) {
    return Hex(flags, "%04X");
}

std::string SerialText(std::uint32_t serial) {
    return Hex(serial, "%08X");
}

std::vector<DriveRow> DriveRows(platform::Volumes& volumes) {
    std::vector<DriveRow> rows;
    const std::uint32_t mask = volumes.LogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if (!(mask & (1u << letter))) continue;
        DriveRow row(kDriveCells);
        const std::string root = std::string(1, static_cast<char>('A' + letter)) + ":\\";
        row[1] = root;
        const std::uint32_t type = volumes.DriveType(root);
        row[2] = DriveKindName(type);
        if (type != platform::drive::kCdRom && type != platform::drive::kRemovable) {
            if (std::optional<platform::VolumeInformation> info = volumes.Information(root)) {
                row[3] = info->label;
                row[6] = info->fileSystem;
                row[7] = std::to_string(info->maxComponentLength);
                row[8] = FlagsText(info->fileSystemFlags);
                row[9] = SerialText(info->serialNumber);
            }
            if (std::optional<platform::DiskSpace> space = volumes.Space(root)) {
                row[4] = MegabytesText(space->total);
                row[5] = MegabytesText(space->totalFree);
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace tools
