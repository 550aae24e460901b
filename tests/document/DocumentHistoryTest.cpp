#include "document/DocumentHistory.h"

#include "document/DocumentFormat.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>

using namespace molvane;

namespace {

struct Command
{
    const char *name;
    EditKind kind;
    std::function<void(Document &)> change;
};

// The commands a user makes, as the window applies them to the document.
const Command typeH { "type H", EditKind::Typing, [](Document &d) { d.reaction += "H"; } };
const Command type2 { "type 2", EditKind::Typing, [](Document &d) { d.reaction += "2"; } };
const Command backspace { "backspace", EditKind::Typing,
    [](Document &d) { d.reaction.pop_back(); } };
const Command balance { "balance", EditKind::Other, [](Document &d) {
                           d.reaction = "2" + d.reaction;
                           d.grid.setRowCount(3);
                           d.grid.setCell(0, 1, "H2");
                           d.grid.setCell(1, 1, "2");
                       } };
const Command cellEdit { "cell edit", EditKind::Other,
    [](Document &d) { d.grid.setCell(3, 1, "4.04"); } };
const Command language { "language", EditKind::Other,
    [](Document &d) { d.language = UiLanguage::Farsi; } };
const Command nothing { "nothing", EditKind::Other, [](Document &) {} };
struct Sequence
{
    std::vector<const Command *> commands;
    std::vector<bool> runEnds; ///< after command i, a pause or a caret key
    int steps; ///< what undo can go back over
};

QByteArray bytes(const Document &document)
{
    return DocumentBytes(document);
}

class HistorySequences : public testing::TestWithParam<Sequence>
{
};

// Every step undone gives the document before it, byte for byte as a file would hold it; redo
// gives them back; the changed flag is true exactly where the content differs from the saved.
TEST_P(HistorySequences, UndoGivesBackEveryStateAndTheFlagFollowsTheContent)
{
    const Sequence &sequence = GetParam();
    DocumentHistory history;
    std::vector<QByteArray> states { bytes(history.document()) };
    for (std::size_t i = 0; i < sequence.commands.size(); ++i) {
        const Command &command = *sequence.commands[i];
        command.change(history.document());
        if (history.commit(command.kind, int(history.document().reaction.size())))
            states.push_back(bytes(history.document()));
        if (sequence.runEnds.size() > i && sequence.runEnds[i])
            history.endTypingRun();
    }
    // Merged typing replaced its states: keep the last of each run.
    int undone = 0;
    const QByteArray last = bytes(history.document());
    history.markSaved();
    while (history.canUndo()) {
        ASSERT_TRUE(history.undo());
        ++undone;
        EXPECT_EQ(history.isModified(), bytes(history.document()) != last) << undone;
    }
    EXPECT_EQ(undone, sequence.steps);
    EXPECT_EQ(bytes(history.document()), states.front());
    EXPECT_FALSE(history.undo());
    for (int i = 0; i < undone; ++i)
        ASSERT_TRUE(history.redo());
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(bytes(history.document()), last);
    EXPECT_FALSE(history.isModified());
}

INSTANTIATE_TEST_SUITE_P(DocumentHistory, HistorySequences,
    testing::Values(Sequence { { &typeH, &type2 }, {}, 1 },
        Sequence { { &typeH, &type2 }, { true }, 2 },
        Sequence { { &typeH, &type2, &balance, &cellEdit }, {}, 3 },
        Sequence { { &typeH, &backspace }, {}, 0 }, // typed and taken back: nothing to undo
        Sequence { { &typeH, &nothing, &language }, {}, 2 },
        Sequence { { &balance, &typeH, &language, &typeH }, {}, 4 }),
    [](const testing::TestParamInfo<Sequence> &info) {
        std::string name;
        for (const Command *command : info.param.commands)
            for (const char c : std::string_view(command->name))
                name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name + "_" + std::to_string(info.index);
    });

TEST(DocumentHistory, ANewStepDropsTheRedoAndBalanceOfABalancedTextIsNone)
{
    DocumentHistory history;
    history.document().reaction = "H2";
    ASSERT_TRUE(history.commit(EditKind::Other, 2));
    EXPECT_FALSE(history.commit(EditKind::Other, 2)); // nothing changed
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(history.document().reaction, "");
    EXPECT_TRUE(history.canRedo());
    history.document().reaction = "O2";
    ASSERT_TRUE(history.commit(EditKind::Typing, 2));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.caret(), 2);
}

TEST(DocumentHistory, UndoKeepsTheViewSizesAndForgetsTheOldestSteps)
{
    DocumentHistory history;
    for (std::size_t i = 0; i < DocumentHistory::UndoLimit + 5; ++i) {
        history.document().grid.setCell(0, 1, std::to_string(i));
        history.commit(EditKind::Other, 0);
    }
    history.document().grid.setColWidth(0, 240);
    std::size_t undone = 0;
    while (history.undo())
        ++undone;
    EXPECT_EQ(undone, DocumentHistory::UndoLimit);
    EXPECT_EQ(history.document().grid.colWidth(0), 240);
    EXPECT_TRUE(history.isModified()); // the saved state is no longer in the history
}

} // namespace
