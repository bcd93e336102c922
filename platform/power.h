// The power request: enables the shutdown privilege, then asks the system to power off,
// restart, log off, suspend or hibernate. Every system call goes through PowerCalls, so
// tests record the exact calls and the machine running them is never touched.
#pragma once

#include <cstdint>

namespace tw::platform {

struct Luid {
  uint32_t lowPart = 0;
  int32_t highPart = 0;
};

// The privilege list handed to the token adjustment: one entry.
struct OnePrivilege {
  uint32_t count = 0;
  Luid luid;
  uint32_t attributes = 0;
};

inline constexpr uint32_t kPlatformWin32Nt = 2;
inline constexpr uint32_t kTokenAdjustPrivileges = 0x0020;
inline constexpr uint32_t kTokenQuery = 0x0008;
inline constexpr uint32_t kPrivilegeEnabled = 0x00000002;
inline constexpr uint32_t kExitLogoff = 0x0;
inline constexpr uint32_t kExitShutdown = 0x1;
inline constexpr uint32_t kExitReboot = 0x2;
inline constexpr uint32_t kExitForce = 0x4;
inline constexpr uint32_t kExitPowerOff = 0x8;
inline constexpr uint32_t kOsVersionInfoASize = 148;
inline constexpr const char* kShutdownPrivilege = "SeShutdownPrivilege";

enum PowerAction : int32_t {
  kActionPowerOff = 1,
  kActionRestart = 2,
  kActionLogOff = 3,
  kActionSuspend = 4,
  kActionHibernate = 5,
};

using Handle = void*;

// One function per system call, with the system's arguments in portable types.
struct PowerCalls {
  // GetVersionExA on a zeroed OSVERSIONINFOA whose size field is `size`; the platform id
  // it reports, 0 when the query fails.
  uint32_t (*platformId)(uint32_t size);
  Handle (*currentProcess)();
  int (*openProcessToken)(Handle process, uint32_t access, Handle* token);
  int (*lookupPrivilegeValue)(const char* system, const char* name, Luid* luid);
  int (*adjustTokenPrivileges)(Handle token, int disableAll, const OnePrivilege* state,
                               uint32_t bufferLength);
  uint32_t (*getLastError)();
  int (*closeHandle)(Handle handle);
  int (*exitWindowsEx)(uint32_t flags, uint32_t reason);
  int (*setSystemPowerState)(int suspend, int force);
};

bool EnableShutdownPrivilege(const PowerCalls& calls);

// Returns the system call's non-zero success value, or 0.
int32_t RequestPowerAction(const PowerCalls& calls, int32_t action, bool force);

}  // namespace tw::platform
