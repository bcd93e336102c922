// The notification-area icon and its menu, with the shell and menu calls recorded.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/frame.h"
#include "app/resources.h"
#include "testing/main_window_fixture.h"
#include "tray/tray_icon.h"

namespace tw::tray {
namespace {

using tw::testing::MainWindowTest;
using tw::testing::PumpFor;
using tw::testing::PumpUntil;

struct NotifyCall {
  DWORD message;
  std::vector<uint8_t> bytes;  // the structure as the shell receives it: cbSize bytes
  NOTIFYICONDATAA data;
};

struct MenuCall {
  std::vector<std::string> texts;
  std::vector<UINT> ids;
  UINT flags;
  int x, y;
  HWND owner;
};

std::vector<NotifyCall> g_calls;
std::vector<MenuCall> g_menus;
std::vector<bool> g_answers;  // the shell's answers, in order; TRUE once they run out
std::vector<HWND> g_foreground;

BOOL WINAPI RecordNotify(DWORD message, PNOTIFYICONDATAA data) {
  NotifyCall call{message, {}, *data};
  const auto* bytes = reinterpret_cast<const uint8_t*>(data);
  call.bytes.assign(bytes, bytes + data->cbSize);
  g_calls.push_back(call);
  if (g_answers.empty()) return TRUE;
  const bool answer = g_answers.front();
  g_answers.erase(g_answers.begin());
  return answer;
}
BOOL WINAPI FixedCursor(LPPOINT point) {
  point->x = 600;
  point->y = 400;
  return TRUE;
}
BOOL WINAPI RecordForeground(HWND window) {
  g_foreground.push_back(window);
  return TRUE;
}
BOOL WINAPI RecordTrack(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
  MenuCall call{{}, {}, flags, x, y, owner};
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[64] = {};
    GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    call.texts.push_back(text);
    call.ids.push_back(GetMenuItemID(menu, i));
  }
  g_menus.push_back(call);
  return TRUE;
}

class TrayTest : public MainWindowTest {
 protected:
  void SetUp() override {
    g_calls.clear();
    g_menus.clear();
    g_answers.clear();
    g_foreground.clear();
    TraySeam seam = RealTraySeam();
    seam.notify = RecordNotify;
    old_ = SetTraySeam(seam);
    MainWindowTest::SetUp();
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    SetTraySeam(old_);
  }
  void Arm(std::string_view tip) { window->trayIcon().Set(main, app::ProgramIconFile(), tip); }
  TraySeam old_{};
};

const std::string kTip30 = "定时关机工具正在后台计时运行,系统将在30分后关闭，谢谢您的使用.";

TEST_F(TrayTest, AddFillsTheFirstVersionOfTheStructure) {
  Arm(kTip30);
  ASSERT_EQ(g_calls.size(), 1u);
  const NotifyCall& add = g_calls[0];
  EXPECT_EQ(add.message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(add.data.cbSize, 104u);
  EXPECT_EQ(add.bytes.size(), 104u);
  EXPECT_EQ(add.data.hWnd, main);
  EXPECT_EQ(add.data.uID, 100u);
  EXPECT_EQ(add.data.uFlags, 7u);
  EXPECT_EQ(add.data.uCallbackMessage, 32868u);
  EXPECT_EQ(add.data.hIcon, window->trayIcon().current());
  EXPECT_EQ(std::string(add.data.szTip, strnlen(add.data.szTip, 64)), kTip30);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(add.data.hIcon, &info));
  BITMAP mask{};
  GetObjectA(info.hbmMask, sizeof mask, &mask);
  EXPECT_EQ(mask.bmWidth, 32) << "the 32 x 32 image of the program's icon file";
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
}

TEST_F(TrayTest, ReplacingModifiesAndDestroysTheOldIcon) {
  Arm(kTip30);
  const HICON first = window->trayIcon().current();
  Arm("another tip");
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[1].message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_EQ(g_calls[1].data.uFlags, 7u);
  EXPECT_STREQ(g_calls[1].data.szTip, "another tip");
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(first, &info)) << "the replaced icon is destroyed";
  EXPECT_EQ(LiveTrayIcons(), 1);
}

TEST_F(TrayTest, WindowDestructionDeletesTheIcon) {
  Arm(kTip30);
  const HICON icon = window->trayIcon().current();
  DestroyWindow(main);
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[1].message, static_cast<DWORD>(NIM_DELETE));
  EXPECT_EQ(g_calls[1].data.uFlags, 0u);
  EXPECT_EQ(g_calls[1].data.uID, 100u);
  EXPECT_EQ(g_calls[1].data.hWnd, main);
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(icon, &info));
  EXPECT_EQ(LiveTrayIcons(), 0);
}

TEST_F(TrayTest, BytesThatGiveNoIconActAsRemoval) {
  const uint8_t junk[] = {0, 0, 1, 0, 1, 0, 32, 32, 16, 0};
  window->trayIcon().Set(main, junk, "tip");
  EXPECT_TRUE(g_calls.empty()) << "nothing shown, nothing to remove";
  Arm(kTip30);
  window->trayIcon().Set(main, junk, "tip");
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[1].message, static_cast<DWORD>(NIM_DELETE));
  EXPECT_EQ(window->trayIcon().current(), nullptr);
  EXPECT_EQ(LiveTrayIcons(), 0);
}

TEST_F(TrayTest, ARefusedAddIsNotRecordedAsShown) {
  g_answers = {false};
  Arm(kTip30);
  EXPECT_EQ(window->trayIcon().current(), nullptr);
  EXPECT_EQ(LiveTrayIcons(), 0) << "the refused icon is destroyed at once";
  Arm(kTip30);
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[1].message, static_cast<DWORD>(NIM_ADD)) << "added again, not modified";
}

TEST_F(TrayTest, ARefusedModifyIsFollowedByAnAdd) {
  Arm(kTip30);
  g_answers = {false, true};
  Arm("again");
  ASSERT_EQ(g_calls.size(), 3u);
  EXPECT_EQ(g_calls[1].message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_EQ(g_calls[2].message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(g_calls[2].bytes, g_calls[1].bytes) << "the same data";
  EXPECT_NE(window->trayIcon().current(), nullptr);
  EXPECT_EQ(LiveTrayIcons(), 1);
}

TEST_F(TrayTest, AThousandReArmsLeaveOneLiveIcon) {
  std::vector<HICON> replaced;
  for (int i = 0; i < 1000; ++i) {
    if (HICON icon = window->trayIcon().current()) replaced.push_back(icon);
    Arm(kTip30);
  }
  EXPECT_EQ(LiveTrayIcons(), 1);
  int alive = 0;
  for (HICON icon : replaced) {
    ICONINFO info{};
    if (GetIconInfo(icon, &info)) {
      ++alive;
      DeleteObject(info.hbmMask);
      if (info.hbmColor) DeleteObject(info.hbmColor);
    }
  }
  // A handle value can be reused by a later icon; only the current one may answer.
  const HICON current = window->trayIcon().current();
  int reused = 0;
  for (HICON icon : replaced) reused += icon == current;
  EXPECT_EQ(alive, reused);
  EXPECT_EQ(g_calls.front().message, static_cast<DWORD>(NIM_ADD));
  for (size_t i = 1; i < g_calls.size(); ++i) {
    ASSERT_EQ(g_calls[i].message, static_cast<DWORD>(NIM_MODIFY)) << i;
  }
}

TEST_F(TrayTest, MouseMessagesOfTheIcon) {
  Arm(kTip30);
  ShowWindow(main, SW_HIDE);
  SendMessageA(main, kTrayCallbackMessage, 100, WM_LBUTTONUP);
  EXPECT_FALSE(IsWindowVisible(main)) << "a single click does nothing";
  SendMessageA(main, kTrayCallbackMessage, 100, WM_MOUSEMOVE);
  EXPECT_FALSE(IsWindowVisible(main));
  SendMessageA(main, kTrayCallbackMessage, 100, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(IsWindowVisible(main)) << "a double click shows the window";
  EXPECT_NE(window->trayIcon().current(), nullptr) << "the icon stays";
}

TEST_F(TrayTest, RightClickOpensTheOperateMenuAtTheCursor) {
  TraySeam seam = RealTraySeam();
  seam.notify = RecordNotify;
  seam.getCursorPos = FixedCursor;
  seam.setForegroundWindow = RecordForeground;
  seam.trackPopupMenu = RecordTrack;
  SetTraySeam(seam);
  ShowWindow(main, SW_HIDE);
  for (LPARAM message : {LPARAM{WM_RBUTTONUP}, LPARAM{WM_CONTEXTMENU}}) {
    g_menus.clear();
    SendMessageA(main, kTrayCallbackMessage, 100, message);
    ASSERT_EQ(g_menus.size(), 1u);
    const MenuCall& call = g_menus[0];
    EXPECT_EQ(call.texts, (std::vector<std::string>{"打开程序", "退出程序"}));
    EXPECT_EQ(call.ids, (std::vector<UINT>{20001, 20002}));
    EXPECT_EQ(call.flags, 8u);
    EXPECT_EQ(call.x, 595);
    EXPECT_EQ(call.y, 395);
    EXPECT_EQ(call.owner, main);
  }
  EXPECT_EQ(g_foreground, (std::vector<HWND>{main, main})) << "also while hidden";
}

TEST_F(TrayTest, MenuCommandsShowTheWindowOrEndIt) {
  ShowWindow(main, SW_HIDE);
  SendMessageA(main, WM_COMMAND, 20001, 0);
  EXPECT_TRUE(IsWindowVisible(main));
  SendMessageA(main, WM_COMMAND, 20000, 0);  // "操作" itself has no handler
  SendMessageA(main, WM_COMMAND, 20003, 0);  // beyond the last item
  PumpFor(50);
  EXPECT_NE(app::TheFrame().window(), nullptr);
  ShowWindow(main, SW_HIDE);
  Arm(kTip30);
  SendMessageA(main, WM_COMMAND, 20002, 0);
  EXPECT_TRUE(PumpUntil([] { return app::TheFrame().window() == nullptr; }, 2000));
  EXPECT_EQ(g_calls.back().message, static_cast<DWORD>(NIM_DELETE));
}

// The real menu, opened mid-screen: its top right corner 5 pixels up and left of the cursor.
HWND g_menuWindow = nullptr;
RECT g_menuRect{};
void CALLBACK FindMenu(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM) -> BOOL {
        char name[16] = {};
        GetClassNameA(w, name, sizeof name);
        if (std::string(name) == "#32768" && IsWindowVisible(w)) {
          g_menuWindow = w;
          GetWindowRect(w, &g_menuRect);
          return FALSE;
        }
        return TRUE;
      },
      0);
  if (g_menuWindow) EndMenu();
}

TEST_F(TrayTest, TheRealMenuOpensBesideTheCursor) {
  SetCursorPos(512, 384);
  POINT cursor;
  GetCursorPos(&cursor);
  g_menuWindow = nullptr;
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, FindMenu);
  ShowTrayMenu(main, app::kMenuOperate);
  KillTimer(nullptr, timer);
  ASSERT_NE(g_menuWindow, nullptr);
  EXPECT_EQ(g_menuRect.right, cursor.x - 5);
  EXPECT_EQ(g_menuRect.top, cursor.y - 5);
}

}  // namespace
}  // namespace tw::tray
