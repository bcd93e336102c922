// The frame: keyboard handling, the ways the window goes away, the fatal error.
#include <gtest/gtest.h>
#include <windows.h>

#include <new>
#include <string>

#include "app/fatal.h"
#include "app/frame.h"
#include "testing/main_window_fixture.h"

namespace tw::app {
namespace {

using tw::testing::MainWindowTest;
using tw::testing::MessageBoxWatcher;
using tw::testing::PumpUntil;

// Feeds one key press through the frame as the event loop would.
void PressKey(HWND target, WPARAM vk, bool shift = false) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
  MSG message{target, WM_KEYDOWN, vk, 1, GetTickCount(), {}};
  if (!TheFrame().PreTranslate(message)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
    MSG up{target, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001), GetTickCount(), {}};
    TranslateMessage(&up);
    DispatchMessageA(&up);
  }
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

TEST_F(MainWindowTest, TabAndShiftTabWalkTheFocusOrder) {
  const int order[] = {kEdit1, kListBox1, kListBox2, kCheckBox1, kCheckBox2, kButton1};
  SetFocus(control(kEdit1));
  for (int step = 1; step <= 6; ++step) {
    PressKey(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), control(order[step % 6])) << "after Tab number " << step;
  }
  for (int step = 1; step <= 6; ++step) {
    PressKey(GetFocus(), VK_TAB, true);
    EXPECT_EQ(GetFocus(), control(order[(6 - step) % 6])) << "after Shift+Tab number " << step;
  }
}

TEST_F(MainWindowTest, TabSkipsAHiddenControl) {
  ShowWindow(control(kListBox2), SW_HIDE);
  SetFocus(control(kListBox1));
  PressKey(GetFocus(), VK_TAB);
  EXPECT_EQ(GetFocus(), control(kCheckBox1));
}

TEST_F(MainWindowTest, EnterPressesNothingAndSpacePressesTheButton) {
  MessageBoxWatcher watcher;
  SetFocus(control(kButton1));
  PressKey(control(kButton1), VK_RETURN);
  tw::testing::PumpFor(200);
  EXPECT_TRUE(watcher.boxes().empty()) << "Enter clicked the button";
  PressKey(control(kButton1), VK_SPACE);
  EXPECT_TRUE(PumpUntil([&] { return !watcher.boxes().empty(); }, 3000))
      << "Space should click the button, whose confirmation explains the missing delay";
}

TEST_F(MainWindowTest, EscClosesFromEveryControl) {
  for (int index : {kEdit1, kListBox1, kListBox2, kCheckBox1, kCheckBox2, kButton1}) {
    if (!TheFrame().window()) {
      ASSERT_TRUE(TheFrame().LoadWindow(false));
    }
    HWND c = TheFrame().window()->control(index);
    SetFocus(c);
    PressKey(c, VK_ESCAPE);
    EXPECT_EQ(TheFrame().window(), nullptr) << kControls[index].name;
    TheFrame().Reset();
  }
}

TEST_F(MainWindowTest, F1DoesNothing) {
  PressKey(control(kListBox1), VK_F1);
  EXPECT_NE(TheFrame().window(), nullptr);
}

TEST_F(MainWindowTest, CloseDestroysAtOnceWithoutAsking) {
  window->countdown().SetPeriod(60000);
  SendMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(TheFrame().window(), nullptr);
  EXPECT_FALSE(IsWindow(main));
}

TEST_F(MainWindowTest, DestroyWindowLaterDestroysWhenItsMessageArrives) {
  TheFrame().DestroyWindowLater();
  EXPECT_TRUE(IsWindow(main)) << "not before the posted message is dispatched";
  EXPECT_TRUE(PumpUntil([] { return TheFrame().window() == nullptr; }, 2000));
  EXPECT_FALSE(IsWindow(main));
}

TEST_F(MainWindowTest, LoadingALoadedWindowRestoresOrActivatesButDoesNotShow) {
  ShowWindow(main, SW_MINIMIZE);
  EXPECT_TRUE(TheFrame().LoadWindow(true));
  EXPECT_FALSE(IsIconic(main));
  EXPECT_EQ(TheFrame().window()->hwnd(), main) << "nothing new was created";
  ShowWindow(main, SW_HIDE);
  EXPECT_TRUE(TheFrame().LoadWindow(true));
  EXPECT_FALSE(IsWindowVisible(main)) << "showing is SetWindowVisible's work";
  TheFrame().SetWindowVisible(true);
  EXPECT_TRUE(IsWindowVisible(main));
}

TEST_F(MainWindowTest, FocusComesBackAfterReactivation) {
  SetFocus(control(kListBox2));
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                               100, nullptr, nullptr, nullptr, nullptr);
  SetActiveWindow(other);
  SetForegroundWindow(other);
  tw::testing::PumpFor(50);
  SetActiveWindow(main);
  tw::testing::PumpFor(50);
  EXPECT_EQ(GetFocus(), control(kListBox2));
  DestroyWindow(other);
}

struct FatalExit {
  int code;
};
std::string g_fatalText;

class FatalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = SetFatalSeam({[](std::string_view text) { g_fatalText = std::string(text); },
                         [](int code) { throw FatalExit{code}; }});
  }
  void TearDown() override {
    SetFatalSeam(old_);
    SetMainWindowCreationFailsForTest(false);
    std::set_new_handler(nullptr);
    TheFrame().Reset();
  }
  FatalSeam old_{};
};

TEST_F(FatalTest, AWindowThatCannotBeCreatedEndsWithMinusOne) {
  SetMainWindowCreationFailsForTest(true);
  try {
    TheFrame().Run();
    FAIL() << "Run returned";
  } catch (const FatalExit& e) {
    EXPECT_EQ(e.code, -1);
  }
  EXPECT_EQ(g_fatalText, std::string(FatalMessage(FatalReason::kStartup)));
}

TEST_F(FatalTest, MemoryThatCannotBeHadEndsWithMinusOne) {
  InstallOutOfMemoryHandler();
  try {
    void* p = ::operator new (size_t{1} << 62);
    ::operator delete(p);
    FAIL() << "the allocation succeeded";
  } catch (const FatalExit& e) {
    EXPECT_EQ(e.code, -1);
  }
  EXPECT_EQ(g_fatalText, std::string(FatalMessage(FatalReason::kOutOfMemory)));
}

TEST(CurrentDirectory, BecomesTheProgramFolder) {
  SetCurrentDirectoryA("C:\\");
  EnterProgramFolder();
  char dir[MAX_PATH], exe[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, dir);
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string folder(exe);
  folder.resize(folder.find_last_of('\\'));
  EXPECT_EQ(_stricmp(dir, folder.c_str()), 0) << dir << " vs " << folder;
}

}  // namespace
}  // namespace tw::app
