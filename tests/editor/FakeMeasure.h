#pragma once

#include "editor/ReactionLayout.h"

// Fixed advances per font so positions can be worked out by hand.
struct FakeMeasure : molvane::GlyphMeasure
{
    bool sameSubscriptFace = false;

    int advance(molvane::GlyphFont font, char) const override
    {
        switch (font) {
        case molvane::GlyphFont::Reaction:
            return 10;
        case molvane::GlyphFont::Numbers:
            return 8;
        case molvane::GlyphFont::Subscripts:
        case molvane::GlyphFont::Superscripts:
            return 6;
        case molvane::GlyphFont::Arrow:
            return 20;
        }
        return 0;
    }
    int heightOfW(molvane::GlyphFont font) const override
    {
        return font == molvane::GlyphFont::Subscripts ? 13 : 19;
    }
    bool sameFaceAndSize(molvane::GlyphFont a, molvane::GlyphFont b) const override
    {
        const auto face = [&](molvane::GlyphFont f) {
            return sameSubscriptFace || f != molvane::GlyphFont::Subscripts ? 0 : 1;
        };
        return face(a) == face(b);
    }
};
