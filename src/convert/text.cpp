#include "convert/text.h"

#include <cstring>

#include "convert/memory.h"

namespace varnetto {

Text::Text(const char* nulTerminated)
    : Text(nulTerminated, nulTerminated != nullptr ? std::strlen(nulTerminated) : 0) {}

Text::Text(const char* bytes, std::size_t size) {
    if (size == 0) return;
    bytes_ = static_cast<char*>(allocateBytes(size + 1));
    std::memcpy(bytes_, bytes, size);
    bytes_[size] = '\0';
    size_ = size;
}

Text Text::filled(std::size_t size, char fill) {
    Text text;
    if (size == 0) return text;
    text.bytes_ = static_cast<char*>(allocateBytes(size + 1));
    std::memset(text.bytes_, fill, size);
    text.bytes_[size] = '\0';
    text.size_ = size;
    return text;
}

Text Text::decimal(long long value) {
    char digits[24];
    char* start = digits + sizeof digits;
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    do {
        *--start = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) *--start = '-';
    return Text(start, static_cast<std::size_t>(digits + sizeof digits - start));
}

Text& Text::operator=(const Text& other) {
    if (this != &other) *this = Text(other);
    return *this;
}

Text::Text(Text&& other) noexcept : bytes_(other.bytes_), size_(other.size_) {
    other.bytes_ = nullptr;
    other.size_ = 0;
}

Text& Text::operator=(Text&& other) noexcept {
    if (this != &other) {
        releaseBytes(bytes_);
        bytes_ = other.bytes_;
        size_ = other.size_;
        other.bytes_ = nullptr;
        other.size_ = 0;
    }
    return *this;
}

Text::~Text() { releaseBytes(bytes_); }

Text& Text::append(std::string_view bytes) {
    if (bytes.empty()) return *this;
    const std::size_t size = size_ + bytes.size();
    // `bytes` may point into this text; copy before the block can move.
    char* grown = static_cast<char*>(allocateBytes(size + 1));
    std::memcpy(grown, c_str(), size_);
    std::memcpy(grown + size_, bytes.data(), bytes.size());
    grown[size] = '\0';
    releaseBytes(bytes_);
    bytes_ = grown;
    size_ = size;
    return *this;
}

}  // namespace varnetto
