#include "document/Templates.h"
#include "document/DocumentFiles.h"

#include "DocumentFixtures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace molvane;
using namespace molvane::test;

namespace {

class Templates : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *name : { "user", "program", "installed" })
            ASSERT_TRUE(QDir(root.path()).mkdir(name));
        dirs = { root.filePath("user"), root.filePath("program"), root.filePath("installed") };
    }

    static void write(const QString &file, const QByteArray &bytes)
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

    // A new document as New makes it before the template: the header and one empty row.
    static Document newDocument(UiLanguage language)
    {
        Document doc;
        doc.language = language;
        doc.grid.setRowCount(2);
        return doc;
    }

    static TemplateDirs shipped() { return { {}, {}, QString::fromStdString(dataDir()) }; }

    QTemporaryDir root;
    TemplateDirs dirs;
};

TEST_F(Templates, LookedForInUserThenProgramThenInstalledDirectory)
{
    EXPECT_EQ(TemplateFileName(UiLanguage::English), "New.KVX");
    EXPECT_EQ(TemplateFileName(UiLanguage::Farsi), "NewF.KVX");
    EXPECT_TRUE(FindTemplate(dirs, UiLanguage::English).isEmpty());
    for (const QString &dir : { dirs.installed, dirs.program, dirs.user }) {
        write(dir + "/New.KVX", "x");
        EXPECT_EQ(FindTemplate(dirs, UiLanguage::English), dir + "/New.KVX");
    }
    EXPECT_TRUE(FindTemplate(dirs, UiLanguage::Farsi).isEmpty());
    // a folder of that name is no template
    ASSERT_TRUE(QFile::remove(dirs.user + "/New.KVX"));
    ASSERT_TRUE(QDir(dirs.user).mkdir("New.KVX"));
    EXPECT_EQ(FindTemplate(dirs, UiLanguage::English), dirs.program + "/New.KVX");
}

TEST_F(Templates, ShippedEnglishTemplateGivesItsItemsAndSettings)
{
    Document current = newDocument(UiLanguage::English);
    current.reaction = "kept";
    const TemplateOutcome applied = ApplyTemplateFile(current, shipped());
    ASSERT_FALSE(applied.stop.has_value()) << applied.stop->what();
    const Document &doc = applied.document;
    EXPECT_EQ(doc.language, UiLanguage::English);
    EXPECT_EQ(doc.reaction, "kept"); // New empties it, not the template
    EXPECT_EQ(doc.grid.rowCount(), 2);
    ASSERT_EQ(doc.grid.colCount(), 6);
    const char *const names[] = { "Formula", "Number", "Weight", "Mol", "Gram", "Litre" };
    for (int col = 0; col < 6; ++col) {
        EXPECT_EQ(doc.grid.itemName(col), names[col]);
        EXPECT_EQ(doc.grid.cell(col, 1), "");
    }
    EXPECT_EQ(doc.grid.typesList(), (std::vector<std::string> { "5", "3", "4", "2", "2", "2" }));
    EXPECT_EQ(doc.grid.colWidth(0), 110);
    EXPECT_EQ(doc.fonts[ReactionFont],
        (DocumentFont { "Liberation Sans", 14, true, false, WindowTextColor }));
    EXPECT_EQ(doc.fonts[NumbersFont].color, BlueColor);
    EXPECT_EQ(doc.fonts[SubscriptsFont].size, 10);
    EXPECT_EQ(doc.FormulsList.size(), 15u);
    EXPECT_EQ(doc.FormulsList.front(), "#Mol(a)=#Mol(b)*#Number(a)/#Number(b)");
    EXPECT_EQ(doc.subscriptPosition, 0);
}

TEST_F(Templates, ShippedFarsiTemplateHasFarsiItemsAndAPersianFace)
{
    const TemplateOutcome applied = ApplyTemplateFile(newDocument(UiLanguage::Farsi), shipped());
    ASSERT_FALSE(applied.stop.has_value()) << applied.stop->what();
    const Document &doc = applied.document;
    EXPECT_EQ(doc.language, UiLanguage::Farsi);
    EXPECT_EQ(doc.grid.itemName(3), "مول");
    EXPECT_EQ(doc.fonts[ProgramFont].face, "Nazli");
    EXPECT_EQ(doc.fonts[GridFont].face, "Nazli");
    EXPECT_EQ(doc.fonts[ReactionFont].face, "Liberation Sans");
    EXPECT_EQ(doc.FormulsList.size(), 15u);
}

TEST_F(Templates, InterfaceLanguageChoosesTheFileAndItsMarkerTheLanguage)
{
    Lines lines = waterLines();
    write(dirs.user + "/NewF.KVX", fileOf(lines)); // marked E, stored as the Farsi one
    const TemplateOutcome applied = ApplyTemplateFile(newDocument(UiLanguage::Farsi), dirs);
    EXPECT_FALSE(applied.stop.has_value());
    EXPECT_EQ(applied.document.language, UiLanguage::English);
    EXPECT_EQ(applied.document.grid.itemName(2), "Mol");
}

TEST_F(Templates, SubstanceRowsAndRowCountOfATemplateAreNotRead)
{
    write(dirs.user + "/New.KVX", fileOf(waterLines())); // 3 substance rows
    const TemplateOutcome applied = ApplyTemplateFile(newDocument(UiLanguage::English), dirs);
    EXPECT_EQ(applied.document.grid.rowCount(), 2);
    EXPECT_EQ(applied.document.grid.colCount(), 3);
    EXPECT_EQ(applied.document.grid.cell(0, 1), "");
    EXPECT_EQ(applied.document.reaction, "");
    EXPECT_EQ(applied.document.FormulsList.size(), 1u);
}

TEST_F(Templates, FailureKeepsWhatWasAppliedBeforeIt)
{
    Lines lines = waterLines();
    lines[11] = "Arial,big,10,0"; // the reaction font
    write(dirs.user + "/New.KVX", fileOf(lines));
    const Document current = newDocument(UiLanguage::English);
    const TemplateOutcome applied = ApplyTemplateFile(current, dirs);
    ASSERT_TRUE(applied.stop.has_value());
    EXPECT_EQ(applied.stop->line(), 11);
    const Document &doc = applied.document;
    EXPECT_EQ(doc.grid.colCount(), 3);
    EXPECT_EQ(doc.grid.itemName(1), "Number");
    EXPECT_EQ(doc.grid.colWidth(0), 120);
    EXPECT_EQ(doc.fonts[GridFont], (DocumentFont { "Arial", 8, false, false, WindowTextColor }));
    EXPECT_EQ(doc.fonts[ReactionFont].face, "Arial"); // taken before the size failed
    EXPECT_EQ(doc.fonts[NumbersFont], current.fonts[NumbersFont]);
    EXPECT_EQ(doc.FormulsList, current.FormulsList);
    EXPECT_EQ(doc.grid.typesList(), current.grid.typesList());
}

TEST_F(Templates, NoTemplateKeepsEverything)
{
    Document current = newDocument(UiLanguage::English);
    current.grid.setCell(3, 0, "Mass");
    const TemplateOutcome applied = ApplyTemplateFile(current, dirs);
    ASSERT_TRUE(applied.stop.has_value());
    EXPECT_EQ(applied.document.grid.colCount(), 12);
    EXPECT_EQ(applied.document.grid.itemName(3), "Mass");
    EXPECT_EQ(applied.document.FormulsList, Document::builtInFormulas());
}

TEST_F(Templates, WrittenTemplateIsWhatTheNextNewStartsFrom)
{
    Document doc = ReadDocument(fileOf(waterLines()), Document());
    doc.language = UiLanguage::Farsi;
    doc.subscriptPosition = 3;
    const QString user = dirs.user + "/not/yet/made";
    ASSERT_TRUE(WriteTemplate(doc, { user, {}, {} }));
    Lines expected = waterLines();
    expected[0].clear();
    expected[1] = "F";
    expected.back() = "3";
    QFile written(user + "/NewF.KVX");
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), fileOf(expected)); // the substance rows too

    const TemplateOutcome applied
        = ApplyTemplateFile(newDocument(UiLanguage::Farsi), { user, dirs.program, dirs.installed });
    ASSERT_FALSE(applied.stop.has_value());
    EXPECT_EQ(applied.document.grid.rowCount(), 2);
    EXPECT_EQ(applied.document.grid.itemName(2), "Mol");
    EXPECT_EQ(applied.document.fonts, doc.fonts);
    EXPECT_EQ(applied.document.FormulsList, doc.FormulsList);
    EXPECT_EQ(applied.document.grid.typesList(), doc.grid.typesList());
    EXPECT_EQ(applied.document.subscriptPosition, 3);
}

TEST_F(Templates, UnwritableTemplateIsReportedToTheCaller)
{
    write(dirs.user + "/file", "in the way");
    EXPECT_FALSE(WriteTemplate(Document(), { dirs.user + "/file/sub", {}, {} }));
    EXPECT_FALSE(WriteTemplate(Document(), { {}, dirs.program, {} }));
    Document bad;
    bad.grid.setCell(0, 0, "a,b");
    EXPECT_FALSE(WriteTemplate(bad, dirs));
    EXPECT_FALSE(QFile::exists(dirs.user + "/New.KVX"));
}

} // namespace
