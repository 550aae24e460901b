#include "document/Windows1256.h"
#include "core/Utf8.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringDecoder>

#include <array>
#include <memory>

namespace molvane {

namespace {

// The code page as Qt's codec defines it, learnt once, byte by byte: the conversions below
// are table look-ups that cannot disagree with the codec.
struct CodePage
{
    std::array<std::string, 256> textOf; // byte -> UTF-8
    std::array<std::int16_t, 0x10000> byteOf {}; // BMP character -> byte, or -1
};

const CodePage &codePage()
{
    static const std::unique_ptr<const CodePage> page = [] {
        auto learnt = std::make_unique<CodePage>();
        learnt->byteOf.fill(-1);
        learnt->byteOf[0] = 0;
        for (int b = 1; b < 256; ++b) {
            QStringDecoder decode("windows-1256");
            const QString character = decode(QByteArray(1, char(b)));
            learnt->textOf[b] = character.toStdString();
            const QList<uint> codes = character.toUcs4();
            if (codes.size() == 1 && codes[0] < 0x10000 && !decode.hasError())
                learnt->byteOf[codes[0]] = std::int16_t(b);
        }
        return learnt;
    }();
    return *page;
}

constexpr char32_t Replacement = 0xFFFD;

// The character at @p i of UTF-8 @p text, moving @p i past it; a broken sequence reads as
// U+FFFD, which no code page byte stands for.
char32_t nextCharacter(std::string_view text, std::size_t &i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1
        : lead >= 0xF0                     ? 4
        : lead >= 0xE0                     ? 3
        : lead >= 0xC0                     ? 2
                                           : 0;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return Replacement;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if (!IsUtf8Continuation(text[i + k])) {
            ++i;
            return Replacement;
        }
        c = (c << 6) | (next & 0x3F);
    }
    i += length;
    return c;
}

int byteOf(char32_t c)
{
    return c < 0x10000 ? codePage().byteOf[c] : -1;
}

void appendRun(std::string &out, std::string_view run)
{
    out.append(run);
}

void appendRun(QByteArray &out, std::string_view run)
{
    out.append(run.data(), qsizetype(run.size()));
}

// Appends the bytes of @p text to @p out; a character without a byte is handed to @p missing,
// and encoding stops when that returns false. The code page's first half is ASCII.
template <typename Out, typename Missing>
bool encode(std::string_view text, Out &out, Missing missing)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t ascii = i;
        while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80)
            ++i;
        appendRun(out, text.substr(ascii, i - ascii));
        if (i == text.size())
            break;
        const char32_t c = nextCharacter(text, i);
        if (const int b = byteOf(c); b >= 0)
            out.push_back(char(b));
        else if (!missing(c, out))
            return false;
    }
    return true;
}

std::string utf8Of(char32_t c)
{
    return QString::fromUcs4(&c, 1).toStdString();
}

} // namespace

std::string FromWindows1256(QByteArrayView bytes)
{
    const CodePage &page = codePage();
    std::string text;
    text.reserve(std::size_t(bytes.size()));
    for (const char b : bytes)
        text += page.textOf[static_cast<unsigned char>(b)];
    return text;
}

bool AppendWindows1256(std::string_view text, QByteArray &bytes)
{
    return encode(text, bytes, [](char32_t, QByteArray &) { return false; });
}

std::optional<QByteArray> ToWindows1256(std::string_view text)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(text.size()));
    if (!AppendWindows1256(text, bytes))
        return std::nullopt;
    return bytes;
}

std::string ToWindows1256Or(std::string_view text, char standIn)
{
    std::string bytes;
    bytes.reserve(text.size());
    encode(text, bytes, [standIn](char32_t, std::string &out) {
        out.push_back(standIn);
        return true;
    });
    return bytes;
}

void AppendWindows1256Html(std::string_view text, QByteArray &bytes)
{
    encode(text, bytes, [](char32_t c, QByteArray &out) {
        out.append("&#" + QByteArray::number(std::uint32_t(c)) + ';');
        return true;
    });
}

bool Windows1256Has(char32_t character)
{
    return character != U'\0' && byteOf(character) >= 0;
}

std::string FirstCharacterOutsideWindows1256(std::string_view text)
{
    char32_t first = 0;
    std::string ignored;
    const bool all = encode(text, ignored, [&first](char32_t c, std::string &) {
        first = c;
        return false;
    });
    return all ? std::string() : utf8Of(first);
}

} // namespace molvane
