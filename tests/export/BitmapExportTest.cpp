// The bitmap export read back pixel by pixel, painted on the offscreen platform.
#include "export/BitmapExport.h"
#include "OffscreenGuiApplication.h"
#include "document/DocumentFormat.h"
#include "export/BmpWriter.h"
#include "export/FontConversion.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageReader>
#include <QPalette>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

using namespace molvane;

namespace {

const auto *const Gui = ::testing::AddGlobalTestEnvironment(new OffscreenGuiApplication);

const QColor Black(0, 0, 0), White(255, 255, 255), Blue(0, 0, 255);

// Two columns of 60 and 120 pixels and three rows of 21, 30 and 21: a table wider than the
// reaction, so the picture is 10 + 180 + 10 pixels wide.
Document tableDocument(UiLanguage language)
{
    Document document;
    document.reaction = "2H2+O2>2H2O";
    document.language = language;
    document.grid.setColCount(2);
    document.grid.setRowCount(3);
    document.grid.setColWidth(0, 60);
    document.grid.setColWidth(1, 120);
    document.grid.setRowHeight(0, 21);
    document.grid.setRowHeight(1, 30);
    document.grid.setRowHeight(2, 21);
    document.grid.setCell(0, 0, "Formula");
    document.grid.setCell(1, 0, "Number");
    document.grid.setCell(0, 1, "XX");
    return document;
}

int reactionImageHeight(const Document &document)
{
    return QFontMetrics(ToQFont(document.fonts[ReactionFont])).height() + 3;
}

QColor at(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

bool isInk(const QColor &c)
{
    return c.lightness() < 160;
}

// The leftmost and rightmost columns holding ink in the band of rows [top, bottom).
std::pair<int, int> inkColumns(const QImage &image, int left, int right, int top, int bottom)
{
    int first = -1, last = -1;
    for (int x = left; x < right; ++x)
        for (int y = top; y < bottom; ++y)
            if (isInk(at(image, x, y))) {
                if (first < 0)
                    first = x;
                last = x;
            }
    return { first, last };
}

} // namespace

struct SizeCase
{
    const char *name;
    int reactionWidth, imageHeight;
    std::vector<int> widths, heights;
    QSize expected;
};

class BitmapSizeTest : public ::testing::TestWithParam<SizeCase>
{
};

TEST_P(BitmapSizeTest, FollowsTheWiderOfReactionAndTable)
{
    const SizeCase &c = GetParam();
    GridModel grid;
    grid.setColCount(int(c.widths.size()));
    grid.setRowCount(int(c.heights.size()));
    for (std::size_t i = 0; i < c.widths.size(); ++i)
        grid.setColWidth(int(i), c.widths[i]);
    for (std::size_t i = 0; i < c.heights.size(); ++i)
        grid.setRowHeight(int(i), c.heights[i]);
    EXPECT_EQ(BitmapSize(c.reactionWidth, c.imageHeight, grid), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, BitmapSizeTest,
    ::testing::Values(SizeCase { "EmptyReaction", 0, 25, { 100, 50 }, { 21, 21 }, { 170, 97 } },
        SizeCase { "ReactionWiderThanTable", 400, 25, { 100, 50 }, { 21, 21 }, { 420, 97 } },
        SizeCase { "ReactionAsWideAsTable", 150, 22, { 150 }, { 21, 30, 40 }, { 170, 143 } },
        SizeCase { "SharedBordersNotSubtracted", 10, 25, { 10, 10, 10 }, { 5, 5 }, { 50, 65 } },
        SizeCase { "NegativeSizesCountAsZero", 0, 25, { 100, -50 }, { 21, -21 }, { 120, 76 } },
        SizeCase { "HugeWidthsDoNotOverflow", 0, 25, { 2000000000, 2000000000 }, { 21, 21 },
            { 2147483647, 97 } }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ColumnsLeftToRight, EnglishFirstToLastFarsiMirrored)
{
    EXPECT_EQ(ColumnsLeftToRight(3, UiLanguage::English), (std::vector<int> { 0, 1, 2 }));
    EXPECT_EQ(ColumnsLeftToRight(3, UiLanguage::Farsi), (std::vector<int> { 2, 1, 0 }));
}

struct DirectionCase
{
    const char *name;
    const char *text;
    UiLanguage language;
    bool rightToLeft;
};

class CellDirectionTest : public ::testing::TestWithParam<DirectionCase>
{
};

TEST_P(CellDirectionTest, OnlyFarsiTextWithATrailingBracketReadsRightToLeft)
{
    const DirectionCase &c = GetParam();
    EXPECT_EQ(CellTextRightToLeft(QString::fromUtf8(c.text), c.language), c.rightToLeft);
}

INSTANTIATE_TEST_SUITE_P(Cases, CellDirectionTest,
    ::testing::Values(DirectionCase { "FarsiBracketInFarsi", "جرم (گرم)", UiLanguage::Farsi, true },
        DirectionCase { "FarsiBracketInEnglish", "جرم (گرم)", UiLanguage::English, false },
        DirectionCase { "FarsiWithoutBracket", "جرم", UiLanguage::Farsi, false },
        DirectionCase { "LatinBracketInFarsi", "Mass (g)", UiLanguage::Farsi, false },
        DirectionCase { "FormulaInBrackets", "(H2)", UiLanguage::Farsi, false }),
    [](const auto &info) { return std::string(info.param.name); });

struct ExtensionCase
{
    const char *name, *chosen, *saved;
};

class BitmapExtensionTest : public ::testing::TestWithParam<ExtensionCase>
{
};

TEST_P(BitmapExtensionTest, AddedOnlyWithoutAFullStop)
{
    EXPECT_EQ(WithBitmapExtension(GetParam().chosen), QString(GetParam().saved));
}

INSTANTIATE_TEST_SUITE_P(Cases, BitmapExtensionTest,
    ::testing::Values(ExtensionCase { "NoExtension", "/tmp/result", "/tmp/result.bmp" },
        ExtensionCase { "OtherExtension", "/tmp/result.png", "/tmp/result.png" },
        ExtensionCase { "LoneFullStop", "/tmp/result.", "/tmp/result." },
        ExtensionCase { "FullStopInFolderOnly", "/tmp/a.b/result", "/tmp/a.b/result.bmp" }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RenderBitmap, SizeBackgroundAndRuledTable)
{
    const Document document = tableDocument(UiLanguage::English);
    const QImage image = RenderBitmap(document, UiLanguage::English);
    const int top = reactionImageHeight(document) + 20;
    ASSERT_EQ(image.format(), QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(200, top + 72 + 10));

    EXPECT_EQ(at(image, 0, 0), White);
    EXPECT_EQ(at(image, 199, image.height() - 1), White);
    // Outer border: left at x = 10; right at 188, as the two columns share one line.
    EXPECT_EQ(at(image, 10, top), Black);
    EXPECT_EQ(at(image, 10, top + 35), Black);
    EXPECT_EQ(at(image, 188, top + 35), Black);
    EXPECT_EQ(at(image, 189, top + 35), White);
    // The columns share the line at x = 69, the rows those at top + 20 and top + 49.
    EXPECT_EQ(at(image, 69, top + 60), Black);
    EXPECT_EQ(at(image, 68, top + 60), White);
    EXPECT_EQ(at(image, 70, top + 60), White);
    EXPECT_EQ(at(image, 100, top + 20), Black);
    EXPECT_EQ(at(image, 100, top + 49), Black);
    EXPECT_EQ(at(image, 100, top + 69), Black);
    EXPECT_EQ(at(image, 100, top + 70), White);
    EXPECT_EQ(at(image, 100, top + 21), White);
}

TEST(RenderBitmap, CoefficientInBlueAndSymbolsInWindowText)
{
    const Document document = tableDocument(UiLanguage::English);
    const QImage image = RenderBitmap(document, UiLanguage::English);
    const int height = reactionImageHeight(document);
    const int digit = QFontMetrics(ToQFont(document.fonts[NumbersFont])).horizontalAdvance('2');
    bool blue = false, otherInk = false;
    for (int x = 10; x < 10 + digit; ++x)
        for (int y = 10; y < 10 + height; ++y) {
            const QColor c = at(image, x, y);
            blue = blue || c == Blue;
            otherInk = otherInk || (isInk(c) && c.blue() < c.red() + 100);
        }
    EXPECT_TRUE(blue);
    EXPECT_FALSE(otherInk);
    // The "H" after the coefficient is in the reaction font's window-text colour, not blue.
    const auto [first, last] = inkColumns(image, 10 + digit, 10 + digit + 8, 10, 10 + height);
    ASSERT_GE(first, 0);
    EXPECT_LT(at(image, first, 10 + height / 2).blue(), 100);
}

TEST(RenderBitmap, BlackOnWhiteUnderADarkTheme)
{
    const QPalette light = QGuiApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(220, 220, 220));
    QGuiApplication::setPalette(dark);
    const Document document = tableDocument(UiLanguage::English);
    const QImage image = RenderBitmap(document, UiLanguage::English);
    QGuiApplication::setPalette(light);

    EXPECT_EQ(at(image, 0, 0), White);
    // The "H" after the coefficient and the first cell's text, both in window text: black.
    const int height = reactionImageHeight(document);
    const int digit = QFontMetrics(ToQFont(document.fonts[NumbersFont])).horizontalAdvance('2');
    const auto [first, last] = inkColumns(image, 10 + digit, 10 + digit + 8, 10, 10 + height);
    EXPECT_GE(first, 0);
    const int top = height + 20;
    const auto [cellFirst, cellLast] = inkColumns(image, 12, 68, top + 2, top + 19);
    EXPECT_GE(cellFirst, 0);
}

struct AlignmentCase
{
    const char *name;
    UiLanguage language;
    const char *text;
    int cellLeft, cellWidth; ///< where column 0 stands
    int inkFrom, inkTo; ///< where its text's ink may begin and end
};

class CellAlignmentTest : public ::testing::TestWithParam<AlignmentCase>
{
};

TEST_P(CellAlignmentTest, FirstColumnAndItsText)
{
    const AlignmentCase &c = GetParam();
    Document document = tableDocument(c.language);
    document.grid.setCell(0, 1, c.text);
    const QImage image = RenderBitmap(document, c.language);
    const int top = reactionImageHeight(document) + 20;
    EXPECT_EQ(at(image, c.cellLeft, top + 30), Black);
    EXPECT_EQ(at(image, c.cellLeft + c.cellWidth - 1, top + 30), Black);
    const auto [first, last]
        = inkColumns(image, c.cellLeft + 1, c.cellLeft + c.cellWidth - 1, top + 21, top + 48);
    ASSERT_GE(first, 0) << "no text in the cell";
    EXPECT_GE(first, c.inkFrom);
    EXPECT_LE(last, c.inkTo);
    // The aligned side: the text starts (English) or ends (Farsi) right at its place.
    if (c.language == UiLanguage::English)
        EXPECT_LE(first, c.inkFrom + 2);
    else
        EXPECT_GE(last, c.inkTo - 3);
}

// English: column 0 at the left, text 2 pixels in. Farsi: column 0 at the right after the
// 120-pixel column, text ending 3 pixels before its right border, also where it is laid out
// right to left.
INSTANTIATE_TEST_SUITE_P(Cases, CellAlignmentTest,
    ::testing::Values(AlignmentCase { "English", UiLanguage::English, "XX", 10, 60, 12, 40 },
        AlignmentCase { "EnglishFarsiText", UiLanguage::English, "جرم (گرم)", 10, 60, 12, 68 },
        AlignmentCase { "Farsi", UiLanguage::Farsi, "XX", 129, 60, 150, 185 },
        AlignmentCase { "FarsiTrailingBracket", UiLanguage::Farsi, "م (ب)", 129, 60, 130, 185 },
        AlignmentCase { "FarsiLatinBracket", UiLanguage::Farsi, "(H2)", 129, 60, 130, 185 }),
    [](const auto &info) { return std::string(info.param.name); });

// A number too wide for its Farsi cell keeps its leading digits, as the screen shows it: the
// cell's start looks as the English cell's does.
TEST(RenderBitmap, FarsiNumberTooWideKeepsItsLeadingDigits)
{
    const char *number = "0.997506234413965";
    Document farsi = tableDocument(UiLanguage::Farsi), english = tableDocument(UiLanguage::English);
    farsi.grid.setCell(0, 1, number);
    english.grid.setCell(0, 1, number);
    const QImage farsiImage = RenderBitmap(farsi, UiLanguage::Farsi);
    const QImage englishImage = RenderBitmap(english, UiLanguage::English);
    const int top = reactionImageHeight(farsi) + 20;
    EXPECT_EQ(farsiImage.copy(130, top + 21, 30, 27), englishImage.copy(11, top + 21, 30, 27));
}

class LongTextTest : public ::testing::TestWithParam<UiLanguage>
{
};

TEST_P(LongTextTest, StaysInsideItsCell)
{
    Document document = tableDocument(GetParam());
    document.grid.setCell(0, 1, "WWWWWWWWWWWWWWWWWWWW");
    const QImage image = RenderBitmap(document, GetParam());
    const int top = reactionImageHeight(document) + 20;
    // Column 1, the neighbour, stays blank in that row on either side.
    const int neighbourLeft = GetParam() == UiLanguage::English ? 70 : 11;
    const auto [first, last]
        = inkColumns(image, neighbourLeft, neighbourLeft + 117, top + 21, top + 48);
    EXPECT_EQ(first, -1);
    EXPECT_EQ(last, -1);
}

INSTANTIATE_TEST_SUITE_P(Languages, LongTextTest,
    ::testing::Values(UiLanguage::English, UiLanguage::Farsi),
    [](const auto &info) { return info.param == UiLanguage::Farsi ? "Farsi" : "English"; });

TEST(RenderBitmap, RaisedSubscriptsStopAtTheReactionsEdge)
{
    Document document = tableDocument(UiLanguage::English);
    document.reaction = "H2";
    // The subscript's text cell starts 6 pixels above the reaction's image.
    document.subscriptPosition = reactionImageHeight(document)
        - QFontMetrics(ToQFont(document.fonts[SubscriptsFont])).height() + 6;
    const QImage image = RenderBitmap(document, UiLanguage::English);
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(inkColumns(image, 0, image.width(), y, y + 1).first, -1) << "ink in row " << y;
    document.subscriptPosition = 0;
    const QImage level = RenderBitmap(document, UiLanguage::English);
    EXPECT_NE(image, level); // the subscript did move
}

// A letter of the code page is one glyph, as the editor shows it, not one per UTF-8 byte.
TEST(RenderBitmap, CodePageLettersAreDrawnAsThemselves)
{
    Document document = tableDocument(UiLanguage::English);
    const int count = 200;
    document.reaction.clear();
    for (int i = 0; i < count; ++i)
        document.reaction += "\u0627"; // alef, byte C7 of the code page
    const int alef = QFontMetrics(ToQFont(document.fonts[ReactionFont]))
                         .horizontalAdvance(QString(QChar(0x0627)));
    ASSERT_GT(alef, 0);
    const QImage image = RenderBitmap(document, UiLanguage::English);
    EXPECT_EQ(image.width(), 10 + std::max(count * alef, 180) + 10);
}

TEST(RenderBitmap, PictureTooLargeIsRefused)
{
    Document document = tableDocument(UiLanguage::English);
    document.grid.setColWidth(1, 2000000000);
    EXPECT_THROW(RenderBitmap(document, UiLanguage::English), DocumentWriteError);
}

TEST(RenderBitmap, NegativeColumnWidthDrawsNoColumn)
{
    Document document = tableDocument(UiLanguage::English);
    document.grid.setColWidth(1, -500);
    document.reaction.clear();
    const QImage image = RenderBitmap(document, UiLanguage::English);
    const int top = reactionImageHeight(document) + 20;
    ASSERT_EQ(image.width(), 10 + 60 + 10);
    EXPECT_EQ(at(image, 69, top + 30), Black);
}

TEST(SaveBitmap, WritesA24BitBmpThatReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("picture.bmp");
    const QImage image = RenderBitmap(tableDocument(UiLanguage::English), UiLanguage::English);
    SaveBitmap(image, path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    EXPECT_TRUE(header.startsWith("BM"));
    EXPECT_EQ(quint8(header[28]) | quint8(header[29]) << 8, 24); // bits per pixel
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), "bmp");
    EXPECT_EQ(reader.read().convertToFormat(QImage::Format_RGB32), image);
}

TEST(SaveBitmap, FailedWriteLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("picture.bmp");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old picture");
    old.close();
    // A picture that cannot be encoded fails after the new file was begun.
    EXPECT_THROW(SaveBitmap(QImage(), path), DocumentWriteError);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old picture");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "picture.bmp" });
}

TEST(SaveBitmap, UnwritablePlaceThrows)
{
    QTemporaryDir dir;
    const QImage image(20, 20, QImage::Format_RGB888);
    EXPECT_THROW(SaveBitmap(image, dir.filePath("missing/picture.bmp")), DocumentWriteError);
}

// The file as the image library's own writer made it from the picture given 24-bit pixels,
// which is what every export wrote before rows were converted as they are written.
QByteArray writtenWhole(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"));
    return bytes;
}

QByteArray writtenByRows(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteBmp(image, buffer);
    return bytes;
}

TEST(WriteBmp, SameBytesAsTheWholePictureWriter)
{
    for (const UiLanguage language : { UiLanguage::English, UiLanguage::Farsi }) {
        const QImage picture = RenderBitmap(tableDocument(language), language);
        EXPECT_EQ(writtenByRows(picture), writtenWhole(picture));
    }
    // Every padding a row can take, random colours, other resolutions and other formats.
    std::mt19937 random(7);
    for (int width = 1; width <= 9; ++width) {
        for (const QImage::Format format :
            { QImage::Format_RGB32, QImage::Format_RGB888, QImage::Format_ARGB32 }) {
            QImage image(width, 1 + width % 3, format);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < width; ++x)
                    image.setPixel(x, y, QRgb(random()) | 0xff000000);
            image.setDotsPerMeterX(2835 + width);
            image.setDotsPerMeterY(3780 - width);
            EXPECT_EQ(writtenByRows(image), writtenWhole(image)) << width << " " << format;
        }
    }
}

TEST(WriteBmp, FailedWriteThrows)
{
    const QImage image(3, 3, QImage::Format_RGB32);
    QByteArray bytes;
    QBuffer readOnly(&bytes);
    readOnly.open(QIODevice::ReadOnly);
    EXPECT_THROW(WriteBmp(image, readOnly), DocumentWriteError);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_THROW(WriteBmp(QImage(), buffer), DocumentWriteError);
}
