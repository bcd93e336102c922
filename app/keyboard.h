// MainWindow's keyboard handling: which keys the window takes before its controls see them.
#pragma once

#include <functional>

namespace tw::app {

enum class KeyAction {
  kPass,           // the focused control gets the key
  kFocusNext,      // Tab
  kFocusPrevious,  // Shift+Tab
  kClose,          // Esc: WM_CLOSE to the window
  kSwallow,        // F1: help is off
};

inline constexpr unsigned kVkTab = 0x09;
inline constexpr unsigned kVkReturn = 0x0D;
inline constexpr unsigned kVkEscape = 0x1B;
inline constexpr unsigned kVkF1 = 0x70;

// For a WM_KEYDOWN of `virtualKey`. Enter passes: the window has no default push button.
KeyAction ActionForKey(unsigned virtualKey, bool shiftDown);

// The next tab position from `current` (-1 for none) that can take the focus, wrapping;
// -1 when none can.
int NextTabPosition(int current, bool forward, int count, const std::function<bool(int)>& canFocus);

}  // namespace tw::app
