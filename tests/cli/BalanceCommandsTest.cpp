#include "cli/BalanceCommands.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace molvane::cli;

namespace {

struct CommandRun
{
    int status;
    std::string out, err;
};

CommandRun run(int (*command)(const std::vector<std::string> &, std::istream &, std::ostream &,
                   std::ostream &),
    const std::vector<std::string> &args, const std::string &input = {})
{
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = command(args, in, out, err);
    return { status, out.str(), err.str() };
}

TEST(BalanceCommand, OneLinePerReactionWithErrorsInline)
{
    const CommandRun r
        = run(RunBalance, { "h2+o2>h2o", "Fe+O2>Fe2O3", "H2>O2", "CH4+O2>CO2+H2O+CO" });
    EXPECT_EQ(r.out,
        "2H2+O2>2H2O\n"
        "4Fe+3O2>2Fe2O3\n"
        "error: Invalid reaction (element \"H\" stands on one side of the arrow only)\n"
        "error: Can not balance this reaction It may be has more than one answer or "
        "it is more than one separate reaction. (more than one independent reaction)\n");
    EXPECT_EQ(r.status, SomeFailed);
}

TEST(BalanceCommand, ReadsStandardInputWhenGivenNoReaction)
{
    const CommandRun r = run(RunBalance, {}, "H2 + O2 > H2O\r\n2H2+O2>2H2O\n");
    EXPECT_EQ(r.out, "2H2+O2>2H2O\n2H2+O2>2H2O\n");
    EXPECT_EQ(r.status, Success);
}

TEST(BalanceCommand, NoAutoKeepsTypedLetterCase)
{
    EXPECT_EQ(run(RunBalance, { "--no-auto", "h2+o2>h2o" }).out, "2h2+o2>2h2o\n");
    // With auto identification, "co" is cobalt and the sides differ.
    EXPECT_EQ(run(RunBalance, { "co+o2>co2" }).out,
        "error: Invalid reaction (element \"O\" stands on one side of the arrow only)\n");
}

TEST(BalanceCommand, TableListsFormulaCoefficientWeightAndOxidationNumbers)
{
    const CommandRun r
        = run(RunBalance, { "--table", "C1H4+O2>CO2+H2O1", "XY+Z3>XZ+Y2", "Fe{+3}+e{-}>Fe{2+}" });
    EXPECT_EQ(r.out,
        "CH4+2O2>CO2+2H2O\n"
        "C1H4\t1\t16.05\tC -4, H +1\n"
        "O2\t2\t31.98\tO 0\n"
        "CO2\t1\t43.99\tC +4, O -2\n"
        "H2O1\t2\t18.01\tH +1, O -2\n"
        "6XY+2Z3>6XZ+3Y2\n"
        "XY\t6\t-\tX ?, Y ?\n"
        "Z3\t2\t-\tZ 0\n"
        "XZ\t6\t-\tX ?, Z ?\n"
        "Y2\t3\t177.8\tY 0\n"
        "Fe{3+}+e{-}>Fe{2+}\n"
        "Fe{3+}\t1\t55.847\tFe +3\n"
        "e{-}\t1\t0.000549\t-\n"
        "Fe{2+}\t1\t55.847\tFe +2\n");
}

TEST(BalanceCommand, ReadsIonsHydratesAndCommonArrows)
{
    const CommandRun r = run(RunBalance,
        { "--table", "MnO4{-} + Fe{2+} + H{+} \xE2\x86\x92 Mn{2+} + Fe{3+} + H2O",
            "CuSO4*5H2O = CuSO4 + H2O", "Cu -> Cu{2+} + e{-}", "Q+O2>O3", "Ca(OH>CaO+H2O" });
    EXPECT_EQ(r.out,
        "MnO4{-}+5Fe{2+}+8H{+}>Mn{2+}+5Fe{3+}+4H2O\n"
        "MnO4{-}\t1\t118.9\tMn +7, O -2\n"
        "Fe{2+}\t5\t55.847\tFe +2\n"
        "H{+}\t8\t1.01\tH +1\n"
        "Mn{2+}\t1\t54.94\tMn +2\n"
        "Fe{3+}\t5\t55.847\tFe +3\n"
        "H2O\t4\t18.01\tH +1, O -2\n"
        "CuSO4*5H2O>CuSO4+5H2O\n"
        "CuSO4*5H2O\t1\t249.61\tCu +2, S +6, O -2, H +1\n"
        "CuSO4\t1\t159.56\tCu +2, S +6, O -2\n"
        "H2O\t5\t18.01\tH +1, O -2\n"
        "Cu>Cu{2+}+2e{-}\n"
        "Cu\t1\t63.54\tCu 0\n"
        "Cu{2+}\t1\t63.54\tCu +2\n"
        "e{-}\t2\t0.000549\t-\n"
        "error: Invalid reaction (unknown element \"Q\" in substance 1)\n"
        "error: Invalid reaction (\"(\" at position 3 is not closed)\n");
    EXPECT_EQ(r.status, SomeFailed);
}

TEST(BalanceCommand, UnknownOptionIsAUsageError)
{
    const CommandRun r = run(RunBalance, { "--fast", "H2+O2>H2O" });
    EXPECT_EQ(r.status, UsageError);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("--fast"), std::string::npos);
}

TEST(WeightCommand, WeightsOrErrors)
{
    const CommandRun r = run(RunWeight, { "H2O", "Ca(OH)2", "Xq" });
    EXPECT_EQ(r.out, "18.01\n74.08\nerror: unknown element Xq\n");
    EXPECT_EQ(r.status, SomeFailed);
    EXPECT_EQ(run(RunWeight, {}, "NaCl\n").out, "58.44\n");
    EXPECT_EQ(run(RunWeight, {}, "NaCl\n").status, Success);
    // An unclosed bracket is no longer read as if it were closed.
    EXPECT_EQ(run(RunWeight, { "Ca(OH", "e{-}", "SO4{2-}" }).out,
        "error: \"(\" at position 3 is not closed\n0.000549\n96.02\n");
}

} // namespace

TEST(BalanceCommand, StepsWriteTheWorkingUnderEachReaction)
{
    const CommandRun r
        = run(RunBalance, { "--steps", "C3H8 + O2 -> CO2 + H2O", "H2S+H2SO4>S+SO2+H2O" });
    EXPECT_TRUE(r.out.starts_with("C3H8+5O2>3CO2+4H2O\nUnknowns, one per substance:\n"
                                  "  a = C3H8 (C -8/3, H +1)\n"))
        << r.out;
    EXPECT_NE(r.out.find("\n  O: 2b = 2c + d\n"), std::string::npos);
    EXPECT_NE(r.out.find("\nO: 2b = 2c + d gives 2b = 2(3) + 4, that is 2b = 10, so b = 5.\n"
                         "Coefficients: 1, 5, 3, 4\nCheck: C: 3 = 3, H: 8 = 8, O: 10 = 10\n\n"
                         "error: "),
        std::string::npos);
    // A reaction without one answer still shows its equations and why.
    EXPECT_TRUE(r.out.ends_with("  O: 4b = 2d + f\nNo single answer: more than one independent "
                                "reaction.\n\n"));
    EXPECT_EQ(r.status, SomeFailed);
    EXPECT_EQ(run(RunBalance, { "H2+O2>H2O" }).out, "2H2+O2>2H2O\n");
}

TEST(BalanceCommand, RedoxExplainsAndCompletesSkeletons)
{
    const CommandRun redox = run(RunBalance, { "--redox", "KMnO4+HCl>KCl+MnCl2+H2O+Cl2" });
    EXPECT_NE(redox.out.find("\nThe least common multiple of the electrons is 10, so Cl2 takes 5 "
                             "and MnCl2 takes 2.\n"),
        std::string::npos)
        << redox.out;
    const CommandRun acid
        = run(RunBalance, { "--complete", "acid", "MnO4{-}+Fe{2+}>Mn{2+}+Fe{3+}" });
    EXPECT_EQ(acid.out, "5Fe{2+}+MnO4{-}+8H{+}>5Fe{3+}+Mn{2+}+4H2O\n");
    const CommandRun base = run(RunBalance, { "--complete", "base", "MnO4{-}+I{-}>MnO2+I2" });
    EXPECT_EQ(base.out, "6I{-}+2MnO4{-}+4H2O>3I2+2MnO2+8OH{-}\n");
    EXPECT_EQ(run(RunBalance, { "--medium", "neutral", "H2+O2>H2O" }).status, UsageError);
    EXPECT_EQ(run(RunBalance, { "--complete" }).status, UsageError);
}
