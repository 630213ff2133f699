// The source tree's structure: no include cycle between folders, and no window's code names
// another window's class (only the list of windows, app/window_list.cpp, knows them all).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct SourceFile {
    std::string path;                   // relative to src/, with '/'
    std::vector<std::string> includes;  // project includes, relative to src/
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
            if (std::regex_search(line, m, include)) file.includes.push_back(m[1]);
        files.push_back(std::move(file));
    }
    EXPECT_GT(files.size(), 100u);
    return files;
}

// The layer a file belongs to: its top folder, with the platform interfaces, the portable
// implementations and the Win32 ones apart.
std::string FolderOf(const std::string& path) {
    for (const char* layer : {"platform/win32/", "platform/portable/"})
        if (path.starts_with(layer)) return std::string(layer, std::string(layer).size() - 1);
    size_t slash = path.find('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

TEST(SourceStructure, NoIncludeCycleBetweenFoldersAndNoWindowNamesAnother) {
    const std::vector<SourceFile> files = ReadSources();

    std::map<std::string, std::set<std::string>> uses;
    for (const SourceFile& f : files)
        for (const std::string& inc : f.includes)
            if (FolderOf(inc) != FolderOf(f.path)) uses[FolderOf(f.path)].insert(FolderOf(inc));
    std::map<std::string, int> state;  // 1 on the path, 2 done
    std::vector<std::string> path;
    std::function<void(const std::string&)> visit = [&](const std::string& folder) {
        state[folder] = 1;
        path.push_back(folder);
        for (const std::string& next : uses[folder]) {
            if (state[next] == 1) {
                std::string cycle;
                for (const std::string& p : path) cycle += p + " -> ";
                ADD_FAILURE() << "include cycle: " << cycle << next;
            } else if (state[next] == 0) {
                visit(next);
            }
        }
        path.pop_back();
        state[folder] = 2;
    };
    for (const auto& [folder, targets] : uses)
        if (state[folder] == 0) visit(folder);

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
