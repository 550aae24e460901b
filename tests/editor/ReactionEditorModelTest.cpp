#include "editor/ReactionEditorModel.h"
#include "FakeMeasure.h"

#include <gtest/gtest.h>

#include <string>

using namespace molvane;

namespace {

class EditorModel : public testing::Test
{
protected:
    FakeMeasure measure;
    ReactionEditorModel model { measure };
    KeyOptions options;

    void SetUp() override { model.setImageWidth(400); }

    void type(const std::string &keys)
    {
        for (const char c : keys)
            model.keyPress(c, options);
    }
};

TEST_F(EditorModel, DefaultKeyOptionsTypeOperators)
{
    type("h2 o2");
    EXPECT_EQ(model.text(), "H2>O2");
    model.resetText("");
    type("a=b[c].d]");
    EXPECT_EQ(model.text(), "A+B(C)>D)");
}

TEST_F(EditorModel, TypedCoefficientsAndDoubledOperatorsVanish)
{
    type("2");
    EXPECT_EQ(model.text(), "");
    EXPECT_EQ(model.caretIndex(), 0);
    type("H2+3");
    EXPECT_EQ(model.text(), "H2+");
    EXPECT_EQ(model.caretIndex(), 3);
    type("+>");
    EXPECT_EQ(model.text(), "H2+");
}

TEST_F(EditorModel, EnterAsksForBalanceAndTypesNothing)
{
    type("H2");
    EXPECT_TRUE(model.keyPress('\r', options));
    EXPECT_EQ(model.text(), "H2");
    EXPECT_FALSE(model.keyPress('\t', options)); // not insertable: nothing typed
    EXPECT_EQ(model.text(), "H2");
}

TEST_F(EditorModel, AutoIdentificationOffKeepsCase)
{
    options.autoIdentify = false;
    type("nacl");
    EXPECT_EQ(model.text(), "nacl");
    type("+2");
    EXPECT_EQ(model.text(), "nacl+");
}

TEST_F(EditorModel, KeyOptionsApplyInOrder)
{
    options.arrowKeys += "+"; // "=" maps to "+", which now maps on to the arrow
    type("H=O+C");
    EXPECT_EQ(model.text(), "H>O>C");
    options = KeyOptions {};
    options.arrowKeys.clear();
    type(" ");
    EXPECT_EQ(model.text(), "H>O>C"); // a space no longer types anything
}

TEST_F(EditorModel, CaretKeysMoveWithinTheDrawnText)
{
    model.resetText("H2O");
    model.keyDown(EditKey::End, options);
    EXPECT_EQ(model.caretIndex(), 3);
    model.keyDown(EditKey::Right, options);
    EXPECT_EQ(model.caretIndex(), 3);
    model.keyDown(EditKey::Left, options);
    model.keyDown(EditKey::Backspace, options);
    EXPECT_EQ(model.text(), "HO");
    EXPECT_EQ(model.caretIndex(), 1);
    model.keyDown(EditKey::Delete, options);
    EXPECT_EQ(model.text(), "H");
    model.keyDown(EditKey::Delete, options); // at the end: nothing
    model.keyDown(EditKey::Home, options);
    model.keyDown(EditKey::Backspace, options); // at the start: nothing
    EXPECT_EQ(model.text(), "H");
    EXPECT_EQ(model.caretIndex(), 0);
}

TEST_F(EditorModel, EditingRemovesCoefficientsButMovingKeepsThem)
{
    model.resetText("2H2+O2>2H2O");
    model.keyDown(EditKey::End, options);
    model.keyDown(EditKey::Left, options);
    model.keyDown(EditKey::Home, options);
    EXPECT_EQ(model.text(), "2H2+O2>2H2O");
    model.placeCaret(1000);
    EXPECT_EQ(model.text(), "2H2+O2>2H2O");
    model.keyDown(EditKey::Delete, options); // at the end: nothing to delete, still normalised
    EXPECT_EQ(model.text(), "H2+O2>H2O");
    EXPECT_EQ(model.caretIndex(), 9);
}

TEST_F(EditorModel, ClickPutsTheCaretAtTheNextBoundary)
{
    model.resetText("HHH"); // boundaries 0, 10, 20, 30
    model.placeCaret(0);
    EXPECT_EQ(model.caretIndex(), 0);
    model.placeCaret(3);
    EXPECT_EQ(model.caretIndex(), 1);
    model.placeCaret(10);
    EXPECT_EQ(model.caretIndex(), 1);
    model.placeCaret(17);
    EXPECT_EQ(model.caretIndex(), 2);
    model.placeCaret(500);
    EXPECT_EQ(model.caretIndex(), 3);
}

TEST_F(EditorModel, ViewScrollsToKeepTheCaretOnTheImage)
{
    model.setImageWidth(35);
    type("HHHHHH"); // 60 pixels of text on a 35 pixel image
    EXPECT_EQ(model.caretIndex(), 6);
    EXPECT_EQ(model.firstVisible(), 3);
    EXPECT_LT(model.caretX(), 35);
    EXPECT_EQ(model.layout().glyphs.front().x, -30);
    model.keyDown(EditKey::Home, options);
    EXPECT_EQ(model.firstVisible(), 0);
    EXPECT_EQ(model.layout().glyphs.front().x, 0);
    model.placeCaret(34); // just left of the edge: the caret lands on the boundary at 40
    EXPECT_EQ(model.caretIndex(), 4);
    EXPECT_EQ(model.firstVisible(), 1);
}

TEST_F(EditorModel, WidthlessImageDoesNotHang)
{
    model.setImageWidth(0);
    type("HHH");
    EXPECT_EQ(model.text(), "HHH");
    EXPECT_LE(model.firstVisible(), model.caretIndex());
}

TEST_F(EditorModel, PrepareForBalanceRemovesBlanksKeepingTheCaret)
{
    model.resetText("h2 + 2o2 > h2o");
    model.placeCaret(1000);
    model.prepareForBalance(true);
    EXPECT_EQ(model.text(), "H2+O2>H2O");
    EXPECT_EQ(model.caretIndex(), 9);
}

TEST_F(EditorModel, WriteBackPutsTheCaretAtTheEndInView)
{
    model.setImageWidth(60);
    type("H2+O2>H2O");
    model.writeBack("2H2+O2>2H2O");
    EXPECT_EQ(model.text(), "2H2+O2>2H2O");
    EXPECT_EQ(model.caretIndex(), 11);
    EXPECT_LT(model.caretX(), 60);
    EXPECT_GE(model.caretX(), 0);
    model.resetText("O2");
    EXPECT_EQ(model.caretIndex(), 0);
    EXPECT_EQ(model.firstVisible(), 0);
}

} // namespace

namespace {

TEST_F(EditorModel, KeysThatInsertNothingChangeNothing)
{
    model.resetText("C3H8+5O2>3CO2+4H2O");
    for (const char key : { '\x1b', '\x01', '\x05', '\x0a', '\x18', '\x1a', '\x19', '!' })
        EXPECT_FALSE(model.keyPress(key, options));
    model.keyDown(EditKey::Other, options);
    EXPECT_EQ(model.text(), "C3H8+5O2>3CO2+4H2O");
}

// Each row: a text, keys as "<" ">" (Shift with "L" "R"), "a" select all, "H" Home, "E" End,
// "d" Delete, "b" Backspace, "D" Ctrl+Delete, "B" Ctrl+Backspace, any other character typed;
// then the text and the selection.
struct SelectionCase
{
    std::string text, keys, result;
    int start, end;
};

class SelectionKeys : public EditorModel, public testing::WithParamInterface<SelectionCase>
{
};

TEST_P(SelectionKeys, EditTheSelectionAsOneChange)
{
    const SelectionCase &c = GetParam();
    model.resetText(c.text);
    model.keyDown(EditKey::End, options);
    for (const char key : c.keys) {
        switch (key) {
        case '<':
            model.keyDown(EditKey::Left, options);
            break;
        case '>':
            model.keyDown(EditKey::Right, options);
            break;
        case 'L':
            model.keyDown(EditKey::Left, options, true);
            break;
        case 'R':
            model.keyDown(EditKey::Right, options, true);
            break;
        case 'H':
            model.keyDown(EditKey::Home, options, true);
            break;
        case 'E':
            model.keyDown(EditKey::End, options, true);
            break;
        case 'a':
            model.selectAll();
            break;
        case 'd':
            model.keyDown(EditKey::Delete, options);
            break;
        case 'b':
            model.keyDown(EditKey::Backspace, options);
            break;
        case 'D':
            model.keyDown(EditKey::DeleteSubstance, options);
            break;
        case 'B':
            model.keyDown(EditKey::BackspaceSubstance, options);
            break;
        default:
            model.keyPress(key, options);
            break;
        }
    }
    EXPECT_EQ(model.text(), c.result);
    EXPECT_EQ(model.selectionStart(), c.start);
    EXPECT_EQ(model.selectionEnd(), c.end);
}

INSTANTIATE_TEST_SUITE_P(Editor, SelectionKeys,
    testing::Values(SelectionCase { "H2+O2>H2O", "LLL", "H2+O2>H2O", 6, 9 },
        SelectionCase { "H2+O2>H2O", "LLLb", "H2+O2>", 6, 6 },
        SelectionCase { "H2+O2>H2O", "LLLd", "H2+O2>", 6, 6 },
        SelectionCase { "H2+O2>H2O", "LLLn", "H2+O2>N", 7, 7 },
        SelectionCase { "2H2+O2>2H2O", "a", "2H2+O2>2H2O", 0, 11 },
        SelectionCase { "2H2+O2>2H2O", "ac", "C", 1, 1 },
        SelectionCase { "H2+O2>H2O", "LL<", "H2+O2>H2O", 7, 7 },
        SelectionCase { "H2+O2>H2O", "HR>", "H2+O2>H2O", 9, 9 },
        SelectionCase { "H2+O2>H2O", "<<<<LLD", "H2+H2O", 3, 3 },
        SelectionCase { "Cu>Cu{2+}", "B", "Cu>", 3, 3 },
        SelectionCase { "Cu{2+}>Cu", "HD", "", 0, 0 },
        SelectionCase { "Cu{2+}>Cu", "a<D", ">Cu", 0, 0 }));

TEST_F(EditorModel, DoubleClickSelectsOneSubstanceAndPasteReplacesIt)
{
    model.resetText("H2+O2>H2O{2+}"); // boundaries 0 10 16 26 36 42 62 ...
    model.selectSubstanceAt(30);
    EXPECT_EQ(model.selectedText(), "O2");
    model.selectSubstanceAt(64);
    EXPECT_EQ(model.selectedText(), "H2O{2+}");
    model.replaceSelection("CO2", true);
    EXPECT_EQ(model.text(), "H2+O2>CO2");
    EXPECT_FALSE(model.hasSelection());
    EXPECT_EQ(model.selectedText(), "H2+O2>CO2"); // nothing selected: all of it
}

TEST_F(EditorModel, DraggingSelectsFromThePressedBoundary)
{
    model.resetText("HHHH");
    model.placeCaret(10);
    model.placeCaret(30, true);
    EXPECT_EQ(model.selectedText(), "HH");
    model.placeCaret(0, true);
    EXPECT_EQ(model.selectedText(), "H");
    model.placeCaret(20);
    EXPECT_FALSE(model.hasSelection());
}

TEST_F(EditorModel, WideningShowsAsMuchAsFits)
{
    model.setImageWidth(35);
    type("HHHHHH");
    EXPECT_EQ(model.firstVisible(), 3);
    model.setImageWidth(45);
    EXPECT_EQ(model.firstVisible(), 2);
    model.setImageWidth(400);
    EXPECT_EQ(model.firstVisible(), 0);
    EXPECT_EQ(model.layout().glyphs.front().x, 0);
}

} // namespace
