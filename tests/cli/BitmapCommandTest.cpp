// molvane-cli bmp and picture run as a user would run them: a separate process with no display.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Balanced table salt: columns of 120, 60 and 160 pixels, the header and three rows.
const char *const Salt = "2Na+Cl2>2NaCl\r\nE\r\n4\r\n3\r\n120,60,160\r\n"
                         "Formula,Number,Weight\r\nNa,2,22.99\r\nCl2,1,70.9\r\nNaCl,2,58.44\r\n"
                         "Arial,8,00,-16777208\r\nArial,9,00,-16777208\r\n"
                         "Arial,16,10,-16777208\r\nArial,16,10,16711680\r\n"
                         "Arial,11,10,-16777208\r\n0\r\n5\r\n3\r\n4\r\n0\r\n";

struct ProcessRun
{
    int status;
    QString out;
};

class BitmapCommand : public testing::Test
{
protected:
    QString path(const char *name) const { return dir.filePath(name); }

    QString write(const char *name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }

    // Without a display and without a platform named: the command must choose one itself.
    static ProcessRun run(const QStringList &args, const QString &command = "bmp")
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        process.setProcessEnvironment(environment);
        process.start(MOLVANE_CLI, QStringList { command } + args);
        EXPECT_TRUE(process.waitForFinished(30000));
        return { process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()) };
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(BitmapCommand, WritesThePictureOfTheDocument)
{
    const ProcessRun result = run({ write("salt.KVX", Salt), path("salt.bmp") });
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "ok\n");
    QImageReader reader(path("salt.bmp"));
    EXPECT_EQ(reader.format(), "bmp");
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull());
    // 10 + the column widths + 10; the reaction is narrower than the table.
    EXPECT_EQ(image.width(), 360);
    // The height counts the four rows of 21 whole, but they share three lines: the table's
    // bottom line stands 3 + 10 pixels above the picture's bottom edge.
    const int bottom = image.height() - 10 - 3 - 1;
    EXPECT_EQ(image.pixelColor(10, bottom), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(10, bottom + 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(10, bottom - 80), QColor(Qt::black)); // the top line
    bool blue = false;
    for (int x = 10; x < 30; ++x)
        for (int y = 10; y < 40; ++y)
            blue = blue || image.pixelColor(x, y) == QColor(0, 0, 255);
    EXPECT_TRUE(blue) << "the first coefficient is blue";
}

TEST_F(BitmapCommand, DocumentThatDoesNotOpen)
{
    const ProcessRun result = run({ path("missing.KVX"), path("out.bmp") });
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.out.startsWith("error: Can not open this file")) << result.out.toStdString();
    EXPECT_FALSE(QFile::exists(path("out.bmp")));
}

TEST_F(BitmapCommand, PlaceThatCannotBeWritten)
{
    const ProcessRun result = run({ write("salt.KVX", Salt), path("no/such/folder/out.bmp") });
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.out.startsWith("error: ")) << result.out.toStdString();
}

TEST_F(BitmapCommand, WrongArgumentsAreUsageErrors)
{
    EXPECT_EQ(run({}).status, 2);
    EXPECT_EQ(run({ path("a.KVX") }).status, 2);
    EXPECT_EQ(run({ path("a.KVX"), path("b.bmp"), path("c.bmp") }).status, 2);
}

// The picture command picks the format by the extension, in any letter case; SVG keeps the
// reaction's letters as text.
TEST_F(BitmapCommand, PictureByExtension)
{
    struct Case
    {
        const char *name;
        QByteArray start;
    };
    const Case cases[] = {
        { "salt.png", "\x89PNG\r\n\x1a\n" },
        { "salt.PNG", "\x89PNG\r\n\x1a\n" },
        { "salt.svg", "<?xml" },
        { "salt.bmp", "BM" },
        { "salt", "BM" },
    };
    const QString document = write("salt.KVX", Salt);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const ProcessRun result = run({ document, path(c.name) }, "picture");
        EXPECT_EQ(result.status, 0);
        QFile file(path(c.name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith(c.start)) << bytes.left(16).toStdString();
        if (c.start == "<?xml") {
            // The reaction's symbols as text elements, the grid's cells too.
            EXPECT_TRUE(bytes.contains("<text")) << bytes.left(400).toStdString();
            EXPECT_TRUE(bytes.contains(">Na<")) << bytes.toStdString();
            EXPECT_TRUE(bytes.contains(">NaCl<")) << bytes.toStdString();
        }
    }
    // The PNG is the bitmap's picture, pixel for pixel.
    EXPECT_EQ(QImage(path("salt.png")).convertToFormat(QImage::Format_RGB32),
        QImage(path("salt.bmp")).convertToFormat(QImage::Format_RGB32));
}
