#pragma once
// Where the cleaning targets live. Every call asks the platform again, so a changed
// temp folder or user is seen at once.

#include <string>

#include "engine/categories.h"

namespace platform {
class System;
class Shell;
}  // namespace platform

namespace engine {

class CleaningPaths {
  public:
    CleaningPaths(platform::System& system, platform::Shell& shell)
        : system_(system), shell_(shell) {}

    // The Windows directory without trailing backslash. Read again on every call; when the
    // read fails the last value read stands ("" before the first success).
    std::string WindowsDirectory();
    // The drive root of the Windows directory ("C:\\"); a Windows directory that already
    // ends with a backslash is returned whole; "" when it cannot be read.
    std::string WindowsDriveRoot();
    // The log-on name, or "No" when it cannot be read.
    std::string CurrentUserName();
    // The temp folder as the platform returns it, trailing backslash included.
    std::string TempFolder();
    // The path of special folder NUMBER (see platform::csidl), "" when there is none.
    std::string SpecialFolder(int number);
    // ITEM inside the Opera profile folder of the current user.
    std::string OperaProfileItem(const std::string& item);
    // A folder below the Windows directory (RELATIVE starts with a backslash); "" while that
    // is unknown, so the target counts as missing instead of turning into a folder at the
    // root of the current drive.
    std::string UnderWindows(const char* relative);

    // The folder a category's box shows in the file list and the run empties; "" for
    // categories that are not folders (Opera files, the recycle bin, the tweaks).
    std::string CategoryFolder(Category category);

  private:
    platform::System& system_;
    platform::Shell& shell_;
    std::string windowsDirectory_;
};

}  // namespace engine
