#pragma once
#include "platform/shell.h"

namespace platform::win32 {

class ShellWin32 final : public Shell {
  public:
    std::string SpecialFolderPath(int number) override;
    bool StartProgram(WindowHandle owner, const std::string& file, const std::string& parameters,
                      int showMode) override;
    RecycleBinStatus EmptyRecycleBins(WindowHandle owner) override;
    std::optional<RecycleBinContents> QueryRecycleBins() override;
};

}  // namespace platform::win32
