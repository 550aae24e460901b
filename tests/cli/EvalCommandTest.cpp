#include "cli/EvalCommand.h"
#include "cli/BalanceCommands.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace molvane::cli;

namespace {

struct EvalRun
{
    int status;
    std::string out, err;
};

EvalRun eval(const std::vector<std::string> &args, const std::string &input = {})
{
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunEval(args, in, out, err);
    return { status, out.str(), err.str() };
}

TEST(EvalCommand, OneResultPerExpression)
{
    const EvalRun r = eval({ "2^0.5", "8/2*2", "5" });
    EXPECT_EQ(r.out, "1.4142135623731\n2\n05\n");
    EXPECT_EQ(r.status, Success);
    EXPECT_EQ(r.err, "");
}

TEST(EvalCommand, FailuresInlineAndExitOne)
{
    const EvalRun r = eval({ "1/0", "-3", "(2+3" });
    EXPECT_EQ(r.out, "error: invalid expression\n-3\nerror: invalid expression\n");
    EXPECT_EQ(r.status, SomeFailed);
}

TEST(EvalCommand, AResultThatIsNoNumberFails)
{
    const EvalRun r = eval({ "abc", "2" });
    EXPECT_EQ(r.out, "error: not a number (0abc)\n02\n"); // a plain number keeps its 0
    EXPECT_EQ(r.status, SomeFailed);
}

TEST(EvalCommand, ArgumentsStartingWithDashesAreExpressions)
{
    const EvalRun r = eval({ "--5", "-" });
    EXPECT_EQ(r.out, "-5\n0\n");
    EXPECT_EQ(r.status, Success);
}

TEST(EvalCommand, ReadsLinesWhenGivenNoExpression)
{
    const EvalRun r = eval({}, "1 2 + 3\r\n\n2X+1\n(0-8)^(1/3)");
    EXPECT_EQ(r.out, "15\n0\nerror: invalid expression\n-2\n");
    EXPECT_EQ(r.status, SomeFailed);
}

} // namespace
