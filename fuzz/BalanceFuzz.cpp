// Any bytes as a typed reaction, through the whole Balance path. Every input must end in
// coefficients that really balance the reaction, or in one of the two failures.
#include "core/Balance.h"
#include "core/Errors.h"
#include "core/ReactionAnalysis.h"
#include "core/ReactionText.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Recounts every element from the analysed text and checks both sides agree.
void checkBalances(const std::string &text, const molvane::BalancedReaction &result)
{
    using namespace molvane;
    const std::string units = InsertUnitCounts(text);
    const ReactionSides sides = SplitReaction(units);
    const std::vector<std::string> elements = ListElements(units);
    std::vector<std::string> substances = sides.reactants;
    substances.insert(substances.end(), sides.products.begin(), sides.products.end());
    if (substances.size() != result.coefficients.size())
        std::abort();
    std::vector<__int128> sums(elements.size(), 0);
    for (std::size_t s = 0; s < substances.size(); ++s) {
        const long long coefficient = std::stoll(result.coefficients[s]);
        if (coefficient <= 0)
            std::abort();
        const std::vector<std::int32_t> counts = CountAtoms(substances[s], elements);
        for (std::size_t e = 0; e < elements.size(); ++e)
            sums[e] += (s < sides.reactants.size() ? 1 : -1) * __int128(coefficient) * counts[e];
    }
    for (const __int128 sum : sums)
        if (sum != 0)
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string typed(reinterpret_cast<const char *>(data), size);
    for (const bool autoIdentify : { true, false }) {
        const molvane::EditedText prepared = molvane::PrepareForBalance(typed, 0, autoIdentify);
        try {
            checkBalances(prepared.text, molvane::Balance(prepared.text));
        } catch (const molvane::InvalidReaction &) {
        } catch (const molvane::CannotBalance &) { }
    }
    return 0;
}
