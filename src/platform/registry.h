#pragma once
// The system registry. Keys are opened per operation and closed when their object goes
// away. Every call reports failure by its result and never throws; the caller decides
// which failures are errors. Names are C strings to the system: a key path or value name
// holding a NUL names nothing (opening, reading and writing it fail).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig };

enum class KeyMode {
    OpenExisting,     // full access; fails when the key is missing
    CreateIfMissing,  // full access; creates the key (and its parents) when missing
    ReadOnly,         // read access only; fails when the key is missing
};

// Value types, numbered as the platform numbers them.
enum class RegistryType : std::uint32_t {
    None = 0,
    String = 1,
    ExpandString = 2,
    Binary = 3,
    Dword = 4,
    MultiString = 7,
    Qword = 11,
};

struct RegistryValue {
    RegistryType type = RegistryType::None;
    // String and expandable string: the UTF-8 text up to its first NUL (whatever was stored
    // after it is not part of the text). Multi-string: the strings with a NUL between each
    // two, without the terminators. Other types: the raw bytes (a DWORD as four
    // little-endian bytes).
    std::vector<std::uint8_t> data;

    std::string Text() const { return {data.begin(), data.end()}; }
};

// A value exactly as the system stores it: strings as UTF-16 LE with whatever terminators and
// NULs were stored, other types as their bytes. TYPE may be any number the system allows.
struct StoredValue {
    std::string name;  // "" for the key's default value
    RegistryType type = RegistryType::None;
    std::vector<std::uint8_t> bytes;
    bool operator==(const StoredValue&) const = default;
};

class RegistryKey {
  public:
    virtual ~RegistryKey() = default;  // closes the key

    virtual bool WriteDword(const std::string& name, std::uint32_t value) = 0;
    virtual bool WriteString(const std::string& name, const std::string& value) = 0;
    virtual bool WriteBinary(const std::string& name, const std::vector<std::uint8_t>& bytes) = 0;
    virtual bool ValueExists(const std::string& name) = 0;
    virtual bool DeleteValue(const std::string& name) = 0;
    // The value NAME ("" for the key's default value), or nullopt when it is missing.
    virtual std::optional<RegistryValue> ReadValue(const std::string& name) = 0;
    // The names of the direct sub-keys, in the registry's order.
    virtual std::vector<std::string> SubKeyNames() = 0;
    // The names of the key's values, in the registry's order ("" for a default value that is set).
    virtual std::vector<std::string> ValueNames() = 0;
    // Every value of the key as stored, in the registry's order.
    virtual std::vector<StoredValue> StoredValues() = 0;
    // Stores VALUE exactly as given (its type and bytes).
    virtual bool WriteStored(const StoredValue& value) = 0;
};

class Registry {
  public:
    virtual ~Registry() = default;
    // Opens PATH below ROOT. A leading backslash is allowed (the path is always taken from
    // the root); the empty path opens the root itself. Returns null on failure.
    virtual std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path,
                                                 KeyMode mode) = 0;
    // Deletes the key PATH below ROOT with every sub-key and value it holds. False when it is
    // missing or the system refuses; the root itself is never deleted.
    virtual bool DeleteKeyTree(RegistryRoot root, const std::string& path) = 0;
};

}  // namespace platform
