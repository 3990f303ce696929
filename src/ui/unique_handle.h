#pragma once
// Owns one Windows handle and releases it exactly once; moves, never copies.
#include <utility>

#include "winapi.h"

namespace varnetto {

template <typename Handle, auto Release>
class UniqueHandle {
public:
    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) noexcept {
        if (handle_ != nullptr) Release(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

inline void deleteBrush(HBRUSH brush) { DeleteObject(brush); }

using UniqueIcon = UniqueHandle<HICON, &DestroyIcon>;
using UniqueBrush = UniqueHandle<HBRUSH, &deleteBrush>;

}  // namespace varnetto
