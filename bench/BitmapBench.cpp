// The bitmap export of a document with a 50-row grid, painted on the offscreen platform:
// the painting alone, and the painting with the BMP file written.
#include "export/BitmapExport.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace {

molvane::Document fiftyRows(molvane::UiLanguage language)
{
    molvane::Document document;
    document.language = language;
    document.reaction = "2C8H18+25O2>16CO2+18H2O";
    document.grid.setRowCount(51); // the header and 50 substances
    for (int col = 0; col < document.grid.colCount(); ++col) {
        document.grid.setCell(col, 0, "Item " + std::to_string(col));
        for (int row = 1; row < document.grid.rowCount(); ++row)
            document.grid.setCell(col, row, std::to_string(row * 1000.0 / (col + 1)));
    }
    return document;
}

void BM_RenderFiftyRows(benchmark::State &state)
{
    const auto language = molvane::UiLanguage(state.range(0));
    const molvane::Document document = fiftyRows(language);
    for (auto _ : state)
        benchmark::DoNotOptimize(molvane::RenderBitmap(document, language));
}
BENCHMARK(BM_RenderFiftyRows)
    ->Arg(int(molvane::UiLanguage::English))
    ->Arg(int(molvane::UiLanguage::Farsi))
    ->Unit(benchmark::kMillisecond);

void BM_ExportFiftyRows(benchmark::State &state)
{
    const auto language = molvane::UiLanguage(state.range(0));
    const molvane::Document document = fiftyRows(language);
    QTemporaryDir dir;
    const QString path = dir.filePath("fifty.bmp");
    for (auto _ : state)
        molvane::SaveBitmap(molvane::RenderBitmap(document, language), path);
}
BENCHMARK(BM_ExportFiftyRows)
    ->Arg(int(molvane::UiLanguage::English))
    ->Arg(int(molvane::UiLanguage::Farsi))
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
