// The batch run as Windows code, over a real list box and MoveFileA, against
// a bare MoveFileA loop over the same files; medians of several runs of each,
// taken in turn. (Google Benchmark is not built for Windows here.)
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "convert/batch_run.h"
#include "convert/map_to_simplified.h"
#include "support/parent_window.h"
#include "support/recording_host.h"
#include "support/temp_folder.h"
#include "ui/file_list.h"

namespace {

constexpr int kFiles = 10000;
constexpr int kRuns = 3;

double seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    varnetto::testing::TempFolder folder;
    std::vector<std::string> traditional, simplified;
    for (int i = 0; i < kFiles; ++i) {
        const std::string name = "資料" + std::to_string(i) + "說明.txt";
        if (!folder.makeFile(name, "")) return 1;
        traditional.push_back(folder.pathOf(name));
        simplified.emplace_back(varnetto::mapToSimplified(traditional.back().c_str()).view());
    }
    auto restore = [&] {
        for (int i = 0; i < kFiles; ++i) MoveFileA(simplified[i].c_str(), traditional[i].c_str());
    };

    varnetto::testing::ParentWindow parent;
    varnetto::FileList list(varnetto::FileList::createListBox(parent.handle(), 1, 1, 4, 429, 328));
    varnetto::testing::RecordingHost host;  // one notice a run, kept aside
    std::vector<double> batch, bare;
    for (int run = 0; run < kRuns; ++run) {
        list.clear();
        for (const std::string& path : traditional) list.addItem(path.c_str());
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        varnetto::runBatchConversion(list, host);
        QueryPerformanceCounter(&end);
        batch.push_back(seconds(start, end));
        restore();

        QueryPerformanceCounter(&start);
        for (int i = 0; i < kFiles; ++i) MoveFileA(traditional[i].c_str(), simplified[i].c_str());
        QueryPerformanceCounter(&end);
        bare.push_back(seconds(start, end));
        restore();
    }
    std::printf("wine_batch_run_ms=%.1f wine_bare_movefile_ms=%.1f ratio=%.2f files=%d runs=%d\n",
                median(batch) * 1000, median(bare) * 1000, median(batch) / median(bare), kFiles,
                kRuns);
    return 0;
}
