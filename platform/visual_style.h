// Themed drawing of the thread's controls.
#pragma once

namespace tw::platform {

// 1, 2 or 3: themed drawing off if it is on, then on with that colour scheme, for every
// push button, check box, radio button, group box, edit box, drop-down combo box (with its
// list) and up-down control of the thread's windows, present and future; true.
// Anything else: off, every themed control gets its own drawing back; the result is the
// unhooking's, false if nothing was on.
bool SetVisualStyle(int scheme);

// Bookkeeping, for leak checks: controls themed now, and GDI objects the facility holds.
int ThemedControlCount();
int LiveThemeGdiObjects();

}  // namespace tw::platform
