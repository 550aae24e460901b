#include "grid/CellCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace molvane;

namespace {

const auto caseName = [](const auto &info) { return info.param.name; };

struct KeyCase
{
    const char *name;
    const char *typeText;
    char32_t key;
    bool passes;
};

class GridKeyPressCase : public testing::TestWithParam<KeyCase>
{
};

TEST_P(GridKeyPressCase, PassesOrDrops)
{
    const KeyCase &c = GetParam();
    EXPECT_EQ(GridKeyPress(c.typeText, c.key), c.passes ? std::optional(c.key) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(CellCheck, GridKeyPressCase,
    testing::Values(KeyCase { "IntegerDigit", "1", U'7', true },
        KeyCase { "IntegerBackspace", "1", BackspaceKey, true },
        KeyCase { "IntegerPoint", "1", U'.', false }, KeyCase { "IntegerMinus", "1", U'-', false },
        KeyCase { "SubstanceNumberDigit", "3", U'0', true },
        KeyCase { "SubstanceNumberLetter", "3", U'a', false },
        KeyCase { "RealDigit", "2", U'9', true }, KeyCase { "RealPoint", "2", U'.', true },
        KeyCase { "RealBackspace", "2", BackspaceKey, true },
        KeyCase { "RealMinus", "2", U'-', false }, KeyCase { "RealPlus", "2", U'+', false },
        KeyCase { "RealComma", "2", U',', false }, KeyCase { "RealExponent", "2", U'E', false },
        KeyCase { "RealSpace", "2", U' ', false }, KeyCase { "RealPasteShortcut", "2", 22, false },
        KeyCase { "RealPersianDigit", "2", 0x06F5, false },
        KeyCase { "AtomicWeightPoint", "4", U'.', true },
        KeyCase { "AtomicWeightMinus", "4", U'-', false },
        KeyCase { "TextAnything", "0", U'-', true }, KeyCase { "TextFarsi", "0", 0x0627, true },
        KeyCase { "FormulaAnything", "5", U'(', true },
        KeyCase { "UnknownTypeAnything", "7", U'x', true },
        KeyCase { "MissingTypeAnything", "", U'x', true }),
    caseName);

TEST(GridKeyPress, DecimalColumnsTakeTheGivenSeparator)
{
    EXPECT_EQ(GridKeyPress("2", U',', ','), U',');
    EXPECT_EQ(GridKeyPress("2", U'.', ','), std::nullopt);
    EXPECT_EQ(GridKeyPress("1", U',', ','), std::nullopt);
}

struct ValueCase
{
    const char *name;
    const char *typeText;
    const char *text;
    bool valid;
};

class GridSetEditTextCase : public testing::TestWithParam<ValueCase>
{
};

TEST_P(GridSetEditTextCase, ChecksByType)
{
    const ValueCase &c = GetParam();
    EXPECT_EQ(GridSetEditText(c.typeText, c.text), c.valid);
}

INSTANTIATE_TEST_SUITE_P(CellCheck, GridSetEditTextCase,
    testing::Values(ValueCase { "EmptyInteger", "1", "", true },
        ValueCase { "EmptyReal", "2", "", true }, ValueCase { "IntegerNegative", "1", "-12", true },
        ValueCase { "IntegerHex", "3", "$FF", true },
        ValueCase { "IntegerFraction", "1", "2.5", false },
        ValueCase { "IntegerNineNines", "1", "999999999", true },
        ValueCase { "IntegerTenNines", "1", "9999999999", false },
        ValueCase { "IntegerSpaceInside", "3", "1 2", false },
        ValueCase { "RealLonePoint", "2", ".", true },
        ValueCase { "RealTrailingPoint", "2", "5.", true },
        ValueCase { "RealLeadingPoint", "2", ".5", true },
        ValueCase { "RealTwoPoints", "2", "1.2.3", false },
        ValueCase { "RealLoneMinus", "2", "-", false },
        ValueCase { "RealExponent", "4", " -1.5e-3 ", true },
        ValueCase { "RealComma", "2", "1,5", false },
        ValueCase { "RealSingleSpace", "2", " ", false },
        ValueCase { "TextAnything", "0", "a,b", true },
        ValueCase { "FormulaAnything", "5", "H2O", true },
        ValueCase { "UnknownTypeAnything", "9", "x", true }),
    caseName);

TEST(GridSetEditText, DecimalColumnsUseTheGivenSeparator)
{
    EXPECT_TRUE(GridSetEditText("2", "1,5", ','));
    EXPECT_FALSE(GridSetEditText("2", "1.5", ','));
    EXPECT_TRUE(GridSetEditText("1", "15", ','));
}

// Types keys into a cell of type @p typeText as the grid's editor does: each key through the
// filter, then the check of the new text. Returns the text and whether each check passed.
struct Typed
{
    std::string text;
    std::vector<bool> checks;
};

Typed type(const char *typeText, std::u32string keys)
{
    Typed typed;
    for (const char32_t key : keys) {
        const std::optional<char32_t> passed = GridKeyPress(typeText, key);
        if (!passed)
            continue;
        if (*passed == BackspaceKey) {
            if (!typed.text.empty())
                typed.text.pop_back();
        } else {
            typed.text += static_cast<char>(*passed);
        }
        typed.checks.push_back(GridSetEditText(typeText, typed.text));
    }
    return typed;
}

TEST(CellEditing, PointNeverReachesIntegerCell)
{
    const Typed typed = type("1", U"12.");
    EXPECT_EQ(typed.text, "12");
    EXPECT_EQ(typed.checks, (std::vector { true, true }));
}

TEST(CellEditing, SecondPointIsInvalidUntilDeleted)
{
    const Typed typed = type("2", U"1.5.\b");
    EXPECT_EQ(typed.text, "1.5");
    EXPECT_EQ(typed.checks, (std::vector { true, true, true, false, true }));
}

TEST(CellEditing, TenthNineExceedsTheRange)
{
    const Typed typed = type("1", U"99999999999");
    EXPECT_EQ(typed.text, "99999999999");
    EXPECT_EQ(typed.checks,
        (std::vector { true, true, true, true, true, true, true, true, true, false, false }));
}

TEST(CellEditing, DeletingEverythingIsAllowed)
{
    const Typed typed = type("2", U"1.\b\b");
    EXPECT_EQ(typed.text, "");
    EXPECT_EQ(typed.checks, (std::vector { true, true, true, true }));
}

TEST(CellEditing, NoMinusInAnyNumericColumn)
{
    for (const char *typeText : { "1", "2", "3", "4" })
        EXPECT_EQ(type(typeText, U"-5").text, "5") << typeText;
}

TEST(CellEditing, TextColumnsTakeEverythingUnchecked)
{
    for (const char *typeText : { "0", "5" }) {
        const Typed typed = type(typeText, U"-x.,1");
        EXPECT_EQ(typed.text, "-x.,1");
        EXPECT_EQ(typed.checks, std::vector<bool>(5, true));
    }
}

} // namespace
