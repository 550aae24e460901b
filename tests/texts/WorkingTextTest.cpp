// The derivation written out as a student writes it on paper, in both languages.
#include "texts/WorkingText.h"
#include "core/Derivation.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace molvane;

namespace {

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> out;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        out.push_back(line);
    return out;
}

TEST(WorkingText, PropaneReadsLineByLineAsOnTheBoard)
{
    const std::vector<std::string> expected { "Unknowns, one per substance:",
        "  a = C3H8 (C -8/3, H +1)", "  b = O2 (O 0)", "  c = CO2 (C +4, O -2)",
        "  d = H2O (H +1, O -2)", "Equations, one per element:", "  C: 3a = c", "  H: 8a = 2d",
        "  O: 2b = 2c + d", "We start from C3H8 and set a = 1.",
        "C: 3a = c gives 3(1) = c, that is 3 = c, so c = 3.",
        "H: 8a = 2d gives 8(1) = 2d, that is 8 = 2d, so d = 4.",
        "O: 2b = 2c + d gives 2b = 2(3) + 4, that is 2b = 10, so b = 5.",
        "Coefficients: 1, 5, 3, 4", "Check: C: 3 = 3, H: 8 = 8, O: 10 = 10" };
    EXPECT_EQ(lines(WorkingText(DeriveBalance("C3H8+O2>CO2+H2O"), UiLanguage::English)), expected);
}

TEST(WorkingText, FractionsTheMultiplierAndTheChargeAreSaid)
{
    const std::string iron = WorkingText(DeriveBalance("Fe+O2>Fe2O3"), UiLanguage::English);
    EXPECT_NE(iron.find("\nThe values found hold fractions: b = 3/2.\nWe multiply every value by "
                        "2, the least common multiple of the denominators.\n"),
        std::string::npos);
    const std::string ions = WorkingText(DeriveBalance("Fe{+3}+e{-}>Fe{2+}"), UiLanguage::English);
    EXPECT_NE(ions.find("\n  a = Fe{3+} (Fe +3)\n  b = e{-}\n"), std::string::npos);
    EXPECT_NE(
        ions.find("\nEquations, one per element and one for the charge:\n"), std::string::npos);
    EXPECT_NE(ions.find("\n  charge: 3a - b = 2c\n"), std::string::npos);
    EXPECT_TRUE(ions.ends_with("\nCheck: Fe: 1 = 1, charge: 2 = 2\n")) << ions;
    // An expression written into the charge's equation is shown, cancelled.
    const std::string permanganate
        = WorkingText(DeriveBalance("MnO4{-}+Fe{2+}+H{+}>Mn{2+}+Fe{3+}+H2O"), UiLanguage::English);
    EXPECT_NE(permanganate.find("\nFe: b = f gives b = f; we put it into the equations that hold "
                                "it:\n  charge: -1 + 2f + 8 = 2(1) + 3f, that is 5 = f\n"),
        std::string::npos);
    const std::string none = WorkingText(DeriveBalance("H2S+H2SO4>S+SO2+H2O"), UiLanguage::English);
    EXPECT_NE(
        none.find("\nNo single answer: more than one independent reaction.\n"), std::string::npos);
}

TEST(WorkingText, FarsiLinesReadFromTheRightInOneOrthography)
{
    const std::string rlm = "\u200f", lrm = "\u200e";
    const std::string text = WorkingText(DeriveBalance("Fe+O2>Fe2O3"), UiLanguage::Farsi);
    const std::vector<std::string> farsi = lines(text);
    ASSERT_EQ(farsi.size(), 14u);
    for (const std::string &line : farsi)
        EXPECT_TRUE(line.starts_with(rlm)) << line;
    EXPECT_EQ(farsi[5], rlm + "  " + lrm + "Fe: a = 2c" + lrm);
    EXPECT_NE(farsi[7].find("\u0645\u064a\u200c\u06af\u064a\u0631\u064a\u0645"), std::string::npos);
    EXPECT_NE(farsi[12].find(lrm + "4" + lrm + "\u060C " + lrm + "3" + lrm), std::string::npos);
    EXPECT_NE(farsi[13].find(lrm + "Fe: 4 = 4" + lrm + "\u060C "), std::string::npos);
    // Keheh and the Arabic yeh the code page holds; no Arabic kaf, no Farsi yeh, no Latin
    // comma outside the equations.
    EXPECT_EQ(text.find("\u0643"), std::string::npos);
    EXPECT_EQ(text.find("\u06CC"), std::string::npos);
    EXPECT_EQ(text.find(", "), std::string::npos);
}

} // namespace
