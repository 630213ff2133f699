// The source tree's structure: each folder includes only the folders its library links, Win32
// headers only under platform/win32, and no window's code names another window's class (only
// the list of windows, app/window_list.cpp, knows them all).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct SourceFile {
    std::string path;                         // relative to src/, with '/'
    std::vector<std::string> includes;        // project includes, relative to src/
    std::vector<std::string> systemIncludes;  // the lines including <...>
};

std::vector<SourceFile> ReadSources() {
    const char* root = std::getenv("SKARVEL_SOURCE_DIR");
    EXPECT_NE(root, nullptr);
    const fs::path src = fs::path(root ? root : ".") / "src";
    const std::regex include(R"(^\s*#\s*include\s+"([^"]+)\")");
    std::vector<SourceFile> files;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp") continue;
        SourceFile file{fs::relative(entry.path(), src).generic_string(), {}};
        std::ifstream in(entry.path());
        std::smatch m;
        for (std::string line; std::getline(in, line);)
            if (std::regex_search(line, m, include))
                file.includes.push_back(m[1]);
            else if (line.find("#include <") != std::string::npos)
                file.systemIncludes.push_back(line);
        files.push_back(std::move(file));
    }
    EXPECT_GT(files.size(), 100u);
    return files;
}

// The library a file belongs to: its top folder, with the Win32 services and backend apart
// from the platform's interfaces and portable implementations.
std::string FolderOf(const std::string& path) {
    if (path.starts_with("platform/win32/")) return "platform/win32";
    size_t slash = path.find('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

// Which folders each folder may include, as each folder's library links them
// (src/CMakeLists.txt). A new edge is a design decision: make it in both places, or not at all.
const std::map<std::string, std::set<std::string>> kAllowedIncludes = {
    {"platform", {}},
    {"platform/win32", {"platform", "ui"}},
    {"ui", {"platform"}},
    {"controls", {"ui", "platform"}},
    {"engine", {"platform"}},
    {"settings", {"ui", "platform"}},
    {"shell", {"ui", "platform"}},
    {"forms", {"controls", "engine", "settings", "shell", "ui", "platform"}},
    {"app", {"forms", "controls", "engine", "settings", "shell", "ui", "platform"}},
    {"cli", {"engine", "settings", "platform"}},
    {".", {"app", "cli", "engine", "platform", "platform/win32", "ui"}},
};

// A Windows SDK header: a system header with the .h suffix (the C++ code uses the standard
// library's own names, <cstdint> and not <stdint.h>).
bool IsWindowsHeader(const std::string& line) {
    static const std::regex system(R"(^\s*#\s*include\s*<[^>]+\.[hH]>)");
    return std::regex_search(line, system);
}

TEST(SourceStructure, FoldersIncludeOnlyWhatTheirLibraryLinksAndNoWindowNamesAnother) {
    const std::vector<SourceFile> files = ReadSources();

    for (const SourceFile& f : files) {
        const std::string from = FolderOf(f.path);
        const auto allowed = kAllowedIncludes.find(from);
        ASSERT_NE(allowed, kAllowedIncludes.end()) << "a folder the matrix does not know: " << from;
        for (const std::string& inc : f.includes) {
            const std::string to = FolderOf(inc);
            EXPECT_TRUE(to == from || allowed->second.count(to))
                << f.path << " includes " << inc << ": " << from << " may not include " << to;
        }
        if (from != "platform/win32")
            for (const std::string& line : f.systemIncludes)
                EXPECT_FALSE(IsWindowsHeader(line))
                    << f.path << ": Win32 headers only in src/platform/win32: " << line;
    }

    // The windows are what the list of windows includes from their folders under forms/.
    const std::string list = "app/window_list.cpp";
    std::set<std::string> windows;
    for (const SourceFile& f : files)
        if (f.path == list)
            for (const std::string& inc : f.includes)
                if (inc.starts_with("forms/") && inc.find('/', 6) != std::string::npos)
                    windows.insert(inc);
    EXPECT_GE(windows.size(), 7u);
    for (const SourceFile& f : files) {
        if (f.path == list) continue;
        std::vector<std::string> named;
        for (const std::string& inc : f.includes)
            if (windows.count(inc)) named.push_back(inc);
        EXPECT_LE(named.size(), 1u) << f.path << " names " << named.size() << " windows";
    }
}

}  // namespace
