#include "platform/power.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tw::platform {
namespace {

// A scripted system: the answers each call gives, and the calls made, in order.
struct FakeSystem {
  uint32_t platform = kPlatformWin32Nt;
  bool openOk = true;
  bool lookupOk = true;
  uint32_t lastError = 0;
  int exitResult = 1;
  int powerResult = 1;
  std::vector<std::string> calls;
  int openTokens = 0;
};
FakeSystem* g_fake = nullptr;
int g_tokenObject;  // the token handle's address

const PowerCalls kFakeCalls = {
    [](uint32_t size) {
      g_fake->calls.push_back("GetVersionExA size " + std::to_string(size));
      return g_fake->platform;
    },
    []() -> Handle { return reinterpret_cast<Handle>(-1); },
    [](Handle process, uint32_t access, Handle* token) {
      g_fake->calls.push_back("OpenProcessToken " +
                              std::string(process == reinterpret_cast<Handle>(-1) ? "self" : "?") +
                              " access " + std::to_string(access));
      if (!g_fake->openOk) return 0;
      *token = &g_tokenObject;
      ++g_fake->openTokens;
      return 1;
    },
    [](const char* system, const char* name, Luid* luid) {
      g_fake->calls.push_back(std::string("LookupPrivilegeValueA ") + (system ? system : "local") +
                              " " + name);
      if (!g_fake->lookupOk) return 0;
      luid->lowPart = 19;
      return 1;
    },
    [](Handle token, int disableAll, const OnePrivilege* state, uint32_t length) {
      g_fake->calls.push_back(
          "AdjustTokenPrivileges " + std::string(token == &g_tokenObject ? "token" : "?") +
          " disableAll " + std::to_string(disableAll) + " count " + std::to_string(state->count) +
          " luid " + std::to_string(state->luid.lowPart) + " attributes " +
          std::to_string(state->attributes) + " length " + std::to_string(length));
      return 1;
    },
    []() {
      g_fake->calls.push_back("GetLastError");
      return g_fake->lastError;
    },
    [](Handle handle) {
      g_fake->calls.push_back(std::string("CloseHandle ") +
                              (handle == &g_tokenObject ? "token" : "?"));
      --g_fake->openTokens;
      return 1;
    },
    [](uint32_t flags, uint32_t reason) {
      g_fake->calls.push_back("ExitWindowsEx " + std::to_string(flags) + " reason " +
                              std::to_string(reason));
      return g_fake->exitResult;
    },
    [](int suspend, int force) {
      g_fake->calls.push_back("SetSystemPowerState " + std::to_string(suspend) + " " +
                              std::to_string(force));
      return g_fake->powerResult;
    },
};

class PowerRequest : public ::testing::Test {
 protected:
  void SetUp() override { g_fake = &fake; }
  void TearDown() override {
    EXPECT_EQ(fake.openTokens, 0) << "every token opened is closed";
    g_fake = nullptr;
  }
  FakeSystem fake;
};

const std::vector<std::string> kPrivilegeSteps = {
    "GetVersionExA size 148",
    "OpenProcessToken self access 40",
    "LookupPrivilegeValueA local SeShutdownPrivilege",
    "AdjustTokenPrivileges token disableAll 0 count 1 luid 19 attributes 2 length 0",
    "GetLastError",
    "CloseHandle token",
};
std::vector<std::string> AfterPrivilege(std::vector<std::string> rest) {
  auto all = kPrivilegeSteps;
  all.insert(all.end(), rest.begin(), rest.end());
  return all;
}

TEST_F(PowerRequest, PowerOffOnNtIsForcedPowerOff) {
  EXPECT_EQ(RequestPowerAction(kFakeCalls, kActionPowerOff, true), 1);
  EXPECT_EQ(fake.calls, AfterPrivilege({"GetVersionExA size 148", "ExitWindowsEx 12 reason 0"}));
}

TEST_F(PowerRequest, PowerOffElsewhereIsForcedShutdownWithoutPrivilegeStep) {
  fake.platform = 1;
  EXPECT_EQ(RequestPowerAction(kFakeCalls, kActionPowerOff, true), 1);
  EXPECT_EQ(fake.calls,
            (std::vector<std::string>{"GetVersionExA size 148", "GetVersionExA size 148",
                                      "ExitWindowsEx 5 reason 0"}));
}

TEST_F(PowerRequest, SuspendAndTheOtherCodes) {
  struct Case {
    int32_t action;
    bool force;
    std::string request;
  };
  for (const Case& c : {Case{kActionSuspend, true, "SetSystemPowerState 1 1"},
                        Case{kActionSuspend, false, "SetSystemPowerState 1 0"},
                        Case{kActionHibernate, true, "SetSystemPowerState 0 1"},
                        Case{kActionRestart, true, "ExitWindowsEx 6 reason 0"},
                        Case{kActionLogOff, true, "ExitWindowsEx 4 reason 0"},
                        Case{kActionLogOff, false, "ExitWindowsEx 0 reason 0"}}) {
    fake.calls.clear();
    EXPECT_EQ(RequestPowerAction(kFakeCalls, c.action, c.force), 1) << c.request;
    EXPECT_EQ(fake.calls, AfterPrivilege({c.request}));
  }
}

TEST_F(PowerRequest, CodesOutsideTheRangeTouchNothing) {
  for (int32_t action : {0, 6, -1, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(RequestPowerAction(kFakeCalls, action, true), 0) << action;
  }
  EXPECT_TRUE(fake.calls.empty());
}

TEST_F(PowerRequest, PrivilegeFailuresMeanNoRequest) {
  fake.lastError = 1300;  // ERROR_NOT_ALL_ASSIGNED: the token lacks the privilege
  EXPECT_EQ(RequestPowerAction(kFakeCalls, kActionPowerOff, true), 0);
  EXPECT_EQ(fake.calls, kPrivilegeSteps);

  fake = FakeSystem{};
  fake.openOk = false;
  EXPECT_EQ(RequestPowerAction(kFakeCalls, kActionSuspend, true), 0);
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"GetVersionExA size 148",
                                                  "OpenProcessToken self access 40"}));

  fake = FakeSystem{};
  fake.lookupOk = false;
  EXPECT_EQ(RequestPowerAction(kFakeCalls, kActionSuspend, true), 0);
  EXPECT_EQ(fake.calls,
            (std::vector<std::string>{"GetVersionExA size 148", "OpenProcessToken self access 40",
                                      "LookupPrivilegeValueA local SeShutdownPrivilege",
                                      "CloseHandle token"}));
}

TEST_F(PowerRequest, ARefusedRequestReturnsZero) {
  fake.exitResult = 0;
  EXPECT_EQ(RequestPowerAction(kFakeCalls, kActionPowerOff, true), 0);
  fake.powerResult = 0;
  EXPECT_EQ(RequestPowerAction(kFakeCalls, kActionSuspend, true), 0);
}

}  // namespace
}  // namespace tw::platform
