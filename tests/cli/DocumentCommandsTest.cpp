#include "cli/DocumentCommands.h"
#include "cli/BalanceCommands.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sstream>

using namespace molvane::cli;

namespace {

using Command
    = int (*)(const std::vector<std::string> &, std::istream &, std::ostream &, std::ostream &);

struct CommandRun
{
    int status;
    std::string out, err;
};

CommandRun run(Command command, const std::vector<std::string> &args, const std::string &input = {})
{
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = command(args, in, out, err);
    return { status, out.str(), err.str() };
}

// A balanced water document with 4 g of hydrogen and the formulas of the English template.
const char *const Water = "2H2+O2>2H2O\r\nE\r\n4\r\n4\r\n100,60,80,100\r\n"
                          "Formula,Number,Weight,Gram\r\nH2,2,2.02,4\r\nO2,1,31.98,\r\n"
                          "H2O,2,18.01,\r\n"
                          "Arial,8,00,-16777208\r\nArial,8,00,-16777208\r\n"
                          "Arial,14,10,-16777208\r\nArial,14,10,16711680\r\n"
                          "Arial,10,10,-16777208\r\n"
                          "1\r\n#Gram(a)=#Gram(b)*#Number(a)*#Weight(a)/#Weight(b)/#Number(b)\r\n"
                          "5\r\n3\r\n4\r\n2\r\n0\r\n";

class DocumentCommands : public testing::Test
{
protected:
    std::string path(const char *name) const { return dir.filePath(name).toStdString(); }

    std::string write(const char *name, const QByteArray &bytes) const
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }

    std::string contents(const char *name) const
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(missing)";
    }

    QTemporaryDir dir;
};

TEST_F(DocumentCommands, CalcFillsTheGridAndSaves)
{
    const std::string in = write("water.KVX", Water);
    const CommandRun r = run(RunCalc, { in, "-o", path("out.KVX") });
    EXPECT_EQ(r.out, "ok\n");
    EXPECT_EQ(r.status, Success);
    const std::string saved = contents("out.KVX");
    // 4*1*31.98/2.02/2 with each step rounded to 15 digits, as the evaluator works
    EXPECT_NE(saved.find("\r\nO2,1,31.98,31.6633663366336\r\nH2O,2,18.01,35.6633663366337\r\n"),
        std::string::npos)
        << saved;
    EXPECT_EQ(contents("water.KVX"), Water); // -o leaves the input alone
    // without -o the input itself is saved
    EXPECT_EQ(run(RunCalc, { in }).out, "ok\n");
    EXPECT_EQ(contents("water.KVX"), saved);
}

TEST_F(DocumentCommands, CheckNamesTheLineAndTheProblem)
{
    const std::string good = write("good.KVX", Water);
    EXPECT_EQ(run(RunCheck, { good }).out, "ok\n");
    QByteArray broken = Water;
    broken.replace("100,60,80,100", "100,60,,100");
    const CommandRun r = run(RunCheck, { write("broken.KVX", broken) });
    EXPECT_EQ(r.out,
        "error: Can not open this file: line 5: column width 3 \"\" is not a whole number\n");
    EXPECT_EQ(r.status, SomeFailed);
    EXPECT_EQ(run(RunCheck, { path("none.KVX") }).out,
        "error: Can not open this file: " + path("none.KVX") + ": no such file\n");
}

TEST_F(DocumentCommands, CheckWritesBackAsSaveDoes)
{
    QByteArray lf = Water;
    lf.replace("\r\n", "\n");
    const std::string in = write("lf.KVX", lf);
    EXPECT_EQ(run(RunCheck, { in, "-o", path("crlf.KVX") }).out, "ok\n");
    EXPECT_EQ(contents("crlf.KVX"), Water);
    EXPECT_EQ(run(RunCheck, { in, "-o", path("no/such/dir.KVX") }).out.substr(0, 30),
        "error: Can not save this file:");
}

TEST_F(DocumentCommands, ShowPrintsReactionAndAlignedGrid)
{
    QByteArray farsi = Water;
    farsi.replace("Formula", "\xe3\xe6\xe1"); // three Farsi letters, six bytes as UTF-8
    const CommandRun r = run(RunShow, { write("farsi.KVX", farsi) });
    EXPECT_EQ(r.out,
        "Reaction: 2H2+O2>2H2O\n"
        "مول  Number  Weight  Gram\n"
        "H2   2       2.02    4\n"
        "O2   1       31.98\n"
        "H2O  2       18.01\n");
    EXPECT_EQ(r.status, Success);
}

TEST_F(DocumentCommands, HtmlExportsThePage)
{
    const std::string in = write("salt.KVX", Water);
    EXPECT_EQ(run(RunHtml, { in, path("salt.html") }).out, "ok\n");
    const std::string page = contents("salt.html");
    EXPECT_EQ(page.substr(0, 8), "<html>\r\n");
    EXPECT_NE(page.find("<title>Molvane - salt</title>"), std::string::npos);
    EXPECT_EQ(run(RunHtml, { in, path("no/dir/x.html") }).status, SomeFailed);
    EXPECT_EQ(page.find("<pre>"), std::string::npos);

    // --steps, before or after the paths, adds the working of the balanced reaction.
    EXPECT_EQ(run(RunHtml, { in, "--steps", path("steps.html") }).out, "ok\n");
    const std::string steps = contents("steps.html");
    EXPECT_NE(steps.find("</table>\r\n<hr>\r\n<div lang=\"en\">\r\n<h3>Working</h3>\r\n"
                         "<pre>Unknowns, one per substance:\r\n  a = H2 (H 0)\r\n"),
        std::string::npos);
    EXPECT_NE(steps.find("\r\nCoefficients: 2, 1, 2\r\nCheck: H: 4 = 4, O: 2 = 2</pre>\r\n"
                         "<h3>Half-reactions</h3>\r\n<pre>Oxidation numbers:\r\n"),
        std::string::npos);
    EXPECT_EQ(run(RunHtml, { "--steps", in }).status, UsageError);

    // A Farsi document's page has its working in Farsi, as the window writes it.
    QByteArray farsi = Water;
    farsi.replace("\r\nE\r\n", "\r\nF\r\n");
    EXPECT_EQ(run(RunHtml, { write("fa.KVX", farsi), "--steps", path("fa.html") }).out, "ok\n");
    EXPECT_NE(contents("fa.html").find("<div dir=\"rtl\" lang=\"fa\">"), std::string::npos);
}

TEST_F(DocumentCommands, WrongArgumentsAreUsageErrors)
{
    EXPECT_EQ(run(RunCalc, {}).status, UsageError);
    EXPECT_EQ(run(RunCalc, { "a.KVX", "-o" }).status, UsageError);
    EXPECT_EQ(run(RunCheck, { "a.KVX", "b.KVX" }).status, UsageError);
    EXPECT_EQ(run(RunShow, { "a.KVX", "-o", "b.KVX" }).status, UsageError);
    EXPECT_EQ(run(RunHtml, { "a.KVX" }).status, UsageError);
    const CommandRun r = run(RunShow, { "--all" });
    EXPECT_EQ(r.err, "usage: molvane-cli show IN.KVX\n");
    EXPECT_EQ(r.out, "");
}

} // namespace

TEST_F(DocumentCommands, DashIsStandardInputAndOutput)
{
    // The written document alone on standard output; the "ok" line goes to the error stream.
    const CommandRun calc = run(RunCalc, { "-", "-o", "-" }, Water);
    EXPECT_EQ(calc.status, Success);
    EXPECT_EQ(calc.err, "ok\n");
    EXPECT_NE(calc.out.find("\r\nO2,1,31.98,31.6633663366336\r\n"), std::string::npos) << calc.out;
    EXPECT_EQ(calc.out.substr(0, 13), "2H2+O2>2H2O\r\n");
    // Without -o a document read from standard input goes back to standard output.
    EXPECT_EQ(run(RunCalc, { "-" }, Water).out, calc.out);
    EXPECT_EQ(run(RunShow, { "-" }, Water).out.substr(0, 22), "Reaction: 2H2+O2>2H2O\n");
    const CommandRun html = run(RunHtml, { write("water.KVX", Water), "-" });
    EXPECT_EQ(html.err, "ok\n");
    EXPECT_EQ(html.out.substr(0, 8), "<html>\r\n");
    // Nothing written to standard output: the line stays there.
    EXPECT_EQ(run(RunCheck, { "-" }, Water).out, "ok\n");
    const CommandRun show = run(RunShow, { "-" }, "not a document");
    EXPECT_EQ(show.out.substr(0, 30), "error: Can not open this file:");
    EXPECT_EQ(show.err, "");
    const CommandRun broken = run(RunCheck, { "-", "-o", "-" }, "not a document");
    EXPECT_EQ(broken.status, SomeFailed);
    EXPECT_EQ(broken.out, "");
    EXPECT_EQ(broken.err.substr(0, 30), "error: Can not open this file:");
}

TEST_F(DocumentCommands, ExportNeverReplacesItsDocument)
{
    const std::string in = write("water.KVX", Water);
    QDir(dir.path()).mkdir("sub");
    for (const std::string &out : { in, path("sub/../water.KVX") }) {
        const CommandRun r = run(RunHtml, { in, out });
        EXPECT_EQ(r.status, UsageError) << out;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("is the input document"), std::string::npos) << r.err;
    }
    EXPECT_EQ(contents("water.KVX"), Water);
}
