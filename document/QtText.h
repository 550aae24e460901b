#pragma once

#include <QString>

#include <string_view>

namespace molvane {

/// UTF-8 text, such as a text of the interface table or a name of a list, as a QString.
inline QString ToQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

} // namespace molvane
