#include "platform/win32/volumes_win32.h"

#include <windows.h>

#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

// Keeps the system's "no disk in drive" box away for the life of one query.
class QuietErrors {
  public:
    QuietErrors() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~QuietErrors() { SetErrorMode(previous_); }
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;

  private:
    UINT previous_;
};

}  // namespace

std::uint32_t VolumesWin32::LogicalDrives() {
    return GetLogicalDrives();
}

std::uint32_t VolumesWin32::DriveType(const std::string& root) {
    return GetDriveTypeW(Widen(root).c_str());
}

std::optional<VolumeInformation> VolumesWin32::Information(const std::string& root) {
    QuietErrors quiet;
    wchar_t label[MAX_PATH + 1] = {};
    wchar_t fileSystem[MAX_PATH + 1] = {};
    DWORD serial = 0, maxComponent = 0, flags = 0;
    if (!GetVolumeInformationW(Widen(root).c_str(), label, MAX_PATH + 1, &serial, &maxComponent,
                               &flags, fileSystem, MAX_PATH + 1))
        return std::nullopt;
    return VolumeInformation{Narrow(label), serial, maxComponent, flags, Narrow(fileSystem)};
}

std::optional<DiskSpace> VolumesWin32::Space(const std::string& root) {
    QuietErrors quiet;
    ULARGE_INTEGER freeToCaller{}, total{}, totalFree{};
    if (!GetDiskFreeSpaceExW(Widen(root).c_str(), &freeToCaller, &total, &totalFree))
        return std::nullopt;
    return DiskSpace{freeToCaller.QuadPart, total.QuadPart, totalFree.QuadPart};
}

}  // namespace platform::win32
