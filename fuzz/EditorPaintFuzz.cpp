// A random reaction, fonts, width and keys through the painted reaction editor. The editor
// measures once per font change and paints only what its image shows; its text, caret, view
// and image must be those of a model that asks the fonts at every glyph and paints them all.
#include "AskingMeasure.h"
#include "OffscreenFuzzing.h"

#include "widgets/ReactionEditor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace molvane;

// Any printable ASCII character, as a key types it.
char printable(int byte)
{
    return char(32 + byte % 95);
}

struct Key
{
    EditKey edit = EditKey::Other;
    int qtKey = 0;
    char typed = 0; ///< 0 for a key that types nothing
};

Key keyOf(fuzzing::FrontBytes &input)
{
    switch (input.next() % 8) {
    case 0:
        return { EditKey::Left, Qt::Key_Left };
    case 1:
        return { EditKey::Right, Qt::Key_Right };
    case 2:
        return { EditKey::Home, Qt::Key_Home };
    case 3:
        return { EditKey::End, Qt::Key_End };
    case 4:
        return { EditKey::Backspace, Qt::Key_Backspace };
    case 5:
        return { EditKey::Delete, Qt::Key_Delete };
    default:
        return { EditKey::Other, Qt::Key_unknown, printable(input.next()) };
    }
}

void sendKey(ReactionEditor &editor, const Key &key)
{
    const QString text = key.typed ? QString(QChar(key.typed)) : QString();
    QKeyEvent press(QEvent::KeyPress, key.qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(&editor, &press);
}

void replayKey(ReactionEditorModel &model, const Key &key)
{
    model.keyDown(key.edit, KeyOptions {});
    if (key.typed)
        model.keyPress(key.typed, KeyOptions {});
}

} // namespace

// The application lives to the end, and with it what fontconfig keeps for its fonts.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzing::StartOffscreenApplication<QApplication>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::FrontBytes input(data, size);
    const int flags = input.next();
    ReactionFonts fonts = ReactionFonts::startup();
    fonts.reaction.setPointSize(6 + input.next() % 30);
    fonts.subscripts.setPointSize(5 + input.next() % 25);
    if (flags & 1)
        fonts.subscripts = fonts.reaction; // digits then keep the line they follow
    const int width = input.number(20, 1000);
    const int length = input.number(0, 2000);
    std::string piece(1 + input.next() % 48, ' ');
    for (char &c : piece)
        c = printable(input.next());
    std::string reaction;
    while (int(reaction.size()) < length)
        reaction += piece;
    reaction.resize(std::size_t(length));

    ReactionEditor editor;
    editor.resize(width, 30);
    editor.setFonts(fonts);
    editor.resetText(QString::fromLatin1(reaction));

    const ReactionGlyphs glyphs(fonts);
    const AskingMeasure asking(glyphs);
    ReactionEditorModel model(asking);
    model.setImageWidth(editor.model().imageWidth());
    model.resetText(editor.model().text());
    // Each key lays the whole reaction out again in the model; a few keys keep a unit short.
    for (int k = 0; k < 4 && !input.done(); ++k) {
        const Key key = keyOf(input);
        sendKey(editor, key);
        replayKey(model, key);
    }
    if (model.text() != editor.model().text() || model.caretIndex() != editor.model().caretIndex()
        || model.firstVisible() != editor.model().firstVisible()
        || model.caretX() != editor.model().caretX())
        std::abort();

    const QImage image = editor.image();
    const ReactionPaper paper { editor.palette().color(QPalette::Base),
        editor.palette().color(QPalette::Text) };
    QImage expected(image.size(), QImage::Format_RGB32);
    expected.fill(paper.background);
    QPainter painter(&expected);
    PaintReactionLayout(painter, model.layout(), glyphs, paper);
    painter.end();
    // The caret's column is left out: whether it shows depends on its blinking.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (x != model.caretX() && image.pixel(x, y) != expected.pixel(x, y))
                std::abort();
    return 0;
}
