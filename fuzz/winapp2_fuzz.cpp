// Any bytes as a winapp2.ini file: reading must neither crash nor hand out an entry that breaks
// the reader's own promises (a valid unique id, a path for every key, known variables only,
// registry keys with a known root, DetectOS ranges that were checked, problems with the line
// they name).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "engine/registry_key_path.h"
#include "engine/winapp2_reader.h"

namespace w2 = engine::winapp2;

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckPath(const std::string& path) {
    Check(!path.empty());
    for (std::size_t at = path.find('%'); at != std::string::npos; at = path.find('%', at)) {
        std::size_t end = path.find('%', at + 1);
        Check(end != std::string::npos);
        Check(w2::IsKnownVariable(std::string_view(path).substr(at + 1, end - at - 1)));
        at = end + 1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    w2::Definitions defs = w2::ReadDefinitions(text);

    int lines = 1;
    for (char c : text) lines += c == '\n';
    for (const w2::Problem& problem : defs.problems) {
        Check(problem.line >= 1 && problem.line <= lines);
        Check(problem.message.rfind("line " + std::to_string(problem.line) + ": ", 0) == 0);
    }

    std::set<std::string> ids;
    int previous = 0;
    for (const w2::Entry& entry : defs.entries) {
        Check(entry.line > previous && entry.line <= lines);
        previous = entry.line;
        Check(entry.id == w2::IdOf(entry.name) && entry.id.size() > 3);
        Check(entry.id.front() != '-' && entry.id.back() != '-');
        Check(ids.insert(entry.id).second);
        for (const std::string& path : entry.detectFiles) CheckPath(path);
        for (const std::string& key : entry.detect) Check(!key.empty());
        if (!entry.detectOs.empty()) {
            // A checked range holds its own lower end (0.0 when open below).
            std::string low = entry.detectOs.substr(0, entry.detectOs.find('|'));
            int major = 0, minor = 0;
            (void)std::sscanf(low.c_str(), "%d.%d", &major, &minor);
            Check(w2::OsInRange(entry.detectOs, major, minor));
        }
        for (const w2::FileKey& file : entry.files) {
            Check(file.line > entry.line && file.line <= lines);
            CheckPath(file.path);
            Check(!file.masks.empty());
            for (const std::string& mask : file.masks) Check(!mask.empty());
        }
        for (const w2::ExcludeKey& exclude : entry.excludes) {
            Check(exclude.line > entry.line && exclude.line <= lines);
            if (exclude.kind == w2::ExcludeKind::Registry) {
                Check(engine::ParseRegistryKey(exclude.path).has_value());
                continue;
            }
            CheckPath(exclude.path);
            Check(exclude.kind == w2::ExcludeKind::Path || !exclude.masks.empty());
        }
        for (const w2::RegKey& key : entry.registryKeys) {
            Check(key.line > entry.line && key.line <= lines);
            Check(engine::ParseRegistryKey(key.key).has_value());
            Check(!key.wholeKey || key.value.empty());
        }
        for (const w2::FileKey& file : entry.files) Check(!file.removeSelf || file.recurse);
    }

    // The same text reads the same way again.
    w2::Definitions again = w2::ReadDefinitions(text);
    Check(again.entries.size() == defs.entries.size() &&
          again.problems.size() == defs.problems.size());
    return 0;
}
