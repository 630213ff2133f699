#pragma once
// Shell services: special folders, starting programs, the recycle bin.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/window_handle.h"

namespace platform {

// Special folder numbers the program asks for.
namespace csidl {
constexpr int kRecent = 8;
constexpr int kInternetCache = 32;
constexpr int kCookies = 33;
constexpr int kHistory = 34;
}  // namespace csidl

enum class RecycleBinStatus {
    Called,         // the shell's empty call was made (its own result is not reported)
    EntryMissing,   // the shell library has no such entry point: nothing was emptied
    LibraryMissing  // the shell library could not be loaded
};

struct RecycleBinContents {
    std::uint64_t items = 0;
    std::uint64_t bytes = 0;
};

// Show modes for StartProgram, numbered as the platform numbers them.
constexpr int kShowNormal = 1;

class Shell {
  public:
    virtual ~Shell() = default;

    // The path of the special folder NUMBER, or "" when the shell has none.
    virtual std::string SpecialFolderPath(int number) = 0;

    // Opens FILE with PARAMETERS through the shell (default verb), without waiting.
    // Returns whether the shell reported success.
    virtual bool StartProgram(WindowHandle owner, const std::string& file,
                              const std::string& parameters, int showMode) = 0;

    // Empties the recycle bins of every drive without confirmation, progress window or
    // sound. The shell library is loaded for this call only.
    virtual RecycleBinStatus EmptyRecycleBins(WindowHandle owner) = 0;
    // What the recycle bins of every drive hold; nullopt when the shell cannot tell.
    virtual std::optional<RecycleBinContents> QueryRecycleBins() = 0;
};

}  // namespace platform
