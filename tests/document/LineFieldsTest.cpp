#include "document/LineFields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace molvane;

namespace {

using Views = std::vector<std::string_view>;

struct LinesCase
{
    const char *name;
    std::string text;
    Views lines;
};

class SplitLinesOf : public testing::TestWithParam<LinesCase>
{
};

TEST_P(SplitLinesOf, Text)
{
    EXPECT_EQ(SplitLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(LineFields, SplitLinesOf,
    testing::Values(LinesCase { "Empty", "", {} }, LinesCase { "CrLf", "a\r\nb\r\n", { "a", "b" } },
        LinesCase { "LfAlone", "a\nb\n", { "a", "b" } },
        LinesCase { "CrAlone", "a\rb\r", { "a", "b" } },
        LinesCase { "NoEndAfterLastLine", "a\r\nb", { "a", "b" } },
        LinesCase { "EmptyLinesKept", "\r\n\r\nx\r\n", { "", "", "x" } },
        LinesCase { "LfCrIsTwoEnds", "a\n\rb", { "a", "", "b" } },
        LinesCase { "MixedEnds", "a\rb\nc\r\nd", { "a", "b", "c", "d" } },
        LinesCase { "NulEndsText", std::string("a\r\nb\0c\r\nd", 9), { "a", "b" } },
        LinesCase { "NulFirst", std::string("\0a", 2), {} }),
    [](const auto &info) { return info.param.name; });

TEST(LineFields, TakeFieldRemovesFieldAndComma)
{
    std::string_view line = "a,b,,c";
    EXPECT_EQ(TakeField(line), "a");
    EXPECT_EQ(line, "b,,c");
    EXPECT_EQ(TakeField(line), "b");
    EXPECT_EQ(TakeField(line), "");
    EXPECT_EQ(line, "c");
    // without a comma the field is empty and the line stays
    EXPECT_EQ(TakeField(line), "");
    EXPECT_EQ(line, "c");
}

struct FieldsCase
{
    const char *name;
    const char *line;
    std::size_t count;
    Views fields;
};

class SplitFieldsOf : public testing::TestWithParam<FieldsCase>
{
};

TEST_P(SplitFieldsOf, Line)
{
    EXPECT_EQ(SplitFields(GetParam().line, GetParam().count), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(LineFields, SplitFieldsOf,
    testing::Values(FieldsCase { "Exact", "a,b,c", 3, { "a", "b", "c" } },
        FieldsCase { "SurplusCommasInLastField", "a,b,c,d", 2, { "a", "b,c,d" } },
        FieldsCase { "FewerCommasLeaveMiddleEmpty", "a,b", 4, { "a", "", "", "b" } },
        FieldsCase { "NoCommaAllInLast", "abc", 3, { "", "", "abc" } },
        FieldsCase { "EmptyFields", ",,", 3, { "", "", "" } },
        FieldsCase { "OneFieldTakesWholeLine", "a,b", 1, { "a,b" } },
        FieldsCase { "NoFields", "a", 0, {} }),
    [](const auto &info) { return info.param.name; });

} // namespace
