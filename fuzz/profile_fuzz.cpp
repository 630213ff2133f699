// Any bytes as a profile file: parsing, lookups, a write and the written file must neither
// crash nor break the reader's own promises.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/portable/ini_document.h"
#include "platform/portable/ini_profile.h"

using platform::portable::AnsiCodePage;
using platform::portable::IniDocument;

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    AnsiCodePage codePage = (size % 2 == 0) ? AnsiCodePage::Windows1252 : AnsiCodePage::Windows1251;

    IniDocument doc = IniDocument::Parse(bytes, codePage);
    for (std::u16string_view section : {u"MainForm", u"", u"Option Form"}) {
        for (std::u16string_view key : {u"Trash", u"Yes", u"", u"Exit"}) {
            if (auto value = doc.Find(section, key)) {
                auto shown = platform::portable::ProfileResult(*value);
                Check(shown.size() <= platform::kProfileValueLimit);
            }
        }
        (void)doc.SectionHasKeys(section);
    }

    // Untouched lines are written back byte for byte (a dangling odd UTF-16 byte aside).
    std::string same = doc.Serialize();
    bool utf16 = doc.Encoding() == platform::portable::TextEncoding::Utf16Le ||
                 doc.Encoding() == platform::portable::TextEncoding::Utf16Be;
    Check(same == bytes || (utf16 && size % 2 == 1 && same == bytes.substr(0, size - 1)));

    // A write is read back, in the same encoding, and a repeat of it changes nothing.
    IniDocument edited = doc;
    edited.Set(u"MainForm", u"Trash", u"Korb \u041A");
    std::string written = edited.Serialize();
    IniDocument reread = IniDocument::Parse(written, codePage);
    Check(reread.Encoding() == doc.Encoding());
    auto value = reread.Find(u"mainform", u"TRASH");
    Check(value.has_value());
    if (doc.Encoding() != platform::portable::TextEncoding::Ansi) Check(*value == u"Korb \u041A");
    Check(!reread.Set(u"MainForm", u"Trash", *value));
    return 0;
}
