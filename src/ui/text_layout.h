#pragma once
// Portable DrawText-style layout: accelerator prefixes, line breaking and ellipsis, with a
// caller-supplied width measure. The raster canvas draws with it.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/geometry.h"

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

// One line of laid-out text and where it starts (its cell's top-left corner).
struct PlacedLine {
    Point at;
    TextLine line;
};

struct TextBlock {
    std::vector<PlacedLine> lines;
    Rect bounds;  // what a measuring draw reports: R's corner, the widest line, every line
};

// Lays TEXT out in R as DrawText does with the text:: FLAGS: lines LINE_HEIGHT apart, widths
// from MEASURE. Both canvases draw through it, so they break, align and shorten alike.
TextBlock LayOutText(std::string_view text, const Rect& r, std::uint32_t flags, int lineHeight,
                     const std::function<int(std::string_view)>& measure);

// Number of characters (UTF-8 code points) in S.
int CodePoints(std::string_view s);

}  // namespace ui
