#pragma once
// Helpers shared by the Windows engine tests.

#include <windows.h>

#include <string>
#include <vector>

namespace wintest {

std::string Capture(const std::wstring& commandLine);
std::string Squeeze(const std::string& text);

// Remembers one registry value and puts it back (or removes it) when destroyed, so a test
// leaves the prefix's system settings as it found them.
class SavedValue {
  public:
    SavedValue(HKEY root, std::wstring key, std::wstring name);
    ~SavedValue();
    SavedValue(const SavedValue&) = delete;
    SavedValue& operator=(const SavedValue&) = delete;

  private:
    HKEY root_;
    std::wstring key_, name_;
    bool existed_ = false;
    DWORD type_ = 0;
    std::vector<BYTE> data_;
};

}  // namespace wintest
