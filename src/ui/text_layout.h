#pragma once
// Portable DrawText-style layout: accelerator prefixes, line breaking and ellipsis, with a
// caller-supplied width measure. The raster canvas draws with it.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct TextLine {
    std::string text;
    int underline = -1;  // byte index of the accelerator character in text, or -1
};

// Removes accelerator prefixes: "&&" becomes "&", "&x" becomes "x" and marks it. With
// NO_PREFIX the text is kept as it is.
TextLine StripPrefix(std::string_view text, bool noPrefix);

// The character after the first single '&' (lower-cased ASCII), or 0 when there is none.
char32_t AcceleratorOf(std::string_view caption);

// Splits into lines: at line feeds, and (when WRAP) at spaces so that no line is wider than
// WIDTH (a single word wider than WIDTH is broken where it no longer fits).
std::vector<TextLine> BreakLines(const TextLine& text, bool wrap, int width,
                                 const std::function<int(std::string_view)>& measure);

// Shortens LINE with "..." at its end so that it fits WIDTH.
void Ellipsize(TextLine& line, int width, const std::function<int(std::string_view)>& measure);

// Number of characters (UTF-8 code points) in S.
int CodePoints(std::string_view s);

}  // namespace ui
