#include "platform/win32/registry_win32.h"

#include <windows.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

HKEY RootHandle(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::ClassesRoot:
            return HKEY_CLASSES_ROOT;
        case RegistryRoot::CurrentUser:
            return HKEY_CURRENT_USER;
        case RegistryRoot::LocalMachine:
            return HKEY_LOCAL_MACHINE;
        case RegistryRoot::Users:
            return HKEY_USERS;
        case RegistryRoot::CurrentConfig:
            return HKEY_CURRENT_CONFIG;
    }
    return nullptr;
}

// The system takes names as C strings: a name with a NUL would reach another value or key.
bool HasNul(std::string_view text) {
    return text.find('\0') != std::string_view::npos;
}

bool IsStringType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

class KeyWin32 final : public RegistryKey {
  public:
    explicit KeyWin32(HKEY key) : key_(key) {}
    ~KeyWin32() override { RegCloseKey(key_); }
    KeyWin32(const KeyWin32&) = delete;
    KeyWin32& operator=(const KeyWin32&) = delete;

    bool WriteDword(const std::string& name, std::uint32_t value) override {
        DWORD data = value;
        return Set(name, REG_DWORD, &data, sizeof(data));
    }

    bool WriteString(const std::string& name, const std::string& value) override {
        std::wstring text = Widen(value);
        return Set(name, REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    }

    bool WriteBinary(const std::string& name, const std::vector<std::uint8_t>& bytes) override {
        return Set(name, REG_BINARY, bytes.data(), bytes.size());
    }

    bool ValueExists(const std::string& name) override {
        if (HasNul(name)) return false;
        return RegQueryValueExW(key_, Widen(name).c_str(), nullptr, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS;
    }

    bool DeleteValue(const std::string& name) override {
        if (HasNul(name)) return false;
        return RegDeleteValueW(key_, Widen(name).c_str()) == ERROR_SUCCESS;
    }

    std::optional<RegistryValue> ReadValue(const std::string& name) override {
        if (HasNul(name)) return std::nullopt;
        std::wstring wname = Widen(name);
        std::vector<BYTE> buffer;
        DWORD type = 0;
        for (int attempt = 0; attempt < 4; ++attempt) {
            DWORD size = static_cast<DWORD>(buffer.size());
            LONG rc = RegQueryValueExW(key_, wname.c_str(), nullptr, &type,
                                       buffer.empty() ? nullptr : buffer.data(), &size);
            if (rc == ERROR_SUCCESS && (!buffer.empty() || size == 0)) {
                buffer.resize(size);
                return Convert(type, buffer);
            }
            if (rc != ERROR_SUCCESS && rc != ERROR_MORE_DATA) return std::nullopt;
            buffer.resize(size + sizeof(wchar_t));  // the value may have grown meanwhile
        }
        return std::nullopt;
    }

    std::vector<std::string> SubKeyNames() override {
        std::vector<std::string> names;
        wchar_t name[256];  // key names are at most 255 characters
        for (DWORD i = 0;; ++i) {
            DWORD length = 256;
            LONG rc = RegEnumKeyExW(key_, i, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (rc == ERROR_MORE_DATA) continue;
            if (rc != ERROR_SUCCESS) break;
            names.push_back(Narrow(std::wstring_view(name, length)));
        }
        return names;
    }

    std::vector<std::string> ValueNames() override {
        std::vector<std::string> names;
        wchar_t name[16384];  // value names are at most 16,383 characters
        for (DWORD i = 0;; ++i) {
            DWORD length = 16384;
            LONG rc = RegEnumValueW(key_, i, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (rc == ERROR_MORE_DATA) continue;
            if (rc != ERROR_SUCCESS) break;
            names.push_back(Narrow(std::wstring_view(name, length)));
        }
        return names;
    }

    std::vector<StoredValue> StoredValues() override {
        std::vector<StoredValue> values;
        DWORD longestName = 0, longestData = 0;
        if (RegQueryInfoKeyW(key_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS)
            return values;
        std::wstring name;
        std::vector<BYTE> data;
        for (DWORD i = 0;;) {
            name.resize(longestName + 1);
            data.resize(longestData);
            DWORD nameLength = static_cast<DWORD>(name.size());
            DWORD size = static_cast<DWORD>(data.size());
            DWORD type = 0;
            const LONG rc = RegEnumValueW(key_, i, name.data(), &nameLength, nullptr, &type,
                                          data.empty() ? nullptr : data.data(), &size);
            if (rc == ERROR_MORE_DATA) {
                // A value grew since the key was measured: measure again.
                longestName = std::max<DWORD>(longestName * 2, 256);
                longestData = std::max<DWORD>(std::max(longestData * 2, size), 256);
                continue;
            }
            if (rc != ERROR_SUCCESS) break;
            values.push_back({Narrow(std::wstring_view(name.data(), nameLength)),
                              static_cast<RegistryType>(type),
                              std::vector<std::uint8_t>(data.begin(), data.begin() + size)});
            ++i;
        }
        return values;
    }

    bool WriteStored(const StoredValue& value) override {
        return Set(value.name, static_cast<DWORD>(value.type), value.bytes.data(),
                   value.bytes.size());
    }

  private:
    bool Set(const std::string& name, DWORD type, const void* data, size_t size) {
        if (HasNul(name)) return false;
        return RegSetValueExW(key_, Widen(name).c_str(), 0, type, static_cast<const BYTE*>(data),
                              static_cast<DWORD>(size)) == ERROR_SUCCESS;
    }

    static RegistryValue Convert(DWORD type, const std::vector<BYTE>& bytes) {
        RegistryValue value;
        value.type = static_cast<RegistryType>(type);
        if (IsStringType(type)) {
            std::wstring_view text(reinterpret_cast<const wchar_t*>(bytes.data()),
                                   bytes.size() / sizeof(wchar_t));
            if (type == REG_MULTI_SZ) {
                // The strings stay apart at their NULs; the list's terminators go.
                while (!text.empty() && text.back() == L'\0') text.remove_suffix(1);
            } else {
                // A string ends at its first NUL, as every reader of it through the system's C
                // strings sees it; what follows (anyone may store "type\0junk") is not its text.
                text = text.substr(0, text.find(L'\0'));
            }
            std::string utf8 = Narrow(text);
            value.data.assign(utf8.begin(), utf8.end());
        } else {
            value.data.assign(bytes.begin(), bytes.end());
        }
        return value;
    }

    HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> RegistryWin32::OpenKey(RegistryRoot root, const std::string& path,
                                                    KeyMode mode) {
    // The system takes the path as a C string: one with a NUL would open (or create) the key
    // named by the text before it, which is another key.
    if (HasNul(path)) return nullptr;
    std::string relative = path;
    while (!relative.empty() && relative.front() == '\\') relative.erase(relative.begin());
    std::wstring wpath = Widen(relative);
    HKEY key = nullptr;
    LONG rc;
    if (mode == KeyMode::CreateIfMissing) {
        rc = RegCreateKeyExW(RootHandle(root), wpath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_ALL_ACCESS, nullptr, &key, nullptr);
    } else {
        REGSAM access = mode == KeyMode::ReadOnly ? KEY_READ : KEY_ALL_ACCESS;
        rc = RegOpenKeyExW(RootHandle(root), wpath.c_str(), 0, access, &key);
    }
    if (rc != ERROR_SUCCESS) return nullptr;
    return std::make_unique<KeyWin32>(key);
}

namespace {

// What a key of a tree being deleted is opened with.
constexpr REGSAM kTreeAccess = DELETE | KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE;

// The key NAME of PARENT itself, never the key a symbolic link named so leads to (anyone who
// may write a key may make one lead anywhere, the machine's keys too); null when it is
// missing, refused or a link.
HKEY OpenNoLink(HKEY parent, const std::wstring& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, name.c_str(), REG_OPTION_OPEN_LINK, kTreeAccess, &key) !=
        ERROR_SUCCESS)
        return nullptr;
    DWORD type = REG_NONE;
    if (RegQueryValueExW(key, L"SymbolicLinkValue", nullptr, &type, nullptr, nullptr) ==
            ERROR_SUCCESS &&
        type == REG_LINK) {
        RegCloseKey(key);
        return nullptr;
    }
    return key;
}

// Deletes the key open as KEY through its handle (so the key checked is the key deleted),
// after everything below it; a link below it stays, and so does every key above the link.
bool DeleteOpenedTree(HKEY key) {
    using DeleteKeyFunction = LONG(NTAPI*)(HANDLE);
    static const auto deleteKey = reinterpret_cast<DeleteKeyFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtDeleteKey")));
    std::vector<std::wstring> names;
    wchar_t name[256];  // the longest key name the system allows, and its NUL
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    bool whole = true;
    for (const std::wstring& child : names) {
        HKEY opened = OpenNoLink(key, child);
        whole = opened && DeleteOpenedTree(opened) && whole;
        if (opened) RegCloseKey(opened);
    }
    return whole && deleteKey && deleteKey(key) == 0;
}

}  // namespace

bool RegistryWin32::DeleteKeyTree(RegistryRoot root, const std::string& path) {
    if (HasNul(path)) return false;
    // Every key of the path is opened as itself, none through a link.
    std::vector<std::wstring> parts;
    const std::wstring wide = Widen(path);
    for (std::size_t at = 0; at <= wide.size();) {
        std::size_t end = wide.find(L'\\', at);
        if (end == std::wstring::npos) end = wide.size();
        if (end > at) parts.push_back(wide.substr(at, end - at));
        at = end + 1;
    }
    if (parts.empty()) return false;  // never the root
    HKEY key = RootHandle(root);
    for (const std::wstring& part : parts) {
        HKEY next = OpenNoLink(key, part);
        if (key != RootHandle(root)) RegCloseKey(key);
        if (!next) return false;
        key = next;
    }
    const bool deleted = DeleteOpenedTree(key);
    RegCloseKey(key);
    return deleted;
}

}  // namespace platform::win32
