// Starts a program and times it from outside, as a user would see it:
//   launch start EXE [ARG] prints "visible MS" (process creation until a top-level window
//                         titled Tarnwick定时关机工具 is visible), then "pid N", and waits
//                         for a line on standard input: "hide", "show" or "close"; after
//                         "close" it prints "exit MS" (WM_CLOSE until the process ended).
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr char kTitle[] = "Tarnwick定时关机工具";

struct Found {
  DWORD process;
  HWND window;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<Found*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char title[64] = {};
  GetWindowTextA(window, title, sizeof title);
  if (process == found->process && IsWindowVisible(window) && std::strcmp(title, kTitle) == 0) {
    found->window = window;
    return FALSE;
  }
  return TRUE;
}

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || std::string(argv[1]) != "start") return 2;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::string command = std::string("\"") + argv[2] + "\"";
  if (argc > 3) command += std::string(" ") + argv[3];
  const double started = Now();
  if (!CreateProcessA(argv[2], command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    std::printf("error cannot start %s\n", argv[2]);
    return 1;
  }
  Found found{info.dwProcessId, nullptr};
  while (!found.window && Now() - started < 30000) {
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&found));
    if (!found.window) Sleep(1);
  }
  if (!found.window) {
    std::printf("error no visible window\n");
    return 1;
  }
  std::printf("visible %.1f\npid %lu\n", Now() - started, info.dwProcessId);
  std::fflush(stdout);
  char line[64];
  while (std::fgets(line, sizeof line, stdin)) {
    const std::string what(line, strcspn(line, "\r\n"));
    if (what == "hide" || what == "show") {
      ShowWindow(found.window, what == "hide" ? SW_HIDE : SW_SHOW);
      std::printf("ok\n");
    } else if (what == "close") {
      const double closing = Now();
      PostMessageA(found.window, WM_CLOSE, 0, 0);
      WaitForSingleObject(info.hProcess, 30000);
      DWORD code = 0;
      GetExitCodeProcess(info.hProcess, &code);
      std::printf("exit %.1f code %lu\n", Now() - closing, code);
      break;
    }
    std::fflush(stdout);
  }
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return 0;
}
