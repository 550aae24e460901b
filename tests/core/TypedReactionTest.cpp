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
        // Every arrow, the lone "=" where it is the only one, and blanks of every kind.
        TypedCase { "H2 + O2 => H2O", "2H2+O2>2H2O" },
        TypedCase { "H2 + O2 <=> H2O", "2H2+O2>2H2O" },
        TypedCase { "H2 + O2 <-> H2O", "2H2+O2>2H2O" },
        TypedCase { "H2 + O2 = H2O", "2H2+O2>2H2O" },
        TypedCase { "H2 + O2 \xE2\x87\x8C H2O", "2H2+O2>2H2O" },
        TypedCase { "H2 + O2 \xE2\x87\x92 H2O", "2H2+O2>2H2O" },
        TypedCase { "H2\t+\xC2\xA0O2 \xE2\x9F\xB6\xE2\x80\x89H2O", "2H2+O2>2H2O" },
        // Subscript 0 and 1, superscript 4 and a lone superscript sign; U+2212 as a minus.
        TypedCase { "C\xE2\x82\x81\xE2\x82\x80H\xE2\x82\x88 + O\xE2\x82\x82 > CO\xE2\x82\x82 + H2O",
            "C10H8+12O2>10CO2+4H2O" },
        TypedCase { "Sn\xE2\x81\xB4\xE2\x81\xBA + Fe\xC2\xB2\xE2\x81\xBA > Sn\xC2\xB2\xE2\x81\xBA "
                    "+ Fe\xC2\xB3\xE2\x81\xBA",
            "Sn{4+}+2Fe{2+}>Sn{2+}+2Fe{3+}" },
        TypedCase { "Cl\xE2\x81\xBB + Ag\xE2\x81\xBA > AgCl", "Cl{-}+Ag{+}>AgCl" },
        TypedCase { "Cl\xE2\x88\x92 + Ag+ > AgCl", "Cl{-}+Ag{+}>AgCl" },
        TypedCase { "Fe^+3 + e^- > Fe^2+", "Fe{3+}+e{-}>Fe{2+}" },
        TypedCase { "SO4^2- + Ba^2+ > BaSO4", "SO4{2-}+Ba{2+}>BaSO4" },
        // A state after a group and after a charge; a state word in capitals is a state still.
        TypedCase {
            "Ca(OH)2(s) + HCl(aq) > CaCl2(aq) + H2O(l)", "Ca(OH)2(s)+2HCl(aq)>CaCl2(aq)+2H2O(l)" },
        TypedCase { "Ag+(aq) + Cl-(aq) > AgCl(s)", "Ag{+}(aq)+Cl{-}(aq)>AgCl(s)" },
        TypedCase { "Zn(S) + O2 > ZnO + SO2", "error: 2 S 0 0 " },
        // A group of a state's word keeps its count 1, so that the answer reads as it was read.
        TypedCase { "Zn(S)1 + O2 > ZnO + SO2", "2Zn(S)1+3O2>2ZnO+2SO2" },
        // Dots join a hydrate only between two formulas; typed coefficients are dropped.
        TypedCase { "CuSO4\xC2\xB7"
                    "5H2O > CuSO4 + H2O",
            "CuSO4*5H2O>CuSO4+5H2O" },
        TypedCase { "CuSO4 .5H2O > CuSO4 + H2O", "error: 7 . 0 7 " },
        TypedCase { "H2 + O2 -> H2O.", "error: 7 . 0 15 " },
        TypedCase { "2 H2 + O2 > 2 H2O", "2H2+O2>2H2O" },
        // A "-" is never a count, and a "+" without blanks joins.
        TypedCase { "H2O-2 > H2 + O2", "error: 20 - 0 4 " },
        TypedCase { "H2 - O2 > H2O", "error: 20 - 0 4 " },
        TypedCase { "Fe3++e->Fe2+", "error: 14 + 0 5 " },
        // Digits before a sign: taken under the one reading that balances, else refused.
        TypedCase { "SO42- + Ba2+ > BaSO4", "SO4{2-}+Ba{2+}>BaSO4" },
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

struct IonCase
{
    const char *typed;
    const char *outcome; // as TypedCase's
    const char *notes; // per reading chemistry chose: "typed>taken|other", joined by "; "
};

std::string notes(const char *typed)
{
    std::string joined;
    try {
        for (const ChargeReadingNote &n : ReadTypedReaction(typed, true, true).chargeNotes)
            joined += (joined.empty() ? "" : "; ") + n.typed + ">" + n.taken + "|" + n.other;
    } catch (const ReactionError &) {
        return "refused";
    }
    return joined;
}

class IonEquations : public testing::TestWithParam<IonCase>
{
};

TEST_P(IonEquations, TakeTheReadingChemistryMeansAndTellIt)
{
    EXPECT_EQ(outcome(GetParam().typed), GetParam().outcome) << GetParam().typed;
    EXPECT_EQ(notes(GetParam().typed), GetParam().notes) << GetParam().typed;
}

// Plain trailing signs in textbook ion equations. Where the count reading balances too, it is
// left out when it makes a charge of 1 on several atoms of one element or a charge beyond 8.
INSTANTIATE_TEST_SUITE_P(Textbook, IonEquations,
    testing::Values(
        IonCase { "Cu + Ag+ > Cu2+ + Ag", "Cu+2Ag{+}>Cu{2+}+2Ag", "Cu2+>Cu{2+}|Cu2{+}" },
        IonCase { "cu(s) + ag+(aq) > cu2+(aq) + ag(s)", "Cu(s)+2Ag{+}(aq)>Cu{2+}(aq)+2Ag(s)",
            "cu2+>Cu{2+}|Cu2{+}" },
        IonCase { "Zn + Cu2+ > Zn2+ + Cu", "Zn+Cu{2+}>Zn{2+}+Cu",
            "Cu2+>Cu{2+}|Cu2{+}; Zn2+>Zn{2+}|Zn2{+}" },
        IonCase { "Fe2+ + MnO4- + H+ > Fe3+ + Mn2+ + H2O",
            "5Fe{2+}+MnO4{-}+8H{+}>5Fe{3+}+Mn{2+}+4H2O",
            "Fe2+>Fe{2+}|Fe2{+}; MnO4->MnO4{-}|MnO{4-}; Fe3+>Fe{3+}|Fe3{+}; "
            "Mn2+>Mn{2+}|Mn2{+}" },
        IonCase { "Fe3+ + e- > Fe2+", "Fe{3+}+e{-}>Fe{2+}", "Fe2+>Fe{2+}|Fe2{+}" },
        IonCase { "Sn2+ + Fe3+ > Sn4+ + Fe2+", "Sn{2+}+2Fe{3+}>Sn{4+}+2Fe{2+}",
            "Sn2+>Sn{2+}|Sn2{+}; Fe3+>Fe{3+}|Fe3{+}; Sn4+>Sn{4+}|Sn4{+}; Fe2+>Fe{2+}|Fe2{+}" },
        IonCase { "O2 + e- > O2-", "O2+4e{-}>2O{2-}", "O2->O{2-}|O2{-}" },
        // One reading balances: taken without a note.
        IonCase { "NH4+ + OH- > NH3 + H2O", "NH4{+}+OH{-}>NH3+H2O", "" },
        IonCase { "Ba2+ + SO42- > BaSO4", "Ba{2+}+SO4{2-}>BaSO4", "" },
        IonCase { "Al3+ + OH- > Al(OH)3", "Al{3+}+3OH{-}>Al(OH)3", "" },
        IonCase { "I2 + I- > I3-", "I2+I{-}>I3{-}", "" },
        IonCase { "Cu2+ + I- > CuI + I2", "2Cu{2+}+4I{-}>2CuI+I2", "" },
        // A charge of more than one on two atoms of one element is an ion chemistry knows.
        IonCase { "Hg2^2+ + Cl- > Hg2Cl2", "Hg2{2+}+2Cl{-}>Hg2Cl2", "" },
        IonCase { "Hg2{2+} + Cl- > Hg2Cl2", "Hg2{2+}+2Cl{-}>Hg2Cl2", "" },
        IonCase {
            "Hg22+ > Hg2+ + Hg", "Hg2{2+}>Hg{2+}+Hg", "Hg22+>Hg2{2+}|Hg22{+}; Hg2+>Hg{2+}|Hg2{+}" },
        // A charge of 9 is none; where both readings are none, or both are ions, refused.
        IonCase { "CO9+ + e- > C + O2", "2CO9{+}+2e{-}>2C+9O2", "CO9+>CO9{+}|CO{9+}" },
        IonCase { "A9+ + e- > A9", "error: 21 A{9+} 0 2 A9{+}", "refused" },
        IonCase { "Cr2O72- + Fe2+ + H+ > Cr3+ + Fe3+ + H2O", "error: 21 Cr2O7{2-} 0 6 Cr2O72{-}",
            "refused" },
        IonCase { "Fe2+ + Cl- > FeCl3", "error: 21 Fe{2+} 0 3 Fe2{+}", "refused" }));

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
    const PastedReaction taken = ReadPastedReaction("Cu + Ag+ > Cu2+ + Ag", true);
    EXPECT_EQ(taken.text, "Cu+Ag{+}>Cu{2+}+Ag");
    EXPECT_EQ(
        taken.chargeNotes, (std::vector<ChargeReadingNote> { { "Cu2+", "Cu{2+}", "Cu2{+}" } }));
    const PastedReaction refused = ReadPastedReaction("Fe2+ + Cl- > FeCl3", true);
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
