#include "document/Windows1256.h"
#include "texts/Texts.h"

#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringEncoder>

using namespace molvane;

namespace {

QByteArray htmlBytes(std::string_view text)
{
    QByteArray bytes;
    AppendWindows1256Html(text, bytes);
    return bytes;
}

TEST(Windows1256, EveryByteReadsAndWritesBackUnchanged)
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    const std::string text = FromWindows1256(all);
    const std::optional<QByteArray> back = ToWindows1256(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Windows1256, ConvertsExactlyAsQtsCodec)
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    QStringDecoder decode("windows-1256");
    const QString text = decode(all);
    EXPECT_EQ(FromWindows1256(all), text.toStdString());
    QStringEncoder encode("windows-1256");
    EXPECT_EQ(ToWindows1256(text.toStdString()).value(), QByteArray(encode(text)));
}

TEST(Windows1256, BrokenUtf8IsRefused)
{
    EXPECT_FALSE(ToWindows1256("a\xC3").has_value()); // cut short
    EXPECT_FALSE(ToWindows1256("\x80").has_value()); // stray continuation byte
    EXPECT_EQ(htmlBytes("a\xC3(b"), QByteArray("a&#65533;(b"));
}

TEST(Windows1256, FarsiLettersAreSingleBytes)
{
    // ARABIC LETTER MEEM, WAW, LAM, then the Persian gaf, which the code page also has
    const std::optional<QByteArray> bytes = ToWindows1256("مول گرم");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->toHex(), "e3e6e12090d1e3");
    EXPECT_EQ(FromWindows1256(*bytes), "مول گرم");
}

TEST(Windows1256, CharactersOutsideTheCodePageAreRefused)
{
    // Farsi yeh (U+06CC) and Persian digit one (U+06F1) have no byte in Windows-1256
    EXPECT_FALSE(ToWindows1256("ی").has_value());
    EXPECT_FALSE(ToWindows1256("a۱").has_value());
    EXPECT_EQ(FirstCharacterOutsideWindows1256("ab۱c"), "۱");
    EXPECT_FALSE(Windows1256Has(U'\u06CC'));
    EXPECT_TRUE(Windows1256Has(U'\u064A')); // Arabic yeh, its best fit
    EXPECT_TRUE(Windows1256Has(U'\u06AF')); // gaf
    EXPECT_FALSE(Windows1256Has(U'\0'));
    EXPECT_EQ(FirstCharacterOutsideWindows1256("abc مول"), "");
}

TEST(Windows1256, PagesWriteMissingCharactersAsReferences)
{
    EXPECT_EQ(htmlBytes("aی€"), QByteArray("a&#1740;\x80"));
    EXPECT_EQ(htmlBytes("plain"), QByteArray("plain"));
}

// Every caption, hint and message can be written into a document or page in either language.
TEST(Windows1256, EveryInterfaceTextFitsTheCodePage)
{
    for (const UiText &text : UiTexts()) {
        EXPECT_TRUE(ToWindows1256(text.farsi).has_value()) << text.english;
        EXPECT_TRUE(ToWindows1256(text.english).has_value()) << text.english;
    }
}

} // namespace
