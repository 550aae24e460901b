// Both executables' command lines run as a user runs them: separate processes with no display.
#include "texts/Texts.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct ProcessRun
{
    int status;
    QString out, err;
};

ProcessRun run(const QString &program, const QStringList &args, const QByteArray &input = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR" })
        environment.remove(name);
    process.setProcessEnvironment(environment);
    process.start(program, args);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(30000));
    return { process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError()) };
}

// @p text begins with @p start, or both are empty.
bool beginsWith(const QString &text, const QString &start)
{
    return start.isEmpty() ? text.isEmpty() : text.startsWith(start);
}

struct Expected
{
    const char *program;
    QStringList args;
    int status;
    QString outStart; ///< what standard output begins with
    QString errStart; ///< what standard error begins with; empty means nothing at all
};

const QString CliUsage = "usage: molvane-cli balance [--no-auto] [--table] [--steps] [--redox]\n";
const QString CliVersion = QString("molvane-cli ") + MOLVANE_VERSION + "\n";

} // namespace

TEST(CommandLine, HelpVersionAndUsageErrors)
{
    std::vector<Expected> table = {
        { MOLVANE_CLI, { "--help" }, 0, CliUsage, "" },
        { MOLVANE_CLI, { "-h" }, 0, CliUsage, "" },
        { MOLVANE_CLI, { "help" }, 0, CliUsage, "" },
        { MOLVANE_CLI, { "--version" }, 0, CliVersion, "" },
        { MOLVANE_CLI, { "frobnicate" }, 2, "", "unknown command frobnicate\n" + CliUsage },
        { MOLVANE_CLI, {}, 2, "", CliUsage },
    };
#ifdef MOLVANE_APP
    // Answered before any window exists: without a display the program would abort.
    const QString usage = "usage: molvane [FILE.KVX]\n";
    for (const char *arg : { "--help", "-h", "help" })
        table.push_back({ MOLVANE_APP, { arg }, 0, usage, "" });
    table.push_back(
        { MOLVANE_APP, { "--version" }, 0, QString("molvane ") + MOLVANE_VERSION + "\n", "" });
#endif
    for (const Expected &row : table) {
        const QString command = QString(row.program).section('/', -1) + ' ' + row.args.join(' ');
        const ProcessRun result = run(row.program, row.args);
        EXPECT_EQ(result.status, row.status) << command.toStdString();
        EXPECT_TRUE(beginsWith(result.out, row.outStart))
            << command.toStdString() << ": " << result.out.toStdString();
        EXPECT_TRUE(beginsWith(result.err, row.errStart))
            << command.toStdString() << ": " << result.err.toStdString();
    }
}

TEST(CommandLine, WeightsOptionChoosesTheTableForEveryCommand)
{
    const ProcessRun iupac = run(MOLVANE_CLI, { "--weights", "iupac", "weight", "CO2", "Lr" });
    EXPECT_EQ(iupac.out.toStdString(), "44.009\n262\n");
    const ProcessRun after
        = run(MOLVANE_CLI, { "balance", "--table", "--weights", "iupac", "H2+O2>H2O" });
    EXPECT_EQ(after.out.toStdString(),
        "2H2+O2>2H2O\nH2\t2\t2.016\tH 0\nO2\t1\t31.998\tO 0\nH2O\t2\t18.015\tH +1, O -2\n");
    EXPECT_EQ(run(MOLVANE_CLI, { "--weights", "original", "weight", "CO2" }).out, "43.99\n");
    const ProcessRun wrong = run(MOLVANE_CLI, { "--weights", "newest", "weight", "CO2" });
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.err.startsWith("molvane-cli: --weights takes iupac or original"));
    // The document commands run in a module of their own and take the option too; calc
    // computes from the weights the document holds, so both give the same document.
    QFile salt(QString(MOLVANE_EXAMPLES_DIR) + "/salt.KVX");
    ASSERT_TRUE(salt.open(QIODevice::ReadOnly));
    const QByteArray document = salt.readAll();
    const ProcessRun original = run(MOLVANE_CLI, { "calc", "-", "-o", "-" }, document);
    const ProcessRun current
        = run(MOLVANE_CLI, { "--weights", "iupac", "calc", "-", "-o", "-" }, document);
    EXPECT_EQ(original.status, 0);
    EXPECT_EQ(current.status, 0);
    EXPECT_EQ(original.out, current.out);
    EXPECT_FALSE(original.out.isEmpty());
}

TEST(CommandLine, UsageNamesStandardStreams)
{
    const QString usage = run(MOLVANE_CLI, { "--help" }).out;
    EXPECT_TRUE(usage.contains("read one input a line from standard input when none is given"));
    EXPECT_TRUE(usage.contains("A file argument - is standard input"));
}

TEST(CommandLine, VersionIsTheOneAboutShows)
{
    // "Version 1.1" names the major and minor parts of "1.1.0".
    const std::string about(
        molvane::Text(molvane::TextId::AboutVersion, molvane::UiLanguage::English));
    ASSERT_TRUE(about.starts_with("Version "));
    EXPECT_TRUE(
        CliVersion.startsWith(QString::fromStdString("molvane-cli " + about.substr(8) + ".")))
        << about;
}

TEST(CommandLine, BitmapThroughPipesSaysNothingElse)
{
    QFile salt(QString(MOLVANE_EXAMPLES_DIR) + "/salt.KVX");
    ASSERT_TRUE(salt.open(QIODevice::ReadOnly));
    // No runtime directory and no display: Qt would warn of both on the error stream.
    const ProcessRun result = run(MOLVANE_CLI, { "bmp", "-", "-" }, salt.readAll());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err.toStdString(), "ok\n");
    EXPECT_TRUE(result.out.startsWith("BM"));
}
