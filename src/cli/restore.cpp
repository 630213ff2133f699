#include "cli/restore.h"

#include "cli/cli.h"
#include "engine/reg_file.h"

namespace cli {

int Restore(const std::string& file, platform::FileSystem& files, platform::Registry& registry,
            platform::Console& console) {
    auto error = [&console](const std::string& text) {
        console.Write(platform::Stream::Error, "skarvel-cli: " + text + "\n");
    };
    const std::optional<std::string> bytes = files.ReadFile(file);
    if (!bytes) {
        error("cannot read '" + file + "'");
        return kExitUsage;
    }
    const engine::ParsedRegFile parsed = engine::ParseRegFile(*bytes);
    if (!parsed.problems.empty()) {
        for (const std::string& problem : parsed.problems) error(file + ": " + problem);
        error("nothing was restored");
        return kExitUsage;
    }
    std::size_t keys = 0, values = 0;
    std::string failures;
    for (const engine::ImportedKey& imported : parsed.keys) {
        const std::string name = engine::FullKeyName(imported.key);
        auto key = registry.OpenKey(imported.key.root, imported.key.path,
                                    platform::KeyMode::CreateIfMissing);
        if (!key) {
            failures += "    left: " + name + "\\: the registry refused to create it\n";
            continue;
        }
        ++keys;
        for (const platform::StoredValue& value : imported.values) {
            if (key->WriteStored(value)) {
                ++values;
                continue;
            }
            failures += "    left: " + name + "|" +
                        (value.name.empty() ? "(default)" : value.name) +
                        ": the registry refused to write it\n";
        }
    }
    console.Write(platform::Stream::Out, "Restored " + std::to_string(keys) + " keys and " +
                                             std::to_string(values) + " values from " + file +
                                             ".\n" + failures);
    return failures.empty() ? kExitDone : kExitSomethingLeft;
}

}  // namespace cli
