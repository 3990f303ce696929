#include "convert/fatal_error.h"

#include "convert/memory.h"

namespace varnetto {
namespace {

bool reportStarted = false;
void (*releaseAtFatalEnd)() = nullptr;

}  // namespace

// Per platform: show the report and wait until it is dismissed; exit with -1.
void showFatalErrorReport(const char* message);
[[noreturn]] void exitAfterFatalError();

bool fatalErrorReported() noexcept { return reportStarted; }

void setFatalErrorRelease(void (*release)()) noexcept { releaseAtFatalEnd = release; }

void reportFatalError(const char* message) {
    if (!reportStarted) {
        reportStarted = true;
        showFatalErrorReport(message);
        if (releaseAtFatalEnd != nullptr) releaseAtFatalEnd();
    }
    // A second report raised while the first one is up or releasing (say, out
    // of memory inside the box) ends at once.
    exitAfterFatalError();
}

void reportAllocationFailure(std::size_t size) {
    // Built on the stack: the heap has just refused us.
    static const char kBefore[] = "分配 ";
    static const char kAfter[] = " 字节内存失败!";
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + size % 10);
        size /= 10;
    } while (size != 0);

    char message[sizeof kBefore + sizeof digits + sizeof kAfter];
    char* out = message;
    for (const char* in = kBefore; *in != '\0';) *out++ = *in++;
    while (count > 0) *out++ = digits[--count];
    for (const char* in = kAfter; *in != '\0';) *out++ = *in++;
    *out = '\0';
    reportFatalError(message);
}

}  // namespace varnetto
