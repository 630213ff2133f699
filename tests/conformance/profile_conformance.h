#pragma once
// Behaviour every platform::Profile must show, written once and instantiated for each
// implementation (the portable one in the host tests, the platform's under Wine).
//
// An environment type ENV provides:
//   platform::Profile& Profile();
//   std::string PathOf(const std::string& name);   // a file in a fresh private folder
//   void Put(const std::string& name, const std::string& bytes);
//   std::optional<std::string> Get(const std::string& name);
//   std::string RefusedPath();                     // a file no write can create
//   std::string AnsiByte(); std::string AnsiByteText();  // 0xE9 and its text in the ANSI page

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "platform/profile.h"

namespace conformance {

inline std::string Utf16Le(const std::u16string& s) {
    std::string out;
    for (char16_t c : s) {
        out.push_back(static_cast<char>(c & 0xFF));
        out.push_back(static_cast<char>(c >> 8));
    }
    return out;
}

inline std::string Utf16Be(const std::u16string& s) {
    std::string out;
    for (char16_t c : s) {
        out.push_back(static_cast<char>(c >> 8));
        out.push_back(static_cast<char>(c & 0xFF));
    }
    return out;
}

}  // namespace conformance

template <typename Env>
class ProfileConformance : public ::testing::Test {
  protected:
    Env env;
    platform::Profile& P() { return env.Profile(); }
    std::string Read(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& def = "<default>") {
        return P().ReadString(env.PathOf(file), section, key, def);
    }
    void Write(const std::string& file, const std::string& section, const std::string& key,
               const std::string& value) {
        P().WriteString(env.PathOf(file), section, key, value);
    }
};

TYPED_TEST_SUITE_P(ProfileConformance);

TYPED_TEST_P(ProfileConformance, BlanksAroundNamesAndValuesAreIgnored) {
    this->env.Put("a.ini", "  [Sec]  \r\n  key  =   two  words  \r\n\tTab\t=\tv\t\r\nnone= \r\n");
    EXPECT_EQ(this->Read("a.ini", "Sec", "key"), "two  words");
    EXPECT_EQ(this->Read("a.ini", " Sec ", " key "), "two  words");
    EXPECT_EQ(this->Read("a.ini", "Sec", "Tab"), "v");
    EXPECT_EQ(this->Read("a.ini", "Sec", "none"), "");
}

TYPED_TEST_P(ProfileConformance, OnePairOfEnclosingQuotesIsRemoved) {
    this->env.Put("q.ini",
                  "[Q]\r\nd=\"double\"\r\ns='single'\r\nleft=\"open\r\nright=close\"\r\n"
                  "twice=\"\"x\"\"\r\nlone=\"\r\nmixed=\"a'\r\ninner=a \"b\" c\r\n"
                  "spaced=  \" padded \"  \r\n");
    EXPECT_EQ(this->Read("q.ini", "Q", "d"), "double");
    EXPECT_EQ(this->Read("q.ini", "Q", "s"), "single");
    EXPECT_EQ(this->Read("q.ini", "Q", "left"), "\"open");
    EXPECT_EQ(this->Read("q.ini", "Q", "right"), "close\"");
    EXPECT_EQ(this->Read("q.ini", "Q", "twice"), "\"x\"");
    EXPECT_EQ(this->Read("q.ini", "Q", "lone"), "\"");
    EXPECT_EQ(this->Read("q.ini", "Q", "mixed"), "\"a'");
    EXPECT_EQ(this->Read("q.ini", "Q", "inner"), "a \"b\" c");
    EXPECT_EQ(this->Read("q.ini", "Q", "spaced"), " padded ");
}

TYPED_TEST_P(ProfileConformance, EmptyValueIsNotMissing) {
    this->env.Put("e.ini", "[E]\r\nempty=\r\nbare\r\n");
    EXPECT_EQ(this->Read("e.ini", "E", "empty"), "");
    EXPECT_EQ(this->Read("e.ini", "E", "bare"), "<default>");
}

TYPED_TEST_P(ProfileConformance, MissingFileSectionOrKeyYieldsTheDefault) {
    this->env.Put("m.ini", "[Here]\r\nkey=v\r\n");
    EXPECT_EQ(this->Read("absent.ini", "Here", "key"), "<default>");
    EXPECT_EQ(this->Read("m.ini", "Gone", "key"), "<default>");
    EXPECT_EQ(this->Read("m.ini", "Here", "other"), "<default>");
    EXPECT_EQ(this->Read("m.ini", "Here", "other", ""), "");
    EXPECT_FALSE(this->env.Get("absent.ini").has_value()) << "a read must not create the file";
}

TYPED_TEST_P(ProfileConformance, NamesMatchWithoutRegardToCase) {
    this->env.Put("c.ini", "[MainForm]\r\nTrash=Korb\r\n");
    EXPECT_EQ(this->Read("c.ini", "mainform", "trash"), "Korb");
    EXPECT_EQ(this->Read("c.ini", "MAINFORM", "TRASH"), "Korb");
}

TYPED_TEST_P(ProfileConformance, FirstSectionAndFirstKeyWin) {
    this->env.Put("d.ini", "[S]\r\nk=first\r\nK=second\r\n[s]\r\nk=third\r\nonly=later\r\n");
    EXPECT_EQ(this->Read("d.ini", "S", "k"), "first");
    EXPECT_EQ(this->Read("d.ini", "S", "only"), "<default>");
}

TYPED_TEST_P(ProfileConformance, LongValuesAreCutAt2047Characters) {
    std::string exact(2047, 'x');
    std::string longer(3000, 'y');
    this->env.Put("l.ini", "[L]\r\nexact=" + exact + "\r\nlonger=" + longer + "\r\n");
    EXPECT_EQ(this->Read("l.ini", "L", "exact"), exact);
    EXPECT_EQ(this->Read("l.ini", "L", "longer"), std::string(2047, 'y'));
}

TYPED_TEST_P(ProfileConformance, WritesAppendSectionsAndKeysInOrder) {
    this->Write("w.ini", "First", "a", "1");
    this->Write("w.ini", "Second", "b", "2");
    this->Write("w.ini", "First", "c", "3");
    this->Write("w.ini", "Third", "d", "");
    EXPECT_EQ(this->env.Get("w.ini").value_or("<none>"),
              "[First]\r\na=1\r\nc=3\r\n[Second]\r\nb=2\r\n[Third]\r\nd=\r\n");
    EXPECT_EQ(this->Read("w.ini", "Third", "d"), "");
}

TYPED_TEST_P(ProfileConformance, ExistingKeyIsReplacedInPlace) {
    this->env.Put("r.ini", "[A]\r\nk=1\r\nj=2\r\n[B]\r\nk=3\r\n");
    this->Write("r.ini", "a", "k", "new");
    this->Write("r.ini", "B", "k", "3");
    EXPECT_EQ(this->env.Get("r.ini").value_or("<none>"), "[A]\r\nk=new\r\nj=2\r\n[B]\r\nk=3\r\n");
}

TYPED_TEST_P(ProfileConformance, RefusedWriteRaisesUnableToWrite) {
    std::string path = this->env.RefusedPath();
    try {
        this->P().WriteString(path, "S", "k", "v");
        FAIL() << "the write was not refused";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    }
}

TYPED_TEST_P(ProfileConformance, WritesThatCouldAddLinesAreRefusedAndChangeNothing) {
    const std::string before = "[S]\r\nk=v\r\n";
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"S", "k", "v\r\n[Injected]\r\nx=1"},
        {"S", "k", "v\nx=1"},
        {"S", "k", "v\rx"},
        {"S", "k\r\nx", "1"},
        {"S", "k=x", "1"},
        {"S]\r\n[T", "k", "1"},
        {"S]x", "k", "1"},
        {"S\n", "k", "1"},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string name = "i" + std::to_string(++n) + ".ini";
        this->env.Put(name, before);
        std::string path = this->env.PathOf(name);
        try {
            this->P().WriteString(path, c.section, c.key, c.value);
            ADD_FAILURE() << "written: [" << c.section << "] " << c.key << "=" << c.value;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
        }
        EXPECT_EQ(this->env.Get(name).value_or("<none>"), before) << c.section << c.key;
    }
}

TYPED_TEST_P(ProfileConformance, SectionExistsOnlyWithKeys) {
    this->env.Put("s.ini", "[Full]\r\nk=\r\n[Empty]\r\n[Next]\r\nx=1\r\n");
    EXPECT_TRUE(this->P().SectionExists(this->env.PathOf("s.ini"), "full"));
    EXPECT_FALSE(this->P().SectionExists(this->env.PathOf("s.ini"), "Empty"));
    EXPECT_FALSE(this->P().SectionExists(this->env.PathOf("s.ini"), "Gone"));
    EXPECT_FALSE(this->P().SectionExists(this->env.PathOf("none.ini"), "Full"));
}

TYPED_TEST_P(ProfileConformance, UnicodeFilesReadInTheirEncoding) {
    const std::u16string text = u"[Lang]\r\nTrash=\u041A\u043E\u0440\u0437\u0438\u043D\u0430\r\n";
    const std::string expected = "\xD0\x9A\xD0\xBE\xD1\x80\xD0\xB7\xD0\xB8\xD0\xBD\xD0\xB0";
    this->env.Put("le.ini", "\xFF\xFE" + conformance::Utf16Le(text));
    this->env.Put("be.ini", "\xFE\xFF" + conformance::Utf16Be(text));
    this->env.Put("u8.ini", "\xEF\xBB\xBF[Lang]\r\nTrash=" + expected + "\r\n");
    EXPECT_EQ(this->Read("le.ini", "lang", "trash"), expected);
    EXPECT_EQ(this->Read("be.ini", "lang", "trash"), expected);
    EXPECT_EQ(this->Read("u8.ini", "lang", "trash"), expected);
}

TYPED_TEST_P(ProfileConformance, AnsiFilesReadInTheAnsiCodePage) {
    this->env.Put("a.ini", "[A]\r\nk=x" + this->env.AnsiByte() + "\r\n");
    EXPECT_EQ(this->Read("a.ini", "A", "k"), "x" + this->env.AnsiByteText());
}

TYPED_TEST_P(ProfileConformance, WritesKeepTheFileEncoding) {
    this->env.Put("le.ini", "\xFF\xFE" + conformance::Utf16Le(u"[A]\r\nk=1\r\n"));
    this->Write("le.ini", "A", "j", "\xD0\xB4\xD0\xB0");  // "да"
    EXPECT_EQ(this->env.Get("le.ini").value_or(""),
              "\xFF\xFE" + conformance::Utf16Le(u"[A]\r\nk=1\r\nj=\u0434\u0430\r\n"));
    this->env.Put("u8.ini", "\xEF\xBB\xBF[A]\r\nk=1\r\n");
    this->Write("u8.ini", "B", "k", "\xD0\xB4\xD0\xB0");
    EXPECT_EQ(this->env.Get("u8.ini").value_or(""),
              "\xEF\xBB\xBF[A]\r\nk=1\r\n[B]\r\nk=\xD0\xB4\xD0\xB0\r\n");
}

REGISTER_TYPED_TEST_SUITE_P(ProfileConformance, BlanksAroundNamesAndValuesAreIgnored,
                            OnePairOfEnclosingQuotesIsRemoved, EmptyValueIsNotMissing,
                            MissingFileSectionOrKeyYieldsTheDefault, NamesMatchWithoutRegardToCase,
                            FirstSectionAndFirstKeyWin, LongValuesAreCutAt2047Characters,
                            WritesAppendSectionsAndKeysInOrder, ExistingKeyIsReplacedInPlace,
                            RefusedWriteRaisesUnableToWrite,
                            WritesThatCouldAddLinesAreRefusedAndChangeNothing,
                            SectionExistsOnlyWithKeys, UnicodeFilesReadInTheirEncoding,
                            AnsiFilesReadInTheAnsiCodePage, WritesKeepTheFileEncoding);
