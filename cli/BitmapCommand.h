#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace molvane::cli {

/// bmp IN.KVX OUT.bmp: the bitmap export in the document's own language. Paints with real
/// fonts, so a QGuiApplication must exist (the offscreen platform serves).
int RunBmp(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

/// picture IN.KVX OUT.{png,svg,bmp}: the picture export in the format of OUT's extension
/// (PictureFormatOf; standard output gets a bitmap), in the document's own language.
int RunPicture(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

/// pdf [--steps] IN.KVX OUT.pdf: the document printed to A4 pages of a PDF, in its own
/// language, titled as the window would be; --steps appends the working of the reaction.
int RunPdf(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

/// Chooses the offscreen platform for the QGuiApplication about to be made, unless another
/// platform is asked for, so that painting needs no display.
void UseOffscreenPlatformUnlessSet();

} // namespace molvane::cli
