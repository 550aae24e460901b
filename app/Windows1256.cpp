#include "app/Windows1256.h"

#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <unordered_map>

namespace molvane {

namespace {

constexpr const char *CodecName = "windows-1256";

// The byte of every character the code page has, learnt from the codec itself.
const std::unordered_map<char32_t, char> &byteOfCharacter()
{
    static const std::unordered_map<char32_t, char> table = [] {
        QByteArray bytes;
        for (int b = 1; b < 256; ++b)
            bytes.append(char(b));
        QStringDecoder decode(CodecName);
        const QList<uint> characters = QString(decode(bytes)).toUcs4();
        std::unordered_map<char32_t, char> byteOf;
        for (qsizetype i = 0; i < characters.size() && i < bytes.size(); ++i)
            byteOf.emplace(characters[i], bytes[i]);
        byteOf.emplace(U'\0', '\0');
        return byteOf;
    }();
    return table;
}

} // namespace

std::string FromWindows1256(QByteArrayView bytes)
{
    QStringDecoder decode(CodecName);
    return QString(decode(bytes)).toStdString();
}

std::optional<QByteArray> ToWindows1256(std::string_view text)
{
    QStringEncoder encode(CodecName);
    QByteArray bytes = encode(QString::fromUtf8(text.data(), qsizetype(text.size())));
    if (encode.hasError())
        return std::nullopt;
    return bytes;
}

QByteArray ToWindows1256Html(std::string_view text)
{
    if (std::optional<QByteArray> bytes = ToWindows1256(text))
        return *std::move(bytes);
    const auto &byteOf = byteOfCharacter();
    QByteArray bytes;
    bytes.reserve(qsizetype(text.size()));
    for (const uint character : QString::fromUtf8(text.data(), qsizetype(text.size())).toUcs4()) {
        if (const auto found = byteOf.find(character); found != byteOf.end())
            bytes.append(found->second);
        else
            bytes.append("&#" + QByteArray::number(character) + ';');
    }
    return bytes;
}

bool Windows1256Has(char32_t character)
{
    return character != U'\0' && byteOfCharacter().contains(character);
}

std::string FirstCharacterOutsideWindows1256(std::string_view text)
{
    const auto &byteOf = byteOfCharacter();
    for (const uint character : QString::fromUtf8(text.data(), qsizetype(text.size())).toUcs4()) {
        if (!byteOf.contains(character))
            return QString::fromUcs4(reinterpret_cast<const char32_t *>(&character), 1)
                .toStdString();
    }
    return {};
}

} // namespace molvane
