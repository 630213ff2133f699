#pragma once
// A cleaner definitions file of our own for the tests: every key, kind and variable the format
// has, in the spellings the community's file uses (wildcards in the middle of a path, several
// masks, REMOVESELF over nested cache folders, a typo and a name given twice). Everything it
// cleans lies in folders and keys named "SkarvelW2", which the tests make and look at.

namespace testdefs {

inline constexpr char kOurDefinitions[] = R"(; Skarvel's own test definitions
[Skarvel Chrome Caches *]
LangSecRef=3029
DetectFile=%LocalAppData%\SkarvelW2\Chrome\User Data
FileKey1=%LocalAppData%\SkarvelW2\Chrome\User Data\*\*Cache*|*|REMOVESELF
ExcludeKey1=PATH|%LocalAppData%\SkarvelW2\Chrome\User Data\Profile 1\GPUCache\

[Skarvel Program Logs *]
LangSecRef=3021
Detect=HKCU\Software\SkarvelW2
DetectFile=%ProgramFiles%\SkarvelW2\app.exe
DetectOS=6.0|
FileKey1=%AppData%\SkarvelW2\Logs|*.log;*.txt|RECURSE
FileKey2=%LocalLowAppData%\SkarvelW2|*.tmp
FileKey3=%ProgramData%\SkarvelW2\Temp|*.*
FileKey4=%CommonAppData%\SkarvelW2\Dumps|*.dmp
FileKey5=%ProgramFiles%\SkarvelW2\Cache|*.*
FileKey6=%CommonProgramFiles%\SkarvelW2\Logs|*.log
FileKey7=%ProgramFiles(x86)%\SkarvelW2\Old|*.old
FileKey8=%WinDir%\SkarvelW2|*.log
FileKey9=%SystemRoot%\SkarvelW2\Sub|*.log
FileKey10=%UserProfile%\SkarvelW2|*.bak
FileKey11=%SystemDrive%\SkarvelW2\Cache|*.*|RECURSE
FileKey12=%HomeDrive%\SkarvelW2\Home|*.*
FileKey13=%Temp%\SkarvelW2|*.*|RECURSE
FileKey14=%LocalAppData%\SkarvelW2\Users\%UserName%|*.cache
FileKey15=%LocalAppData%\SkarvelW2\Sess*\Data|*.*
FileKey16=%ProgramFilesX86%\SkarvelW2\Older|*.old
ExcludeKey1=FILE|%AppData%\SkarvelW2\Logs\|keep.log
ExcludeKey2=PATH|%SystemDrive%\SkarvelW2\Cache\Pinned\
ExcludeKey3=PATH|%ProgramFiles%\SkarvelW2\Cache\|*.cfg

[Skarvel Registry Traces *]
Section=Games
Detect=HKCU\Software\SkarvelW2
RegKey1=HKCU\Software\SkarvelW2\Recent
RegKey2=HKCU\Software\SkarvelW2|LastFile
RegKey3=HKEY_CURRENT_USER\Software\SkarvelW2\Settings
ExcludeKey1=REG|HKCU\Software\SkarvelW2\Settings\Keep
ExcludeKey2=REG|HKCU\Software\SkarvelW2\Recent|Pinned

[Skarvel Media Thumbnails *]
LangSecRef=3023
Detect=HKU\.DEFAULT\Software\SkarvelW2
Detect2=HKCC\Software\SkarvelW2
DetectFile=%Documents%\SkarvelW2
DetectFile2=%Music%\SkarvelW2
DetectFile3=%Pictures%\SkarvelW2
DetectFile4=%Video%\SkarvelW2
DetectFile5=%Public%\SkarvelW2
FileKey1=%LocalAppData%\SkarvelW2\Media|*.thumb

[Skarvel Sessions *]
LangSecRef=3022
Warning=This deletes the saved sessions of SkarvelW2.
DetectFile=%LocalAppData%\SkarvelW2
FileKey1=%LocalAppData%\SkarvelW2\Sessions|*.*

[Skarvel Autostart *]
Detect=HKCU\Software\SkarvelW2
RegKey1=HKCU\Software\Microsoft\Windows\CurrentVersion\Run|SkarvelW2

[Skarvel Absent *]
DetectFile=%ProgramFiles%\SkarvelW2 Absent\absent.exe
FileKey1=%LocalAppData%\SkarvelW2|*.*|RECURSE

[Skarvel Typo *]
FileKey1=%UserProfile%\AppData%\LocalLow\SkarvelW2|*.*

[Skarvel Chrome Caches *]
FileKey1=%LocalAppData%\SkarvelW2|*.*|RECURSE
)";

// The files and folders the tests make for it: where they are (a variable of the format, and
// the path below it; "%UserName%" stands for the user's name) and whether a clean of the
// entries "chrome-caches", "program-logs", "registry-traces" and "media-thumbnails" takes them.
// A folder ends with a backslash.
struct OurFile {
    const char* variable;
    const char* path;
    bool gone;
};

inline constexpr OurFile kOurFiles[] = {
    // REMOVESELF over every cache folder of every profile, its sub-folders included; a folder
    // an exclusion keeps stays, and so does what is no cache.
    {"LocalAppData", "SkarvelW2\\Chrome\\User Data\\Default\\Cache\\Cache_Data\\f_1", true},
    {"LocalAppData", "SkarvelW2\\Chrome\\User Data\\Default\\Cache\\", true},
    {"LocalAppData", "SkarvelW2\\Chrome\\User Data\\Default\\Code Cache\\js\\a", true},
    {"LocalAppData", "SkarvelW2\\Chrome\\User Data\\Default\\Code Cache\\", true},
    {"LocalAppData", "SkarvelW2\\Chrome\\User Data\\Default\\GPUCache\\data_0", true},
    {"LocalAppData", "SkarvelW2\\Chrome\\User Data\\Default\\Cookies", false},
    {"LocalAppData", "SkarvelW2\\Chrome\\User Data\\Profile 1\\Cache\\x", true},
    {"LocalAppData", "SkarvelW2\\Chrome\\User Data\\Profile 1\\GPUCache\\keep", false},
    // Several masks, with and without RECURSE, and a file an exclusion keeps.
    {"AppData", "SkarvelW2\\Logs\\a.log", true},
    {"AppData", "SkarvelW2\\Logs\\b.txt", true},
    {"AppData", "SkarvelW2\\Logs\\sub\\c.log", true},
    {"AppData", "SkarvelW2\\Logs\\keep.log", false},
    {"AppData", "SkarvelW2\\Logs\\d.dat", false},
    {"LocalLowAppData", "SkarvelW2\\a.tmp", true},
    {"LocalLowAppData", "SkarvelW2\\b.dat", false},
    {"ProgramData", "SkarvelW2\\Temp\\t.bin", true},
    {"ProgramData", "SkarvelW2\\Temp\\sub\\deep.bin", false},
    {"ProgramData", "SkarvelW2\\Dumps\\x.dmp", true},
    // Both Program Files folders, and what an exclusion with a mask keeps in them.
    {"ProgramFiles", "SkarvelW2\\Cache\\c.bin", true},
    {"ProgramFiles", "SkarvelW2\\Cache\\app.cfg", false},
    {"ProgramFilesX86", "SkarvelW2\\Cache\\c.bin", true},
    {"ProgramFilesX86", "SkarvelW2\\app.exe", false},
    {"ProgramFiles", "Common Files\\SkarvelW2\\Logs\\x.log", true},
    {"ProgramFilesX86", "Common Files\\SkarvelW2\\Logs\\x.log", true},
    {"ProgramFilesX86", "SkarvelW2\\Old\\o.old", true},
    {"ProgramFilesX86", "SkarvelW2\\Older\\o.old", true},
    {"WinDir", "SkarvelW2\\w.log", true},
    {"WinDir", "SkarvelW2\\Sub\\s.log", true},
    {"WinDir", "SkarvelW2\\w.txt", false},
    {"UserProfile", "SkarvelW2\\b.bak", true},
    {"UserProfile", "SkarvelW2\\b.txt", false},
    {"SystemDrive", "SkarvelW2\\Cache\\a.bin", true},
    {"SystemDrive", "SkarvelW2\\Cache\\sub\\b.bin", true},
    {"SystemDrive", "SkarvelW2\\Cache\\Pinned\\p.bin", false},
    {"SystemDrive", "SkarvelW2\\Home\\h.bin", true},
    {"Temp", "SkarvelW2\\t.tmp", true},
    {"Temp", "SkarvelW2\\sub\\u.tmp", true},
    {"LocalAppData", "SkarvelW2\\Users\\%UserName%\\c.cache", true},
    // A wildcard in the middle of a path.
    {"LocalAppData", "SkarvelW2\\Sess1\\Data\\d", true},
    {"LocalAppData", "SkarvelW2\\Sess2\\Data\\e", true},
    {"LocalAppData", "SkarvelW2\\Sess1\\other", false},
    {"LocalAppData", "SkarvelW2\\Media\\m.thumb", true},
    {"LocalAppData", "SkarvelW2\\Media\\m.jpg", false},
    // The entry with a warning is not cleaned unless accepted.
    {"LocalAppData", "SkarvelW2\\Sessions\\s.dat", false},
};

// The entries of kOurDefinitions whose clean kOurFiles tells, and the same with the one whose
// warning must be accepted.
inline constexpr const char* kOurCleanIds[] = {
    "w2-skarvel-chrome-caches", "w2-skarvel-program-logs", "w2-skarvel-registry-traces",
    "w2-skarvel-media-thumbnails"};

}  // namespace testdefs
