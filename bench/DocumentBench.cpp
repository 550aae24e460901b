// Reading, writing and exporting a large document: 10000 substance rows of 12 columns.
#include "document/DocumentFormat.h"
#include "export/HtmlExport.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using molvane::Document;

// Cells as Balance and Calculate Grid leave them, with a Farsi header row.
Document largeDocument()
{
    constexpr int rows = 10000, cols = 12;
    Document doc;
    doc.reaction = "C3H8+5O2>3CO2+4H2O";
    doc.language = molvane::UiLanguage::Farsi;
    doc.grid.setColCount(cols);
    doc.grid.setRowCount(rows + 1);
    const char *const header[cols] = { "فرمول", "ضريب", "وزن", "مول", "گرم", "ليتر", "Mass",
        "Volume", "Notes", "Density", "Yield", "Cost" };
    const char *const values[cols] = { "C3H8", "5", "44.11", "2.00045464878382", "88.24",
        "44.8381904978404", "", "12.5", "burns in air", "0.493", "", "3.5E-7" };
    std::vector<std::string> types;
    for (int col = 0; col < cols; ++col) {
        doc.grid.setCell(col, 0, header[col]);
        types.emplace_back(col == 0 ? "5" : "2");
        for (int row = 1; row <= rows; ++row)
            doc.grid.setCell(col, row, values[col]);
    }
    doc.grid.setTypesList(types);
    return doc;
}

void BM_ReadDocument(benchmark::State &state)
{
    const QByteArray bytes = molvane::DocumentBytes(largeDocument());
    const Document current;
    for (auto _ : state)
        benchmark::DoNotOptimize(molvane::ReadDocument(bytes, current));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadDocument)->Unit(benchmark::kMillisecond);

void BM_WriteDocument(benchmark::State &state)
{
    const Document doc = largeDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(molvane::DocumentBytes(doc));
}
BENCHMARK(BM_WriteDocument)->Unit(benchmark::kMillisecond);

void BM_HtmlExport(benchmark::State &state)
{
    const Document doc = largeDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(molvane::HtmlPage(doc, "Molvane - large"));
}
BENCHMARK(BM_HtmlExport)->Unit(benchmark::kMillisecond);

// The page's lines alone, without their conversion to Windows-1256.
void BM_HtmlPageLines(benchmark::State &state)
{
    const Document doc = largeDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(molvane::HtmlPageLines(doc, "Molvane - large"));
}
BENCHMARK(BM_HtmlPageLines)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
