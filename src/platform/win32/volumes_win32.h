#pragma once
// Logical drives and volumes through GetLogicalDrives, GetDriveTypeW, GetVolumeInformationW
// and GetDiskFreeSpaceExW. No call shows a system error box (a drive without a medium fails
// quietly).

#include "platform/volumes.h"

namespace platform::win32 {

class VolumesWin32 final : public Volumes {
  public:
    std::uint32_t LogicalDrives() override;
    std::uint32_t DriveType(const std::string& root) override;
    std::optional<VolumeInformation> Information(const std::string& root) override;
    std::optional<DiskSpace> Space(const std::string& root) override;
};

}  // namespace platform::win32
