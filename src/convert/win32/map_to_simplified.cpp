#include "convert/map_to_simplified.h"

#include "convert/simplified_table.h"
#include "winapi.h"

namespace varnetto {
namespace {

using LstrlenA = int(WINAPI*)(LPCSTR);
using LcMapStringA = int(WINAPI*)(LCID, DWORD, LPCSTR, int, LPSTR, int);

constexpr LCID kChinesePrc = 2052;

struct MappingService {
    LstrlenA length = nullptr;
    LcMapStringA map = nullptr;
};

// Bound by name on first use.
const MappingService& mappingService() {
    static const MappingService service = [] {
        MappingService bound;
        if (HMODULE kernel = GetModuleHandleA("kernel32")) {
            bound.length = reinterpret_cast<LstrlenA>(
                reinterpret_cast<void*>(GetProcAddress(kernel, "lstrlenA")));
            bound.map = reinterpret_cast<LcMapStringA>(
                reinterpret_cast<void*>(GetProcAddress(kernel, "LCMapStringA")));
        }
        return bound;
    }();
    return service;
}

// Asks the service for exactly as many bytes as the text has; false when it
// fails, so the caller never sees the destination's filler.
bool mapWithService(const Text& path, Text& mapped) {
    const MappingService& service = mappingService();
    if (service.length == nullptr || service.map == nullptr) return false;
    const int length = service.length(path.c_str());
    if (length < 1) return false;
    mapped = Text::filled(static_cast<std::size_t>(length), ' ');
    return service.map(kChinesePrc, LCMAP_SIMPLIFIED_CHINESE, path.c_str(), length,
                       mapped.mutableData(), length) == length;
}

// Some systems (Wine among them) answer success and change nothing; such a
// service is checked once with a pair every table has.
bool serviceMapsCharacters() {
    static const bool maps = [] {
        Text mapped;
        return mapWithService("體", mapped) && mapped == Text("体");
    }();
    return maps;
}

}  // namespace

Text mapToSimplified(const Text& path) {
    if (path.empty()) return Text();
    Text mapped;
    if (serviceMapsCharacters() && mapWithService(path, mapped) && mapped.size() == path.size()) {
        return mapped;
    }
    return mapWithOwnTable(path);
}

}  // namespace varnetto
