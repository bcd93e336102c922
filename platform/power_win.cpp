#include "platform/power_win.h"

#include <windows.h>

namespace tw::platform {

namespace {

static_assert(sizeof(OSVERSIONINFOA) == kOsVersionInfoASize);
static_assert(sizeof(LUID) == sizeof(Luid));
static_assert(kTokenAdjustPrivileges == TOKEN_ADJUST_PRIVILEGES && kTokenQuery == TOKEN_QUERY);
static_assert(kPrivilegeEnabled == SE_PRIVILEGE_ENABLED);
static_assert(kExitPowerOff == EWX_POWEROFF && kExitShutdown == EWX_SHUTDOWN &&
              kExitForce == EWX_FORCE && kExitReboot == EWX_REBOOT && kExitLogoff == EWX_LOGOFF);
static_assert(kPlatformWin32Nt == VER_PLATFORM_WIN32_NT);

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
uint32_t PlatformId(uint32_t size) {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = size;
  if (!GetVersionExA(&info)) return 0;
  return info.dwPlatformId;
}
#pragma GCC diagnostic pop

const PowerCalls kReal = {
    PlatformId,
    []() -> Handle { return GetCurrentProcess(); },
    [](Handle process, uint32_t access, Handle* token) {
      return static_cast<int>(OpenProcessToken(process, access, token));
    },
    [](const char* system, const char* name, Luid* luid) {
      LUID value{};
      const BOOL ok = LookupPrivilegeValueA(system, name, &value);
      luid->lowPart = value.LowPart;
      luid->highPart = value.HighPart;
      return static_cast<int>(ok);
    },
    [](Handle token, int disableAll, const OnePrivilege* state, uint32_t length) {
      TOKEN_PRIVILEGES privileges{};
      privileges.PrivilegeCount = state->count;
      privileges.Privileges[0].Luid.LowPart = state->luid.lowPart;
      privileges.Privileges[0].Luid.HighPart = state->luid.highPart;
      privileges.Privileges[0].Attributes = state->attributes;
      return static_cast<int>(
          AdjustTokenPrivileges(token, disableAll, &privileges, length, nullptr, nullptr));
    },
    []() { return static_cast<uint32_t>(GetLastError()); },
    [](Handle handle) { return static_cast<int>(CloseHandle(handle)); },
    [](uint32_t flags, uint32_t reason) { return static_cast<int>(ExitWindowsEx(flags, reason)); },
    [](int suspend, int force) { return static_cast<int>(SetSystemPowerState(suspend, force)); },
};

const PowerCalls* g_current = &kReal;

}  // namespace

const PowerCalls& RealPowerCalls() { return kReal; }
const PowerCalls& CurrentPowerCalls() { return *g_current; }
const PowerCalls* SetPowerCalls(const PowerCalls* calls) {
  const PowerCalls* old = g_current;
  g_current = calls ? calls : &kReal;
  return old;
}

}  // namespace tw::platform
