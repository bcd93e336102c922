#include "app/keyboard.h"

namespace tw::app {

KeyAction ActionForKey(unsigned virtualKey, bool shiftDown) {
  switch (virtualKey) {
    case kVkTab:
      return shiftDown ? KeyAction::kFocusPrevious : KeyAction::kFocusNext;
    case kVkEscape:
      return KeyAction::kClose;
    case kVkF1:
      return KeyAction::kSwallow;
    default:
      return KeyAction::kPass;
  }
}

int NextTabPosition(int current, bool forward, int count,
                    const std::function<bool(int)>& canFocus) {
  if (count <= 0) return -1;
  int position = current;
  if (position < 0) position = forward ? count - 1 : 0;
  for (int step = 0; step < count; ++step) {
    position = forward ? (position + 1) % count : (position + count - 1) % count;
    if (canFocus(position)) return position;
  }
  return -1;
}

}  // namespace tw::app
