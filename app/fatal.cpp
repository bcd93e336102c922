#include "app/fatal.h"

#include <windows.h>

#include <new>
#include <string>

#include "app/layout.h"

namespace tw::app {

namespace {

void ShowFatalMessage(std::string_view text) {
  // The text is a literal with its terminating zero; nothing is allocated here.
  MessageBoxA(nullptr, text.data(), kTitle.data(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void ExitNow(int code) { ExitProcess(static_cast<UINT>(code)); }

FatalSeam g_seam{ShowFatalMessage, ExitNow};

}  // namespace

std::string_view FatalMessage(FatalReason reason) {
  switch (reason) {
    case FatalReason::kStartup:
      return "无法创建主窗口，程序将退出。";
    case FatalReason::kOutOfMemory:
    default:
      return "内存不足，程序将退出。";
  }
}

void FatalError(FatalReason reason) {
  g_seam.showMessage(FatalMessage(reason));
  g_seam.exit(kFatalExitCode);
  ExitProcess(static_cast<UINT>(kFatalExitCode));
}

void InstallOutOfMemoryHandler() {
  std::set_new_handler([] { FatalError(FatalReason::kOutOfMemory); });
}

FatalSeam SetFatalSeam(FatalSeam seam) {
  const FatalSeam old = g_seam;
  g_seam = seam;
  return old;
}

}  // namespace tw::app
