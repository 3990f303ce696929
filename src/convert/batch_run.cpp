#include "convert/batch_run.h"

#include <string>
#include <unordered_set>

#include "convert/map_to_simplified.h"

namespace varnetto {
namespace {

constexpr const char* kCaption = "信息：";
constexpr const char* kEmptyList = "请添加繁体文件";
constexpr const char* kAllConverted = "转换成功，共有";
constexpr const char* kFiles = "个文件";

// The failed paths a notice names; the rest are only counted.
constexpr int kFailedPathsShown = 10;

// Paths from the system are in its ANSI code page while the mapping reads
// code page 936: anywhere else the new names would be garbage. This text has
// to be readable whatever the code page is.
constexpr const char* kNeedsCodePage936Caption = "Varnetto";
constexpr const char* kNeedsCodePage936 =
    "Varnetto renames files only on a system whose language for non-Unicode programs "
    "is Chinese (Simplified), code page 936. No file was renamed.";

struct Outcome {
    int converted = 0;
    int failed = 0;
    Text failedPaths;  // the first kFailedPathsShown, one a line
};

Text summaryOf(const Outcome& outcome) {
    if (outcome.failed == 0) return kAllConverted + Text::decimal(outcome.converted) + kFiles;
    Text summary = "转换完成，成功" + Text::decimal(outcome.converted) + "个文件，失败" +
                   Text::decimal(outcome.failed) + "个文件：" + outcome.failedPaths;
    if (outcome.failed > kFailedPathsShown) {
        summary += "\n……另有" + Text::decimal(outcome.failed - kFailedPathsShown) + "个失败的文件";
    }
    return summary;
}

}  // namespace

void runBatchConversion(EntryList& list, BatchHost& host) {
    if (!host.systemUsesCodePage936()) {
        host.showNotice(kNeedsCodePage936, kNeedsCodePage936Caption);
        return;
    }
    const int count = list.count();
    if (count <= 0) {
        host.showNotice(kEmptyList, kCaption);
        return;
    }

    Outcome outcome;
    // Paths moved in this run: a path listed twice has already been moved
    // when its second entry comes, so that file does have its new path.
    std::unordered_set<std::string> moved;
    for (int index = 0; index < count; ++index) {
        const Text path = list.itemText(index);
        const Text newPath = mapToSimplified(path);
        const bool renamed = host.renameFile(path, newPath);
        if (renamed || moved.count(std::string(path.view())) != 0) {
            if (renamed && newPath != path) moved.emplace(path.view());
            list.setItemText(index, newPath);
            ++outcome.converted;
        } else {
            // The entry keeps showing the path its file still has.
            if (++outcome.failed <= kFailedPathsShown) outcome.failedPaths += "\n" + path;
        }
    }
    host.showNotice(summaryOf(outcome), kCaption);
}

void runBatchConversion(EntryList& list) {
    struct SystemHost final : BatchHost {};
    SystemHost host;
    runBatchConversion(list, host);
}

}  // namespace varnetto
