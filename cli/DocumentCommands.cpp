#include "cli/DocumentCommands.h"

#include "cli/BalanceCommands.h"
#include "document/DocumentFiles.h"
#include "export/HtmlExport.h"
#include "grid/GridCalc.h"
#include "texts/Texts.h"

#include <algorithm>
#include <optional>
#include <ostream>

namespace molvane::cli {

namespace {

// A document path and, with -o, where the result goes.
struct DocumentArgs
{
    std::string input;
    std::optional<std::string> output;
};

std::optional<DocumentArgs> parseArgs(const std::vector<std::string> &args, bool outputOption)
{
    DocumentArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (outputOption && args[i] == "-o" && i + 1 < args.size() && !parsed.output)
            parsed.output = args[++i];
        else if (parsed.input.empty() && !args[i].starts_with('-'))
            parsed.input = args[i];
        else
            return std::nullopt;
    }
    if (parsed.input.empty())
        return std::nullopt;
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

int save(const Document &document, const std::string &path, std::ostream &out)
{
    try {
        SaveDocument(document, qPath(path));
    } catch (const DocumentWriteError &error) {
        return failed(out, TextId::CannotSave, error);
    }
    out << "ok\n";
    return Success;
}

// Columns as wide as their widest cell, counted in characters, not bytes.
std::size_t displayWidth(std::string_view text)
{
    return std::size_t(std::count_if(text.begin(), text.end(),
        [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
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
int withDocument(const std::vector<std::string> &args, bool outputOption, const char *command,
    const char *arguments, std::ostream &out, std::ostream &err,
    const std::function<int(Document &, const DocumentArgs &)> &run)
{
    const std::optional<DocumentArgs> parsed = parseArgs(args, outputOption);
    if (!parsed)
        return usage(err, command, arguments);
    std::optional<Document> document = OpenDocumentArg(parsed->input, out);
    if (!document)
        return SomeFailed;
    return run(*document, *parsed);
}

} // namespace

std::optional<Document> OpenDocumentArg(const std::string &path, std::ostream &out)
{
    try {
        return ReadDocumentFile(qPath(path), Document());
    } catch (const DocumentReadError &error) {
        failed(out, TextId::CannotOpen, error);
        return std::nullopt;
    }
}

int RunExportCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
    const char *command, const char *arguments, const ExportWriter &write)
{
    if (args.size() != 2 || args[0].starts_with('-') || args[1].starts_with('-'))
        return usage(err, command, arguments);
    const std::optional<Document> document = OpenDocumentArg(args[0], out);
    if (!document)
        return SomeFailed;
    try {
        write(*document, qPath(args[1]));
    } catch (const DocumentWriteError &error) {
        out << "error: " << error.what() << '\n';
        return SomeFailed;
    }
    out << "ok\n";
    return Success;
}

int RunCalc(
    const std::vector<std::string> &args, std::istream &, std::ostream &out, std::ostream &err)
{
    return withDocument(args, true, "calc", "IN.KVX [-o OUT.KVX]", out, err,
        [&](Document &document, const DocumentArgs &parsed) {
            CalculateGrid(document.grid, document.FormulsList);
            return save(document, parsed.output.value_or(parsed.input), out);
        });
}

int RunHtml(
    const std::vector<std::string> &args, std::istream &, std::ostream &out, std::ostream &err)
{
    return RunExportCommand(args, out, err, "html", "IN.KVX OUT.html",
        [&](const Document &document, const QString &path) {
            ExportHtml(document, WindowTitle(args[0]), path);
        });
}

int RunShow(
    const std::vector<std::string> &args, std::istream &, std::ostream &out, std::ostream &err)
{
    return withDocument(args, false, "show", "IN.KVX", out, err,
        [&](const Document &document, const DocumentArgs &) {
            out << Text(TextId::ReactionLabel, UiLanguage::English)
                << (document.reaction.empty() ? "" : " ") << document.reaction << '\n';
            printTable(document.grid, out);
            return Success;
        });
}

int RunCheck(
    const std::vector<std::string> &args, std::istream &, std::ostream &out, std::ostream &err)
{
    return withDocument(args, true, "check", "IN.KVX [-o OUT.KVX]", out, err,
        [&](const Document &document, const DocumentArgs &parsed) {
            if (parsed.output)
                return save(document, *parsed.output, out);
            out << "ok\n";
            return int(Success);
        });
}

} // namespace molvane::cli
