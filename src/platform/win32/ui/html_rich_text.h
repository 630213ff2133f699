#pragma once
// A web page as formatted text, for a browser control where no HTML engine can be made: the
// page shown in a rich-text view instead of a blank window. It takes the elements a simple page
// is written with: headings, bold, italic and underlined text, font colours, faces and sizes,
// paragraphs, line breaks, left, centred and right alignment, numbered and bulleted lists
// (nested too), rules, table rows and cells as paragraphs, links as underlined text and the
// common character entities. What lies in <head>, <title>, <script> and <style> is not shown.

#include <string>
#include <string_view>

#include "ui/color.h"

namespace platform::win32 {

struct RichTextPage {
    // The page in Rich Text Format (ASCII; other characters as Unicode escapes).
    std::string rtf;
    // The body's background colour (white when it names none).
    ui::Color background = ui::clWhite;
};

// Converts HTML. Every paragraph starts LEFT_INDENT twips in, leaving room at the left edge.
RichTextPage HtmlToRichText(std::string_view html, int leftIndentTwips = 0);

}  // namespace platform::win32
