#pragma once
// A window's texts that a language file replaces, kept beside the window as data: for each text
// the key it is read under, the built-in text used when the key is missing, and the place on the
// window that takes it, bound to the window's own member (nothing is looked up by name, so a
// row cannot miss its control). Rows are listed in the order they are read.

#include <span>
#include <string>
#include <string_view>

#include "ui/control.h"
#include "ui/form.h"

namespace settings {

struct TextRow {
    std::string_view key;
    std::string_view defaultText;
    // Puts TEXT on its place of FORM, and reads back what that place shows.
    void (*set)(ui::Form& form, const std::string& text);
    std::string (*shown)(const ui::Form& form);
    std::string_view section = {};  // empty: the table's section
};

struct TextTable {
    std::string_view section;  // the window's section of the language files
    std::span<const TextRow> rows;

    std::string_view SectionOf(const TextRow& row) const {
        return row.section.empty() ? section : row.section;
    }
};

namespace text_rows {

template <typename Member>
struct MemberOf;
template <typename Owner, typename Type>
struct MemberOf<Type Owner::*> {
    using Class = Owner;
};

// The member MEMBER of the window FORM is.
template <auto member>
auto& On(ui::Form& form) {
    using Owner = typename MemberOf<decltype(member)>::Class;
    return static_cast<Owner&>(form).*member;
}
template <auto member>
const auto& On(const ui::Form& form) {
    using Owner = typename MemberOf<decltype(member)>::Class;
    return static_cast<const Owner&>(form).*member;
}

}  // namespace text_rows

// The caption of the control MEMBER.
template <auto member>
constexpr TextRow Caption(std::string_view key, std::string_view text,
                          std::string_view section = {}) {
    return {key, text,
            [](ui::Form& f, const std::string& t) { text_rows::On<member>(f).SetCaption(t); },
            [](const ui::Form& f) { return text_rows::On<member>(f).Caption(); }, section};
}

// The hint of the control MEMBER.
template <auto member>
constexpr TextRow Hint(std::string_view key, std::string_view text, std::string_view section = {}) {
    return {key, text,
            [](ui::Form& f, const std::string& t) { text_rows::On<member>(f).SetHint(t); },
            [](const ui::Form& f) { return text_rows::On<member>(f).Hint(); }, section};
}

// The title of column COLUMN of the list view MEMBER.
template <auto member, int column>
constexpr TextRow ColumnTitle(std::string_view key, std::string_view text) {
    return {key, text,
            [](ui::Form& f, const std::string& t) {
                text_rows::On<member>(f).SetColumnTitle(column, t);
            },
            [](const ui::Form& f) {
                const auto& columns = text_rows::On<member>(f).Columns();
                return column < static_cast<int>(columns.size())
                           ? columns[static_cast<size_t>(column)].title
                           : std::string();
            }};
}

// A text the window keeps for itself (a question it asks) in the std::string MEMBER.
template <auto member>
constexpr TextRow Text(std::string_view key, std::string_view text, std::string_view section = {}) {
    return {key, text, [](ui::Form& f, const std::string& t) { text_rows::On<member>(f) = t; },
            [](const ui::Form& f) { return text_rows::On<member>(f); }, section};
}

// The window's own caption.
constexpr TextRow FormCaption(std::string_view key, std::string_view text) {
    return {key, text, [](ui::Form& f, const std::string& t) { f.SetCaption(t); },
            [](const ui::Form& f) { return f.Caption(); }};
}

}  // namespace settings
