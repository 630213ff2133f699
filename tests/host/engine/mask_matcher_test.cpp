#include "engine/mask_matcher.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using engine::MaskError;
using engine::MaskMatcher;

bool Match(const std::string& mask, const std::string& name) {
    return MaskMatcher(mask).Matches(name);
}

TEST(MaskMatcher, StarAndQuestionMark) {
    EXPECT_TRUE(Match("*", ""));
    EXPECT_TRUE(Match("*", "anything"));
    EXPECT_TRUE(Match("*.*", "a.b"));
    EXPECT_TRUE(Match("*.*", "."));
    EXPECT_FALSE(Match("*.*", "README"));  // no dot, no match
    EXPECT_TRUE(Match("*.tmp", "x.y.tmp"));
    EXPECT_FALSE(Match("*.tmp", "x.tmpl"));
    EXPECT_TRUE(Match("a*b*c", "aXXbYYbc"));
    EXPECT_TRUE(Match("a?c", "abc"));
    EXPECT_FALSE(Match("a?c", "ac"));
    EXPECT_FALSE(Match("a?c", "abbc"));
    EXPECT_TRUE(Match("**", "x"));
}

TEST(MaskMatcher, LiteralsAreExactAndCaseFoldsOnlyLatinLetters) {
    EXPECT_TRUE(Match("Temp", "tEMP"));
    EXPECT_FALSE(Match("Temp", "Temp2"));
    EXPECT_FALSE(Match("a.b", "aXb"));  // the dot matches only itself
    EXPECT_TRUE(Match("Файл.txt", "Файл.TXT"));
    EXPECT_FALSE(Match("файл", "ФАЙЛ"));   // Cyrillic letters are not folded
    EXPECT_TRUE(Match("?.txt", "ё.txt"));  // one character, two bytes
}

TEST(MaskMatcher, SetsRangesAndNegation) {
    EXPECT_TRUE(Match("[abc].log", "b.log"));
    EXPECT_TRUE(Match("[abc].log", "B.LOG"));
    EXPECT_FALSE(Match("[abc].log", "d.log"));
    EXPECT_TRUE(Match("file[0-9]", "file7"));
    EXPECT_FALSE(Match("file[0-9]", "filex"));
    EXPECT_TRUE(Match("[a-c][x-z]", "Cy"));
    EXPECT_TRUE(Match("[!0-9]*", "x1"));
    EXPECT_FALSE(Match("[!0-9]*", "1x"));
    EXPECT_TRUE(Match("[!a]", "B"));
    EXPECT_FALSE(Match("[!a]", "A"));
    EXPECT_TRUE(Match("[*?]", "*"));  // wildcards inside a set are plain characters
    EXPECT_FALSE(Match("[*?]", "x"));
    EXPECT_TRUE(Match("[a-]", "-"));  // a trailing hyphen is itself
}

TEST(MaskMatcher, UnparseableMasksRaiseTheExactError) {
    try {
        MaskMatcher bad("ab[cd");
        FAIL() << "no error";
    } catch (const MaskError& e) {
        EXPECT_STREQ(e.what(), "'ab[cd' is an invalid mask at (3)");
    }
    std::string thirty(30, '*');
    EXPECT_NO_THROW(MaskMatcher{thirty});
    try {
        MaskMatcher bad(thirty + "x*");
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "'" + thirty + "x*' is an invalid mask at (32)");
    }
}

TEST(MaskMatcher, ManyStarsStayFast) {
    // Backtracking that tried every split would take ages here.
    std::string mask;
    for (int i = 0; i < 30; ++i) mask += "*a";
    EXPECT_FALSE(Match(mask + "b", std::string(5000, 'a')));
}

}  // namespace
