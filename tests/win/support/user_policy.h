#pragma once
// The signed-in user's Skarvel policy key for a test: empty at the start, gone again when the
// test ends however it ends; values are written with Set.

#include <windows.h>

#include <string>

namespace wintest {

class UserPolicy {
  public:
    static constexpr wchar_t kKey[] = L"SOFTWARE\\Policies\\Skarvel";
    UserPolicy() { RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }
    ~UserPolicy() { RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }
    UserPolicy(const UserPolicy&) = delete;
    UserPolicy& operator=(const UserPolicy&) = delete;

    // Writes the DWORD NAME under the policy key's SUB-key; false when it could not.
    bool Set(const std::wstring& sub, const wchar_t* name, DWORD value) const {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, (std::wstring(kKey) + L"\\" + sub).c_str(), 0,
                            nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
            return false;
        const bool written =
            RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                           sizeof value) == ERROR_SUCCESS;
        RegCloseKey(key);
        return written;
    }
};

}  // namespace wintest
