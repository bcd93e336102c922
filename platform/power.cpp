#include "platform/power.h"

namespace tw::platform {

namespace {
bool IsNt(const PowerCalls& calls) {
  return calls.platformId(kOsVersionInfoASize) == kPlatformWin32Nt;
}

// The process token, closed when the privilege step is done.
class TokenOwner {
 public:
  explicit TokenOwner(const PowerCalls& calls) : calls_(calls) {}
  ~TokenOwner() {
    if (token_) calls_.closeHandle(token_);
  }
  TokenOwner(const TokenOwner&) = delete;
  TokenOwner& operator=(const TokenOwner&) = delete;
  Handle* put() { return &token_; }
  Handle get() const { return token_; }

 private:
  const PowerCalls& calls_;
  Handle token_ = nullptr;
};
}  // namespace

bool EnableShutdownPrivilege(const PowerCalls& calls) {
  if (!IsNt(calls)) return true;  // nothing to enable
  TokenOwner token(calls);
  if (!calls.openProcessToken(calls.currentProcess(), kTokenAdjustPrivileges | kTokenQuery,
                              token.put())) {
    return false;
  }
  OnePrivilege privilege;
  privilege.count = 1;
  privilege.attributes = kPrivilegeEnabled;
  // Without the identifier there is nothing valid to enable.
  if (!calls.lookupPrivilegeValue(nullptr, kShutdownPrivilege, &privilege.luid)) return false;
  calls.adjustTokenPrivileges(token.get(), 0, &privilege, 0);
  // The adjustment "succeeds" without the privilege; only the last error tells, and it is
  // read before the token is closed.
  return calls.getLastError() == 0;
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
