#include "cli/BitmapCommand.h"

#include "cli/BalanceCommands.h"
#include "cli/DocumentCommands.h"
#include "document/DocumentFormat.h"
#include "export/BitmapExport.h"

#include <QBuffer>

#include <ostream>

namespace molvane::cli {

int RunBmp(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    return RunExportCommand(
        args, in, out, err, "bmp", "IN.KVX OUT.bmp", [](const Document &document) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            if (!RenderBitmap(document, document.language).save(&buffer, "BMP"))
                throw DocumentWriteError("the picture cannot be encoded");
            return bytes;
        });
}

void UseOffscreenPlatformUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace molvane::cli
