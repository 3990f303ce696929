#pragma once
// Text: a NUL-terminated string of code page 936 bytes that owns its storage.
// The empty text holds no storage, yet c_str() is never null, so it can go
// to any platform function as a pointer to an empty string.
#include <cstddef>
#include <string_view>

namespace varnetto {

class Text {
public:
    Text() noexcept = default;
    Text(const char* nulTerminated);  // NOLINT: texts are written as literals
    Text(const char* bytes, std::size_t size);
    explicit Text(std::string_view bytes) : Text(bytes.data(), bytes.size()) {}
    // `size` bytes, each `fill`, then the NUL.
    static Text filled(std::size_t size, char fill);
    static Text decimal(long long value);

    Text(const Text& other) : Text(other.data(), other.size()) {}
    Text& operator=(const Text& other);
    Text(Text&& other) noexcept;
    Text& operator=(Text&& other) noexcept;
    ~Text();

    const char* c_str() const noexcept { return bytes_ != nullptr ? bytes_ : ""; }
    const char* data() const noexcept { return c_str(); }
    char* mutableData() noexcept { return bytes_; }  // null when empty
    std::size_t size() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }
    std::string_view view() const noexcept { return {c_str(), size_}; }

    Text& append(std::string_view bytes);
    Text& operator+=(const Text& other) { return append(other.view()); }
    friend Text operator+(Text left, const Text& right) {
        return static_cast<Text&&>(left += right);
    }
    friend bool operator==(const Text& left, const Text& right) noexcept {
        return left.view() == right.view();
    }

private:
    char* bytes_ = nullptr;  // size_ bytes and a NUL, or null when empty
    std::size_t size_ = 0;
};

}  // namespace varnetto
