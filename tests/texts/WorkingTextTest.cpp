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
    const std::vector<std::string> expected { "Unknowns, one per substance:", "  a = C3H8",
        "  b = O2", "  c = CO2", "  d = H2O", "Equations, one per element:", "  C: 3a = c",
        "  H: 8a = 2d", "  O: 2b = 2c + d",
        "C stands in two substances only (C: 3a = c), so fix a = 1.",
        "C: 3a = c gives 3 = c, so c = 3.", "H: 8a = 2d gives 8 = 2d, so d = 4.",
        "O: 2b = 2c + d gives 2b = 10, so b = 5.", "Coefficients: 1, 5, 3, 4" };
    EXPECT_EQ(lines(WorkingText(DeriveBalance("C3H8+O2>CO2+H2O"), UiLanguage::English)), expected);
}

TEST(WorkingText, FractionsScalingAndTheChargeAreSaid)
{
    const std::string iron = WorkingText(DeriveBalance("Fe+O2>Fe2O3"), UiLanguage::English);
    EXPECT_NE(iron.find("\nFractions on the way: b = 3/2\nMultiply every value by 2.\n"),
        std::string::npos);
    const std::string ions = WorkingText(DeriveBalance("Fe{3+}+e{-}>Fe{2+}"), UiLanguage::English);
    EXPECT_NE(ions.find("\n  charge: 3a - b = 2c\n"), std::string::npos);
    const std::string none = WorkingText(DeriveBalance("H2S+H2SO4>S+SO2+H2O"), UiLanguage::English);
    EXPECT_NE(
        none.find("\nNo single answer: more than one independent reaction.\n"), std::string::npos);
}

TEST(WorkingText, FarsiLinesReadFromTheRightWithEquationsLeftToRight)
{
    const std::string rlm = "\u200f", lrm = "\u200e";
    const std::vector<std::string> farsi
        = lines(WorkingText(DeriveBalance("C3H8+O2>CO2+H2O"), UiLanguage::Farsi));
    ASSERT_EQ(farsi.size(), 14u);
    for (const std::string &line : farsi)
        EXPECT_TRUE(line.starts_with(rlm)) << line;
    EXPECT_EQ(farsi[6], rlm + "  " + lrm + "C: 3a = c" + lrm);
    EXPECT_NE(farsi[13].find("ضريب ها: " + lrm + "1, 5, 3, 4" + lrm), std::string::npos);
    EXPECT_NE(farsi[9].find("مي گيريم"), std::string::npos);
}

} // namespace
