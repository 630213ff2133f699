#include "settings/settings_encoding.h"

#include <stdexcept>

#include "platform/files.h"
#include "platform/portable/ini_text.h"
#include "platform/system.h"

namespace settings {
namespace {

namespace portable = platform::portable;

std::string Utf16LeFile(std::string_view utf8) {
    return std::string(portable::ByteOrderMark(portable::TextEncoding::Utf16Le)) +
           portable::Encode(portable::Utf8ToUtf16(utf8), portable::TextEncoding::Utf16Le,
                            portable::AnsiCodePage::Windows1252);
}

[[noreturn]] void Refuse(const std::string& path) {
    throw std::runtime_error("Unable to write to " + path);
}

// Moves BESIDE over PATH. Another program reading PATH at that moment (a virus scanner, an
// editor) refuses the move for as long as it holds the file: a few tries, a short pause apart.
bool MoveIntoPlace(platform::FileSystem& files, platform::System& system, const std::string& beside,
                   const std::string& path) {
    constexpr int kTries = 5;
    for (int attempt = 1;; ++attempt) {
        if (files.MoveReplacing(beside, path)) return true;
        if (attempt == kTries) return false;
        system.Sleep(100);
    }
}

// Replaces PATH with BYTES through a file beside it, so that a failure leaves PATH whole.
void ReplaceWhole(platform::FileSystem& files, platform::System& system, const std::string& path,
                  const std::string& bytes) {
    const std::string beside = ConversionPath(path);
    std::string reason;
    if (files.WriteFile(beside, bytes, reason) && MoveIntoPlace(files, system, beside, path))
        return;
    if (auto leftover = files.Open(beside, platform::OpenFor::Deletion))
        (void)leftover->MarkForDeletion();  // a stray copy is harmless; the old file is whole
    Refuse(path);
}

}  // namespace

std::string ConversionPath(const std::string& path) {
    return path + ".new";
}

void PrepareSettingsWrite(platform::FileSystem& files, platform::System& system,
                          const std::string& path, std::string_view text) {
    const std::optional<std::string> bytes = files.ReadFile(path);
    if (!bytes) {
        // A file that exists but cannot be read is left to the write, which reports it.
        if (files.FileExists(path)) return;
        std::string reason;
        if (!files.WriteFile(path, Utf16LeFile(""), reason)) Refuse(path);
        return;
    }
    std::size_t markLength = 0;
    if (portable::DetectEncoding(*bytes, markLength) != portable::TextEncoding::Ansi) return;
    if (system.ToAnsiCodePage(std::string(text))) return;
    ReplaceWhole(files, system, path, Utf16LeFile(system.FromAnsiCodePage(*bytes)));
}

}  // namespace settings
