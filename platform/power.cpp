#include "platform/power.h"

namespace tw::platform {

namespace {
bool IsNt(const PowerCalls& calls) {
  return calls.platformId(kOsVersionInfoASize) == kPlatformWin32Nt;
}
}  // namespace

bool EnableShutdownPrivilege(const PowerCalls& calls) {
  if (!IsNt(calls)) return true;  // nothing to enable
  Handle token = nullptr;
  if (!calls.openProcessToken(calls.currentProcess(), kTokenAdjustPrivileges | kTokenQuery,
                              &token)) {
    return false;
  }
  OnePrivilege privilege;
  privilege.count = 1;
  privilege.attributes = kPrivilegeEnabled;
  bool ok = false;
  // Without the identifier there is nothing valid to enable.
  if (calls.lookupPrivilegeValue(nullptr, kShutdownPrivilege, &privilege.luid)) {
    calls.adjustTokenPrivileges(token, 0, &privilege, 0);
    // The adjustment "succeeds" without the privilege; only the last error tells.
    ok = calls.getLastError() == 0;
  }
  calls.closeHandle(token);
  return ok;
}

int32_t RequestPowerAction(const PowerCalls& calls, int32_t action, bool force) {
  if (action < kActionPowerOff || action > kActionHibernate) return 0;
  if (!EnableShutdownPrivilege(calls)) return 0;
  const uint32_t forceFlag = force ? kExitForce : 0;
  switch (action) {
    case kActionPowerOff:
      return calls.exitWindowsEx((IsNt(calls) ? kExitPowerOff : kExitShutdown) | forceFlag, 0);
    case kActionRestart:
      return calls.exitWindowsEx(kExitReboot | forceFlag, 0);
    case kActionLogOff:
      return calls.exitWindowsEx(kExitLogoff | forceFlag, 0);
    case kActionSuspend:
      return calls.setSystemPowerState(1, force ? 1 : 0);
    default:  // kActionHibernate
      return calls.setSystemPowerState(0, force ? 1 : 0);
  }
}

}  // namespace tw::platform
