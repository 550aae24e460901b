// A long paste types its characters at once: it must end exactly where typing them one key at
// a time ends, for any clipboard text.
#include "FakeMeasure.h"
#include "editor/ReactionEditorModel.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace molvane;

namespace {

// The reference: every character typed as its own key, normalised and drawn each time.
void typeKeyByKey(ReactionEditorModel &model, std::string_view typed, const KeyOptions &options)
{
    for (const char c : typed)
        model.keyPress(c, options);
}

std::string randomText(std::mt19937 &random, int maxLength)
{
    // Letters that do and do not make element symbols, digits, every mapped key, blanks,
    // line breaks and bytes typing ignores.
    static const std::string alphabet = "abcdeghlnosuvxyzABCFHKLNOSUXZ0123456789"
                                        "()[]+=>-. \t\r\n#,;*\x01\xe9";
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string text(std::size_t(length(random)), ' ');
    for (char &c : text)
        c = alphabet[pick(random)];
    return text;
}

void expectSameState(const ReactionEditorModel &expected, const ReactionEditorModel &actual)
{
    ASSERT_EQ(expected.text(), actual.text());
    ASSERT_EQ(expected.caretIndex(), actual.caretIndex());
    ASSERT_EQ(expected.firstVisible(), actual.firstVisible());
    ASSERT_EQ(expected.charWidths(), actual.charWidths());
    const auto &a = expected.layout().glyphs, &b = actual.layout().glyphs;
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        ASSERT_EQ(a[i].character, b[i].character) << "glyph " << i;
        ASSERT_EQ(a[i].font, b[i].font) << "glyph " << i;
        ASSERT_EQ(a[i].x, b[i].x) << "glyph " << i;
        ASSERT_EQ(a[i].y, b[i].y) << "glyph " << i;
    }
}

TEST(TypeText, EndsWhereTypingKeyByKeyEnds)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> width(0, 300);
    std::bernoulli_distribution coin;
    for (int round = 0; round < 3000; ++round) {
        FakeMeasure measure;
        measure.sameSubscriptFace = coin(random);
        KeyOptions options;
        options.autoIdentify = coin(random);
        if (coin(random))
            options.arrowKeys += "+"; // "=" maps to "+", which maps on to the arrow
        ReactionEditorModel reference(measure), model(measure);
        const int imageWidth = width(random);
        // A paste empties the reaction first; typing after a text already there, even one
        // not normalised yet, must agree as well.
        const std::string before = coin(random) ? std::string() : randomText(random, 40);
        const std::string typed = randomText(random, 120);
        for (ReactionEditorModel *m : { &reference, &model }) {
            m->setImageWidth(imageWidth);
            m->resetText(before);
            m->keyDown(EditKey::End, options);
        }
        typeKeyByKey(reference, typed, options);
        model.typeText(typed, options);
        SCOPED_TRACE(testing::Message()
            << "round " << round << ": \"" << before << "\" + \"" << typed << '"');
        ASSERT_NO_FATAL_FAILURE(expectSameState(reference, model));
    }
}

} // namespace
