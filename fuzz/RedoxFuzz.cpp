// Any bytes as a typed reaction, through the redox working in both media: it ends in a text
// or one of the two failures, never a crash, and every working the checker reads is right:
// half-reactions that conserve atoms and charge, electrons that cancel, a sum that is
// Balance's answer.
#include "RedoxChecker.h"

#include "core/Errors.h"
#include "core/ReactionText.h"
#include "core/Redox.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string typed(reinterpret_cast<const char *>(data), size);
    const std::string text = molvane::PrepareForBalance(typed, 0, true).text;
    for (const molvane::RedoxMedium medium : { molvane::RedoxMedium::FromSpecies,
             molvane::RedoxMedium::Acid, molvane::RedoxMedium::Base }) {
        try {
            if (!molvane::RedoxFault(molvane::WorkRedox(text, medium)).empty())
                std::abort();
        } catch (const molvane::ReactionError &) {
        } catch (const molvane::ConversionError &) { }
    }
    return 0;
}
