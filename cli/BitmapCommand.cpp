#include "cli/BitmapCommand.h"

#include "export/BitmapExport.h"
#include "document/DocumentFormat.h"
#include "cli/BalanceCommands.h"
#include "cli/DocumentCommands.h"

#include <ostream>

namespace molvane::cli {

int RunBmp(
    const std::vector<std::string> &args, std::istream &, std::ostream &out, std::ostream &err)
{
    if (args.size() != 2 || args[0].starts_with('-') || args[1].starts_with('-')) {
        err << "usage: molvane-cli bmp IN.KVX OUT.bmp\n";
        return UsageError;
    }
    const std::optional<Document> document = OpenDocumentArg(args[0], out);
    if (!document)
        return SomeFailed;
    try {
        SaveBitmap(RenderBitmap(*document, document->language), QString::fromStdString(args[1]));
    } catch (const DocumentWriteError &error) {
        out << "error: " << error.what() << '\n';
        return SomeFailed;
    }
    out << "ok\n";
    return Success;
}

void UseOffscreenPlatformUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace molvane::cli
