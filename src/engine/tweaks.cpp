#include "engine/tweaks.h"

#include <stdexcept>
#include <vector>

#include "platform/registry.h"
#include "platform/shell.h"

namespace engine {

namespace {

using platform::KeyMode;
using platform::RegistryRoot;

const std::vector<std::uint8_t> kBinaryOne = {0x01, 0x00, 0x00, 0x00};

[[noreturn]] void FailedToSet(const std::string& name) {
    throw std::runtime_error("Failed to set data for '" + name + "'");
}

std::unique_ptr<platform::RegistryKey> OpenOrCreate(platform::Registry& registry, RegistryRoot root,
                                                    const std::string& path) {
    return registry.OpenKey(root, path, KeyMode::CreateIfMissing);
}

// Writes 01 00 00 00 into NAME of KEY; a missing key is a write that failed.
void WriteBinaryOne(platform::RegistryKey* key, const std::string& name) {
    if (!key || !key->WriteBinary(name, kBinaryOne)) FailedToSet(name);
}

void DeleteIfPresent(platform::RegistryKey& key, const std::string& name) {
    if (key.ValueExists(name)) (void)key.DeleteValue(name);  // a refusal leaves the value
}

// The recent-documents choice for one value, through its own key object.
void ApplyRecentValue(platform::Registry& registry, const std::string& name, bool noWrite) {
    auto key = OpenOrCreate(registry, RegistryRoot::CurrentUser, kExplorerPoliciesKey);
    if (!key) return;
    if (noWrite)
        WriteBinaryOne(key.get(), name);
    else
        DeleteIfPresent(*key, name);
}

std::string ReplaceWindir(std::string text, const std::string& windowsFolder) {
    static const std::string kToken = "%windir%";
    for (std::size_t i = 0; i + kToken.size() <= text.size();) {
        bool match = true;
        for (std::size_t k = 0; k < kToken.size() && match; ++k) {
            char c = text[i + k];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            match = c == kToken[k];
        }
        if (match) {
            text.replace(i, kToken.size(), windowsFolder);
            i += windowsFolder.size();
        } else {
            ++i;
        }
    }
    return text;
}

}  // namespace

void ApplyHistoryChoice(platform::Registry& registry, bool noWrite) {
    auto key = OpenOrCreate(registry, RegistryRoot::CurrentUser, kPoliciesKey);
    if (!key) return;
    if (noWrite) {
        if (!key->WriteDword("NoRecentDocsHistory", 1)) FailedToSet("NoRecentDocsHistory");
    } else {
        DeleteIfPresent(*key, "NoRecentDocsHistory");
    }
}

void ApplyRecentChoice(platform::Registry& registry, bool noWrite) {
    ApplyRecentValue(registry, "NoRecentDocsHistory", noWrite);
    ApplyRecentValue(registry, "NoRecentDocsMenu", noWrite);
}

void WriteSpeedMemory(platform::Registry& registry) {
    // The lock limit goes into the "Memory Management" sub-key of the session manager key;
    // without the parent key there is nothing to create the sub-key in.
    static const std::string kSubKey = "Memory Management";
    auto sessionManager = OpenOrCreate(registry, RegistryRoot::LocalMachine, kSessionManagerKey);
    if (!sessionManager) throw std::runtime_error("Failed to create key " + kSubKey);
    {
        auto sub = OpenOrCreate(registry, RegistryRoot::LocalMachine,
                                std::string(kSessionManagerKey) + "\\" + kSubKey);
        if (!sub) throw std::runtime_error("Failed to create key " + kSubKey);
        if (!sub->WriteString("IoPageLockLimit", std::to_string(65536000))) {
            FailedToSet("IoPageLockLimit");
        }
    }
    sessionManager.reset();

    auto memory = OpenOrCreate(registry, RegistryRoot::LocalMachine, kMemoryManagementKey);
    WriteBinaryOne(memory.get(), "DisablePagingExecutive");
    WriteBinaryOne(memory.get(), "LargeSystemCache");
}

bool ApplyDllCacheQuota(platform::Registry& registry, int sizeMb) {
    auto key = OpenOrCreate(registry, RegistryRoot::LocalMachine, kWinlogonKey);
    if (!key) return false;
    if (!key->WriteDword("SfcQuota", static_cast<std::uint32_t>(sizeMb))) FailedToSet("SfcQuota");
    return true;
}

void ApplyDrWatsonChoice(platform::Registry& registry, bool cutOff) {
    auto key = OpenOrCreate(registry, RegistryRoot::LocalMachine, kAeDebugKey);
    if (!key) return;
    if (!key->WriteString("Auto", cutOff ? "0" : "1")) FailedToSet("Auto");
}

void StartMessengerRemoval(platform::Shell& shell, platform::WindowHandle owner,
                           const std::string& windowsFolder) {
    // The shell opens a file, not a command line: the program is the first word and the
    // rest is its parameter string.
    std::string command = ReplaceWindir(kMessengerCommand, windowsFolder);
    std::size_t space = command.find(' ');
    (void)shell.StartProgram(owner, command.substr(0, space), command.substr(space + 1),
                             platform::kShowNormal);  // a failure to start goes unnoticed
}

}  // namespace engine
