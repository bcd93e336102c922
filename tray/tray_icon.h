// The notification-area icon of a window: SetTrayIcon, the tray callback, the pop-up menu.
#pragma once

#include <windows.h>
// clang-format off
#include <shellapi.h>
// clang-format on

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/handles.h"
#include "tray/tray_model.h"

namespace tw::tray {

// The first, smallest version of NOTIFYICONDATAA for the architecture being built.
inline constexpr DWORD kNotifyIconDataSize = NOTIFYICONDATAA_V1_SIZE;
#ifdef _WIN64
static_assert(kNotifyIconDataSize == 104, "first NOTIFYICONDATAA version, 64-bit");
#else
static_assert(kNotifyIconDataSize == 88, "first NOTIFYICONDATAA version, 32-bit");
#endif

// Icons made by the tray and not yet destroyed, for leak checks.
int LiveTrayIcons();

class TrayIcon {
 public:
  TrayIcon() = default;
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon();

  // Puts, replaces or removes the window's icon. An icon is recorded as shown only when
  // the shell accepted it; a refused modify is followed by an add of the same data.
  void Set(HWND window, std::span<const uint8_t> iconFile, std::string_view tip);
  HICON current() const { return current_; }

 private:
  HICON current_ = nullptr;  // owned; destroyed when replaced or removed
};

// The tray callback's handler: the mouse message becomes a tray event of MainWindow.
void OnTrayCallback(LPARAM mouseMessage);
// The tray-event handler: a double click shows the window, a right click opens the menu.
void OnTrayEvent(TrayEvent event);
// A WM_COMMAND from a menu: the item it names raises its selected event.
void OnMenuCommand(unsigned id);
// Pops up the sub-items of the window's menu item as a menu at the cursor.
void ShowTrayMenu(HWND window, size_t menuItem);

// Seams for tests: what the shell and the menu calls are.
struct TraySeam {
  BOOL(WINAPI* notify)(DWORD message, PNOTIFYICONDATAA data);
  BOOL(WINAPI* getCursorPos)(LPPOINT point);
  BOOL(WINAPI* setForegroundWindow)(HWND window);
  BOOL(WINAPI* trackPopupMenu)
  (HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* rect);
};
TraySeam RealTraySeam();
// Replaces the seam; returns the one it replaced.
TraySeam SetTraySeam(const TraySeam& seam);

}  // namespace tw::tray
