#pragma once
// The fatal end of the program: one error box (or, without windows, one line
// on standard error), the end-of-program release, exit code -1.

namespace varnetto {

// `message` is code page 936 text. Never returns.
[[noreturn]] void reportFatalError(const char* message);

// True from the moment a fatal error report has begun; commands check it so
// that a click while the error box is up runs nothing.
bool fatalErrorReported() noexcept;

// The release the program carries out before it exits after a fatal error
// (windows, icons, COM). Set once at start-up; may stay unset.
void setFatalErrorRelease(void (*release)()) noexcept;

}  // namespace varnetto
