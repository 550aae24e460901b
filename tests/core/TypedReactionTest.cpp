// Reactions as textbooks and web pages write them, through the typed reader and Balance, and
// the causes of their failures at their positions in the typed text.
#include "core/TypedReaction.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

#include <string>

using namespace molvane;

namespace {

struct TypedCase
{
    const char *typed;
    const char *outcome; // the balanced text, or "error: " and the fault
};

// The balanced text, or the fault as cause, name, substance, position and other reading.
std::string outcome(const char *typed)
{
    try {
        return BalanceTyped(typed, true, true).text;
    } catch (const ReactionError &e) {
        const ReactionFault &f = e.fault();
        return "error: " + std::to_string(int(f.cause)) + " " + f.name + " "
            + std::to_string(f.substance) + " " + std::to_string(f.position) + " " + f.other;
    }
}

class TypedReactions : public testing::TestWithParam<TypedCase>
{
};

TEST_P(TypedReactions, BalanceOrNameTheirCause)
{
    EXPECT_EQ(outcome(GetParam().typed), GetParam().outcome) << GetParam().typed;
}

INSTANTIATE_TEST_SUITE_P(Notation, TypedReactions,
    testing::Values(
        // States are kept as typed and ignored by balancing.
        TypedCase { "Zn(s)+CuSO4(aq)>ZnSO4(aq)+Cu(s)", "Zn(s)+CuSO4(aq)>ZnSO4(aq)+Cu(s)" },
        TypedCase { "2H2(g)+O2(g)>2H2O(g)", "2H2(g)+O2(g)>2H2O(g)" },
        TypedCase { "Fe+O2>Fe2O3(s)", "4Fe+3O2>2Fe2O3(s)" },
        // Unicode subscripts are counts, superscripts a charge.
        TypedCase { "C\xE2\x82\x86H\xE2\x82\x81\xE2\x82\x82O\xE2\x82\x86 + O\xE2\x82\x82 "
                    "\xE2\x86\x92 CO\xE2\x82\x82 + H\xE2\x82\x82O",
            "C6H12O6+6O2>6CO2+6H2O" },
        TypedCase { "Fe\xC2\xB3\xE2\x81\xBA + e\xE2\x81\xBB \xE2\x87\x84 Fe\xC2\xB2\xE2\x81\xBA",
            "Fe{3+}+e{-}>Fe{2+}" },
        // Caret charges, trailing signs, hydrate dots and the new arrows.
        TypedCase { "MnO4^- + Fe^2+ + H^+ -> Mn^2+ + Fe^+3 + H2O",
            "MnO4{-}+5Fe{2+}+8H{+}>Mn{2+}+5Fe{3+}+4H2O" },
        TypedCase { "H+ + OH- > H2O", "H{+}+OH{-}>H2O" },
        TypedCase { "Ag+ + Cl- --> AgCl", "Ag{+}+Cl{-}>AgCl" },
        TypedCase { "NH4+ + OH- <--> NH3 + H2O", "NH4{+}+OH{-}>NH3+H2O" },
        TypedCase { "CuSO4.5H2O == CuSO4 + H2O", "CuSO4*5H2O>CuSO4+5H2O" },
        TypedCase { "CuSO4\xE2\x80\xA2"
                    "5H2O \xE2\x86\x94 CuSO4 + H2O",
            "CuSO4*5H2O>CuSO4+5H2O" },
        TypedCase { "Cu^2+(aq) + Zn(s) \xE2\x9F\xB7 Cu(s) + Zn^2+(aq)",
            "Cu{2+}(aq)+Zn(s)>Cu(s)+Zn{2+}(aq)" },
        // Digits before a sign: taken under the one reading that balances, else refused.
        TypedCase { "SO42- + Ba2+ > BaSO4", "SO4{2-}+Ba{2+}>BaSO4" },
        TypedCase { "Cu + Ag+ > Cu2+ + Ag", "error: 21 Cu{2+} 0 14 Cu2{+}" },
        TypedCase { "Fe3+ + e- > Fe2+", "error: 21 Fe{2+} 0 15 Fe2{+}" },
        // Every failure names its cause where it was typed.
        TypedCase { "X-2+Y>XY-2", "error: 20 - 0 2 " },
        TypedCase { "2H2 + O2 -> 2H2O + Fe{3+", "error: 5 { 0 22 " },
        TypedCase { "Fe{3+ + e- > Fe", "error: 5 { 0 3 " },
        TypedCase { "H2+>H2O", "error: 14 > 0 4 " }, TypedCase { "+H2+O2>H2O", "error: 14 + 0 1 " },
        TypedCase { "", "error: 13  0 0 " }, TypedCase { "Fe{3} > Fe", "error: 15 {3} 0 3 " },
        TypedCase { "Fe{}>Fe", "error: 15 {} 0 3 " },
        TypedCase { "CuSO4**5H2O>CuSO4+H2O", "error: 17  0 7 " },
        TypedCase { "Ca(OH)0 > CaO + H2O", "error: 22  1 0 " },
        TypedCase { "H2 + O2 + H2O", "error: 3  0 0 " },
        TypedCase { "CO2 > CO + C", "error: 11  3 0 " },
        TypedCase { "Fe{3+} + Cl{-} > FeCl2", "error: 10  0 0 " }));

TEST(TypedReaction, PastesAsTheEditorWritesOrIsRefused)
{
    EXPECT_EQ(
        ReadPastedReaction("Fe\xC2\xB3\xE2\x81\xBA + e^- \xE2\x86\x92 Fe\xC2\xB2\xE2\x81\xBA", true)
            .text,
        "Fe{3+}+e{-}>Fe{2+}");
    EXPECT_EQ(ReadPastedReaction("cuso4.5h2o", true).text, "cuso4*5h2o");
    // A whole reaction: blanks are no arrows, a single "=" is one.
    EXPECT_EQ(ReadPastedReaction("H2 + O2 = H2O", true).text, "H2+O2>H2O");
    EXPECT_EQ(ReadPastedReaction("H2 + O2 H2O", true).text, "H2+O2>H2O");
    EXPECT_EQ(ReadPastedReaction("2H2+O2  2H2O#", true).text, "2H2+O2>2H2O#");
    EXPECT_EQ(ReadPastedReaction("H2 + O2 -> H2 O", true).text, "H2+O2>H2O");
    const PastedReaction refused = ReadPastedReaction("Cu + Ag+ > Cu2+ + Ag", true);
    EXPECT_EQ(refused.text, "");
    EXPECT_EQ(refused.refusal.cause, FaultCause::AmbiguousCharge);
}

TEST(TypedReaction, NotesLetterCaseAndSymbolsThatAreNoElement)
{
    const ReadReaction read = ReadTypedReaction("ch4+o2>co2+h2o", false, true);
    EXPECT_EQ(LetterCaseNotes(read, "ch4+o2>co2+h2o"),
        (std::vector<LetterCaseNote> { { "co", "Co", "CO" } }));
    EXPECT_TRUE(LetterCaseNotes(ReadTypedReaction("CO+O2>CO2", false, true), "CO+O2>CO2").empty());
    EXPECT_EQ(SymbolsNotElements("A2+B2>AB"), (std::vector<std::string> { "A" }));
}

} // namespace
