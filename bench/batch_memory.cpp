// Peak memory of one batch run over N real files: the process's peak
// resident size before and after the run, from /proc/self/status.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "batch_files.h"
#include "convert/batch_run.h"
#include "support/recording_host.h"
#include "support/vector_list.h"

namespace {

long peakKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const varnetto::bench::BatchFiles files(count);
    varnetto::testing::VectorList list(files.traditional());
    const long before = peakKiB();
    varnetto::testing::RecordingHost host;  // one notice a run, kept aside
    varnetto::runBatchConversion(list, host);
    const long after = peakKiB();
    std::printf("entries=%d peak_before_kib=%ld peak_after_kib=%ld run_kib=%ld\n", count, before,
                after, after - before);
    return 0;
}
