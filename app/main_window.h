// MainWindow: the window and its controls, built from the table in layout.h, and the
// window procedure that routes each message to the handler of the folder that owns it.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>

#include "app/layout.h"
#include "app/self_drawn.h"
#include "app/timer_control.h"
#include "platform/handles.h"
#include "tray/tray_icon.h"

namespace tw::app {

inline constexpr char kMainWindowClass[] = "TarnwickMainWindow";
// Posted by DestroyWindowLater; on receipt the window is destroyed.
inline constexpr UINT kDeferredDestroyMessage = 32869;  // 0x8065

class MainWindow {
 public:
  // Creates the window hidden, centred, with all its controls in their stacking order.
  // No handler runs until EnableEvents. Nothing when the window cannot be created.
  static std::unique_ptr<MainWindow> Create();
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  // The control's window; nullptr for the balloon tip box, which has none.
  HWND control(int index) const { return controls_[index]; }
  TimerControl& countdown() { return countdown_; }
  TimerControl& clockTimer() { return clockTimer_; }
  tray::TrayIcon& trayIcon() { return tray_; }
  const std::optional<FittedPicture>& picture() const { return picture_; }
  bool alive() const { return hwnd_ != nullptr; }

  void EnableEvents() { eventsEnabled_ = true; }
  // Runs the handler bound to an event (clicks and timers come through here).
  void Raise(Handler handler);

 private:
  MainWindow() = default;
  bool CreateControls();
  HFONT FontFor(const FontDef& font);

  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnControlColour(HDC dc, HWND control);
  void OnActivate(WPARAM wParam);
  void OnSetFocus();
  void OnDestroy();
  void OnNcDestroy();

  HWND hwnd_ = nullptr;
  std::array<HWND, kControlCount> controls_{};
  // The fonts of the table, one per distinct definition.
  std::array<platform::UniqueFont, 5> fonts_;
  std::array<FontDef, 5> fontDefs_{};
  TimerControl countdown_;
  TimerControl clockTimer_;
  tray::TrayIcon tray_;
  std::optional<FittedPicture> picture_;
  HWND lastFocus_ = nullptr;
  bool eventsEnabled_ = false;
};

}  // namespace tw::app
