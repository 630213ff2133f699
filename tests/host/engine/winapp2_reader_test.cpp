#include "engine/winapp2_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using engine::winapp2::Definitions;
using engine::winapp2::IdOf;
using engine::winapp2::OsInRange;
using engine::winapp2::ReadDefinitions;

std::vector<std::string> Ids(const Definitions& d) {
    std::vector<std::string> ids;
    for (const auto& entry : d.entries) ids.push_back(entry.id);
    return ids;
}

TEST(Winapp2Reader, ReadsEveryKey) {
    Definitions d = ReadDefinitions(
        "; our own definitions\n"
        "\n"
        "[Quillpad Notes Cache *]\n"
        "LangSecRef=3021\n"
        "section=Editors\n"
        "SpecialDetect=DET_NONE\n"
        "Warning=Closes your notes.\n"
        "Default=False\n"
        "Detect=HKCU\\Software\\Quillpad\n"
        "Detect2=HKLM\\Software\\Quillpad\n"
        "DetectFile=%LocalAppData%\\Quillpad\n"
        "DETECTFILE3 = %ProgramFiles(x86)%\\Quillpad\\quill.exe\n"
        "DetectOS=6.1|10.0\n"
        "FileKey1=%LocalAppData%\\Quillpad\\Cache|*.tmp;*.bak ; thumbs.db|RECURSE\n"
        "FileKey2=%AppData%\\Quillpad\\Logs|*.log|REMOVESELF|recurse\n"
        "FileKey10=%Temp%\\Quillpad\n"
        "FileKey11=%tEMP%\\Q*pad\\Sess??|\n"
        "FileKey12=%LocalAppData%\\Quillpad\\*\\*Cache*|*|REMOVESELF\n"
        "ExcludeKey1=FILE|%LocalAppData%\\Quillpad\\Cache\\|keep.tmp;pin.tmp\n"
        "ExcludeKey2=PATH|%LocalAppData%\\Quillpad\\Cache\\Pinned\\\n"
        "ExcludeKey3=path|%AppData%\\Quillpad\\Logs\\|*.keep\n"
        "RegKey1=HKCU\\Software\\Quillpad\\Recent\n"
        "RegKey2=HKCU\\Software\\Quillpad|LastOpened\n"
        "[Tiny]\n");
    ASSERT_TRUE(d.problems.empty()) << d.problems[0].message;
    ASSERT_EQ(Ids(d), (std::vector<std::string>{"w2-quillpad-notes-cache", "w2-tiny"}));
    const auto& e = d.entries[0];
    EXPECT_EQ(e.line, 3);
    EXPECT_EQ(e.name, "Quillpad Notes Cache *");
    EXPECT_EQ(e.detect,
              (std::vector<std::string>{"HKCU\\Software\\Quillpad", "HKLM\\Software\\Quillpad"}));
    EXPECT_EQ(e.detectFiles,
              (std::vector<std::string>{"%LocalAppData%\\Quillpad",
                                        "%ProgramFiles(x86)%\\Quillpad\\quill.exe"}));
    EXPECT_EQ(e.detectOs, "6.1|10.0");
    ASSERT_EQ(e.registryKeys.size(), 2u);
    EXPECT_EQ(e.warning, "Closes your notes.");
    EXPECT_EQ(e.section, "Editors");
    EXPECT_EQ(e.langSecRef, "3021");

    ASSERT_EQ(e.files.size(), 5u);
    struct FileCase {
        int line;
        std::string path;
        std::vector<std::string> masks;
        bool recurse, removeSelf;
    };
    const FileCase files[] = {
        {14, "%LocalAppData%\\Quillpad\\Cache", {"*.tmp", "*.bak", "thumbs.db"}, true, false},
        {15, "%AppData%\\Quillpad\\Logs", {"*.log"}, true, true},
        {16, "%Temp%\\Quillpad", {"*.*"}, false, false},
        {17, "%tEMP%\\Q*pad\\Sess??", {"*.*"}, false, false},
        // REMOVESELF takes everything below the folder: it implies RECURSE.
        {18, "%LocalAppData%\\Quillpad\\*\\*Cache*", {"*"}, true, true},
    };
    for (std::size_t i = 0; i < e.files.size(); ++i) {
        SCOPED_TRACE(files[i].path);
        EXPECT_EQ(e.files[i].line, files[i].line);
        EXPECT_EQ(e.files[i].path, files[i].path);
        EXPECT_EQ(e.files[i].masks, files[i].masks);
        EXPECT_EQ(e.files[i].recurse, files[i].recurse);
        EXPECT_EQ(e.files[i].removeSelf, files[i].removeSelf);
    }

    ASSERT_EQ(e.excludes.size(), 3u);
    EXPECT_EQ(e.excludes[0].kind, engine::winapp2::ExcludeKind::File);
    EXPECT_EQ(e.excludes[0].path, "%LocalAppData%\\Quillpad\\Cache\\");
    EXPECT_EQ(e.excludes[0].masks, (std::vector<std::string>{"keep.tmp", "pin.tmp"}));
    EXPECT_EQ(e.excludes[1].kind, engine::winapp2::ExcludeKind::Path);
    EXPECT_EQ(e.excludes[1].line, 20);
    EXPECT_TRUE(e.excludes[1].masks.empty());
    EXPECT_EQ(e.excludes[2].kind, engine::winapp2::ExcludeKind::Path);
    EXPECT_EQ(e.excludes[2].masks, (std::vector<std::string>{"*.keep"}));

    EXPECT_TRUE(d.entries[1].files.empty());
    EXPECT_TRUE(d.entries[1].detectOs.empty());
}

// Each fault sits on line 5 of an entry between two good ones: it is reported with its line
// and skips that entry alone.
TEST(Winapp2Reader, AFaultyLineSkipsItsEntryOnly) {
    struct Case {
        std::string line, message;
    } cases[] = {
        {"FileKey1 %Temp%\\x|*.*", "no '=' in 'FileKey1 %Temp%\\x|*.*'"},
        {"=%Temp%", "no key before '='"},
        {"Foo=1", "unknown key 'Foo'"},
        {"FileKeyA=%Temp%\\x", "unknown key 'FileKeyA'"},
        {"DetectOS1=6.1|", "unknown key 'DetectOS1'"},
        {"FileKey=%Temp%\\x|*.*", "FileKey without a number"},
        {"ExcludeKey=PATH|%Temp%\\x", "ExcludeKey without a number"},
        {"RegKey=HKCU\\x", "RegKey without a number"},
        {"FileKey1=", "empty path"},
        {"FileKey1= |*.log", "empty path"},
        {"DetectFile=", "empty path"},
        {"Detect=", "empty registry key"},
        {"FileKey1=%Temp%\\x|*.*|RECURSIVE", "unknown flag 'RECURSIVE'"},
        {"FileKey1=%Temp%\\x|*.*|RECURSE|*.log", "unknown flag '*.log'"},
        {"FileKey1=%Tmp%\\x|*.*", "unknown variable '%Tmp%'"},
        {"FileKey1=C:\\100%\\x", "unclosed '%' in 'C:\\100%\\x'"},
        {"FileKey1=%%\\x", "unknown variable '%%'"},
        {"DetectFile=%Home%\\x", "unknown variable '%Home%'"},
        {"ExcludeKey1=PATH|%AppData%\\%Cfg%\\", "unknown variable '%Cfg%'"},
        {"ExcludeKey1=REGISTRY|HKCU\\x", "unknown exclusion kind 'REGISTRY'"},
        {"ExcludeKey1=REG|HKXY\\x", "unknown registry root 'HKXY'"},
        {"RegKey1=Software\\x", "unknown registry root 'Software'"},
        {"RegKey1=HKCU\\x|a|b", "too many '|' in the registry key"},
        {"RegKey1=", "empty registry key"},
        {"FileKey1=%UserProfile%\\AppData%\\LocalLow\\x",
         "unclosed '%' in '%UserProfile%\\AppData%\\LocalLow\\x'"},
        {"ExcludeKey1=PATH", "empty path"},
        {"ExcludeKey1=FILE|%Temp%\\x\\", "FILE exclusion without names"},
        {"ExcludeKey1=PATH|%Temp%\\x\\|*.a|*.b", "too many '|' in the exclusion"},
        {"DetectOS=6.1", "malformed DetectOS '6.1'"},
        {"DetectOS=|", "malformed DetectOS '|'"},
        {"DetectOS=6.x|", "malformed DetectOS '6.x|'"},
        {"DetectOS=10.0|6.1", "malformed DetectOS '10.0|6.1'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Definitions d = ReadDefinitions("[Before]\nFileKey1=%Temp%\\a\n[Faulty]\nLangSecRef=1\n" +
                                        c.line + "\nFileKey2=%Temp%\\b\n[After]\n");
        ASSERT_EQ(d.problems.size(), 1u);
        EXPECT_EQ(d.problems[0].line, 5);
        EXPECT_EQ(d.problems[0].message, "line 5: " + c.message);
        EXPECT_EQ(Ids(d), (std::vector<std::string>{"w2-before", "w2-after"}));
    }
}

TEST(Winapp2Reader, FaultsOfTheFileItself) {
    Definitions d = ReadDefinitions(
        "Detect=HKCU\\x\n"  // before any section: reported, nothing to skip
        "[Good One]\n"
        "[Broken\n"
        "FileKey1=%Temp%\\x\n"
        "[ * ]\n"
        "[GOOD  one *]\n"  // the same id as line 2
        "FileKey1=%Temp%\\y\n"
        "[Next]\n");
    std::vector<std::string> messages;
    for (const auto& p : d.problems) messages.push_back(p.message);
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "line 1: 'Detect' outside any section",
                            "line 3: no ']' at the end of the section header",
                            "line 5: no letter or digit in the entry's name",
                            "line 6: entry 'w2-good-one' already defined on line 2",
                        }));
    EXPECT_EQ(Ids(d), (std::vector<std::string>{"w2-good-one", "w2-next"}));
    EXPECT_TRUE(d.entries[0].files.empty());  // the duplicate's key did not land in the first
}

TEST(Winapp2Reader, ByteOrderMarkAndCrLf) {
    Definitions d = ReadDefinitions(
        "\xEF\xBB\xBF[Caf\xC3\xA9 Cache *]\r\nFileKey1=%Temp%\\caf\xC3\xA9|*.tmp\r\n\r\n"
        ";x\r\nDetectOS=|6.3\r\n[B]\r\nFoo=1\r\n");
    ASSERT_EQ(d.entries.size(), 1u);
    EXPECT_EQ(d.entries[0].name, "Caf\xC3\xA9 Cache *");
    EXPECT_EQ(d.entries[0].id, "w2-caf-cache");
    EXPECT_EQ(d.entries[0].files[0].path, "%Temp%\\caf\xC3\xA9");
    EXPECT_EQ(d.entries[0].files[0].masks, (std::vector<std::string>{"*.tmp"}));
    EXPECT_EQ(d.entries[0].detectOs, "|6.3");
    ASSERT_EQ(d.problems.size(), 1u);
    EXPECT_EQ(d.problems[0].message, "line 7: unknown key 'Foo'");
}

TEST(Winapp2Reader, IdRule) {
    const std::pair<const char*, const char*> cases[] = {
        {"Quillpad Notes Cache *", "w2-quillpad-notes-cache"},
        {"  Foo--Bar 2.x  *", "w2-foo-bar-2-x"},
        {"(Zed) *Logs*", "w2-zed-logs"},
        {"ABC", "w2-abc"},
        {"\xD0\x9A\xD1\x8D\xD1\x88 7", "w2-7"},  // letters beyond a-z are separators
        {" * ", "w2-"},
    };
    for (const auto& [name, id] : cases) EXPECT_EQ(IdOf(name), id) << name;
}

TEST(Winapp2Reader, OsRanges) {
    struct Case {
        const char* range;
        int major, minor;
        bool in;
    } cases[] = {
        {"5.1|6.3", 5, 1, true},  {"5.1|6.3", 6, 3, true},
        {"5.1|6.3", 6, 4, false}, {"5.1|6.3", 5, 0, false},
        {"6.2|", 10, 0, true},    {"6.2|", 6, 1, false},
        {"|6.1", 5, 1, true},     {"|6.1", 6, 2, false},
        {" 10 | ", 10, 0, true},  {"6.1|6.10", 6, 9, true},
        {"", 6, 1, true},         {"6.1", 6, 1, false},
        {"6.3|5.1", 6, 0, false}, {"99999|", 100000, 0, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OsInRange(c.range, c.major, c.minor), c.in)
            << c.range << " " << c.major << "." << c.minor;
    }
}

}  // namespace
