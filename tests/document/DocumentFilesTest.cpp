#include "document/DocumentFiles.h"

#include "AllocationProbe.h"
#include "DocumentFixtures.h"
#include "FullDisk.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace molvane;
using namespace molvane::test;

namespace {

class DocumentFiles : public testing::Test
{
protected:
    QString path(const char *name) const { return dir.filePath(name); }

    void write(const QString &file, const QByteArray &bytes) const
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(bytes), bytes.size());
    }

    static QByteArray contents(const QString &file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    static std::string readFailure(const QString &file)
    {
        try {
            ReadDocumentFile(file, Document());
        } catch (const DocumentReadError &error) {
            EXPECT_EQ(error.line(), DocumentReadError::WholeFile);
            return error.what();
        }
        return "read";
    }

    QTemporaryDir dir;
};

TEST_F(DocumentFiles, ReadsARegularFile)
{
    write(path("water.KVX"), fileOf(waterLines()));
    EXPECT_EQ(ReadDocumentFile(path("water.KVX"), Document()).reaction, "2H2+O2>2H2O");
}

TEST_F(DocumentFiles, OnlyRegularFilesOfAtMost64MegabytesOpen)
{
    EXPECT_EQ(readFailure(path("none.KVX")), path("none.KVX").toStdString() + ": no such file");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.KVX"));
    EXPECT_EQ(
        readFailure(path("folder.KVX")), path("folder.KVX").toStdString() + ": not a regular file");
    // a pipe would block a reader that waits for its end
    ASSERT_EQ(::mkfifo(path("pipe.KVX").toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(
        readFailure(path("pipe.KVX")), path("pipe.KVX").toStdString() + ": not a regular file");
    QFile big(path("big.KVX"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(MaxDocumentBytes + 1)); // sparse: no disk is used
    big.close();
    EXPECT_EQ(readFailure(path("big.KVX")), path("big.KVX").toStdString() + ": larger than 64 MB");
}

struct HostileCase
{
    const char *name;
    std::vector<std::pair<std::size_t, std::string>> edits;
    bool templateStops = true; ///< a template uses the grid's own rows, not the file's
};

std::string manyWidths(int count)
{
    std::string widths = "1";
    for (int col = 1; col < count; ++col)
        widths += ",1";
    return widths;
}

class HostileCounts : public testing::TestWithParam<HostileCase>
{
protected:
    // The code page's converter is set up once per process on first use: that allocation is
    // not the document's, so it happens before anything is measured, also when a case runs alone.
    static void SetUpTestSuite() { ReadDocument(fileOf(waterLines()), Document()); }
};

// Counts that the bytes cannot back fail at once, before anything is allocated for them.
TEST_P(HostileCounts, FailWithoutLargeAllocation)
{
    Lines lines = waterLines();
    for (const auto &[line, text] : GetParam().edits)
        lines[line] = text;
    const QByteArray bytes = fileOf(lines);
    const std::size_t largest = largestAllocationDuring([&] {
        EXPECT_THROW(ReadDocument(bytes, Document()), DocumentReadError);
        if (GetParam().templateStops) {
            EXPECT_TRUE(ApplyTemplate(bytes, Document()).stop.has_value());
        }
    });
    EXPECT_LT(largest, 4 * std::size_t(bytes.size()) + std::size_t(64) * 1024);
}

INSTANTIATE_TEST_SUITE_P(DocumentFiles, HostileCounts,
    testing::Values(HostileCase { "RowCountTwoBillion", { { 2, "2000000000" } } },
        HostileCase { "RowCountLargest", { { 2, "2147483647" } } },
        HostileCase { "ColCountTwoBillion", { { 3, "2000000000" } } },
        HostileCase { "ColCountHexLargest", { { 3, "$7FFFFFFF" } } },
        HostileCase { "BothCountsHuge", { { 2, "2000000000" }, { 3, "2000000000" } } },
        HostileCase {
            "WidthsButNoBytesForTheCells", { { 3, "20000" }, { 4, manyWidths(20000) } }, false },
        HostileCase { "FormulaCountTwoBillion", { { 14, "2000000000" } } }),
    [](const auto &info) { return info.param.name; });

TEST_F(DocumentFiles, SaveWritesCrLfWindows1256)
{
    const Document doc = ReadDocument(fileOf(waterLines()), Document());
    SaveDocument(doc, path("out.KVX"));
    EXPECT_EQ(contents(path("out.KVX")), fileOf(waterLines()));
}

TEST_F(DocumentFiles, SaveReplacesTheFileInsteadOfWritingIntoIt)
{
    const QByteArray old = "old contents\r\n";
    write(path("doc.KVX"), old);
    // a second name for the old file shows whether its bytes were overwritten in place
    ASSERT_EQ(::link(path("doc.KVX").toLocal8Bit().constData(),
                  path("old-link").toLocal8Bit().constData()),
        0);
    SaveDocument(ReadDocument(fileOf(waterLines()), Document()), path("doc.KVX"));
    EXPECT_EQ(contents(path("doc.KVX")), fileOf(waterLines()));
    EXPECT_EQ(contents(path("old-link")), old);
}

// A writable file in a folder that is not writable is written in place. Root may write any
// folder: the save then runs in a child process as nobody.
TEST_F(DocumentFiles, AWritableFileInALockedFolderIsSavedInPlace)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("locked"));
    const QString file = path("locked/doc.KVX");
    write(file, "old contents\r\n");
    const auto mode = [](const QString &name, mode_t bits) {
        ASSERT_EQ(::chmod(name.toLocal8Bit().constData(), bits), 0);
    };
    mode(dir.path(), 0755);
    mode(file, 0666);
    mode(path("locked"), 0555);
    const Document doc = ReadDocument(fileOf(waterLines()), Document());
    const auto save = [&] {
        try {
            SaveDocument(doc, file);
            return 0;
        } catch (const DocumentWriteError &) {
            return 1;
        }
    };
    int result = 0;
    if (::geteuid() == 0) {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(::setuid(65534) == 0 ? save() : 2);
        int status = 0;
        ::waitpid(child, &status, 0);
        result = WIFEXITED(status) ? WEXITSTATUS(status) : 3;
    } else {
        result = save();
    }
    mode(path("locked"), 0755);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(contents(file), fileOf(waterLines()));
}

TEST_F(DocumentFiles, FailedSaveLeavesTheOldFile)
{
    const QByteArray old = fileOf(waterLines());
    write(path("doc.KVX"), old);
    Document doc = ReadDocument(old, Document());
    doc.grid.setCell(0, 1, "H2,O2"); // would not read back
    EXPECT_THROW(SaveDocument(doc, path("doc.KVX")), DocumentWriteError);
    EXPECT_EQ(contents(path("doc.KVX")), old);
    EXPECT_THROW(SaveDocument(Document(), path("no-such-folder/doc.KVX")), DocumentWriteError);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "doc.KVX" });
}

// Every way a write can fail short of the end leaves the old file, through the writer's seam
// and for real on a full disk, where the buffered bytes fail only when flushed.
TEST_F(DocumentFiles, AWriteThatFailsAnywhereLeavesTheOldFile)
{
    const QByteArray old = fileOf(waterLines());
    write(path("doc.KVX"), old);
    const std::function<bool(QIODevice &)> failures[] = {
        [](QIODevice &) { return false; },
        [](QIODevice &file) { return file.write("half") == 4 && false; },
    };
    for (const auto &failure : failures) {
        EXPECT_THROW(WriteFileReplacing(path("doc.KVX"), failure), DocumentWriteError);
        EXPECT_EQ(contents(path("doc.KVX")), old);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "doc.KVX" });

    FullDisk disk;
    if (!disk.skipReason().empty())
        GTEST_SKIP() << disk.skipReason();
    write(disk.path("doc.KVX"), old);
    disk.fill();
    try {
        SaveDocument(ReadDocument(old, Document()), disk.path("doc.KVX"));
        ADD_FAILURE() << "a save on a full disk succeeded";
    } catch (const DocumentWriteError &e) {
        EXPECT_NE(std::string(e.what()).find("No space left on device"), std::string::npos)
            << e.what();
    }
    EXPECT_EQ(contents(disk.path("doc.KVX")), old);
}

} // namespace
