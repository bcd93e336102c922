// The real system calls behind the power request, and the seam tests replace them with.
#pragma once

#include "platform/power.h"

namespace tw::platform {

const PowerCalls& RealPowerCalls();
// The calls the countdown uses: the real ones unless a test has set others.
const PowerCalls& CurrentPowerCalls();
// Replaces the calls; returns the ones it replaced. The table must outlive its use.
const PowerCalls* SetPowerCalls(const PowerCalls* calls);

}  // namespace tw::platform
