#include "platform/portable/ini_document.h"

#include <utility>

namespace platform::portable {
namespace {

bool IsLineBreak(char16_t c) {
    return c == u'\n' || c == u'\r';
}

// Names and values end at an embedded NUL, as they do for the platform's string functions.
std::u16string_view UpToNul(std::u16string_view s) {
    auto nul = s.find(u'\0');
    return nul == std::u16string_view::npos ? s : s.substr(0, nul);
}

std::u16string_view TrimLeft(std::u16string_view s) {
    while (!s.empty() && IsProfileSpace(s.front())) s.remove_prefix(1);
    return s;
}

std::u16string_view TrimRight(std::u16string_view s) {
    while (!s.empty() && IsProfileSpace(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

IniDocument::IniDocument(AnsiCodePage codePage) : codePage_(codePage) {}

IniDocument IniDocument::Parse(std::string_view bytes, AnsiCodePage codePage) {
    IniDocument doc(codePage);
    std::size_t markLength = 0;
    doc.encoding_ = DetectEncoding(bytes, markLength);
    doc.mark_ = std::string(bytes.substr(0, markLength));
    std::string_view body = bytes.substr(markLength);

    std::vector<std::uint32_t> offsets;
    std::u16string text = Decode(body, doc.encoding_, codePage, offsets);

    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t start = pos;
        while (pos < text.size() && !IsLineBreak(text[pos])) ++pos;
        std::size_t contentEnd = pos;
        // A run of CR and LF characters ends the line (empty lines in between vanish).
        while (pos < text.size() && IsLineBreak(text[pos])) ++pos;

        Line line;
        line.original = true;
        line.terminated = pos > contentEnd;
        line.raw = std::string(body.substr(offsets[start], offsets[pos] - offsets[start]));

        std::u16string_view content =
            TrimProfileSpace(std::u16string_view(text).substr(start, contentEnd - start));
        if (content.empty()) {
            line.kind = Kind::Blank;
        } else if (content.front() == u'[' && content.find_last_of(u']') != 0 &&
                   content.find_last_of(u']') != std::u16string_view::npos) {
            std::size_t close = content.find_last_of(u']');
            line.kind = Kind::Section;
            line.name = std::u16string(UpToNul(content.substr(1, close - 1)));
        } else {
            line.kind = Kind::Key;
            std::size_t eq = content.find(u'=');
            if (eq == std::u16string_view::npos) {
                line.name = std::u16string(UpToNul(content));
            } else {
                line.name = std::u16string(UpToNul(TrimRight(content.substr(0, eq))));
                line.value = std::u16string(UpToNul(TrimLeft(content.substr(eq + 1))));
            }
        }
        doc.lines_.push_back(std::move(line));
    }
    return doc;
}

std::optional<std::size_t> IniDocument::FindSection(std::u16string_view section) const {
    section = TrimProfileSpace(UpToNul(section));
    if (section.empty()) return kNameless;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Section && NamesEqual(lines_[i].name, section)) return i;
    }
    return std::nullopt;
}

std::size_t IniDocument::SectionBodyStart(std::size_t header) const {
    return header == kNameless ? 0 : header + 1;
}

std::size_t IniDocument::SectionEnd(std::size_t bodyStart) const {
    std::size_t i = bodyStart;
    while (i < lines_.size() && lines_[i].kind != Kind::Section) ++i;
    return i;
}

std::optional<std::size_t> IniDocument::FindKey(std::size_t bodyStart,
                                                std::u16string_view key) const {
    key = TrimProfileSpace(UpToNul(key));
    std::size_t end = SectionEnd(bodyStart);
    for (std::size_t i = bodyStart; i < end; ++i) {
        if (lines_[i].kind == Kind::Key && NamesEqual(lines_[i].name, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::u16string> IniDocument::Find(std::u16string_view section,
                                                std::u16string_view key) const {
    auto header = FindSection(section);
    if (!header) return std::nullopt;
    auto line = FindKey(SectionBodyStart(*header), key);
    if (!line) return std::nullopt;
    return lines_[*line].value;
}

bool IniDocument::SectionHasKeys(std::u16string_view section) const {
    auto header = FindSection(section);
    if (!header) return false;
    std::size_t start = SectionBodyStart(*header);
    std::size_t end = SectionEnd(start);
    for (std::size_t i = start; i < end; ++i) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Key && !(line.name.size() > 0 && line.name[0] == u';')) return true;
    }
    return false;
}

IniDocument::Line IniDocument::MakeLine(Kind kind, std::u16string name,
                                        std::optional<std::u16string> value) const {
    Line line;
    line.kind = kind;
    line.name = std::move(name);
    line.value = std::move(value);
    return line;
}

void IniDocument::InsertAt(std::size_t index, Line line) {
    // The line before the new one needs a line break if the file ended without one.
    if (index > 0 && !lines_[index - 1].terminated) {
        lines_[index - 1].appendBreak = true;
        lines_[index - 1].terminated = true;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
}

bool IniDocument::Set(std::u16string_view section, std::u16string_view key,
                      std::u16string_view value) {
    std::u16string sectionName(TrimProfileSpace(UpToNul(section)));
    std::u16string keyName(TrimProfileSpace(UpToNul(key)));
    std::u16string newValue(TrimLeft(UpToNul(value)));

    auto header = FindSection(sectionName);
    if (!header) {
        std::size_t end = lines_.size();
        InsertAt(end, MakeLine(Kind::Section, sectionName, std::nullopt));
        InsertAt(end + 1, MakeLine(Kind::Key, keyName, newValue));
        return true;
    }
    std::size_t bodyStart = SectionBodyStart(*header);
    if (auto found = FindKey(bodyStart, keyName)) {
        Line& line = lines_[*found];
        if (line.value && *line.value == newValue) return false;
        line.value = newValue;
        line.original = false;
        line.terminated = true;
        return true;
    }
    // After the last non-blank line of the section (or its header).
    std::size_t insertAt = SectionEnd(bodyStart);
    while (insertAt > bodyStart && lines_[insertAt - 1].kind == Kind::Blank) --insertAt;
    InsertAt(insertAt, MakeLine(Kind::Key, keyName, newValue));
    return true;
}

std::string IniDocument::Serialize() const {
    std::string out = mark_;
    for (const Line& line : lines_) {
        if (line.original) {
            out += line.raw;
            if (line.appendBreak) out += Encode(u"\r\n", encoding_, codePage_);
            continue;
        }
        std::u16string text;
        switch (line.kind) {
            case Kind::Section:
                text = u"[" + line.name + u"]";
                break;
            case Kind::Key:
                text = line.name;
                if (line.value) text += u"=" + *line.value;
                break;
            case Kind::Blank:
                break;
        }
        out += Encode(text + u"\r\n", encoding_, codePage_);
    }
    return out;
}

}  // namespace platform::portable
