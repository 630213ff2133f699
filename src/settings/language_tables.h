#pragma once
// The texts a language file replaces, window by window, as data: for each text the section
// and key it is read from, the built-in text used when the key is missing, and the control
// (by name) and property that take it. Entries are listed in the order they are read.

#include <span>
#include <string_view>

namespace settings {

enum class TextKind { Caption, Hint, ColumnTitle };

// The windows a language file retranslates (the help window never is).
enum class LanguageWindow { Main, Options, LogManager, DiskManager, ProcessManager, TypeManager };

struct TextEntry {
    std::string_view section;
    std::string_view key;
    std::string_view defaultText;
    std::string_view control;  // empty: the window's own caption
    TextKind kind = TextKind::Caption;
    int column = -1;  // for column titles
};

struct WindowTexts {
    LanguageWindow window;
    std::string_view formName;  // the window's form class
    std::span<const TextEntry> entries;
};

// The six retranslated windows, in the order a language switch applies them.
std::span<const WindowTexts> AllWindowTexts();
std::span<const TextEntry> TextsOf(LanguageWindow window);

}  // namespace settings
