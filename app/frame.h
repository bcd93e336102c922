// The application frame: start-up, the window operations, the event loop with the
// window's keyboard handling, and the end of the program.
#pragma once

#include <windows.h>

#include <memory>

#include "app/main_window.h"

namespace tw::app {

class Frame {
 public:
  // Creates MainWindow from its definition, raises its created event and shows it; on a
  // window already loaded, restores it if minimised, else activates it. `dialogStyle` has
  // no effect on a loaded window, and the program never creates one with it.
  bool LoadWindow(bool dialogStyle);
  // SW_SHOW or SW_HIDE; the controls keep their state.
  void SetWindowVisible(bool visible);
  // Posts the deferred-destroy message; the window is destroyed when it arrives.
  void DestroyWindowLater();

  // The frame's own record of MainWindow: nullptr once it is destroyed (a handle can be
  // reused, so IsWindow is no proof).
  MainWindow* window() { return window_ && window_->alive() ? window_.get() : nullptr; }
  HWND hwnd() { return window() ? window_->hwnd() : nullptr; }

  // The whole run: current directory, loading, the event loop, the exit code.
  int Run();
  // Takes the keyboard messages the window handles itself; true when consumed.
  bool PreTranslate(const MSG& message);

  // Called by MainWindow.
  void OnDeferredDestroy();
  void OnWindowDestroyed();

  // Drops a destroyed window's object (tests load the window many times in one process).
  void Reset();

 private:
  std::unique_ptr<MainWindow> window_;
  bool loopRunning_ = false;
  bool destroyPending_ = false;
};

Frame& TheFrame();

// The handler of MainWindow's created event.
void OnMainWindowCreated();

// Makes the program file's folder the current directory.
void EnterProgramFolder();

// Test seam: makes the creation of MainWindow fail, to reach the fatal start-up error.
void SetMainWindowCreationFailsForTest(bool fails);

}  // namespace tw::app
