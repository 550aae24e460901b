#pragma once

#include "document/Document.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace molvane::cli {

// Document commands. Each reads its document as Open does and prints one line: "ok", or
// "error: " and the English message with what was wrong. "show" prints the document instead.

/// Reads @p path as Open does; on failure prints "error: " and why, and gives nothing.
std::optional<Document> OpenDocumentArg(const std::string &path, std::ostream &out);

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
