#include <windows.h>

#include <string>

#include "conformance/registry_conformance.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/text.h"

namespace {

// A key of its own under HKEY_CURRENT_USER per test, removed afterwards.
class Win32Env {
  public:
    Win32Env() {
        static int counter = 0;
        key_ = "Software\\SkarvelTest\\Conformance" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(++counter);
    }
    ~Win32Env() {
        RegDeleteTreeW(HKEY_CURRENT_USER, platform::win32::Widen(key_).c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\SkarvelTest");
    }
    platform::Registry& Registry() { return registry_; }
    std::string Scratch() {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, platform::win32::Widen(key_).c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS)
            RegCloseKey(key);
        return key_;
    }
    // Through the system's own call, with the length given: the NULs are stored as they are.
    void PutRaw(const std::string& path, const std::string& name, platform::RegistryType type,
                const std::string& data) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, platform::win32::Widen(path).c_str(), 0,
                                  nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        const std::wstring wide = platform::win32::Widen(data);
        EXPECT_EQ(
            RegSetValueExW(key, platform::win32::Widen(name).c_str(), 0, static_cast<DWORD>(type),
                           reinterpret_cast<const BYTE*>(wide.data()),
                           static_cast<DWORD>(wide.size() * sizeof(wchar_t))),
            ERROR_SUCCESS);
        RegCloseKey(key);
    }

  private:
    std::string key_;
    platform::win32::RegistryWin32 registry_;
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, RegistryConformance, Win32Env);
