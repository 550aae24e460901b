#pragma once

#include "document/Document.h"

#include <QString>

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace molvane::cli {

// Document commands. Each reads its document as Open does and prints one line: "ok", or
// "error: " and the English message with what was wrong. "show" prints the document instead.

/// Reads @p path as Open does; on failure prints "error: " and why, and gives nothing.
std::optional<Document> OpenDocumentArg(const std::string &path, std::ostream &out);

/// What an export command writes: the opened document to the path given. Throws
/// DocumentWriteError.
using ExportWriter = std::function<void(const Document &document, const QString &path)>;

/// `COMMAND IN OUT` (@p command and @p arguments name them in the usage line): opens IN and
/// runs @p write with OUT, then prints "ok", or "error: " and why writing failed.
int RunExportCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
    const char *command, const char *arguments, const ExportWriter &write);

/// calc IN.KVX [-o OUT.KVX]: runs Calculate Grid once and saves, to IN.KVX without -o.
int RunCalc(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

/// html IN.KVX OUT.html: the HTML export, titled as the window would be.
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
