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

struct TypedRun
{
    const char *typed;
    const char *out; // without "error: Invalid reaction (" or "error: Can not balance ... ("
    const char *err;
};

class TypedReactions : public testing::TestWithParam<TypedRun>
{
};

// Every cause at its position in the text as typed (characters, not bytes, from 1), and the
// notes on standard error of the readings taken.
TEST_P(TypedReactions, TellTheirCauseAndTheReadingsTaken)
{
    const std::string cannot = "error: Can not balance this reaction It may be has more than one "
                               "answer or it is more than one separate reaction. (";
    CommandRun r = run(RunBalance, { "--", GetParam().typed });
    if (r.out.starts_with("error: Invalid reaction ("))
        r.out = "invalid: " + r.out.substr(25);
    else if (r.out.starts_with(cannot))
        r.out = "cannot: " + r.out.substr(cannot.size());
    EXPECT_EQ(r.out, std::string(GetParam().out) + "\n") << GetParam().typed;
    EXPECT_EQ(r.err, GetParam().err) << GetParam().typed;
}

INSTANTIATE_TEST_SUITE_P(Causes, TypedReactions,
    testing::Values(TypedRun { "Fe2O3 + CO2 > Fe + CO",
                        "cannot: substances 2, 4 belong on the other side of the arrow)", "" },
        TypedRun {
            "CO2 > CO + C", "cannot: substance 3 belongs on the other side of the arrow)", "" },
        TypedRun { "NaHCO3 > Na2CO3 + H2O",
            "cannot: only zero coefficients balance it: Na, C can not be matched together)", "" },
        TypedRun { "H2O2 > H2O",
            "cannot: only zero coefficients balance it: element \"H\" can not be matched)", "" },
        TypedRun { "Fe{3+} + Cl{-} > FeCl2",
            "cannot: only zero coefficients balance it: the charge can not be matched)", "" },
        TypedRun { "CH4 + O2 > CO2 + H2O + CO", "cannot: more than one independent reaction)", "" },
        TypedRun { "H2 + O2 > H2O > H2O2",
            "invalid: more than one arrow (the second at position 15))", "" },
        TypedRun {
            "H2 + O2 + H2O", "invalid: no arrow between the reactants and the products)", "" },
        TypedRun {
            "Fe + S > FeO", "invalid: element \"S\" stands on one side of the arrow only)", "" },
        // Unicode digits and arrows are one character each.
        TypedRun { "H\xE2\x82\x82 + O\xE2\x82\x82 \xE2\x86\x92 H\xE2\x82\x82O + Fe{3+",
            "invalid: \"{\" at position 19 is not closed)", "" },
        TypedRun { "Ca(OH)2] > CaO + H2O", "invalid: \"]\" at position 8 is not opened)", "" },
        TypedRun { "Na} + Cl > NaCl", "invalid: \"}\" at position 3 is not opened)", "" },
        TypedRun {
            "H2 + O2 > H2O + #", "invalid: \"#\" at position 17 is not part of a reaction)", "" },
        TypedRun { "H2 + O2 \xE2\x86\x92 H2O + Fe{3}",
            "invalid: the charge \"{3}\" at position 19 needs a sign and digits only, as in "
            "{2+})",
            "" },
        TypedRun {
            "Fe{2+}O > FeO", "invalid: the charge at position 3 does not end its substance)", "" },
        TypedRun {
            "CuSO4**5H2O > CuSO4 + H2O", "invalid: \"*\" at position 7 joins no formula)", "" },
        TypedRun { "CuSO4*0H2O > CuSO4", "invalid: the count 0 at position 7)", "" },
        TypedRun { "H2 + - O2 > H2O",
            "invalid: \"-\" at position 6 is not a count; write a charge in braces, as in Cl{-})",
            "" },
        TypedRun {
            "H2 + > H2O", "invalid: a substance is missing beside \">\" at position 6)", "" },
        TypedRun { " ", "invalid: the reaction is empty)", "" },
        TypedRun { "Fe2+ + Cl- > FeCl3",
            "invalid: the digits at position 3 may be a count or a charge: write Fe{2+} or "
            "Fe2{+})",
            "" },
        // Notes: letter case, digits before a sign, symbols that are no element.
        TypedRun { "ch4+o2>co2+h2o", "invalid: element \"C\" stands on one side of the arrow only)",
            "note: \"co\" was read as the element Co; for CO type the second letter as a "
            "capital\n" },
        TypedRun { "Cu + Ag+ > Cu2+ + Ag", "Cu+2Ag{+}>Cu{2+}+2Ag",
            "note: \"Cu2+\" was read as Cu{2+}, the ion chemistry knows; type Cu2{+} for the "
            "other reading\n" },
        TypedRun { "D2 + O2 > D2O", "2D2+O2>2D2O",
            "note: \"D\" is not an element: it is balanced, without a weight\n" }));

TEST(BalanceCommand, DoubleDashEndsTheOptionsAndBlankLinesAreSkipped)
{
    CommandRun r = run(RunBalance, { "--table", "--", "--no-auto", "H2+O2>H2O" });
    EXPECT_EQ(r.out,
        "error: Invalid reaction (\"-\" at position 1 is not a count; write a charge in braces, "
        "as in Cl{-})\n"
        "2H2+O2>2H2O\nH2\t2\t2.02\tH 0\nO2\t1\t31.98\tO 0\nH2O\t2\t18.01\tH +1, O -2\n");
    EXPECT_EQ(r.status, SomeFailed);
    r = run(RunBalance, { "--" }, "\nH2+O2>H2O\n \t\n\r\nN2+H2>NH3\n");
    EXPECT_EQ(r.out, "2H2+O2>2H2O\nN2+3H2>2NH3\n");
    EXPECT_EQ(r.status, Success);
    // A blank reaction given as an argument is one, and fails.
    EXPECT_EQ(run(RunBalance, { "" }).out, "error: Invalid reaction (the reaction is empty)\n");
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

TEST(WeightCommand, TableListsEachElementsShare)
{
    const CommandRun r = run(RunWeight, { "--table", "CO2", "Xq" });
    EXPECT_EQ(r.out,
        "43.99\nC\t1\t12.01\t12.01\t27.30\nO\t2\t15.99\t31.98\t72.70\n"
        "error: unknown element Xq\n");
    EXPECT_EQ(r.status, SomeFailed);
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
