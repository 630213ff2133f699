#include "platform/win32/ui/html_rich_text.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace platform::win32 {

namespace {

// The page's colours are the toolkit's.
using namespace ui;

// --- Reading the HTML -----------------------------------------------------------------------

struct Tag {
    std::string name;  // lower case, without the slash
    bool closing = false;
    std::map<std::string, std::string> attributes;  // lower-case names

    std::string Attribute(const std::string& attribute) const {
        auto it = attributes.find(attribute);
        return it == attributes.end() ? std::string() : it->second;
    }
};

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return lower;
}

bool IsSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\f';
}

// The tag between '<' and '>' (both excluded).
Tag ParseTag(std::string_view text) {
    Tag tag;
    size_t at = 0;
    if (at < text.size() && text[at] == '/') {
        tag.closing = true;
        ++at;
    }
    size_t nameEnd = at;
    while (nameEnd < text.size() && !IsSpace(text[nameEnd]) && text[nameEnd] != '/') ++nameEnd;
    tag.name = Lower(text.substr(at, nameEnd - at));
    at = nameEnd;
    while (at < text.size()) {
        while (at < text.size() && (IsSpace(text[at]) || text[at] == '/')) ++at;
        size_t nameStart = at;
        while (at < text.size() && !IsSpace(text[at]) && text[at] != '=') ++at;
        std::string name = Lower(text.substr(nameStart, at - nameStart));
        while (at < text.size() && IsSpace(text[at])) ++at;
        std::string value;
        if (at < text.size() && text[at] == '=') {
            ++at;
            while (at < text.size() && IsSpace(text[at])) ++at;
            if (at < text.size() && (text[at] == '"' || text[at] == '\'')) {
                char quote = text[at++];
                size_t end = text.find(quote, at);
                if (end == std::string_view::npos) end = text.size();
                value = std::string(text.substr(at, end - at));
                at = end + 1;
            } else {
                size_t start = at;
                while (at < text.size() && !IsSpace(text[at])) ++at;
                value = std::string(text.substr(start, at - start));
            }
        }
        if (!name.empty()) tag.attributes[name] = value;
    }
    return tag;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

constexpr std::uint32_t kNoBreakSpace = 0xA0;

// The character an entity stands for (without '&' and ';'), or nullopt when it is unknown.
std::optional<std::uint32_t> Entity(std::string_view name) {
    if (name.size() > 1 && name[0] == '#') {
        bool hex = name[1] == 'x' || name[1] == 'X';
        std::uint32_t code = 0;
        for (char ch : name.substr(hex ? 2 : 1)) {
            int digit = std::isdigit(static_cast<unsigned char>(ch)) ? ch - '0'
                        : hex && std::isxdigit(static_cast<unsigned char>(ch))
                            ? std::tolower(static_cast<unsigned char>(ch)) - 'a' + 10
                            : -1;
            if (digit < 0 || code > 0x10FFFF) return std::nullopt;
            code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
        }
        if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
        return code;
    }
    static const std::map<std::string_view, std::uint32_t> named = {
        {"nbsp", kNoBreakSpace}, {"amp", '&'},    {"lt", '<'},       {"gt", '>'},
        {"quot", '"'},           {"apos", '\''},  {"copy", 0xA9},    {"reg", 0xAE},
        {"laquo", 0xAB},         {"raquo", 0xBB}, {"mdash", 0x2014}, {"ndash", 0x2013},
        {"hellip", 0x2026},      {"bull", 0x2022}};
    auto it = named.find(name);
    if (it == named.end()) return std::nullopt;
    return it->second;
}

// The next UTF-8 character of TEXT at AT (advancing it); malformed bytes read as U+FFFD.
std::uint32_t NextCodePoint(std::string_view text, size_t& at) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(at++);
    if (lead < 0x80) return lead;
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || at + static_cast<size_t>(extra) > text.size()) return 0xFFFD;
    std::uint32_t code = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        if ((byte(at) & 0xC0) != 0x80) return 0xFFFD;
        code = (code << 6) | (byte(at++) & 0x3F);
    }
    return code;
}

std::optional<Color> ParseColor(std::string value) {
    value = Lower(value);
    static const std::map<std::string, Color> named = {
        {"black", clBlack},   {"maroon", clMaroon}, {"green", clGreen},     {"olive", clOlive},
        {"navy", clNavy},     {"purple", clPurple}, {"teal", clTeal},       {"gray", clGray},
        {"grey", clGray},     {"silver", clSilver}, {"red", clRed},         {"lime", clLime},
        {"yellow", clYellow}, {"blue", clBlue},     {"fuchsia", clFuchsia}, {"aqua", clAqua},
        {"white", clWhite}};
    if (auto it = named.find(value); it != named.end()) return it->second;
    if (!value.empty() && value[0] == '#') value.erase(0, 1);
    if (value.size() != 6 || !std::all_of(value.begin(), value.end(), [](char ch) {
            return std::isxdigit(static_cast<unsigned char>(ch));
        }))
        return std::nullopt;
    return Hex(static_cast<std::uint32_t>(std::stoul(value, nullptr, 16)));
}

// --- Writing the rich text ------------------------------------------------------------------

enum class Face { Proportional, Typewriter, Sans };
enum class Align { Left, Center, Right };

struct Format {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::optional<Color> color;  // none: the view's text colour
    int halfPoints = 24;         // 12 pt
    Face face = Face::Proportional;
    bool operator==(const Format&) const = default;
};

struct List {
    bool ordered = false;
    int count = 0;
};

constexpr int kListStepTwips = 360;
constexpr int kRuleLength = 30;  // em dashes

bool IsBlock(const std::string& name) {
    static const char* const blocks[] = {"p",      "div",  "h1", "h2", "h3", "h4",
                                         "h5",     "h6",   "tr", "td", "th", "table",
                                         "center", "body", "ul", "ol", "li", "blockquote"};
    return std::any_of(std::begin(blocks), std::end(blocks),
                       [&](const char* block) { return name == block; });
}

bool IsHidden(const std::string& name) {
    return name == "head" || name == "title" || name == "script" || name == "style";
}

bool IsVoid(const std::string& name) {
    return name == "br" || name == "hr" || name == "img" || name == "meta" || name == "link" ||
           name == "input";
}

int HeadingHalfPoints(char level) {
    switch (level) {
        case '1':
            return 48;
        case '2':
            return 36;
        case '3':
            return 28;
        case '4':
            return 24;
        case '5':
            return 20;
        default:
            return 16;
    }
}

int FontSizeHalfPoints(const std::string& size) {
    static const int sizes[] = {16, 20, 24, 28, 36, 48, 72};
    int n = std::atoi(size.c_str());
    if (!size.empty() && (size[0] == '+' || size[0] == '-')) n += 3;
    return sizes[std::clamp(n, 1, 7) - 1];
}

std::optional<Align> ParseAlign(const std::string& value) {
    std::string v = Lower(value);
    if (v == "center" || v == "middle") return Align::Center;
    if (v == "right") return Align::Right;
    if (v == "left" || v == "justify") return Align::Left;
    return std::nullopt;
}

class RichTextWriter {
  public:
    explicit RichTextWriter(int leftIndentTwips) : leftIndent_(leftIndentTwips) {}

    void OpenTag(const Tag& tag) {
        const std::string& name = tag.name;
        if (name == "br") {
            StartParagraphIfNeeded();
            body_ += "\\line ";
            atLineStart_ = true;
            return;
        }
        if (name == "hr") {
            Rule();
            return;
        }
        if (name == "body") {
            if (auto color = ParseColor(tag.Attribute("bgcolor"))) background_ = *color;
        }
        if (IsBlock(name)) BreakParagraph();
        if (IsVoid(name)) return;

        Element element{name, Current().format, Current().align, Current().hidden};
        Format& f = element.format;
        if (name == "b" || name == "strong" || name == "th") f.bold = true;
        if (name == "i" || name == "em" || name == "cite") f.italic = true;
        if (name == "u" || name == "a") f.underline = true;
        if (name == "tt" || name == "code" || name == "pre") f.face = Face::Typewriter;
        if (name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6') {
            f.bold = true;
            f.halfPoints = HeadingHalfPoints(name[1]);
        }
        if (name == "font") {
            if (auto color = ParseColor(tag.Attribute("color"))) f.color = *color;
            if (std::string size = tag.Attribute("size"); !size.empty())
                f.halfPoints = FontSizeHalfPoints(size);
            std::string face = Lower(tag.Attribute("face"));
            if (face.find("courier") != std::string::npos || face.find("mono") != std::string::npos)
                f.face = Face::Typewriter;
            else if (face.find("arial") != std::string::npos ||
                     face.find("sans") != std::string::npos)
                f.face = Face::Sans;
        }
        if (name == "center") element.align = Align::Center;
        if (auto align = ParseAlign(tag.Attribute("align")); align && name != "table")
            element.align = *align;
        if (IsHidden(name)) element.hidden = true;
        if (name == "ol" || name == "ul") lists_.push_back({name == "ol", 0});
        stack_.push_back(std::move(element));
        if (name == "li") ListItem();
    }

    void CloseTag(const Tag& tag) {
        auto it = std::find_if(stack_.rbegin(), stack_.rend(),
                               [&](const Element& e) { return e.name == tag.name; });
        if (it == stack_.rend()) return;  // nothing of that name is open
        for (size_t n = static_cast<size_t>(it - stack_.rbegin()) + 1; n > 0; --n) {
            if ((stack_.back().name == "ol" || stack_.back().name == "ul") && !lists_.empty())
                lists_.pop_back();
            stack_.pop_back();
        }
        if (IsBlock(tag.name)) BreakParagraph();
    }

    // Text between tags, entities decoded, UTF-8.
    void Text(std::string_view text) {
        if (Current().hidden) return;
        for (size_t at = 0; at < text.size();) {
            std::uint32_t code = NextCodePoint(text, at);
            if (code < 0x80 && IsSpace(static_cast<char>(code))) {
                pendingSpace_ = true;
                continue;
            }
            if (pendingSpace_ && paragraphOpen_ && !atLineStart_) Char(' ');
            pendingSpace_ = false;
            Char(code);
        }
    }

    RichTextPage Finish() {
        std::string rtf =
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
            "{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fmodern Courier New;}"
            "{\\f2\\fswiss Arial;}}{\\colortbl;";
        for (Color c : colors_)
            rtf += "\\red" + std::to_string(RedOf(c)) + "\\green" + std::to_string(GreenOf(c)) +
                   "\\blue" + std::to_string(BlueOf(c)) + ";";
        rtf += "}\n" + body_ + "\\par\n}";
        return {rtf, background_};
    }

  private:
    struct Element {
        std::string name;
        Format format;
        Align align = Align::Left;
        bool hidden = false;
    };

    const Element& Current() const { return stack_.empty() ? root_ : stack_.back(); }

    // Ends the paragraph being written; the next text starts a new one.
    void BreakParagraph() {
        if (!paragraphOpen_) return;
        body_ += "\\par\n";
        paragraphOpen_ = false;
    }

    void StartParagraphIfNeeded() {
        if (paragraphOpen_) return;
        StartParagraph(Indent(), 0);
    }

    int Indent() const { return leftIndent_ + kListStepTwips * static_cast<int>(lists_.size()); }

    void StartParagraph(int indent, int firstLine) {
        body_ += "\\pard\\sa60";
        if (Current().align == Align::Center) body_ += "\\qc";
        if (Current().align == Align::Right) body_ += "\\qr";
        if (indent) body_ += "\\li" + std::to_string(indent);
        if (firstLine)
            body_ += "\\fi" + std::to_string(firstLine) + "\\tx" + std::to_string(indent);
        body_ += ' ';
        paragraphOpen_ = true;
        atLineStart_ = true;
        written_.reset();  // \pard keeps the character format, but say it again
    }

    void ListItem() {
        BreakParagraph();
        if (lists_.empty()) lists_.push_back({false, 0});  // a stray <li>: a bullet
        List& list = lists_.back();
        ++list.count;
        StartParagraph(Indent(), -kListStepTwips);
        if (list.ordered) {
            for (char ch : std::to_string(list.count) + ".") Char(static_cast<unsigned char>(ch));
        } else {
            Char(0x2022);
        }
        body_ += "\\tab ";
        atLineStart_ = true;
    }

    // A rule: a paragraph of its own, a grey line of dashes.
    void Rule() {
        BreakParagraph();
        Element rule{"hr", Format{}, Align::Left, false};
        rule.format.color = clGray;
        stack_.push_back(rule);
        StartParagraph(leftIndent_, 0);
        for (int i = 0; i < kRuleLength; ++i) Char(0x2014);
        stack_.pop_back();
        BreakParagraph();
    }

    int ColorIndex(Color c) {
        auto it = std::find(colors_.begin(), colors_.end(), c);
        if (it == colors_.end()) it = colors_.insert(colors_.end(), c);
        return static_cast<int>(it - colors_.begin()) + 1;  // 0 is the view's own colour
    }

    void ApplyFormat() {
        const Format& f = Current().format;
        if (written_ && *written_ == f) return;
        body_ += "\\plain\\f" + std::to_string(static_cast<int>(f.face)) + "\\fs" +
                 std::to_string(f.halfPoints);
        if (f.color) body_ += "\\cf" + std::to_string(ColorIndex(*f.color));
        if (f.bold) body_ += "\\b";
        if (f.italic) body_ += "\\i";
        if (f.underline) body_ += "\\ul";
        body_ += ' ';
        written_ = f;
    }

    void Char(std::uint32_t code) {
        StartParagraphIfNeeded();
        ApplyFormat();
        atLineStart_ = false;
        if (code == kNoBreakSpace) {
            body_ += "\\~";
        } else if (code == '\\' || code == '{' || code == '}') {
            body_ += '\\';
            body_ += static_cast<char>(code);
        } else if (code >= 0x20 && code < 0x80) {
            body_ += static_cast<char>(code);
        } else if (code >= 0x80) {
            // Signed 16-bit units, each followed by its one-character fallback.
            auto unit = [this](std::uint32_t u) {
                body_ += "\\u" + std::to_string(static_cast<std::int16_t>(u)) + "?";
            };
            if (code > 0xFFFF) {
                code -= 0x10000;
                unit(0xD800 + (code >> 10));
                unit(0xDC00 + (code & 0x3FF));
            } else {
                unit(code);
            }
        }
    }

    int leftIndent_;
    Element root_{"", Format{}, Align::Left, false};
    std::vector<Element> stack_;
    std::vector<List> lists_;
    std::vector<Color> colors_;
    std::optional<Format> written_;
    std::string body_;
    Color background_ = clWhite;
    bool paragraphOpen_ = false;
    bool atLineStart_ = true;
    bool pendingSpace_ = false;
};

// TEXT with its character entities replaced by their characters (UTF-8).
std::string DecodeEntities(std::string_view text) {
    std::string out;
    for (size_t at = 0; at < text.size();) {
        if (text[at] == '&') {
            size_t end = text.find(';', at);
            if (end != std::string_view::npos && end - at <= 10) {
                if (auto code = Entity(text.substr(at + 1, end - at - 1))) {
                    AppendUtf8(out, *code);
                    at = end + 1;
                    continue;
                }
            }
        }
        out += text[at++];
    }
    return out;
}

}  // namespace

RichTextPage HtmlToRichText(std::string_view html, int leftIndentTwips) {
    RichTextWriter writer(leftIndentTwips);
    for (size_t at = 0; at < html.size();) {
        if (html.compare(at, 4, "<!--") == 0) {
            size_t end = html.find("-->", at + 4);
            at = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        if (html[at] == '<' && at + 1 < html.size() &&
            (std::isalpha(static_cast<unsigned char>(html[at + 1])) || html[at + 1] == '/' ||
             html[at + 1] == '!')) {
            size_t end = html.find('>', at);
            if (end == std::string_view::npos) end = html.size();
            Tag tag = ParseTag(html.substr(at + 1, end - at - 1));
            if (tag.closing)
                writer.CloseTag(tag);
            else if (!tag.name.empty() && tag.name[0] != '!')
                writer.OpenTag(tag);
            at = end + 1;
            continue;
        }
        size_t next = html.find('<', at + 1);
        if (next == std::string_view::npos) next = html.size();
        writer.Text(DecodeEntities(html.substr(at, next - at)));
        at = next;
    }
    return writer.Finish();
}

}  // namespace platform::win32
