#pragma once

namespace molvane {

/// Whether the byte @p c continues a UTF-8 character rather than starting one.
constexpr bool IsUtf8Continuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace molvane
