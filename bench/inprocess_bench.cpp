// In-process measurements of the real MainWindow under Wine:
//   inprocess_bench cycles N   N arm/show cycles: windows, GDI objects, tray icons before,
//                              after the first cycle and after the last
//   inprocess_bench expiry     how late the countdown's expiry comes after a 1-minute arming
//   inprocess_bench tick N     the CPU time of one clock refresh (handler and repaint), shown
//                              and hidden, over N refreshes
// The power calls are recorded, never made.
#include <windows.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/frame.h"
#include "app/layout.h"
#include "platform/visual_style.h"
#include "testing/win_test_support.h"
#include "tray/tray_icon.h"

namespace {

using namespace tw;

int CountWindows() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        ++*reinterpret_cast<int*>(param);
        EnumChildWindows(
            window,
            [](HWND, LPARAM p) -> BOOL {
              ++*reinterpret_cast<int*>(p);
              return TRUE;
            },
            param);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

// Wine keeps every GDI object of the process in the handle table the PEB points to.
struct GdiEntry {
  UINT64 object;
  ULONG owner;
  USHORT unique;
  UCHAR type;
  UCHAR flags;
  UINT64 userData;
};
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"  // NtCurrentTeb reads the TEB through gs
int CountGdiObjects() {
  auto* peb = reinterpret_cast<const BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
  const auto* table = *reinterpret_cast<GdiEntry* const*>(peb + (sizeof(void*) == 8 ? 0xF8 : 0x94));
  if (!table) return -1;
  int count = 0;
  for (int i = 0; i < 0x10000; ++i) count += table[i].type != 0;
  return count;
}
#pragma GCC diagnostic pop

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Report(const char* when) {
  std::printf("%s windows %d gdi %d tray_icons %d theme_gdi %d themed %d\n", when, CountWindows(),
              CountGdiObjects(), tray::LiveTrayIcons(), platform::LiveThemeGdiObjects(),
              platform::ThemedControlCount());
}

void Arm(app::MainWindow& w, int hours, int minutes) {
  SendMessageA(w.control(app::kListBox1), LB_SETCURSEL, hours, 0);
  SendMessageA(w.control(app::kListBox2), LB_SETCURSEL, minutes, 0);
  SendMessageA(w.control(app::kButton1), BM_CLICK, 0, 0);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  testing::PowerRecorder power;
  if (!app::TheFrame().LoadWindow(false)) return 1;
  app::MainWindow& w = *app::TheFrame().window();
  HWND main = w.hwnd();
  testing::PumpFor(300);
  if (mode == "cycles") {
    const int cycles = argc > 2 ? std::atoi(argv[2]) : 1000;
    Report("before");
    for (int i = 0; i < cycles; ++i) {
      Arm(w, 0, 1);
      SendMessageA(main, tray::kTrayCallbackMessage, tray::kTrayIconId, WM_LBUTTONDBLCLK);
      testing::PumpFor(0);
      if (i == 0) Report("first");
    }
    testing::PumpFor(100);
    Report("after");
    std::printf("power_requests %zu\n", power.calls.size());
  } else if (mode == "expiry") {
    Arm(w, 0, 1);
    const double armed = Now();
    testing::PumpUntil([&] { return !power.calls.empty(); }, 70000);
    std::printf("expiry_late_ms %.1f\n", Now() - armed - 60000.0);
  } else if (mode == "tick") {
    const int n = argc > 2 ? std::atoi(argv[2]) : 200;
    w.clockTimer().SetPeriod(0);  // only the refreshes made here
    auto cpuMs = [] {
      FILETIME created, exited, kernel, user;
      GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
      auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               10000.0;
      };
      return ms(kernel) + ms(user);
    };
    const bool unthemed = argc > 3 && std::string(argv[3]) == "unthemed";
    if (unthemed) platform::SetVisualStyle(0);
    for (const bool shown : {true, false}) {
      app::TheFrame().SetWindowVisible(shown);
      testing::PumpFor(200);
      const double cpu = cpuMs();
      const double wall = Now();
      for (int i = 0; i < n; ++i) {
        w.Raise(app::Handler::kClock);
        UpdateWindow(main);
        UpdateWindow(w.control(app::kEdit1));
      }
      std::printf("tick_%s%s cpu_ms %.3f wall_ms %.3f\n", shown ? "shown" : "hidden",
                  unthemed ? "_unthemed" : "", (cpuMs() - cpu) / n, (Now() - wall) / n);
    }
  } else {
    return 2;
  }
  app::TheFrame().Reset();
  return 0;
}
