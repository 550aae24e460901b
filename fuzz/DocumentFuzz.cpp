// Any bytes as a document file and as a template. Reading either succeeds or stops with a
// DocumentReadError; a document that read is written, read again and written again to the
// same bytes, and its HTML page is built.
#include "document/DocumentFormat.h"
#include "export/HtmlExport.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace molvane;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    static const Document current;
    try {
        const Document document = ReadDocument(bytes, current);
        // what was read is always writable, and reads back to itself
        const QByteArray written = DocumentBytes(document);
        if (DocumentBytes(ReadDocument(written, current)) != written)
            std::abort();
        HtmlPage(document, "Molvane - fuzz");
    } catch (const DocumentReadError &) { }
    const TemplateOutcome applied = ApplyTemplate(bytes, current);
    TemplateBytes(applied.document);
    return 0;
}
