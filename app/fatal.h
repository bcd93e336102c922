// The program's one fatal-error path: an error message box, then exit code -1. Used when
// MainWindow cannot be created at start and when memory for a text cannot be had.
#pragma once

#include <string_view>

namespace tw::app {

enum class FatalReason { kStartup, kOutOfMemory };

inline constexpr int kFatalExitCode = -1;

std::string_view FatalMessage(FatalReason reason);

[[noreturn]] void FatalError(FatalReason reason);

// Sends every failed allocation to FatalError(kOutOfMemory).
void InstallOutOfMemoryHandler();

// Test seam: what shows the message and what ends the process. `exit` must not return
// (a test's may throw).
struct FatalSeam {
  void (*showMessage)(std::string_view text);
  void (*exit)(int code);
};
// Replaces the seam; returns the one it replaced.
FatalSeam SetFatalSeam(FatalSeam seam);

}  // namespace tw::app
