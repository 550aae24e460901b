#pragma once

#include "document/Document.h"
#include "export/HtmlExport.h"

#include <QIODevice>

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace molvane::cli {

// Document commands. Each reads its document as Open does and prints one line: "ok", or
// "error: " and the English message with what was wrong. "show" prints the document instead.
// A path "-" is @p in for the document read and @p out for the one written; the line then
// goes to @p err, so that it never mixes with the written bytes.

/// The path that stands for standard input or output.
inline constexpr std::string_view StandardStream = "-";

/// Reads @p path (or all of @p in for "-") as Open does; on failure prints "error: " and why
/// to @p messages, and gives nothing.
std::optional<Document> OpenDocumentArg(
    const std::string &path, std::istream &in, std::ostream &messages);

/// What an export command writes: the opened document's export, to @p device as it is made.
/// Throws DocumentWriteError.
using ExportWriter = std::function<void(const Document &document, QIODevice &device)>;

/// `COMMAND IN OUT` (@p command and @p arguments name them in the usage line): opens IN and
/// writes its export with @p write to OUT, then prints "ok", or "error: " and why writing
/// failed. OUT naming IN itself is a usage error: an export never replaces its document.
int RunExportCommand(const std::vector<std::string> &args, std::istream &in, std::ostream &out,
    std::ostream &err, const char *command, const char *arguments, const ExportWriter &write);

/// What a page command writes: the document's pages titled @p title, with @p working when
/// --steps was given, to @p device. Throws DocumentWriteError.
using PageWriter = std::function<void(const Document &document, const std::string &title,
    const std::optional<PageWorking> &working, QIODevice &device)>;

/// `COMMAND [--steps] IN OUT` as RunExportCommand, titled as the window would be; --steps adds
/// the working of the reaction as the balance command reads it, in English or, with
/// @p workingInDocumentLanguage, in the document's language.
int RunPageCommand(const std::vector<std::string> &args, std::istream &in, std::ostream &out,
    std::ostream &err, const char *command, const char *arguments, bool workingInDocumentLanguage,
    const PageWriter &write);

/// calc IN.KVX [-o OUT.KVX]: runs Calculate Grid once and saves, to IN.KVX without -o.
int RunCalc(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

/// html [--steps] IN.KVX OUT.html: the HTML export, titled as the window would be; --steps
/// adds the working of the reaction.
int RunHtml(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

/// show IN.KVX: the reaction, then the grid as a table with aligned columns.
int RunShow(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

/// check IN.KVX [-o OUT.KVX]: whether the document opens, and if not, at which line and why;
/// with -o it is written back as Save writes it.
int RunCheck(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

} // namespace molvane::cli
