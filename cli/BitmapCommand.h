#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace molvane::cli {

/// bmp IN.KVX OUT.bmp: the bitmap export in the document's own language. Paints with real
/// fonts, so a QGuiApplication must exist (the offscreen platform serves).
int RunBmp(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

/// Chooses the offscreen platform for the QGuiApplication about to be made, unless another
/// platform is asked for, so that painting needs no display.
void UseOffscreenPlatformUnlessSet();

} // namespace molvane::cli
