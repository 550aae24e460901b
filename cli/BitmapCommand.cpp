#include "cli/BitmapCommand.h"

#include "cli/BalanceCommands.h"
#include "cli/DocumentCommands.h"
#include "document/DocumentFormat.h"
#include "export/BitmapExport.h"
#include "export/BmpWriter.h"
#include "export/DocumentPrint.h"
#include "export/PictureExport.h"

#include <optional>
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

int RunPicture(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    return RunExportCommand(args, in, out, err, "picture", "IN.KVX OUT.{png,svg,bmp}",
        [&args](const Document &document, QIODevice &device) {
            WritePicture(document, document.language,
                PictureFormatOf(QString::fromStdString(args[1])), device);
        });
}

int RunPdf(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    return RunPageCommand(args, in, out, err, "pdf", "[--steps] IN.KVX OUT.pdf", true,
        [](const Document &document, const std::string &title,
            const std::optional<PageWorking> &working, QIODevice &device) {
            WritePdf(device, document, document.language, QString::fromStdString(title), working);
        });
}

void UseOffscreenPlatformUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace molvane::cli
