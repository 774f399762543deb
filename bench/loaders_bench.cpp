#include "data/module1.h"
#include "framework/conversions.h"

#include <benchmark/benchmark.h>

namespace {

// Every analysis and every grid edit reloads the data: a full two-phase grid.
void fillFullGrid() {
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        Module1::grid().setCell(row, DataGrid::dvColumn, framework::CStr(row * 0.37));
        Module1::grid().setCell(row, DataGrid::phaseColumn, row <= 100 ? "0" : "1");
    }
}

void BM_loadinfoAndPhases(benchmark::State& state) {
    fillFullGrid();
    for (auto _ : state) {
        Module1::loadinfo();
        Module1::loadphases();
        benchmark::DoNotOptimize(Module1::v[2][99]);
    }
}
BENCHMARK(BM_loadinfoAndPhases);

void BM_loadvectors(benchmark::State& state) {
    fillFullGrid();
    for (auto _ : state) {
        Module1::loadvectors();
        benchmark::DoNotOptimize(Module1::v2[199]);
    }
}
BENCHMARK(BM_loadvectors);

} // namespace
