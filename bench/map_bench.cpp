// Mapping one path: Varnetto's mapToSimplified, OpenCC's character-only
// conversion of the same paths, and a plain copy of the same bytes (the floor).
#include <benchmark/benchmark.h>
#include <opencc/opencc.h>

#include <fstream>
#include <string>
#include <vector>

#include "convert/map_to_simplified.h"

namespace {

std::vector<std::string> readLines(const char* name) {
    std::ifstream file(std::string(CORPUS_DIR) + "/" + name, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

std::vector<varnetto::Text> corpusTexts() {
    std::vector<varnetto::Text> texts;
    for (const std::string& line : readLines("paths-cp936.txt"))
        texts.emplace_back(std::string_view(line));
    return texts;
}

void MapToSimplified(benchmark::State& state) {
    const std::vector<varnetto::Text> paths = corpusTexts();
    for (auto _ : state) {
        for (const varnetto::Text& path : paths)
            benchmark::DoNotOptimize(varnetto::mapToSimplified(path));
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * paths.size()));
}

void PlainCopy(benchmark::State& state) {
    const std::vector<varnetto::Text> paths = corpusTexts();
    for (auto _ : state) {
        for (const varnetto::Text& path : paths) benchmark::DoNotOptimize(varnetto::Text(path));
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * paths.size()));
}

void OpenCC(benchmark::State& state) {
    const std::vector<std::string> paths = readLines("paths-utf8.txt");
    opencc_t converter = opencc_open((std::string(CORPUS_DIR) + "/ts-characters.json").c_str());
    if (converter == reinterpret_cast<opencc_t>(-1)) {
        state.SkipWithError(opencc_error());
        return;
    }
    for (auto _ : state) {
        for (const std::string& path : paths) {
            char* converted = opencc_convert_utf8(converter, path.data(), path.size());
            benchmark::DoNotOptimize(converted);
            opencc_convert_utf8_free(converted);
        }
    }
    opencc_close(converter);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * paths.size()));
}

BENCHMARK(MapToSimplified);
BENCHMARK(PlainCopy);
BENCHMARK(OpenCC);

}  // namespace

BENCHMARK_MAIN();
