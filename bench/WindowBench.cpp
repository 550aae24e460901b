// The main window's hot paths on the offscreen platform: a key typed into a long reaction
// (handled and repainted), a long paste, and Balance of a large reaction with its grid filled.
#include "ui/MainWindow.h"
#include "widgets/MenuStyle.h"
#include "widgets/ReactionEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSettings>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>

#include <benchmark/benchmark.h>

namespace {

// A reaction of @p length characters, substance after substance.
QString longReaction(qsizetype length)
{
    QString reaction;
    while (reaction.size() < length)
        reaction += "Fe2(SO4)3+";
    reaction.truncate(length);
    return reaction;
}

// A key typed at the end of a reaction of range(0) characters, most of them off the image.
void BM_KeyInLongReaction(benchmark::State &state)
{
    molvane::ReactionEditor editor;
    editor.resize(670, 30);
    const QString reaction = longReaction(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        editor.resetText(reaction);
        state.ResumeTiming();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_H, Qt::NoModifier, "h");
        QApplication::sendEvent(&editor, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_H, Qt::NoModifier, "h");
        QApplication::sendEvent(&editor, &release);
    }
}
BENCHMARK(BM_KeyInLongReaction)->Arg(200)->Arg(2000)->Arg(12500)->Unit(benchmark::kMicrosecond);

// A paste of range(0) characters, typed without pauses and painted.
void BM_PasteLongReaction(benchmark::State &state)
{
    molvane::ReactionEditor editor;
    editor.resize(670, 30);
    const QString reaction = longReaction(state.range(0));
    QApplication::clipboard()->setText(reaction);
    for (auto _ : state)
        editor.reactionPaste();
}
BENCHMARK(BM_PasteLongReaction)->Arg(12500)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_BalanceWithGrid(benchmark::State &state)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath("Qv1.conf"), QSettings::IniFormat);
    molvane::MainWindow window(settings);
    window.show();
    QApplication::processEvents(); // the first document, from the template
    const QString reaction = "K4Fe(CN)6+KMnO4+H2SO4>KHSO4+Fe2(SO4)3+MnSO4+HNO3+CO2+H2O";
    for (auto _ : state) {
        state.PauseTiming();
        window.reactionEditor()->resetText(reaction);
        state.ResumeTiming();
        window.balance();
    }
}
BENCHMARK(BM_BalanceWithGrid)->Unit(benchmark::kMicrosecond);

// A menu of 20 items with images and shadows, painted as it opens.
void BM_PaintMenu20(benchmark::State &state)
{
    molvane::MenuStyle style;
    QMenu menu;
    menu.setStyle(&style);
    QPixmap image(16, 16);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setBrush(Qt::darkBlue);
        painter.drawEllipse(2, 2, 12, 12);
    }
    for (int i = 0; i < 20; ++i)
        menu.addAction(QIcon(image), QString("Item %1\tCtrl+%2").arg(i).arg(i % 10));
    for (auto _ : state)
        benchmark::DoNotOptimize(menu.grab());
}
BENCHMARK(BM_PaintMenu20)->Unit(benchmark::kMillisecond);

// Start-up to the first painted window, the first document shown; beside it a bare Qt main
// window with a menu bar, a tool bar and a table view, the measure it is held to.
void BM_StartMainWindow(benchmark::State &state)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath("Qv1.conf"), QSettings::IniFormat);
    for (auto _ : state) {
        molvane::MainWindow window(settings);
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StartMainWindow)->Unit(benchmark::kMillisecond);

void BM_StartBareWindow(benchmark::State &state)
{
    for (auto _ : state) {
        QMainWindow window;
        for (const char *title : { "File", "Reaction", "Settings", "Help" }) {
            QMenu *menu = window.menuBar()->addMenu(title);
            for (int i = 0; i < 5; ++i)
                menu->addAction(QString("Item %1").arg(i));
        }
        QToolBar *toolBar = window.addToolBar("Tools");
        for (int i = 0; i < 10; ++i)
            toolBar->addAction(QString("T%1").arg(i));
        QStandardItemModel model(12, 12);
        auto *table = new QTableView;
        table->setModel(&model);
        window.setCentralWidget(table);
        window.resize(780, 551);
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StartBareWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
