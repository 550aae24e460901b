#include "cli/BitmapCommand.h"

#include "cli/BalanceCommands.h"
#include "cli/DocumentCommands.h"
#include "document/DocumentFormat.h"
#include "export/BitmapExport.h"
#include "export/BmpWriter.h"

#include <ostream>

namespace molvane::cli {

int RunBmp(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    return RunExportCommand(args, in, out, err, "bmp", "IN.KVX OUT.bmp",
        [](const Document &document, QIODevice &device) {
            WriteBmp(RenderBitmap(document, document.language), device);
        });
}

void UseOffscreenPlatformUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace molvane::cli
