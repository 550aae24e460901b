// Charges, electrons, hydrates and square brackets through the whole Balance path, and the
// causes of failures. Every balanced answer is recounted here, atom by atom and charge by
// charge, by a reader of the written text that shares nothing with the program's own.
#include "BalanceSamples.h"

#include "core/Balance.h"
#include "core/CommonNotation.h"
#include "core/Errors.h"
#include "core/ReactionAnalysis.h"
#include "core/ReactionSyntax.h"
#include "core/ReactionText.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <utility>

using namespace molvane;

namespace {

using Tally = std::map<std::string, long long>; // element counts, and "charge"

long long number(const std::string &text, std::size_t &pos, long long none)
{
    const std::size_t start = pos;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])))
        ++pos;
    return pos == start ? none : std::stoll(text.substr(start, pos - start));
}

// One formula (no charge) from @p pos to its end or the closing bracket, times @p factor.
void tallyFormula(const std::string &text, std::size_t &pos, long long factor, Tally &tally)
{
    while (pos < text.size() && text[pos] != ')' && text[pos] != ']') {
        if (text[pos] == '(' || text[pos] == '[') {
            Tally inner;
            tallyFormula(text, ++pos, 1, inner);
            ++pos; // the closing bracket
            const long long count = number(text, pos, 1);
            for (const auto &[symbol, atoms] : inner)
                tally[symbol] += atoms * count * factor;
        } else {
            std::size_t end = pos + 1;
            while (end < text.size() && std::islower(static_cast<unsigned char>(text[end])))
                ++end;
            const std::string symbol = text.substr(pos, end - pos);
            pos = end;
            tally[symbol] += number(text, pos, 1) * factor;
        }
    }
}

// Reactants count positive, products negative: a balanced text tallies to nothing.
Tally tallyReaction(const std::string &balanced)
{
    Tally tally;
    long long side = 1;
    std::string written;
    const auto finish = [&] {
        const std::string substance = std::exchange(written, {});
        std::size_t pos = 0;
        const long long coefficient = number(substance, pos, 1);
        const std::size_t brace = substance.find('{');
        const std::string formula = substance.substr(pos, brace - pos);
        if (brace != std::string::npos) {
            const std::string charge = substance.substr(brace + 1, substance.size() - brace - 2);
            std::size_t digits = 0;
            const long long magnitude = number(charge, digits, 1);
            tally["charge"] += side * coefficient * (charge.back() == '-' ? -magnitude : magnitude);
        }
        if (formula == "e")
            return;
        std::size_t start = 0;
        for (std::size_t star = 0; star != std::string::npos; start = star + 1) {
            star = formula.find('*', start);
            std::string part = formula.substr(start, star - start);
            std::size_t p = 0;
            const long long multiplier = number(part, p, 1);
            tallyFormula(part, p, side * coefficient * multiplier, tally);
        }
    };
    bool inBraces = false;
    for (const char c : balanced) {
        inBraces = c == '{' || (inBraces && c != '}');
        if (!inBraces && (c == '+' || c == '>')) {
            finish();
            side = c == '>' ? -1 : side;
        } else {
            written.push_back(c);
        }
    }
    finish();
    std::erase_if(tally, [](const auto &entry) { return entry.second == 0; });
    return tally;
}

struct NotationCase
{
    const char *name;
    const char *typed;
    const char *balanced;
};

class NotationBalances : public testing::TestWithParam<NotationCase>
{
};

TEST_P(NotationBalances, ToTheCheckedAnswer)
{
    const NotationCase &c = GetParam();
    const BalancedReaction result = Balance(PrepareForBalance(c.typed, 0, true).text);
    EXPECT_EQ(result.text, c.balanced);
    EXPECT_EQ(tallyReaction(result.text), Tally {}) << result.text;
}

INSTANTIATE_TEST_SUITE_P(Notation, NotationBalances,
    testing::Values(NotationCase { "PermanganateIron", "MnO4{-}+Fe{2+}+H{+}>Mn{2+}+Fe{3+}+H2O",
                        "MnO4{-}+5Fe{2+}+8H{+}>Mn{2+}+5Fe{3+}+4H2O" },
        NotationCase { "DichromateIron", "Cr2O7{2-}+Fe{2+}+H{+}>Cr{3+}+Fe{3+}+H2O",
            "Cr2O7{2-}+6Fe{2+}+14H{+}>2Cr{3+}+6Fe{3+}+7H2O" },
        NotationCase { "PermanganateOxalate", "MnO4{-}+C2O4{2-}+H{+}>Mn{2+}+CO2+H2O",
            "2MnO4{-}+5C2O4{2-}+16H{+}>2Mn{2+}+10CO2+8H2O" },
        NotationCase {
            "CopperNitrate", "Cu+NO3{-}+H{+}>Cu{2+}+NO+H2O", "3Cu+2NO3{-}+8H{+}>3Cu{2+}+2NO+4H2O" },
        NotationCase {
            "ChlorineBase", "Cl2+OH{-}>Cl{-}+ClO3{-}+H2O", "3Cl2+6OH{-}>5Cl{-}+ClO3{-}+3H2O" },
        NotationCase { "PermanganateSulfite", "MnO4{-}+SO3{2-}+H2O>MnO2+SO4{2-}+OH{-}",
            "2MnO4{-}+3SO3{2-}+H2O>2MnO2+3SO4{2-}+2OH{-}" },
        NotationCase { "IodideIodate", "I{-}+IO3{-}+H{+}>I2+H2O", "5I{-}+IO3{-}+6H{+}>3I2+3H2O" },
        NotationCase { "Thiosulfate", "S2O3{2-}+I2>S4O6{2-}+I{-}", "2S2O3{2-}+I2>S4O6{2-}+2I{-}" },
        NotationCase { "TinIron", "Sn{2+}+Fe{3+}>Sn{4+}+Fe{2+}", "Sn{2+}+2Fe{3+}>Sn{4+}+2Fe{2+}" },
        NotationCase {
            "Peroxide", "H2O2+Fe{2+}+H{+}>Fe{3+}+H2O", "H2O2+2Fe{2+}+2H{+}>2Fe{3+}+2H2O" },
        NotationCase { "Precipitate", "Ag{+}+Cl{-}>AgCl", "Ag{+}+Cl{-}>AgCl" },
        NotationCase { "Ammonium", "NH4{+}+OH{-}>NH3+H2O", "NH4{+}+OH{-}>NH3+H2O" },
        NotationCase {
            "SignFirstIsWrittenCanonically", "Fe{+3}+e{-}>Fe{+2}", "Fe{3+}+e{-}>Fe{2+}" },
        NotationCase { "HalfIronReduction", "Fe{3+}+e{-}>Fe{2+}", "Fe{3+}+e{-}>Fe{2+}" },
        NotationCase { "HalfCopperOxidation", "Cu>Cu{2+}+e{-}", "Cu>Cu{2+}+2e{-}" },
        NotationCase {
            "HalfPermanganate", "MnO4{-}+H{+}+e{-}>Mn{2+}+H2O", "MnO4{-}+8H{+}+5e{-}>Mn{2+}+4H2O" },
        NotationCase { "HalfDichromate", "Cr2O7{2-}+H{+}+e{-}>Cr{3+}+H2O",
            "Cr2O7{2-}+14H{+}+6e{-}>2Cr{3+}+7H2O" },
        NotationCase { "HalfPeroxide", "H2O2>O2+H{+}+e{-}", "H2O2>O2+2H{+}+2e{-}" },
        NotationCase { "ElectronTypedUpperCase", "Ag{+}+E{-}>Ag", "Ag{+}+e{-}>Ag" },
        NotationCase { "BlueVitriol", "CuSO4*5H2O>CuSO4+H2O", "CuSO4*5H2O>CuSO4+5H2O" },
        NotationCase { "WashingSoda", "Na2CO3*10H2O>Na2CO3+H2O", "Na2CO3*10H2O>Na2CO3+10H2O" },
        NotationCase { "Gypsum", "CaSO4*2H2O>CaSO4+H2O", "CaSO4*2H2O>CaSO4+2H2O" },
        NotationCase { "EpsomSalt", "MgSO4*7H2O>MgSO4+H2O", "MgSO4*7H2O>MgSO4+7H2O" },
        NotationCase { "CobaltChloride", "CoCl2*6H2O>CoCl2+H2O", "CoCl2*6H2O>CoCl2+6H2O" },
        NotationCase { "MiddleDotJoins",
            "CuSO4\xC2\xB7"
            "5H2O>CuSO4+H2O",
            "CuSO4*5H2O>CuSO4+5H2O" },
        NotationCase { "HydrateBothSides", "CuSO4+H2O>CuSO4*5H2O", "CuSO4+5H2O>CuSO4*5H2O" },
        NotationCase { "SquareBrackets", "[Cu(NH3)4]SO4>CuSO4+NH3", "[Cu(NH3)4]SO4>CuSO4+4NH3" },
        NotationCase { "ComplexIon", "Cu(OH)2+NH3>[Cu(NH3)4]{2+}+OH{-}",
            "Cu(OH)2+4NH3>[Cu(NH3)4]{2+}+2OH{-}" },
        NotationCase {
            "Aluminate", "Al+OH{-}+H2O>[Al(OH)4]{-}+H2", "2Al+2OH{-}+6H2O>2[Al(OH)4]{-}+3H2" },
        NotationCase {
            "Thiocyanate", "Fe{3+}+SCN{-}>[Fe(SCN)]{2+}", "Fe{3+}+SCN{-}>[Fe(SCN)]{2+}" },
        NotationCase { "TypedCoefficientsDropped", "2Fe{3+}+2e{-}>2Fe{2+}", "Fe{3+}+e{-}>Fe{2+}" }),
    [](const auto &info) { return info.param.name; });

TEST(Notation, IonsWeighTheirAtomsAndTheElectronItsOwn)
{
    EXPECT_EQ(FormulaWeight("Fe{3+}"), FormulaWeight("Fe"));
    EXPECT_EQ(FormulaWeight("SO4{2-}"), FormulaWeight("SO4"));
    EXPECT_EQ(FormulaWeight("e{-}"), "0.000549");
    EXPECT_EQ(FormulaWeight("CuSO4*5H2O"), "249.61"); // 63.54 + 32.06 + 9 x 15.99 + 10 x 1.01
    EXPECT_EQ(FormulaWeight("[Cu(NH3)4]SO4"), FormulaWeight("Cu(NH3)4SO4"));

    const BalancedReaction half = Balance("Fe{3+}+e{-}>Fe{2+}");
    ASSERT_EQ(half.formulas.size(), 3u); // one grid row per substance
    EXPECT_EQ(half.weights[1], "0.000549");
}

struct FaultCase
{
    const char *name;
    const char *reaction; // as Balance receives it, normalised
    bool invalid; // otherwise cannot balance
    ReactionFault fault;
};

class BalanceNamesTheCause : public testing::TestWithParam<FaultCase>
{
};

TEST_P(BalanceNamesTheCause, OfItsFailure)
{
    const FaultCase &c = GetParam();
    try {
        Balance(c.reaction);
        ADD_FAILURE() << "balanced";
    } catch (const InvalidReaction &e) {
        EXPECT_TRUE(c.invalid);
        EXPECT_EQ(e.fault(), c.fault);
    } catch (const CannotBalance &e) {
        EXPECT_FALSE(c.invalid);
        EXPECT_EQ(e.fault(), c.fault);
    }
}

INSTANTIATE_TEST_SUITE_P(Notation, BalanceNamesTheCause,
    testing::Values(FaultCase { "UnknownElement", "Ab+O2>AO2", true,
                        { FaultCause::UnknownElement, "Ab", 1, 0 } },
        FaultCase { "UnknownElementBeforeAKnownOne", "Na+Cl2>NaCll", true,
            { FaultCause::UnknownElement, "Cll", 3, 0 } },
        FaultCase { "OneSideElement", "H2>O2", true, { FaultCause::OneSideElement, "H", 0, 0 } },
        FaultCase { "NoArrow", "H2+O2+H2O", true, { FaultCause::NoArrow, "", 0, 0 } },
        FaultCase {
            "SecondArrow", "H2+O2>H2O>H2", true, { FaultCause::SeveralArrows, ">", 0, 10 } },
        FaultCase {
            "UnclosedBracket", "Ca(OH>CaO+H2O", true, { FaultCause::UnclosedBracket, "(", 0, 3 } },
        FaultCase {
            "UnopenedBracket", "CaOH)2>CaO+H2O", true, { FaultCause::UnopenedBracket, ")", 0, 5 } },
        FaultCase { "MismatchedSquareBracket", "[Cu(NH3)4)SO4>CuSO4+NH3", true,
            { FaultCause::UnopenedBracket, ")", 0, 10 } },
        FaultCase { "UnclosedBrace", "Fe{3+>Fe", true, { FaultCause::UnclosedBracket, "{", 0, 3 } },
        FaultCase { "BraceNotClosedAtTheEnd", "Fe>Fe{2+", true,
            { FaultCause::UnclosedBracket, "{", 0, 6 } },
        FaultCase {
            "BraceNotOpened", "Fe>Fe2+}", true, { FaultCause::UnopenedBracket, "}", 0, 8 } },
        FaultCase {
            "ForeignCharacter", "H2+O2>H2O!", true, { FaultCause::BadCharacter, "!", 0, 10 } },
        FaultCase { "ForeignLetterCountsAsOneCharacter", "H2O>H\xC3\xA9O", true,
            { FaultCause::BadCharacter, "\xC3\xA9", 0, 6 } },
        FaultCase {
            "TwoReactions", "C+O2>CO+CO2", false, { FaultCause::SeveralReactions, "", 0, 0 } },
        FaultCase { "OnlyZero", "H2O>H2O2", false, { FaultCause::OnlyZero, "H", 0, 0 } },
        FaultCase { "ChargeNotMatched", "Fe{3+}>Fe{2+}", false,
            { FaultCause::ChargeNotMatched, "", 0, 0 } },
        FaultCase { "BelongsOnTheOtherSide", "CO2>CO+C", false,
            { FaultCause::NegativeCoefficient, "", 3, 0 } },
        FaultCase {
            "TakesNoPart", "H2O+O2>H2O", false, { FaultCause::ZeroCoefficient, "", 2, 0 } }),
    [](const auto &info) { return info.param.name; });

TEST(Notation, AnUnclosedBracketFailsTheWeight)
{
    try {
        FormulaWeight("Ca(OH");
        ADD_FAILURE() << "weighed";
    } catch (const InvalidReaction &e) {
        EXPECT_EQ(e.fault(), (ReactionFault { FaultCause::UnclosedBracket, "(", 0, 3 }));
    }
    EXPECT_THROW(FormulaWeight("CaOH)2"), InvalidReaction);
}

struct PasteCase
{
    const char *name;
    const char *pasted;
    bool loneEquals;
    const char *read;
};

class CommonNotationReads : public testing::TestWithParam<PasteCase>
{
};

TEST_P(CommonNotationReads, AsTheProgramWritesIt)
{
    EXPECT_EQ(FromCommonNotation(GetParam().pasted, GetParam().loneEquals), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(Notation, CommonNotationReads,
    testing::Values(
        PasteCase { "Textbook", "CH4 + 2O2 \xE2\x86\x92 CO2 + 2H2O", false, "CH4+2O2>CO2+2H2O" },
        PasteCase { "AsciiArrow", "H2 + O2 -> H2O", false, "H2+O2>H2O" },
        PasteCase { "DoubleArrow", "H2+O2=>H2O", false, "H2+O2>H2O" },
        PasteCase { "Equilibrium", "N2 + 3H2 <=> 2NH3", false, "N2+3H2>2NH3" },
        PasteCase { "EquilibriumDash", "N2+H2<->NH3", false, "N2+H2>NH3" },
        PasteCase { "LongArrow", "H2+O2\xE2\x9F\xB6H2O", false, "H2+O2>H2O" },
        PasteCase { "Harpoons", "H2+O2\xE2\x87\x8CH2O", false, "H2+O2>H2O" },
        PasteCase { "Implies", "H2+O2\xE2\x87\x92H2O", false, "H2+O2>H2O" },
        PasteCase { "TabsAndNoBreakSpaces", "H2\t+\xC2\xA0O2 > H2O", false, "H2+O2>H2O" },
        PasteCase { "MiddleDot",
            "CuSO4\xC2\xB7"
            "5H2O -> CuSO4 + 5H2O",
            false, "CuSO4*5H2O>CuSO4+5H2O" },
        PasteCase { "LoneEqualsOnTheCommandLine", "H2 + O2 = H2O", true, "H2+O2>H2O" },
        PasteCase { "LoneEqualsElsewhere", "H2+O2=H2O", false, "H2+O2=H2O" },
        PasteCase { "EqualsBesideAnArrow", "H2=O2>H2O", true, "H2=O2>H2O" }),
    [](const auto &info) { return info.param.name; });

// Every middle dot, and nothing else, becomes a star: halves of one stay as they are.
TEST(Notation, MiddleDotsBecomeStars)
{
    std::mt19937 random(17);
    for (int n = 0; n < 20000; ++n) {
        const std::string text = RandomText(random,
            n % 2 ? "\xC2\xB7"
                    "aB*"
                  : "aB*2",
            10);
        std::string expected;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const bool dot = text.compare(i, 2, "\xC2\xB7") == 0;
            expected += dot ? '*' : text[i];
            i += dot ? 1 : 0;
        }
        ASSERT_EQ(WithJoiningStars(text), expected) << text;
    }
}

TEST(Notation, NormalisationLeavesChargesAlone)
{
    // "+2" inside braces is a sign and a magnitude, not a separator and a coefficient.
    EXPECT_EQ(NormalizeReaction("fe{+2}+e{-}>fe", 0, true).text, "Fe{+2}+e{-}>Fe");
    EXPECT_EQ(NormalizeReaction("cuso4*5h2o", 0, true).text, "CuSO4*5H2O");
}

} // namespace
