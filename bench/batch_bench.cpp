// The batch run over 10,000 real files against a bare loop that renames the
// same files to the same new names.
#include <benchmark/benchmark.h>
#include <fcntl.h>

#include <cstdio>

#include "batch_files.h"
#include "convert/batch_run.h"
#include "support/recording_host.h"
#include "support/vector_list.h"

namespace {

constexpr int kFiles = 10000;

void BatchRun(benchmark::State& state) {
    const varnetto::bench::BatchFiles files(kFiles);
    varnetto::testing::RecordingHost host;  // one notice a run, kept aside
    for (auto _ : state) {
        state.PauseTiming();
        files.restore();
        varnetto::testing::VectorList list(files.traditional());
        state.ResumeTiming();
        varnetto::runBatchConversion(list, host);
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}

void BareRenameLoop(benchmark::State& state) {
    const varnetto::bench::BatchFiles files(kFiles);
    for (auto _ : state) {
        state.PauseTiming();
        files.restore();
        state.ResumeTiming();
        for (int i = 0; i < kFiles; ++i) {
            benchmark::DoNotOptimize(renameat2(AT_FDCWD, files.traditional()[i].c_str(), AT_FDCWD,
                                               files.simplified()[i].c_str(), RENAME_NOREPLACE));
        }
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}

BENCHMARK(BatchRun)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BareRenameLoop)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
