#include "document/DocumentFormat.h"

#include "DocumentFixtures.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace molvane;
using namespace molvane::test;

namespace {

QByteArray dataFile(const char *name)
{
    QFile file(QString::fromStdString(dataDir()) + '/' + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

std::string messageOf(const QByteArray &bytes)
{
    try {
        ReadDocument(bytes, Document());
    } catch (const DocumentReadError &error) {
        return error.what();
    }
    return "read";
}

// Round trip: read and written back, the same bytes.

struct RoundTripCase
{
    const char *name;
    Lines lines;
};

class RoundTrip : public testing::TestWithParam<RoundTripCase>
{
};

TEST_P(RoundTrip, WritesTheSameBytes)
{
    const QByteArray bytes = fileOf(GetParam().lines);
    EXPECT_EQ(DocumentBytes(ReadDocument(bytes, Document())), bytes);
}

Lines farsiLines()
{
    return { "CH4+2O2>CO2+2H2O", "F", "3", "4", "110,70,100,100", "فرمول,ضريب,مول,يادداشت",
        "CH4,1,,گاز شهري", "O2,2,3,هوا، نه اکسيژن خالص", "Nazli,12,01,0", "Nazli,8,11,255",
        "Liberation Sans,14,10,-16777208", "Liberation Sans,14,10,16711680",
        "Liberation Sans,10,10,-16777208", "2", "#مول(a)=#مول(b)*#ضريب(a)/#ضريب(b)",
        "#مول(a)=((#مول(b) * 5) + 1) / (#مول(a))", "5", "3", "2", "0", "-3" };
}

Lines oddLines()
{
    // last cells holding commas, item types beyond the columns, no formulas, empty texts
    return { "", "E", "2", "2", "-5,0", "Name,Notes, with, commas", ",a,b,,c", "Sans Serif,8,00,0",
        "Arial,0,00,1", "X,-4,11,-1", "Y,400,01,2147483647", "Z,9,10,-2147483648", "0", "", "3",
        "7", "", "12" };
}

INSTANTIATE_TEST_SUITE_P(DocumentFormat, RoundTrip,
    testing::Values(RoundTripCase { "Water", waterLines() },
        RoundTripCase { "Farsi", farsiLines() }, RoundTripCase { "OddButValid", oddLines() }),
    [](const auto &info) { return info.param.name; });

TEST(DocumentFormat, TemplatesRoundTrip)
{
    for (const char *name : { "New.KVX", "NewF.KVX" }) {
        const QByteArray bytes = dataFile(name);
        ASSERT_FALSE(bytes.isEmpty()) << name;
        EXPECT_EQ(DocumentBytes(ReadDocument(bytes, Document())), bytes) << name;
    }
}

TEST(DocumentFormat, ReadsEveryPiece)
{
    const Document doc = ReadDocument(fileOf(farsiLines()), Document());
    EXPECT_EQ(doc.reaction, "CH4+2O2>CO2+2H2O");
    EXPECT_EQ(doc.language, UiLanguage::Farsi);
    EXPECT_EQ(doc.grid.rowCount(), 3);
    EXPECT_EQ(doc.grid.colCount(), 4);
    EXPECT_EQ(doc.grid.colWidth(1), 70);
    EXPECT_EQ(doc.grid.itemName(2), "مول");
    EXPECT_EQ(doc.grid.cell(3, 2), "هوا، نه اکسيژن خالص");
    EXPECT_EQ(doc.grid.cell(2, 1), "");
    EXPECT_EQ(doc.fonts[ProgramFont], (DocumentFont { "Nazli", 12, false, true, 0 }));
    EXPECT_EQ(doc.fonts[GridFont], (DocumentFont { "Nazli", 8, true, true, 255 }));
    EXPECT_EQ(doc.fonts[NumbersFont].color, BlueColor);
    EXPECT_EQ(doc.FormulsList.size(), 2u);
    EXPECT_EQ(doc.grid.typesList(), (std::vector<std::string> { "5", "3", "2", "0" }));
    EXPECT_EQ(doc.subscriptPosition, -3);
}

TEST(DocumentFormat, LineCountIsTwelvePlusRowsFormulasAndTypes)
{
    const Document doc; // the built-in grid: 2 rows, 12 columns and types, and 2 formulas
    EXPECT_EQ(DocumentLines(doc).size(), 28u);
    EXPECT_TRUE(DocumentBytes(doc).endsWith("\r\n0\r\n"));
}

// Edge cases of reading.

TEST(DocumentFormat, OnlyExactlyEMeansEnglish)
{
    const std::pair<const char *, UiLanguage> markers[]
        = { { "E", UiLanguage::English }, { "F", UiLanguage::Farsi }, { "e", UiLanguage::Farsi },
              { "", UiLanguage::Farsi }, { "X", UiLanguage::Farsi }, { "E ", UiLanguage::Farsi } };
    for (const auto &[marker, language] : markers) {
        Lines lines = waterLines();
        lines[1] = marker;
        EXPECT_EQ(ReadDocument(fileOf(lines), Document()).language, language) << marker;
    }
}

TEST(DocumentFormat, LineEndsOfAnyKindAndNulReadAlike)
{
    std::string lf, cr;
    for (const std::string &line : waterLines()) {
        lf += line + "\n";
        cr += line + "\r";
    }
    const QByteArray expected = fileOf(waterLines());
    EXPECT_EQ(DocumentBytes(ReadDocument(QByteArray::fromStdString(lf), Document())), expected);
    EXPECT_EQ(DocumentBytes(ReadDocument(QByteArray::fromStdString(cr), Document())), expected);
    // no line end after the last line, and a NUL ends the text
    QByteArray cut = expected.chopped(2) + QByteArray("\0junk\r\n", 7);
    EXPECT_EQ(DocumentBytes(ReadDocument(cut, Document())), expected);
}

TEST(DocumentFormat, RowWithFewerCommasLeavesMiddleCellsEmpty)
{
    Lines lines = waterLines();
    lines[6] = "H2,rest of, the line";
    lines[7] = "O2";
    const Document doc = ReadDocument(fileOf(lines), Document());
    EXPECT_EQ(doc.grid.cell(0, 1), "H2");
    EXPECT_EQ(doc.grid.cell(1, 1), "rest of");
    EXPECT_EQ(doc.grid.cell(2, 1), " the line");
    EXPECT_EQ(doc.grid.cell(0, 2), "");
    EXPECT_EQ(doc.grid.cell(1, 2), "");
    EXPECT_EQ(doc.grid.cell(2, 2), "O2");
}

TEST(DocumentFormat, ShortFontLineReads)
{
    Lines lines = waterLines();
    lines[9] = "Arial,14,1";
    const Document doc = ReadDocument(fileOf(lines), Document());
    EXPECT_EQ(doc.fonts[ProgramFont], (DocumentFont { "Arial", 14, true, false, 1 }));
}

TEST(DocumentFormat, EmptyFaceKeepsTheFontsFace)
{
    Lines lines = waterLines();
    lines[11] = ",20,01,255";
    Document current;
    current.fonts[ReactionFont].face = "Nazli";
    const Document doc = ReadDocument(fileOf(lines), current);
    EXPECT_EQ(doc.fonts[ReactionFont], (DocumentFont { "Nazli", 20, false, true, 255 }));
}

TEST(DocumentFormat, FormulaCountZeroOrNegativeReadsNoFormulas)
{
    for (const char *count : { "0", "-2" }) {
        Lines lines = waterLines();
        lines[14] = count;
        lines.erase(lines.begin() + 15); // the one formula line
        const Document doc = ReadDocument(fileOf(lines), Document());
        EXPECT_TRUE(doc.FormulsList.empty()) << count;
        EXPECT_EQ(doc.grid.typesList(), (std::vector<std::string> { "5", "3", "2", "0" }));
    }
}

TEST(DocumentFormat, ExtraLinesBeforeTheLastAreItemTypes)
{
    Lines lines = waterLines();
    lines.insert(lines.end() - 1, { "9", "" });
    const Document doc = ReadDocument(fileOf(lines), Document());
    EXPECT_EQ(doc.grid.typesList(), (std::vector<std::string> { "5", "3", "2", "0", "9", "" }));
    EXPECT_EQ(doc.subscriptPosition, 0);
}

TEST(DocumentFormat, NumbersReadAsTheIntegerConversionDoes)
{
    Lines lines = waterLines();
    lines[4] = "$78, +100,0x5A";
    EXPECT_EQ(ReadDocument(fileOf(lines), Document()).grid.colWidth(0), 120);
}

// Failures name the line (counted from 1) and what was wrong.

struct FailureCase
{
    const char *name;
    std::size_t line;
    const char *text;
    const char *message;
};

class ReadFails : public testing::TestWithParam<FailureCase>
{
};

TEST_P(ReadFails, NamingLineAndProblem)
{
    Lines lines = waterLines();
    lines[GetParam().line] = GetParam().text;
    EXPECT_EQ(messageOf(fileOf(lines)), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(DocumentFormat, ReadFails,
    testing::Values(FailureCase { "RowCountNotANumber", 2, "x",
                        "line 3: the row count \"x\" is not a whole number" },
        FailureCase { "RowCountBelowTwo", 2, "1",
            "line 3: the row count 1 is below 2 (the header and one row)" },
        FailureCase { "RowCountNegative", 2, "-5",
            "line 3: the row count -5 is below 2 (the header and one row)" },
        FailureCase { "RowCountHuge", 2, "2000000000",
            "line 3: the row count 2000000000 needs more lines than the file has (21)" },
        FailureCase { "ColCountZero", 3, "0", "line 4: the column count 0 is below 1" },
        FailureCase { "ColCountHuge", 3, "2000000000",
            "line 5: fewer column widths than the column count 2000000000" },
        FailureCase {
            "WidthEmpty", 4, "120,,90", "line 5: column width 2 \"\" is not a whole number" },
        FailureCase { "WidthNotANumber", 4, "120,wide,90",
            "line 5: column width 2 \"wide\" is not a whole number" },
        FailureCase {
            "FontSizeMissing", 10, "Arial", "line 11: the font size \"\" is not a whole number" },
        FailureCase { "FontColourNotANumber", 12, "Arial,14,10,blue",
            "line 13: the font colour \"blue\" is not a whole number" },
        FailureCase { "FormulaCountNotANumber", 14, "one",
            "line 15: the formula count \"one\" is not a whole number" },
        FailureCase {
            "FormulaCountBeyondFile", 14, "99", "line 22: missing: the file ends after line 21" },
        FailureCase { "SubscriptPositionNotANumber", 20, "1.5",
            "line 21: the subscript position \"1.5\" is not a whole number" }),
    [](const auto &info) { return info.param.name; });

TEST(DocumentFormat, LongOffendingTextIsQuotedInPart)
{
    Lines lines = waterLines();
    lines[2] = std::string(100, '7') + "x";
    EXPECT_EQ(messageOf(fileOf(lines)),
        "line 3: the row count \"" + std::string(40, '7') + "...\" is not a whole number");
}

TEST(DocumentFormat, EveryTruncationBeforeTheTypesFails)
{
    const Lines lines = waterLines();
    // 12 + R + F lines hold everything up to the formulas and one line for the position
    const std::size_t needed = 12 + 4 + 1;
    for (std::size_t count = 0; count < lines.size(); ++count) {
        const Lines cut(lines.begin(), lines.begin() + long(count));
        if (count < needed)
            EXPECT_THROW(ReadDocument(fileOf(cut), Document()), DocumentReadError) << count;
        else
            EXPECT_NO_THROW(ReadDocument(fileOf(cut), Document())) << count;
    }
}

TEST(DocumentFormat, MoreCellsThanTheBytesHoldFail)
{
    // 3000 columns with their widths, but 3000 rows of nothing: 9 million cells from 30 kB
    Lines lines = { "", "E", "3000", "3000", "" };
    for (int col = 0; col < 3000; ++col)
        lines[4] += (col ? ",1" : "1");
    lines.insert(lines.end(), 3000, "");
    lines.insert(
        lines.end(), { "A,8,00,0", "A,8,00,0", "A,8,00,0", "A,8,00,0", "A,8,00,0", "0", "0" });
    EXPECT_EQ(messageOf(fileOf(lines)),
        "line 4: 3000 rows of 3000 columns are more cells than the file holds");
}

TEST(DocumentFormat, SparseRowsOfAHandMadeFileStillRead)
{
    // 200 columns, but rows that leave out their commas: fewer cells than the spare allowance
    Lines lines = { "", "E", "3", "200", "" };
    for (int col = 0; col < 200; ++col)
        lines[4] += (col ? ",50" : "50");
    lines.insert(lines.end(),
        { "Name", "", "x", "A,8,00,0", "A,8,00,0", "A,8,00,0", "A,8,00,0", "A,8,00,0", "0", "0" });
    const Document doc = ReadDocument(fileOf(lines), Document());
    EXPECT_EQ(doc.grid.colCount(), 200);
    EXPECT_EQ(doc.grid.cell(199, 0), "Name");
    EXPECT_EQ(doc.grid.cell(199, 2), "x");
}

// Writing refuses what would not read back as it is.

TEST(DocumentFormat, WriterRefusesTextsThatWouldNotReadBack)
{
    const Document base = ReadDocument(fileOf(waterLines()), Document());
    const auto refuses = [](const Document &doc, const std::string &message) {
        try {
            DocumentBytes(doc);
            ADD_FAILURE() << "written: " << message;
        } catch (const DocumentWriteError &error) {
            EXPECT_EQ(error.what(), message);
        }
    };
    Document doc = base;
    doc.grid.setCell(1, 2, "1,5");
    refuses(doc, "the cell in column 2, row 2 holds a comma");
    doc = base;
    doc.grid.setCell(2, 0, "Mol\nMass");
    refuses(doc, "the cell in column 3, row 0 holds a line break");
    doc = base;
    doc.reaction = "H2\r>H2";
    refuses(doc, "the reaction holds a line break");
    doc = base;
    doc.FormulsList.push_back(std::string("#X(a)=1\0", 8));
    refuses(doc, "a formula holds a line break");
    doc = base;
    doc.fonts[GridFont].face = "Sans, Bold";
    refuses(doc, "the face name \"Sans, Bold\" holds a comma or a line break");
    doc = base;
    doc.grid.setCell(0, 1, "ی"); // Farsi yeh
    refuses(doc, "line 7 holds \"ی\", which Windows-1256 lacks");
}

TEST(DocumentFormat, CommaInTheLastCellIsWrittenAndReadBack)
{
    Document doc = ReadDocument(fileOf(waterLines()), Document());
    doc.grid.setCell(2, 1, "1,5");
    EXPECT_EQ(ReadDocument(DocumentBytes(doc), Document()).grid.cell(2, 1), "1,5");
}

TEST(DocumentFormat, TemplateBytesHaveAnEmptyReactionLine)
{
    const Document doc = ReadDocument(fileOf(waterLines()), Document());
    Lines expected = waterLines();
    expected[0].clear();
    EXPECT_EQ(TemplateBytes(doc), fileOf(expected));
}

} // namespace
