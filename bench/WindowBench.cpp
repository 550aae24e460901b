// The main window's hot paths on the offscreen platform: a key typed into a long reaction
// (handled and repainted), and Balance of a large reaction with its grid filled.
#include "app/MainU.h"
#include "editor/ReactionEditor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_KeyInLongReaction(benchmark::State &state)
{
    molvane::ReactionEditor editor;
    editor.resize(670, 30);
    QString reaction;
    while (reaction.size() < 200)
        reaction += "Fe2(SO4)3+";
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
BENCHMARK(BM_KeyInLongReaction)->Unit(benchmark::kMicrosecond);

void BM_BalanceWithGrid(benchmark::State &state)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath("Qv1.conf"), QSettings::IniFormat);
    molvane::MainU window(settings);
    window.show();
    QApplication::processEvents(); // the first document, from the template
    const QString reaction = "K4Fe(CN)6+KMnO4+H2SO4>KHSO4+Fe2(SO4)3+MnSO4+HNO3+CO2+H2O";
    for (auto _ : state) {
        state.PauseTiming();
        window.reactionEditor()->resetText(reaction);
        state.ResumeTiming();
        window.WeightBtnClick();
    }
}
BENCHMARK(BM_BalanceWithGrid)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
