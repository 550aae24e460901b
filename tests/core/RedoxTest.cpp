// The redox working on textbook reactions worked by hand, in acid and base, ionic and
// molecular, and the checker over both corpora.
#include "core/Redox.h"

#include "BalanceSamples.h"
#include "RedoxChecker.h"
#include "core/Errors.h"
#include "core/ReactionText.h"

#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <string>
#include <vector>

using namespace molvane;

namespace {

RedoxWorking work(const std::string &reaction, RedoxMedium medium = RedoxMedium::FromSpecies)
{
    return WorkRedox(PrepareForBalance(reaction, 0, true).text, medium);
}

struct Textbook
{
    const char *reaction;
    RedoxWorking::Method method;
    std::vector<std::string> changes; // "Mn +7>+2 MnO4{-}>Mn{2+}", oxidised ones marked "ox"
    std::vector<std::string> halves; // as balanced for charge (in base, with OH{-})
    const char *result; // the cancelled sum, or the transfers "Cl2 5, MnCl2 2"
};

void PrintTo(const Textbook &textbook, std::ostream *out)
{
    *out << textbook.reaction;
}

class TextbookRedox : public testing::TestWithParam<Textbook>
{
};

TEST_P(TextbookRedox, MatchesTheWorkingByHand)
{
    const Textbook &t = GetParam();
    const RedoxWorking working = work(t.reaction);
    EXPECT_EQ(working.method, t.method);
    std::vector<std::string> changes, halves;
    for (const RedoxChange &c : working.changes)
        changes.push_back(std::string(c.oxidised ? "ox " : "red ") + c.element + " "
            + OxidationText(c.from) + ">" + OxidationText(c.to) + " " + c.reactant + ">"
            + c.product);
    for (const HalfReaction &half : working.halves)
        halves.push_back(half.inBase.empty() ? half.forCharge : half.inBase);
    EXPECT_EQ(changes, t.changes);
    EXPECT_EQ(halves, t.halves);
    std::string result = working.result;
    for (const ElectronTransfer &transfer : working.transfers)
        result += (result.empty() ? "" : ", ") + transfer.substance + " "
            + std::to_string(transfer.coefficient);
    EXPECT_EQ(result, t.result);
    EXPECT_EQ(RedoxFault(working), "");
}

using M = RedoxWorking::Method;

INSTANTIATE_TEST_SUITE_P(ByHand, TextbookRedox,
    testing::Values(Textbook { "MnO4{-}+Fe{2+}+H{+}>Mn{2+}+Fe{3+}+H2O", M::HalfReactions,
                        { "red Mn +7>+2 MnO4{-}>Mn{2+}", "ox Fe +2>+3 Fe{2+}>Fe{3+}" },
                        { "Fe{2+}>Fe{3+}+e{-}", "MnO4{-}+8H{+}+5e{-}>Mn{2+}+4H2O" },
                        "5Fe{2+}+MnO4{-}+8H{+}>5Fe{3+}+Mn{2+}+4H2O" },
        Textbook { "Cr2O7{2-}+Fe{2+}+H{+}>Cr{3+}+Fe{3+}+H2O", M::HalfReactions,
            { "red Cr +6>+3 Cr2O7{2-}>Cr{3+}", "ox Fe +2>+3 Fe{2+}>Fe{3+}" },
            { "Fe{2+}>Fe{3+}+e{-}", "Cr2O7{2-}+14H{+}+6e{-}>2Cr{3+}+7H2O" },
            "6Fe{2+}+Cr2O7{2-}+14H{+}>6Fe{3+}+2Cr{3+}+7H2O" },
        Textbook { "Cu+NO3{-}+H{+}>Cu{2+}+NO+H2O", M::HalfReactions,
            { "ox Cu 0>+2 Cu>Cu{2+}", "red N +5>+2 NO3{-}>NO" },
            { "Cu>Cu{2+}+2e{-}", "NO3{-}+4H{+}+3e{-}>NO+2H2O" },
            "3Cu+2NO3{-}+8H{+}>3Cu{2+}+2NO+4H2O" },
        Textbook { "H2O2+Fe{2+}+H{+}>Fe{3+}+H2O", M::HalfReactions,
            { "red O -1>-2 H2O2>H2O", "ox Fe +2>+3 Fe{2+}>Fe{3+}" },
            { "Fe{2+}>Fe{3+}+e{-}", "H2O2+2H{+}+2e{-}>2H2O" }, "2Fe{2+}+H2O2+2H{+}>2Fe{3+}+2H2O" },
        // Base: the H{+} of each half made water with OH{-} on both sides.
        Textbook { "MnO4{-}+I{-}+H2O>MnO2+I2+OH{-}", M::HalfReactions,
            { "red Mn +7>+4 MnO4{-}>MnO2", "ox I -1>0 I{-}>I2" },
            { "2I{-}>I2+2e{-}", "MnO4{-}+2H2O+3e{-}>MnO2+4OH{-}" },
            "6I{-}+2MnO4{-}+4H2O>3I2+2MnO2+8OH{-}" },
        // Disproportionation: chlorine is both halves' element.
        Textbook { "Cl2+OH{-}>Cl{-}+ClO3{-}+H2O", M::HalfReactions,
            { "red Cl 0>-1 Cl2>Cl{-}", "ox Cl 0>+5 Cl2>ClO3{-}" },
            { "Cl2+12OH{-}>2ClO3{-}+6H2O+10e{-}", "Cl2+2e{-}>2Cl{-}" },
            "3Cl2+6OH{-}>ClO3{-}+3H2O+5Cl{-}" },
        // Molecular: the changes per formula unit of the substances they end in.
        Textbook { "KMnO4+HCl>KCl+MnCl2+H2O+Cl2", M::OxidationNumbers,
            { "red Mn +7>+2 KMnO4>MnCl2", "ox Cl -1>0 HCl>Cl2" }, {}, "Cl2 5, MnCl2 2" },
        Textbook { "Cu+HNO3>Cu(NO3)2+NO+H2O", M::OxidationNumbers,
            { "ox Cu 0>+2 Cu>Cu(NO3)2", "red N +5>+2 HNO3>NO" }, {}, "Cu(NO3)2 3, NO 2" },
        // Two elements of one substance oxidised: counted together per As2S3.
        Textbook { "As2S3+HNO3+H2O>H3AsO4+H2SO4+NO", M::OxidationNumbers,
            { "ox As +3>+5 As2S3>H3AsO4", "ox S -2>+6 As2S3>H2SO4", "red N +5>+2 HNO3>NO" }, {},
            "As2S3 3, NO 28" },
        Textbook { "NaCl+AgNO3>AgCl+NaNO3", M::NoChange, {}, {}, "" },
        // A count of 1 written out: Balance writes it without, the check still agrees.
        Textbook { "Cr1O7{2-}+Fe{2+}+H{+}>Cr{3+}+Fe{3+}+H2O", M::HalfReactions,
            { "red Cr +12>+3 Cr1O7{2-}>Cr{3+}", "ox Fe +2>+3 Fe{2+}>Fe{3+}" },
            { "Fe{2+}>Fe{3+}+e{-}", "Cr1O7{2-}+14H{+}+9e{-}>Cr{3+}+7H2O" },
            "9Fe{2+}+Cr1O7{2-}+14H{+}>9Fe{3+}+Cr{3+}+7H2O" },
        // Iron's and sulfur's numbers in FeS2 are beyond the rules: said, not guessed.
        Textbook { "FeS2+O2>Fe2O3+SO2", M::NotApplicable, {}, {}, "" },
        // Sulfur from two numbers to one: counted per reactant, as both end in S.
        Textbook { "H2S+SO2>S+H2O", M::OxidationNumbers, { "ox S -2>0 H2S>S", "red S +4>0 SO2>S" },
            {}, "H2S 2, SO2 1" },
        // Oxygen of O2 reduced beside the oxygen of the fuel, which keeps its number.
        Textbook { "C2H5OH+O2>CO2+H2O", M::OxidationNumbers,
            { "ox C -2>+4 C2H5OH>CO2", "red O 0>-2 O2>CO2" }, {}, "C2H5OH 1, O2 3" }),
    [](const testing::TestParamInfo<Textbook> &info) {
        return "Reaction" + std::to_string(info.index);
    });

TEST(Redox, TheMediumIsChosenFromTheSpeciesOrByTheUser)
{
    EXPECT_EQ(work("Cl2+OH{-}>Cl{-}+ClO3{-}+H2O").medium, RedoxMedium::Base);
    EXPECT_EQ(work("Cu+NO3{-}+H{+}>Cu{2+}+NO+H2O").medium, RedoxMedium::Acid);
    EXPECT_EQ(work("FeS2+O2>Fe2O3+SO2").reason, RedoxWorking::Reason::CannotAssign);
    EXPECT_EQ(work("FeO+Fe2O3>Fe3O4+Fe").reason, RedoxWorking::Reason::MixedStates);
    const RedoxWorking asBase = work("Zn+NO3{-}>Zn{2+}+NH4{+}", RedoxMedium::Base);
    EXPECT_EQ(asBase.medium, RedoxMedium::Base);
}

TEST(Redox, CompletionAddsWaterAndHydrogenIonsOrHydroxide)
{
    EXPECT_EQ(CompleteRedox("MnO4{-}+Fe{2+}>Mn{2+}+Fe{3+}", RedoxMedium::Acid),
        "Fe{2+}+MnO4{-}+H{+}>Fe{3+}+Mn{2+}+H2O");
    EXPECT_EQ(CompleteRedox("Cr(OH)3+ClO3{-}>CrO4{2-}+Cl{-}", RedoxMedium::Base),
        "Cr(OH)3+OH{-}+ClO3{-}>CrO4{2-}+H2O+Cl{-}");
    EXPECT_THROW(CompleteRedox("NaCl+AgNO3>AgCl+NaNO3", RedoxMedium::Acid), CannotBalance);
}

TEST(RedoxCorpus, EveryRedoxWorkingChecksOut)
{
    int halves = 0, numbers = 0, none = 0, notApplicable = 0;
    std::map<int, int> reasons;
    for (const std::string &reaction : ReadCorporaAndSeeds(MOLVANE_CORPUS_DIR)) {
        SCOPED_TRACE(reaction);
        RedoxWorking working;
        try {
            working = work(reaction);
        } catch (const ReactionError &) {
            continue;
        }
        EXPECT_EQ(RedoxFault(working), "");
        halves += working.method == RedoxWorking::Method::HalfReactions;
        numbers += working.method == RedoxWorking::Method::OxidationNumbers;
        none += working.method == RedoxWorking::Method::NoChange;
        notApplicable += working.method == RedoxWorking::Method::NotApplicable;
        if (working.method == RedoxWorking::Method::NotApplicable)
            ++reasons[int(working.reason)];
    }
    std::cout << "half-reactions " << halves << ", oxidation numbers " << numbers << ", no change "
              << none << ", not applicable " << notApplicable << " (";
    for (const auto &[reason, count] : reasons)
        std::cout << " reason " << reason << ": " << count;
    std::cout << " )\n";
    // The corpora are mostly molecular; the table above holds the ionic textbook cases.
    EXPECT_GE(halves, 1);
    EXPECT_GT(numbers, 250);
    EXPECT_GT(none, 50);
}

} // namespace
