// A page as formatted text, where no HTML engine exists.

#include "platform/win32/ui/html_rich_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "forms/help/help_page.h"

namespace {

size_t Count(std::string_view text, std::string_view part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST(HtmlRichText, FormatsTheElementsAPageIsWrittenWith) {
    struct Case {
        const char* html;
        std::vector<std::string> expected;  // in this order in the rich text
    } cases[] = {
        {"<b>bold</b> <i>it</i>", {"\\plain\\f0\\fs24\\b bold\\plain\\f0\\fs24\\i  it"}},
        {"<h2><tt><font color=red>Head</font></tt></h2>next",
         {"{\\colortbl;\\red255\\green0\\blue0;}", "\\f1\\fs36\\cf1\\b Head\\par", "\\fs24 next"}},
        {"<title><head>Hidden</head></title>a \n\t b&nbsp;&amp;{c}\\", {"a b\\~&\\{c\\}\\\\"}},
        {"ж€😀", {"\\u1078?\\u8364?\\u-10179?\\u-8704?"}},
        {"<center>mid</center><p align=right>r</p>", {"\\qc \\plain\\f0\\fs24 mid", "\\qr "}},
        {"<ol><li>one</li><li>two<ul><li>dot</li></ul></li></ol>after",
         {"\\li360\\fi-360\\tx360 \\plain\\f0\\fs24 1.\\tab one\\par", "2.\\tab two\\par",
          "\\li720\\fi-360\\tx720 \\plain\\f0\\fs24 \\u8226?\\tab dot\\par",
          "\\pard\\sa60 \\plain\\f0\\fs24 after"}},
        {"x<br><br>y<hr>z", {"x\\line \\line y\\par", "\\u8212?\\u8212?", "\\par\n\\pard\\sa60 "}},
        {"<a href=\"mailto:a@b\">link</a>", {"\\ul link"}},
    };
    for (const Case& c : cases) {
        std::string rtf = platform::win32::HtmlToRichText(c.html).rtf;
        size_t at = 0;
        for (const std::string& part : c.expected) {
            size_t found = rtf.find(part, at);
            ASSERT_NE(found, std::string::npos)
                << c.html << "\nmissing: " << part << "\nin: " << rtf;
            at = found + part.size();
        }
        EXPECT_EQ(rtf.find("Hidden"), std::string::npos) << c.html;
        EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(),
                                [](char ch) { return static_cast<unsigned char>(ch) < 0x80; }))
            << "rich text is ASCII: " << c.html;
    }
}

TEST(HtmlRichText, TheHelpPageReadsOnBlackWithRedHeadingsAndRoomForTheLogo) {
    platform::win32::RichTextPage page = platform::win32::HtmlToRichText(tools::HelpPage(), 1440);
    EXPECT_EQ(page.background, ui::clBlack);
    // Red is the first colour, teal the second.
    EXPECT_NE(page.rtf.find("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue128;"),
              std::string::npos);
    EXPECT_NE(page.rtf.find("\\cf1\\b \\u1048?"), std::string::npos) << "red bold \"История\"";
    EXPECT_LT(page.rtf.find("\\cf1\\b \\u1055?"), page.rtf.find("Skarvel"))
        << "the title is not shown: the page begins with its red heading";
    EXPECT_EQ(Count(page.rtf, "\\pard"), Count(page.rtf, "\\li1") + Count(page.rtf, "\\li2"))
        << "every paragraph starts past the logo";
}

}  // namespace
