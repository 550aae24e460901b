#pragma once

#include "core/OxidationNumbers.h"

#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// Where a half-reaction takes its hydrogen from: H{+} in acid, OH{-} and H2O in base.
enum class RedoxMedium { FromSpecies, Acid, Base };

/// One element whose oxidation number changes, from a reactant to a product.
struct RedoxChange
{
    std::string element;
    Fraction from, to;
    std::string reactant, product; ///< the substances it changes between
    bool oxidised = false;
};

/// A half-reaction, balanced in the order a teacher writes it: the element, then oxygen with
/// H2O, hydrogen with H{+} (or OH{-}), and the charge with electrons.
struct HalfReaction
{
    bool oxidation = false;
    std::string element; ///< "Mn"
    std::string skeleton, forElement, forOxygen, forHydrogen, forCharge; ///< reaction texts
    std::string inBase; ///< forCharge with OH{-} added to both sides; empty in acid
    std::int64_t electrons = 0;
    std::int64_t multiplier = 1; ///< to make the electrons of both halves equal
};

/// The substance whose electrons per formula unit the oxidation-number method counts.
struct ElectronTransfer
{
    std::string substance;
    bool oxidised = false;
    std::int64_t electrons = 0; ///< per formula unit
    std::int64_t coefficient = 0; ///< the least common multiple over electrons
};

/// The redox working of a reaction.
struct RedoxWorking
{
    enum class Method {
        NoChange, ///< no oxidation number changes
        HalfReactions, ///< ionic: two half-reactions
        OxidationNumbers, ///< molecular: changes per formula unit
        NotApplicable, ///< see reason
    };
    enum class Reason {
        None,
        CannotAssign, ///< substance has an element without an oxidation number
        MixedStates, ///< element stands in reactants at more than one oxidation number
        OneSideOnly, ///< only oxidation or only reduction
        SeveralTransfers, ///< more than one substance oxidised or reduced
        Unbalanced, ///< the method's result differs from Balance's answer
    };
    Method method = Method::NoChange;
    Reason reason = Reason::None;
    std::string substance; ///< CannotAssign: which; MixedStates: the element
    std::vector<std::string> substances; ///< canonical, reactants then products
    std::vector<std::vector<OxidationNumber>> numbers; ///< per substance
    std::vector<RedoxChange> changes;
    RedoxMedium medium = RedoxMedium::Acid; ///< HalfReactions: the one used
    std::vector<HalfReaction> halves; ///< oxidation first
    std::string sum; ///< both halves added, before cancelling
    std::string result; ///< species on both sides cancelled
    std::vector<ElectronTransfer> transfers; ///< OxidationNumbers: oxidised first
    std::string balanced; ///< Balance's answer, or for a skeleton the completed reaction's
    std::string completed; ///< a skeleton with what the halves add, without coefficients
    bool agrees = false; ///< whether the method's result is Balance's answer
};

/// The redox working of a normalised reaction text. Throws InvalidReaction for text outside
/// the grammar; a reaction Balance cannot balance is still worked where the half-reactions
/// complete it (a skeleton without its H2O, H{+} or OH{-}).
RedoxWorking WorkRedox(
    std::string_view normalisedText, RedoxMedium medium = RedoxMedium::FromSpecies);

/// @p normalisedText with the H2O, H{+} or OH{-} the half-reactions add, for Balance; throws
/// CannotBalance when the half-reaction method cannot complete it.
std::string CompleteRedox(std::string_view normalisedText, RedoxMedium medium);

} // namespace molvane
