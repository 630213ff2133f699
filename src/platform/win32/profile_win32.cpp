#include "platform/win32/profile_win32.h"

#include <windows.h>

#include <stdexcept>

#include "platform/win32/text.h"

namespace platform::win32 {

std::string ProfileWin32::ReadString(const std::string& path, const std::string& section,
                                     const std::string& key, const std::string& defaultValue) {
    std::wstring buffer(kProfileValueLimit + 1, L'\0');
    DWORD n = GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(),
                                       Widen(defaultValue).c_str(), buffer.data(),
                                       static_cast<DWORD>(buffer.size()), Widen(path).c_str());
    buffer.resize(n);
    return Narrow(buffer);
}

void ProfileWin32::WriteValue(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& value) {
    if (!WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(),
                                    Widen(value).c_str(), Widen(path).c_str())) {
        throw std::runtime_error("Unable to write to " + path);
    }
}

bool ProfileWin32::SectionExists(const std::string& path, const std::string& section) {
    // With no key name the function lists the section's key names; one is enough to know.
    wchar_t buffer[16];
    DWORD n = GetPrivateProfileStringW(Widen(section).c_str(), nullptr, L"", buffer,
                                       static_cast<DWORD>(std::size(buffer)), Widen(path).c_str());
    return n > 0;
}

}  // namespace platform::win32
