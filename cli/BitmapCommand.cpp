#include "cli/BitmapCommand.h"

#include "cli/BalanceCommands.h"
#include "cli/DocumentCommands.h"
#include "export/BitmapExport.h"

#include <ostream>

namespace molvane::cli {

int RunBmp(
    const std::vector<std::string> &args, std::istream &, std::ostream &out, std::ostream &err)
{
    return RunExportCommand(
        args, out, err, "bmp", "IN.KVX OUT.bmp", [](const Document &document, const QString &path) {
            SaveBitmap(RenderBitmap(document, document.language), path);
        });
}

void UseOffscreenPlatformUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace molvane::cli
