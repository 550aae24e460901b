// The Options dialog opened on a document and driven by real clicks and keys.
#include "DialogTests.h"

#include "document/DocumentFiles.h"
#include "document/Templates.h"
#include "texts/BidiText.h"
#include "ui/MessageBox.h"
#include "ui/dialogs/OptionsDialog.h"
#include "widgets/ReorderableListWidget.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

#include <functional>
#include <memory>

using namespace molvane;

namespace {

// A grid whose columns carry @p names, with a filled substance row.
Document documentWithItems(const QStringList &names)
{
    Document document;
    document.grid.setColCount(int(names.size()));
    for (int col = 0; col < names.size(); ++col) {
        document.grid.setCell(col, 0, names[col].toStdString());
        document.grid.setCell(col, 1, "cell" + std::to_string(col));
    }
    return document;
}

// A formula target as the target list shows it: embedded left to right, with a mark after
// each run of Farsi letters.
QString shown(const QString &target)
{
    return QString::fromStdString(LeftToRightEmbedded(target.toStdString()));
}

QStringList ItemNames(const Document &document)
{
    QStringList names;
    for (int col = 0; col < document.grid.colCount(); ++col)
        names << QString::fromStdString(document.grid.itemName(col));
    return names;
}

} // namespace

class OptionsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_form = std::make_unique<OptionsDialog>(); }
    void cleanup() { m_form.reset(); }

    void duplicateNameBecomesItemK()
    {
        Document document = documentWithItems({ "Mol", "X" });
        const OptionsResult result = run(document, [this] {
            clickEntry("GIList", 1);
            replaceText(field("GIName"), "mol");
            QCOMPARE(list("GIList")->item(1)->text(), QString("mol:0=100"));
            click("OK");
        });
        QCOMPARE(result, OptionsResult::OK);
        QCOMPARE(document.grid.itemName(0), std::string("Mol"));
        QCOMPARE(document.grid.itemName(1), std::string("Item 1"));
    }

    void deleteThenOkDropsTheColumn()
    {
        Document document;
        document.grid.setColCount(11);
        document.grid.setTypesList({ "0", "0", "1", "2", "2", "2", "2", "2", "2", "2", "5" });
        run(document, [this] {
            clickEntry("GIList", 10);
            click("GIDelete");
            // The new last entry is selected and loaded.
            QCOMPARE(list("GIList")->selectedIndex(), 9);
            QCOMPARE(field("GIWidth")->text(), QString("100"));
            click("OK");
        });
        QCOMPARE(document.grid.colCount(), 10);
        QCOMPARE(document.grid.typesList().size(), std::size_t(11));
        QCOMPARE(document.grid.typesList()[10], std::string("5"));
    }

    void deletingEveryItemKeepsTheFirstColumn()
    {
        Document document = documentWithItems({ "A", "B", "C" });
        document.grid.setTypesList({ "2", "0", "0" });
        document.grid.setColWidth(0, 64);
        run(document, [this] {
            clickEntry("GIList", 0);
            for (int k = 0; k < 3; ++k)
                click("GIDelete");
            QCOMPARE(list("GIList")->count(), 0);
            click("OK");
        });
        QCOMPARE(document.grid.colCount(), 1);
        QCOMPARE(document.grid.itemName(0), std::string("A"));
        QCOMPARE(document.grid.typeOf(0), std::string_view("2"));
        QCOMPARE(document.grid.colWidth(0), 64);
    }

    void moveUpReordersItemsNotCells()
    {
        Document document = documentWithItems({ "A", "B", "C" });
        document.grid.setColWidth(2, 55);
        run(document, [this] {
            clickEntry("GIList", 2);
            click("GIUp");
            click("GIUp");
            click("GIUp");
            QCOMPARE(list("GIList")->selectedIndex(), 0);
            click("OK");
        });
        QCOMPARE(document.grid.itemName(0), std::string("C"));
        QCOMPARE(document.grid.itemName(1), std::string("A"));
        QCOMPARE(document.grid.colWidth(0), 55);
        QCOMPARE(document.grid.cell(0, 1), std::string("cell0"));
    }

    void newItemIsAnEmptyTextColumn()
    {
        Document document = documentWithItems({ "A" });
        run(document, [this] {
            click("GINew");
            QCOMPARE(field("GIName")->text(), QString("New Item"));
            QCOMPARE(m_form->findChild<QComboBox *>("GIType")->currentText(), QString("Text"));
            QCOMPARE(field("GIWidth")->text(), QString("100"));
            // Not a formula target until the dialog opens again.
            QCOMPARE(m_form->findChild<QComboBox *>("GFN1")->count(), 1);
            click("OK");
        });
        QCOMPARE(document.grid.colCount(), 2);
        QCOMPARE(document.grid.itemName(1), std::string("New Item"));
        QCOMPARE(document.grid.typeOf(1), std::string_view("0"));
        QCOMPARE(document.grid.cell(1, 1), std::string(""));
    }

    void typeAndWidthFieldsRewriteTheEntry()
    {
        Document document = documentWithItems({ "A" });
        run(document, [this] {
            clickEntry("GIList", 0);
            auto *type = m_form->findChild<QComboBox *>("GIType");
            type->setFocus();
            QTest::keyClick(type, Qt::Key_End);
            replaceText(field("GIWidth"), "7x5", "75");
            QCOMPARE(list("GIList")->item(0)->text(), QString("A:5=75"));
            click("OK");
        });
        QCOMPARE(document.grid.typeOf(0), std::string_view("5"));
        QCOMPARE(document.grid.colWidth(0), 75);
    }

    void clearedSizeFieldGivesOnePoint()
    {
        Document document;
        run(document, [this] {
            replaceText(field("FGFS"), "");
            click("OK");
        });
        QCOMPARE(document.fonts[GridFont].size, 1);
        QCOMPARE(document.fonts[ProgramFont].size, Document::builtInFonts()[ProgramFont].size);
    }

    void cancelAfterBoldChangesNothing()
    {
        Document document;
        const Document before = document;
        const OptionsResult result = run(document, [this] {
            click("FPFB");
            QVERIFY(button("FPFB")->isChecked());
            click("Cancel");
        });
        QCOMPARE(result, OptionsResult::Cancel);
        QVERIFY(document.fonts == before.fonts);
        run(document, [this] {
            QVERIFY(!button("FPFB")->isChecked());
            click("Cancel");
        });
    }

    // Reopening selects nothing; the fields keep their texts but edit nothing until a click.
    void reopenedDialogHasNoSelectionAndKeepsItsPage()
    {
        Document document = documentWithItems({ "A", "B" });
        run(document, [this] {
            clickEntry("GIList", 1);
            click("Cancel");
        });
        run(document, [this] {
            QCOMPARE(m_form->findChild<QTabWidget *>()->currentIndex(), 1);
            QCOMPARE(list("GIList")->selectedIndex(), -1);
            QCOMPARE(field("GIName")->text(), QString("B"));
            replaceText(field("GIName"), "C");
            QCOMPARE(list("GIList")->entries(), (QStringList { "A:0=100", "B:0=100" }));
            click("OK");
        });
        QCOMPARE(document.grid.itemName(1), std::string("B"));
    }

    void closeBoxCountsAsCancel()
    {
        Document document = documentWithItems({ "A", "B" });
        const OptionsResult result = run(document, [this] {
            clickEntry("GIList", 0);
            click("GIDelete");
            m_form->close();
        });
        QCOMPARE(result, OptionsResult::Cancel);
        QCOMPARE(document.grid.colCount(), 2);
    }

    // A face that is not installed is kept; only a face picked in the list replaces it.
    void missingFaceIsKept()
    {
        Document document;
        document.fonts[ProgramFont].face = "No Such Face Anywhere";
        document.fonts[GridFont].face = "No Such Face Either";
        QString picked;
        run(document, [this, &picked] {
            auto *faces = m_form->findChild<QComboBox *>("FGFN");
            QCOMPARE(faces->currentIndex(), -1);
            faces->setFocus();
            QTest::keyClick(faces, Qt::Key_Down);
            picked = faces->currentText();
            click("OK");
        });
        QCOMPARE(document.fonts[ProgramFont].face, std::string("No Such Face Anywhere"));
        QVERIFY(!picked.isEmpty());
        QCOMPARE(QString::fromStdString(document.fonts[GridFont].face), picked);
    }

    void colourOutsideTheListIsKeptUntilAnotherIsPicked()
    {
        Document document;
        document.fonts[ReactionFont].color = 0x123456;
        document.fonts[NumbersFont].color = 0x123456;
        run(document, [this] {
            auto *colors = m_form->findChild<QComboBox *>("FNFC");
            colors->setFocus();
            QTest::keyClicks(colors, "Red");
            QCOMPARE(colors->currentText(), QString("Red"));
            click("OK");
        });
        QCOMPARE(document.fonts[ReactionFont].color, ColorValue(0x123456));
        QCOMPARE(document.fonts[NumbersFont].color, ColorValue(0x0000FF));
    }

    void rowHeightAndPositionFollowTheFields()
    {
        Document document;
        run(document, [this] {
            replaceText(field("FSbP"), "4");
            replaceText(field("FGFS"), "20");
            click("OK");
        });
        QCOMPARE(document.subscriptPosition, 4);
        QVERIFY(document.grid.defaultRowHeight() > 27);
        QCOMPARE(document.grid.rowHeight(1), document.grid.defaultRowHeight());
    }

    void digitFieldsDropOtherKeys()
    {
        Document document;
        run(document, [this] {
            replaceText(field("FPFS"), "1a-2", "12");
            click("Cancel");
        });
    }

    // Persian and Arabic-Indic digits typed on a Farsi keyboard read as 0-9, as in the grid.
    void numberFieldsTakeFarsiDigits()
    {
        Document document = documentWithItems({ "A" });
        run(document, [this] {
            typeCharacters(field("FPFS"), u"\u06F1\u06F4"_qs, "14");
            typeCharacters(field("FSbP"), u"\u0663"_qs, "3");
            clickEntry("GIList", 0);
            typeCharacters(field("GIWidth"), u"\u06F8\u0660"_qs, "80");
            click("OK");
        });
        QCOMPARE(document.fonts[ProgramFont].size, 14);
        QCOMPARE(document.subscriptPosition, 3);
        QCOMPARE(document.grid.colWidth(0), 80);
    }

    void newFormulaTakesTheFirstItem()
    {
        Document document = documentWithItems({ "Mol", "Mass" });
        document.FormulsList = {};
        run(document, [this] {
            click("GFNew");
            QCOMPARE(list("GFList")->item(0)->text(), QString("#Mol(a)=b*c"));
            QCOMPARE(m_form->findChild<QComboBox *>("GFN1")->currentText(), shown("#Mol(a)"));
            QCOMPARE(field("GFN2")->text(), u"\u200Eb*c"_qs); // a mark: it reads left to right
            click("OK");
        });
        QCOMPARE(document.FormulsList, std::vector<std::string> { "#Mol(a)=b*c" });
    }

    // A formula with Farsi names reads left to right in the expression field, as in the list:
    // the first "#" stands at the field's left, and the target list shows the target whole.
    void farsiFormulaReadsLeftToRightInTheField()
    {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft); // as the Farsi window sets it
        m_form = std::make_unique<OptionsDialog>(); // made in a Farsi window
        Document document
            = documentWithItems({ u"\u0645\u0648\u0644"_qs, u"\u06AF\u0631\u0645"_qs });
        document.FormulsList = { "#\xD9\x85\xD9\x88\xD9\x84(a)=#\xDA\xAF\xD8\xB1\xD9\x85(b)*2" };
        run(document, [this] {
            clickEntry("GFList", 0);
            QLineEdit *expression = field("GFN2");
            expression->setCursorPosition(int(expression->text().indexOf('#')) + 1);
            const int afterHash = expression->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
            QGuiApplication::setLayoutDirection(Qt::LeftToRight);
            // Laid out from the right, the "#" would follow the Farsi name, far from the edge.
            const int edge = expression->fontMetrics().horizontalAdvance("##");
            QVERIFY2(afterHash < edge, qPrintable(QString::number(afterHash)));
            click("Cancel");
        });
    }

    void deletedFormulaHandsTheFieldsToTheNext()
    {
        Document document = documentWithItems({ "Mol", "Mass" });
        document.FormulsList = { "#Mol(a)=1", "#mass(a)=2", "Mol(a)=3" };
        run(document, [this] {
            clickEntry("GFList", 0);
            click("GFDelete");
            QCOMPARE(m_form->findChild<QComboBox *>("GFN1")->currentText(), shown("#Mass(a)"));
            QCOMPARE(field("GFN2")->text(), u"\u200E2"_qs);
            replaceText(field("GFN2"), "b+1");
            click("OK");
        });
        QCOMPARE(document.FormulsList, (std::vector<std::string> { "#Mass(a)=b+1", "Mol(a)=3" }));
    }

    void namesAndFormulasRefuseWhatSavingWouldBreak_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<Refusal>("reason");
        QTest::newRow("colon in a name") << "GIName"
                                         << "a:b" << Refusal::Colon;
        QTest::newRow("comma in a name") << "GIName"
                                         << "a,b" << Refusal::Comma;
        QTest::newRow("line break in a formula") << "GFN2"
                                                 << "b\nc" << Refusal::LineBreak;
    }
    void namesAndFormulasRefuseWhatSavingWouldBreak()
    {
        QFETCH(QString, name);
        QFETCH(QString, pasted);
        QFETCH(Refusal, reason);
        Document document = documentWithItems({ "A" });
        document.FormulsList = { "#A(a)=b" };
        QSignalSpy refused(m_form.get(), &OptionsDialog::inputRefused);
        run(document, [&] {
            clickEntry(name == "GIName" ? "GIList" : "GFList", 0);
            QLineEdit *edit = field(name);
            const QString before = edit->text();
            QApplication::clipboard()->setText(pasted);
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(edit->text(), before);
            QCOMPARE(refused.size(), 1);
            QCOMPARE(refused.at(0).at(0).value<Refusal>(), reason);
            click("Cancel");
        });
    }

    void defaultAppliesAndRedrawsLater()
    {
        Document document = documentWithItems({ "A" });
        QSignalSpy redraw(m_form.get(), &OptionsDialog::redrawDue);
        const OptionsResult result = run(document, [this] {
            click("GINew");
            click("Def");
        });
        QCOMPARE(result, OptionsResult::Default);
        QCOMPARE(document.grid.colCount(), 2);
        QCOMPARE(redraw.size(), 0);
        QVERIFY(redraw.wait(1000));
        QCOMPARE(redraw.size(), 1);
    }

    void defaultThenNewStartsFromTheseSettings()
    {
        Document document = documentWithItems({ "Mol", "Mass" });
        document.reaction = "H2+O2>H2O";
        run(document, [this] {
            click("GINew");
            click("GFNew");
            replaceText(field("FSbP"), "3");
            click("Def");
        });
        QTemporaryDir root;
        const TemplateDirs dirs { root.filePath("user"), root.filePath("program"), {} };
        QCOMPARE(RememberAsTemplate(document, dirs, UiLanguage::English), QString());
        QVERIFY(QFile::exists(root.filePath("user/New.KVX")));

        const Document next = ApplyTemplateFile(Document {}, dirs).document;
        QCOMPARE(ItemNames(next), (QStringList { "Mol", "Mass", "New Item" }));
        QCOMPARE(next.grid.typesList(), document.grid.typesList());
        QCOMPARE(next.FormulsList, document.FormulsList);
        QCOMPARE(next.subscriptPosition, 3);
        QVERIFY(next.fonts == document.fonts);
        QCOMPARE(next.grid.rowCount(), 2);
        QCOMPARE(next.grid.cell(0, 1), std::string());
    }

    void unwritableTemplateIsSaidInTheStatusBarText()
    {
        QTemporaryDir root;
        QFile blocker(root.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const TemplateDirs dirs { root.filePath("file/user"), {}, {} };
        Document document;
        document.language = UiLanguage::Farsi;
        QCOMPARE(RememberAsTemplate(document, dirs, UiLanguage::Farsi),
            qCaption(TextId::TemplateNotWritten, UiLanguage::Farsi));
    }

    void helpShowsTheFormulaTextOfTheLanguage()
    {
        QString shown;
        MessageKind kind = MessageKind::Error;
        SetMessageBoxHook([&](const QString &text, MessageKind k, MessageButtons) {
            shown = text;
            kind = k;
            return MessageButton::Ok;
        });
        SetCurrentUiLanguage(UiLanguage::Farsi);
        Document document;
        run(document, [this] {
            click("HelpBtn");
            click("Cancel");
        });
        SetCurrentUiLanguage(UiLanguage::English);
        SetMessageBoxHook(nullptr);
        QCOMPARE(shown, qCaption(TextId::FormulaHelp, UiLanguage::Farsi));
        QCOMPARE(kind, MessageKind::Information);
    }

    // A large program font widens the dialog rather than cutting its texts off.
    void largeProgramFontFits()
    {
        Document document;
        document.fonts[ProgramFont].size = 14;
        run(document, [this] {
            QVERIFY(m_form->width() > 521);
            for (QWidget *page : m_form->findChild<QTabWidget *>()->findChildren<QWidget *>()) {
                if (auto *label = qobject_cast<QLabel *>(page))
                    QVERIFY(label->width() >= label->minimumSizeHint().width());
            }
            QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
            click("Cancel");
        });
    }

    // A dialog has no status bar: pointing at an icon button shows its name and what it does.
    void itemButtonsShowTheirLongHint()
    {
        const std::pair<const char *, TextId> buttons[]
            = { { "GIUp", TextId::ItemUpHint }, { "GIDown", TextId::ItemDownHint },
                  { "GINew", TextId::ItemNewHint }, { "GIDelete", TextId::ItemDeleteHint } };
        for (const UiLanguage language : { UiLanguage::English, UiLanguage::Farsi }) {
            language == UiLanguage::Farsi ? m_form->setFarsiCaptions()
                                          : m_form->setEnglishCaptions();
            Document document = documentWithItems({ "A" });
            run(document, [&] {
                for (const auto &[name, hint] : buttons) {
                    QAbstractButton *target = button(name);
                    showPageOf(target);
                    QTest::mouseMove(target, target->rect().center());
                    const QString wanted = qCaption(hint, language).section('|', 1);
                    QTRY_VERIFY2(QToolTip::isVisible() && QToolTip::text().contains(wanted),
                        qPrintable(QToolTip::text()));
                    QToolTip::hideText();
                    QTRY_VERIFY(!QToolTip::isVisible());
                }
                click("Cancel");
            });
        }
    }

    // At every program font size the dialog grows so that no control overlaps another, leaves
    // its page or cuts its text.
    // With the Farsi template the dialog has its size at once: showing the Grid page later
    // neither widens it nor moves it off centre.
    void farsiTemplateKeepsItsSizeOnEveryPage()
    {
        m_form->setFarsiCaptions();
        QGuiApplication::setLayoutDirection(Qt::RightToLeft); // as the Farsi window sets it
        Document document = ReadDocumentFile(MOLVANE_DATA_DIR "/NewF.KVX", Document {});
        run(document, [this] {
            auto *pages = m_form->findChild<QTabWidget *>();
            pages->setCurrentIndex(0);
            QApplication::processEvents();
            const QRect first = m_form->geometry();
            pages->setCurrentIndex(1);
            QApplication::processEvents();
            const QRect second = m_form->geometry();
            click("Cancel");
            QGuiApplication::setLayoutDirection(Qt::LeftToRight);
            QCOMPARE(second, first);
        });
        m_form->setEnglishCaptions();
    }

    void everyProgramFontSizeFits()
    {
        for (const UiLanguage language : { UiLanguage::English, UiLanguage::Farsi }) {
            language == UiLanguage::Farsi ? m_form->setFarsiCaptions()
                                          : m_form->setEnglishCaptions();
            for (int size = 8; size <= 14; ++size) {
                Document document;
                document.fonts[ProgramFont].size = size;
                run(document, [&] {
                    const QString where
                        = QString("%1 pt, language %2").arg(size).arg(int(language));
                    auto *pages = m_form->findChild<QTabWidget *>();
                    verifyLaidOut(m_form.get(), where);
                    for (int i = 0; i < pages->count(); ++i) {
                        pages->setCurrentIndex(i);
                        QApplication::processEvents();
                        QWidget *page = pages->widget(i);
                        QVERIFY2(page->parentWidget()->rect().contains(page->geometry()),
                            qPrintable(where));
                        verifyLaidOut(page, where);
                    }
                    click("Cancel");
                });
                if (QTest::currentTestFailed())
                    return;
            }
        }
    }

    void captionsOfBothLanguages()
    {
        for (const UiLanguage language :
            { UiLanguage::Farsi, UiLanguage::English, UiLanguage::Farsi }) {
            language == UiLanguage::Farsi ? m_form->setFarsiCaptions()
                                          : m_form->setEnglishCaptions();
            QCOMPARE(m_form->windowTitle(), qCaption(TextId::OptionsDialogTitle, language));
            auto *pages = m_form->findChild<QTabWidget *>();
            QCOMPARE(pages->tabText(0), qCaption(TextId::FontsPage, language));
            QCOMPARE(pages->tabText(1), qCaption(TextId::GridPage, language));
            const std::pair<const char *, TextId> buttons[] = {
                { "Def", TextId::DefaultCaption },
                { "OK", TextId::OkCaption },
                { "Cancel", TextId::CancelCaption },
                { "HelpBtn", TextId::HelpButtonCaption },
            };
            for (const auto &[name, caption] : buttons) {
                auto *button = m_form->findChild<QPushButton *>(name);
                QCOMPARE(button->text(), qCaption(caption, language));
            }
            const QString upHint = qCaption(TextId::ItemUpHint, language);
            QCOMPARE(button("GIUp")->toolTip(),
                upHint.section('|', 0, 0) + '\n' + upHint.section('|', 1));
            QCOMPARE(button("GIUp")->statusTip(), upHint.section('|', 1));
            QCOMPARE(list("GFList")->toolTip(), qCaption(TextId::FormulaListHint, language));
            QStringList labels;
            for (const QLabel *label : m_form->findChildren<QLabel *>())
                labels << label->text();
            for (const TextId caption : { TextId::ProgramFontLabel, TextId::SubscriptsFontLabel,
                     TextId::NameLabel, TextId::SizeLabel, TextId::ColorLabel,
                     TextId::SubscriptsPositionLabel, TextId::ItemsLabel, TextId::FormulasLabel,
                     TextId::TypeLabel, TextId::WidthLabel })
                QVERIFY2(labels.contains(qCaption(caption, language)),
                    qPrintable(qCaption(caption, language)));
            QVERIFY(m_form->width() >= 521 && m_form->height() >= 351);
            QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
        }
    }

private:
    using Actions = std::function<void()>;

    // Opens the dialog on @p document and runs @p actions inside it; whatever happens in
    // them, the dialog is closed afterwards so no test can hang.
    OptionsResult run(Document &document, const Actions &actions)
    {
        QTimer::singleShot(0, m_form.get(), [this, actions] {
            actions();
            if (m_form->isVisible())
                m_form->reject();
        });
        return m_form->execute(document);
    }

    QLineEdit *field(const QString &name) const { return m_form->findChild<QLineEdit *>(name); }
    QAbstractButton *button(const QString &name) const
    {
        return m_form->findChild<QAbstractButton *>(name);
    }
    ReorderableListWidget *list(const QString &name) const
    {
        return m_form->findChild<ReorderableListWidget *>(name);
    }

    void showPageOf(QWidget *widget)
    {
        auto *pages = m_form->findChild<QTabWidget *>();
        for (int i = 0; i < pages->count(); ++i)
            if (pages->widget(i)->isAncestorOf(widget))
                pages->setCurrentIndex(i);
    }

    void click(const QString &name)
    {
        QAbstractButton *target = button(name);
        showPageOf(target);
        QTest::mouseClick(target, Qt::LeftButton);
    }

    void clickEntry(const QString &name, int row)
    {
        ReorderableListWidget *target = list(name);
        showPageOf(target);
        target->scrollToItem(target->item(row));
        const QRect rect = target->visualItemRect(target->item(row));
        QTest::mouseClick(target->viewport(), Qt::LeftButton, {}, rect.center());
    }

    void replaceText(QLineEdit *edit, const QString &typed, const QString &expected = {})
    {
        showPageOf(edit);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), expected.isNull() ? typed : expected);
    }

    // The shown children of @p parent lie inside it, apart from each other, and show their
    // texts whole.
    static void verifyLaidOut(QWidget *parent, const QString &where)
    {
        QList<QWidget *> shown;
        for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (child->isVisible())
                shown << child;
        for (int a = 0; a < shown.size(); ++a) {
            const QString name
                = where + ": " + shown[a]->metaObject()->className() + " " + shown[a]->objectName();
            QVERIFY2(parent->rect().contains(shown[a]->geometry()), qPrintable(name));
            for (int b = a + 1; b < shown.size(); ++b)
                QVERIFY2(!shown[a]->geometry().intersects(shown[b]->geometry()),
                    qPrintable(name + " and " + shown[b]->objectName()));
            const bool wholeText = qobject_cast<QLabel *>(shown[a])
                || qobject_cast<QPushButton *>(shown[a]) || shown[a]->objectName().endsWith("FC");
            if (wholeText)
                QVERIFY2(shown[a]->width() >= shown[a]->sizeHint().width(), qPrintable(name));
        }
    }

    // Empties @p edit and types @p typed a character at a time, as a keyboard layout would.
    void typeCharacters(QLineEdit *edit, const QString &typed, const QString &expected)
    {
        replaceText(edit, "");
        for (const QChar ch : typed)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(ch.unicode()), QString(ch), {});
        QCOMPARE(edit->text(), expected);
    }

    std::unique_ptr<OptionsDialog> m_form;
};

std::unique_ptr<QObject> newOptionsDialogTest()
{
    return std::make_unique<OptionsDialogTest>();
}

#include "OptionsDialogTest.moc"
