#include "ui/text_layout.h"

#include <algorithm>

#include "ui/canvas.h"

namespace ui {

namespace {
bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}
size_t NextChar(std::string_view s, size_t i) {
    ++i;
    while (i < s.size() && IsContinuation(static_cast<unsigned char>(s[i]))) ++i;
    return i;
}
}  // namespace

int CodePoints(std::string_view s) {
    int n = 0;
    for (unsigned char c : s)
        if (!IsContinuation(c)) ++n;
    return n;
}

TextLine StripPrefix(std::string_view text, bool noPrefix) {
    TextLine out;
    if (noPrefix) {
        out.text = std::string(text);
        return out;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && out.underline < 0)
                out.underline = static_cast<int>(out.text.size());
        }
        out.text.push_back(text[i]);
    }
    return out;
}

char32_t AcceleratorOf(std::string_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        char next = caption[i + 1];
        if (next == '&') {
            ++i;
            continue;
        }
        if (next >= 'A' && next <= 'Z') next = static_cast<char>(next - 'A' + 'a');
        return static_cast<unsigned char>(next);
    }
    return 0;
}

std::vector<TextLine> BreakLines(const TextLine& text, bool wrap, int width,
                                 const std::function<int(std::string_view)>& measure) {
    std::vector<TextLine> lines;
    size_t start = 0;
    const std::string& s = text.text;
    auto push = [&](size_t from, size_t to) {
        TextLine line;
        line.text = s.substr(from, to - from);
        if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
        if (text.underline >= 0 && static_cast<size_t>(text.underline) >= from &&
            static_cast<size_t>(text.underline) < to)
            line.underline = text.underline - static_cast<int>(from);
        lines.push_back(std::move(line));
    };
    while (start <= s.size()) {
        size_t end = s.find('\n', start);
        if (end == std::string::npos) end = s.size();
        if (!wrap) {
            push(start, end);
        } else {
            size_t lineStart = start;
            while (true) {
                if (measure(std::string_view(s).substr(lineStart, end - lineStart)) <= width) {
                    push(lineStart, end);
                    break;
                }
                // Longest prefix ending before a space that fits.
                size_t breakAt = std::string::npos;
                for (size_t i = lineStart; i < end; i = NextChar(s, i)) {
                    if (s[i] != ' ') continue;
                    if (measure(std::string_view(s).substr(lineStart, i - lineStart)) <= width)
                        breakAt = i;
                    else
                        break;
                }
                if (breakAt == std::string::npos || breakAt == lineStart) {
                    // No space to break at: cut the word where it stops fitting.
                    size_t i = NextChar(s, lineStart);
                    while (i < end && measure(std::string_view(s).substr(
                                          lineStart, NextChar(s, i) - lineStart)) <= width)
                        i = NextChar(s, i);
                    push(lineStart, i);
                    lineStart = i;
                } else {
                    push(lineStart, breakAt);
                    lineStart = breakAt;
                    while (lineStart < end && s[lineStart] == ' ') ++lineStart;
                }
                if (lineStart >= end) break;
            }
        }
        if (end >= s.size()) break;
        start = end + 1;
    }
    return lines;
}

void Ellipsize(TextLine& line, int width, const std::function<int(std::string_view)>& measure) {
    if (measure(line.text) <= width) return;
    std::string base = line.text;
    while (!base.empty()) {
        size_t i = base.size() - 1;
        while (i > 0 && IsContinuation(static_cast<unsigned char>(base[i]))) --i;
        base.erase(i);
        if (measure(base + "...") <= width) break;
    }
    line.text = base + "...";
    if (line.underline >= static_cast<int>(base.size())) line.underline = -1;
}

TextBlock LayOutText(std::string_view text, const Rect& r, std::uint32_t flags, int lineHeight,
                     const std::function<int(std::string_view)>& measure) {
    TextLine stripped = StripPrefix(text, (flags & text::kNoPrefix) != 0);
    if (flags & text::kHidePrefix) stripped.underline = -1;
    const bool single = (flags & text::kSingleLine) != 0;
    std::vector<TextLine> lines;
    if (single) {
        // Line breaks show as ordinary characters on a single line.
        lines.push_back(std::move(stripped));
    } else {
        lines = BreakLines(stripped, (flags & text::kWordBreak) != 0, r.Width(), measure);
    }
    if (flags & text::kEndEllipsis)
        for (TextLine& l : lines) Ellipsize(l, r.Width(), measure);

    TextBlock block;
    const int total = lineHeight * static_cast<int>(lines.size());
    int widest = 0;
    int y = r.top;
    if (single && (flags & text::kVCenter)) y = r.top + (r.Height() - lineHeight) / 2;
    if (single && (flags & text::kBottom)) y = r.bottom - lineHeight;
    for (TextLine& l : lines) {
        const int width = measure(l.text);
        widest = std::max(widest, width);
        int x = r.left;
        if (flags & text::kCenter) x = r.left + (r.Width() - width) / 2;
        if (flags & text::kRight) x = r.right - width;
        block.lines.push_back({{x, y}, std::move(l)});
        y += lineHeight;
    }
    block.bounds = {r.left, r.top, r.left + widest, r.top + total};
    return block;
}

}  // namespace ui
