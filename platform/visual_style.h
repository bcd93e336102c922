// Themed drawing of the thread's controls.
#pragma once

namespace tw::platform {

// 1, 2 or 3: themed drawing on with that colour scheme, for every push button, check box,
// radio button, group box, edit box, drop-down combo box and up-down control of the
// thread's windows, present and future; true. Anything else: off; false if nothing was on.
bool SetVisualStyle(int scheme);

}  // namespace tw::platform
