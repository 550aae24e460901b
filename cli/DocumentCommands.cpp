#include "cli/DocumentCommands.h"
#include "core/Utf8.h"

#include "cli/BalanceCommands.h"
#include "core/ReactionText.h"
#include "document/DocumentFiles.h"
#include "export/HtmlExport.h"
#include "grid/LimitingReactant.h"
#include "texts/ReactantNote.h"
#include "texts/Texts.h"

#include <QFileInfo>

#include <algorithm>
#include <istream>
#include <optional>
#include <ostream>

namespace molvane::cli {

namespace {

// Where a document command writes its document.
enum class Output {
    None, ///< nowhere
    Optional, ///< to the -o path, if one is given
    OptionalElseInput, ///< to the -o path, else back to the input
};

// A document path and, with -o, where the result goes.
struct DocumentArgs
{
    std::string input;
    std::optional<std::string> output;
    std::string destination; ///< where the document is written; empty for nowhere
};

std::optional<DocumentArgs> parseArgs(const std::vector<std::string> &args, Output writes)
{
    DocumentArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (writes != Output::None && args[i] == "-o" && i + 1 < args.size() && !parsed.output)
            parsed.output = args[++i];
        else if (parsed.input.empty() && (args[i] == StandardStream || !args[i].starts_with('-')))
            parsed.input = args[i];
        else
            return std::nullopt;
    }
    if (parsed.input.empty())
        return std::nullopt;
    parsed.destination = parsed.output.value_or(
        writes == Output::OptionalElseInput ? parsed.input : std::string());
    return parsed;
}

int usage(std::ostream &err, const char *command, const char *arguments)
{
    err << "usage: molvane-cli " << command << ' ' << arguments << '\n';
    return UsageError;
}

QString qPath(const std::string &path)
{
    return QString::fromStdString(path);
}

// A message of the program followed by what exactly went wrong.
int failed(std::ostream &out, TextId message, const std::exception &why)
{
    out << "error: " << Text(message, UiLanguage::English) << ": " << why.what() << '\n';
    return SomeFailed;
}

// Where the "ok" or "error" line of a command writing @p output goes.
std::ostream &messagesFor(const std::string &output, std::ostream &out, std::ostream &err)
{
    return output == StandardStream ? err : out;
}

// @p bytes to the file @p path, or to @p out for "-". Throws DocumentWriteError.
void writeOutput(const std::string &path, const QByteArray &bytes, std::ostream &out)
{
    if (path != StandardStream) {
        WriteFileReplacing(qPath(path), bytes);
        return;
    }
    out.write(bytes.constData(), std::streamsize(bytes.size()));
    out.flush();
    if (!out)
        throw DocumentWriteError("standard output cannot be written");
}

// Standard output as a device, so that an export goes out as it is made.
class StreamDevice : public QIODevice
{
public:
    explicit StreamDevice(std::ostream &out)
        : m_out(out)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        m_out.write(data, std::streamsize(size));
        return m_out ? size : -1;
    }

private:
    std::ostream &m_out;
};

// The export of @p document to the file @p path, written as it is made into a new file renamed
// over the old one, or to @p out for "-". Throws DocumentWriteError.
void writeExport(
    const std::string &path, const Document &document, const ExportWriter &write, std::ostream &out)
{
    if (path == StandardStream) {
        StreamDevice device(out);
        try {
            write(document, device);
        } catch (const DocumentWriteError &) {
            throw DocumentWriteError("standard output cannot be written");
        }
        out.flush();
        if (!out)
            throw DocumentWriteError("standard output cannot be written");
        return;
    }
    try {
        WriteFileReplacing(qPath(path), [&](QIODevice &file) {
            write(document, file);
            return true;
        });
    } catch (const DocumentWriteError &error) {
        const std::string why = error.what();
        // the old file stays
        throw why.starts_with(path) ? error : DocumentWriteError(path + ": " + why);
    }
}

int save(const Document &document, const std::string &path, std::ostream &out, std::ostream &err)
{
    std::ostream &messages = messagesFor(path, out, err);
    try {
        writeOutput(path, DocumentBytes(document), out);
    } catch (const DocumentWriteError &error) {
        return failed(messages, TextId::CannotSave, error);
    }
    messages << "ok\n";
    return Success;
}

// Whether @p output names the file @p input, through any link or relative path.
bool sameFile(const std::string &input, const std::string &output)
{
    if (input == StandardStream || output == StandardStream)
        return false;
    const QFileInfo in(qPath(input)), out(qPath(output));
    if (in.exists() && out.exists())
        return in.canonicalFilePath() == out.canonicalFilePath();
    return in.absoluteFilePath() == out.absoluteFilePath();
}

// Everything @p in holds, as far as a document may be long.
QByteArray readAll(std::istream &in)
{
    QByteArray bytes;
    char chunk[65536];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        bytes.append(chunk, qsizetype(in.gcount()));
        if (bytes.size() > MaxDocumentBytes)
            throw DocumentReadError(DocumentReadError::WholeFile, "standard input is too long");
    }
    return bytes;
}

// Columns as wide as their widest cell, counted in characters, not bytes.
std::size_t displayWidth(std::string_view text)
{
    return std::size_t(
        std::count_if(text.begin(), text.end(), [](char c) { return !IsUtf8Continuation(c); }));
}

void printTable(const GridModel &grid, std::ostream &out)
{
    std::vector<std::size_t> widths(std::size_t(grid.colCount()), 0);
    for (int row = 0; row < grid.rowCount(); ++row)
        for (int col = 0; col < grid.colCount(); ++col)
            widths[col] = std::max(widths[col], displayWidth(grid.cell(col, row)));
    for (int row = 0; row < grid.rowCount(); ++row) {
        std::string line;
        for (int col = 0; col < grid.colCount(); ++col) {
            const std::string &cell = grid.cell(col, row);
            line += cell + std::string(widths[col] - displayWidth(cell) + 2, ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

// Usage unless the arguments name a document, else the opened document to @p run.
int withDocument(const std::vector<std::string> &args, Output writes, const char *command,
    const char *arguments, std::istream &in, std::ostream &out, std::ostream &err,
    const std::function<int(Document &, const DocumentArgs &)> &run)
{
    const std::optional<DocumentArgs> parsed = parseArgs(args, writes);
    if (!parsed)
        return usage(err, command, arguments);
    std::optional<Document> document
        = OpenDocumentArg(parsed->input, in, messagesFor(parsed->destination, out, err));
    if (!document)
        return SomeFailed;
    return run(*document, *parsed);
}

} // namespace

std::optional<Document> OpenDocumentArg(
    const std::string &path, std::istream &in, std::ostream &messages)
{
    try {
        if (path == StandardStream)
            return ReadDocument(readAll(in), Document());
        return ReadDocumentFile(qPath(path), Document());
    } catch (const DocumentReadError &error) {
        failed(messages, TextId::CannotOpen, error);
        return std::nullopt;
    }
}

int RunExportCommand(const std::vector<std::string> &args, std::istream &in, std::ostream &out,
    std::ostream &err, const char *command, const char *arguments, const ExportWriter &write)
{
    const auto isPath
        = [](const std::string &arg) { return arg == StandardStream || !arg.starts_with('-'); };
    if (args.size() != 2 || !isPath(args[0]) || !isPath(args[1]))
        return usage(err, command, arguments);
    if (sameFile(args[0], args[1])) {
        err << "error: " << args[1] << " is the input document; the export needs another file\n";
        return UsageError;
    }
    std::ostream &messages = messagesFor(args[1], out, err);
    const std::optional<Document> document = OpenDocumentArg(args[0], in, messages);
    if (!document)
        return SomeFailed;
    try {
        writeExport(args[1], *document, write, out);
    } catch (const DocumentWriteError &error) {
        messages << "error: " << error.what() << '\n';
        return SomeFailed;
    }
    messages << "ok\n";
    return Success;
}

int RunCalc(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    return withDocument(args, Output::OptionalElseInput, "calc", "IN.KVX [-o OUT.KVX]", in, out,
        err, [&](Document &document, const DocumentArgs &parsed) {
            const ReactantOutcome outcome = CalculateGridLimited(
                document.grid, document.FormulsList, ReactantRows(document.reaction));
            if (const std::string note = ReactantNote(document.grid, outcome, UiLanguage::English);
                !note.empty())
                err << "note: " << note << '\n';
            return save(document, parsed.destination, out, err);
        });
}

int RunPageCommand(const std::vector<std::string> &args, std::istream &in, std::ostream &out,
    std::ostream &err, const char *command, const char *arguments, bool workingInDocumentLanguage,
    const PageWriter &write)
{
    std::vector<std::string> paths = args;
    const bool steps = std::erase(paths, "--steps") > 0;
    return RunExportCommand(
        paths, in, out, err, command, arguments, [&](const Document &document, QIODevice &device) {
            std::optional<PageWorking> working;
            if (steps)
                working = PageWorking { PrepareForBalance(document.reaction, 0, true).text,
                    workingInDocumentLanguage ? document.language : UiLanguage::English };
            // A document from standard input has no name, as a new window's has none.
            write(
                document, WindowTitle(paths[0] == StandardStream ? "" : paths[0]), working, device);
        });
}

int RunHtml(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    // --steps adds the working, in the document's language, of the reaction as the balance command
    // reads it.
    return RunPageCommand(args, in, out, err, "html", "[--steps] IN.KVX OUT.html", true,
        [](const Document &document, const std::string &title,
            const std::optional<PageWorking> &working, QIODevice &device) {
            const QByteArray page = HtmlPage(document, title, working);
            if (device.write(page) != page.size())
                throw DocumentWriteError(device.errorString().toStdString());
        });
}

int RunShow(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    return withDocument(args, Output::None, "show", "IN.KVX", in, out, err,
        [&](const Document &document, const DocumentArgs &) {
            out << Text(TextId::ReactionLabel, UiLanguage::English)
                << (document.reaction.empty() ? "" : " ") << document.reaction << '\n';
            printTable(document.grid, out);
            return Success;
        });
}

int RunCheck(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    return withDocument(args, Output::Optional, "check", "IN.KVX [-o OUT.KVX]", in, out, err,
        [&](const Document &document, const DocumentArgs &parsed) {
            if (parsed.output)
                return save(document, *parsed.output, out, err);
            out << "ok\n";
            return int(Success);
        });
}

} // namespace molvane::cli
