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
        "error: Invalid reaction\n"
        "error: Can not balance this reaction It may be has more than one answer or "
        "it is more than one separate reaction.\n");
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
    EXPECT_EQ(run(RunBalance, { "co+o2>co2" }).out, "error: Invalid reaction\n");
}

TEST(BalanceCommand, TableListsFormulaCoefficientAndWeight)
{
    const CommandRun r = run(RunBalance, { "--table", "C1H4+O2>CO2+H2O1", "XY+Z3>XZ+Y2" });
    EXPECT_EQ(r.out,
        "CH4+2O2>CO2+2H2O\n"
        "C1H4\t1\t16.05\n"
        "O2\t2\t31.98\n"
        "CO2\t1\t43.99\n"
        "H2O1\t2\t18.01\n"
        "6XY+2Z3>6XZ+3Y2\n"
        "XY\t6\t-\n"
        "Z3\t2\t-\n"
        "XZ\t6\t-\n"
        "Y2\t3\t177.8\n");
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
}

} // namespace
