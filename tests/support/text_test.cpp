// Tests of the text helpers: formatting, ANSI-style upper-casing, UTF-8 validation, Windows-1252 conversion.
#include "support/text.h"

#include <gtest/gtest.h>

TEST(Text, StrFormatHasNoLengthLimit)
{
    EXPECT_EQ(StrFormat("%s - %d", "a", 7), "a - 7");
    std::string longText(5000, 'x');
    EXPECT_EQ(StrFormat("<%s>", longText.c_str()), "<" + longText + ">");
    EXPECT_EQ(StrFormat("%s", ""), "");
}

TEST(Text, AnsiUpperFoldsAsciiAndWindows1252Letters)
{
    EXPECT_EQ(AnsiUpper("layer_1 àèéìòù ç ñ þ"), "LAYER_1 ÀÈÉÌÒÙ Ç Ñ Þ");
    EXPECT_EQ(AnsiUpper("ÿ š œ ž"), "Ÿ Š Œ Ž");
    // No upper case, or not a letter: kept.
    EXPECT_EQ(AnsiUpper("ß µ ÷ € 1"), "ß µ ÷ € 1");
    EXPECT_EQ(AnsiUpper("a\xFF"
                        "b"),
              "A\xFF"
              "B");
}

TEST(Text, EqualsNoCase)
{
    EXPECT_TRUE(EqualsNoCase("Città", "CITTÀ"));
    EXPECT_TRUE(EqualsNoCase("", ""));
    EXPECT_FALSE(EqualsNoCase("citta", "CITTÀ"));
    EXPECT_FALSE(EqualsNoCase("a", "a "));
}

TEST(Text, IsValidUtf8)
{
    for (const char* good : {"", "abc", "perché", "€", "\xF0\x9F\x98\x80", "\xEF\xBF\xBF", "\xF4\x8F\xBF\xBF"})
        EXPECT_TRUE(IsValidUtf8(good)) << good;
    for (const char* bad :
         {"\x80", "caff\xE8", "\xC3", "\xE2\x82", "\xC0\xAF", "\xC1\xBF", "\xE0\x80\xAF", "\xF0\x80\x80\xAF",
          "\xED\xA0\x80", "\xED\xBF\xBF", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF", "\xC3\x28"})
        EXPECT_FALSE(IsValidUtf8(bad)) << testing::PrintToString(bad);
}

TEST(Text, Cp1252RoundTripOfEveryByte)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
}

TEST(Text, Cp1252Mapping)
{
    EXPECT_EQ(Cp1252ToUtf8("caff\xE8 \x80 \x93x\x94 \x9F"), "caffè € “x” Ÿ");
    EXPECT_EQ(Utf8ToCp1252("caffè € “x” Ÿ"), "caff\xE8 \x80 \x93x\x94 \x9F");
    EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xC2\x81");
}

TEST(Text, Utf8ToCp1252ReplacesWhatItCannotHold)
{
    EXPECT_EQ(Utf8ToCp1252("Ωx"), "?x");
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80"), "?");
    EXPECT_EQ(Utf8ToCp1252("\xC2\x80"), "?");  // U+0080 is not a Windows-1252 character
    EXPECT_EQ(Utf8ToCp1252("a\xE8z"), "a?z");  // an invalid byte
}
