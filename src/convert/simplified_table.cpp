#include "convert/simplified_table.h"

#include <array>
#include <cstdint>

#include "convert/cp936.h"

namespace varnetto {
namespace {

struct Pair {
    std::uint16_t traditional;
    std::uint16_t simplified;
};

constexpr Pair kPairs[] = {
#include "simplified_pairs.inc"
};

// One slot per possible double-byte character, 0 where nothing changes: a
// lookup is one index, whatever the table's size.
constexpr int kTrailCount = 0xFE - 0x40 + 1;
constexpr int kSlotCount = (0xFE - 0x81 + 1) * kTrailCount;

constexpr int slotOf(std::uint16_t character) {
    return ((character >> 8) - 0x81) * kTrailCount + ((character & 0xFF) - 0x40);
}

constexpr std::array<std::uint16_t, kSlotCount> buildSlots() {
    std::array<std::uint16_t, kSlotCount> slots{};
    for (const Pair& pair : kPairs) slots[slotOf(pair.traditional)] = pair.simplified;
    return slots;
}

constexpr std::array<std::uint16_t, kSlotCount> kSlots = buildSlots();

}  // namespace

unsigned short simplifiedCharacter(unsigned short character) {
    const unsigned lead = character >> 8;
    const unsigned trail = character & 0xFF;
    if (!cp936::isLeadByte(static_cast<unsigned char>(lead)) ||
        !cp936::isTrailByte(static_cast<unsigned char>(trail))) {
        return character;
    }
    const std::uint16_t simplified = kSlots[slotOf(character)];
    return simplified != 0 ? simplified : character;
}

Text mapWithOwnTable(const Text& text) {
    Text result = text;
    char* bytes = result.mutableData();
    const std::string_view view = text.view();
    for (std::size_t offset = 0; offset < view.size();) {
        const std::size_t length = cp936::characterLength(view, offset);
        if (length == 2) {
            const unsigned short character =
                static_cast<unsigned short>(static_cast<unsigned char>(view[offset]) << 8 |
                                            static_cast<unsigned char>(view[offset + 1]));
            const unsigned short simplified = simplifiedCharacter(character);
            bytes[offset] = static_cast<char>(simplified >> 8);
            bytes[offset + 1] = static_cast<char>(simplified & 0xFF);
        }
        offset += length;
    }
    return result;
}

}  // namespace varnetto
