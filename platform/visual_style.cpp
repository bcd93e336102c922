#include "platform/visual_style.h"

namespace tw::platform {

bool SetVisualStyle(int) { return false; }

}  // namespace tw::platform
