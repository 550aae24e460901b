#pragma once

#include "document/Windows1256.h"

#include <QByteArray>

#include <string>
#include <vector>

namespace molvane::test {

using Lines = std::vector<std::string>;

/// A document file made of UTF-8 @p lines: Windows-1256, each line ended by CR LF.
inline QByteArray fileOf(const Lines &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return ToWindows1256(text).value();
}

/// A small valid English document: 3 rows, 3 columns, 1 formula, 4 item types.
inline Lines waterLines()
{
    return { "2H2+O2>2H2O", "E", "4", "3", "120,100,90", "Formula,Number,Mol", "H2,2,", "O2,1,0.5",
        "H2O,2,", "Tahoma,8,00,-16777208", "Arial,8,00,-16777208", "Arial,14,10,-16777208",
        "Arial,14,10,16711680", "Arial,10,10,-16777208", "1",
        "#Mol(a)=#Mol(b)*#Number(a)/#Number(b)", "5", "3", "2", "0", "0" };
}

/// The source tree's data directory, where the templates are.
inline std::string dataDir()
{
    return MOLVANE_DATA_DIR;
}

} // namespace molvane::test
