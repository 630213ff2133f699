#pragma once
// One profile file in memory: its lines, parsed the way the platform's profile functions
// parse them, and the edits a write makes. Lines that a write does not touch are written
// back byte for byte (comments, blank lines and spacing survive).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/portable/ini_text.h"

namespace platform::portable {

class IniDocument {
  public:
    // An empty document, as a file that does not exist yet (ANSI, no lines).
    explicit IniDocument(AnsiCodePage codePage = AnsiCodePage::Windows1252);
    // Parses any bytes; never fails.
    static IniDocument Parse(std::string_view bytes, AnsiCodePage codePage);

    TextEncoding Encoding() const { return encoding_; }

    // The raw value of the first KEY in the first SECTION (names compared trimmed and without
    // regard to case): the text after "=", blanks trimmed, quotes kept. Nullopt when the
    // section or key is missing or the key line has no "=".
    std::optional<std::u16string> Find(std::u16string_view section, std::u16string_view key) const;
    // True when the first SECTION holds at least one key (comment lines do not count).
    bool SectionHasKeys(std::u16string_view section) const;
    // Sets KEY in SECTION to VALUE (leading blanks dropped), adding the key and section as
    // needed. Returns false when the stored value is already VALUE, so nothing changed.
    bool Set(std::u16string_view section, std::u16string_view key, std::u16string_view value);

    std::string Serialize() const;

  private:
    enum class Kind { Blank, Section, Key };
    struct Line {
        Kind kind = Kind::Blank;
        std::u16string name;                  // section or key name
        std::optional<std::u16string> value;  // key value, when the line has "="
        std::string raw;                      // original bytes with the line break
        bool original = false;                // write RAW back unchanged
        bool terminated = true;               // the line ends with a line break
        bool appendBreak = false;             // RAW lacked the break a following line needs
    };

    // Index of the first section header named SECTION, or nullopt. The lines before the first
    // header form the section with the empty name, returned as kNameless.
    std::optional<std::size_t> FindSection(std::u16string_view section) const;
    // The key lines of the section starting after HEADER (or at 0 for the nameless section).
    std::size_t SectionBodyStart(std::size_t header) const;
    std::size_t SectionEnd(std::size_t bodyStart) const;
    std::optional<std::size_t> FindKey(std::size_t bodyStart, std::u16string_view key) const;
    Line MakeLine(Kind kind, std::u16string name, std::optional<std::u16string> value) const;
    void InsertAt(std::size_t index, Line line);

    static constexpr std::size_t kNameless = static_cast<std::size_t>(-1);

    AnsiCodePage codePage_;
    TextEncoding encoding_ = TextEncoding::Ansi;
    std::string mark_;
    std::vector<Line> lines_;
};

}  // namespace platform::portable
