// Subclass chains on real windows: order, removal in any order and during a message,
// composition with other subclassing, and nothing left behind.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/subclass.h"
// clang-format off
#include <commctrl.h>
// clang-format on

#include <string>

namespace tw::platform {
namespace {

std::string g_trail;
constexpr UINT kProbe = WM_APP + 7;

LRESULT CALLBACK Mark(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data) {
  if (m == kProbe) g_trail += static_cast<char>(data);
  return CallNextSubclass(w, m, wp, lp) + (m == kProbe ? static_cast<LRESULT>(id) : 0);
}

LRESULT CALLBACK RemovesItself(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR) {
  if (m == kProbe) {
    g_trail += 'r';
    RemoveSubclass(w, RemovesItself, id);
  }
  return CallNextSubclass(w, m, wp, lp);
}

LRESULT CALLBACK Reenters(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  if (m == kProbe && wp == 0) {
    g_trail += '(';
    SendMessageA(w, kProbe, 1, 0);  // the whole chain again, inside this message
    g_trail += ')';
  }
  return CallNextSubclass(w, m, wp, lp);
}

LRESULT CALLBACK Foreign(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  if (m == kProbe) g_trail += 'f';
  return DefSubclassProc(w, m, wp, lp);
}

class Subclass : public ::testing::Test {
 protected:
  void SetUp() override {
    g_trail.clear();
    records = LiveSubclassRecords();
    window =
        CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    original = GetWindowLongPtrA(window, GWLP_WNDPROC);
  }
  void TearDown() override {
    if (IsWindow(window)) DestroyWindow(window);
    EXPECT_EQ(LiveSubclassRecords(), records) << "records left behind";
  }
  LRESULT Probe() { return SendMessageA(window, kProbe, 0, 0); }
  HWND window;
  LONG_PTR original;
  int records;
};

TEST_F(Subclass, NewestFirstEachPassingOn) {
  ASSERT_TRUE(AddSubclass(window, Mark, 1, 'a'));
  ASSERT_TRUE(AddSubclass(window, Mark, 2, 'b'));
  ASSERT_TRUE(AddSubclass(window, Mark, 4, 'c'));
  EXPECT_EQ(Probe(), 7) << "every procedure ran and the edit's own answered 0";
  EXPECT_EQ(g_trail, "cba");
  ASSERT_TRUE(AddSubclass(window, Mark, 2, 'B'));  // same procedure and id: new data only
  g_trail.clear();
  Probe();
  EXPECT_EQ(g_trail, "cBa");
}

TEST_F(Subclass, RemovalInAnyOrderRestoresTheWindowProcedure) {
  AddSubclass(window, Mark, 1, 'a');
  AddSubclass(window, Mark, 2, 'b');
  AddSubclass(window, Mark, 3, 'c');
  EXPECT_TRUE(RemoveSubclass(window, Mark, 2));
  EXPECT_FALSE(RemoveSubclass(window, Mark, 2));
  Probe();
  EXPECT_EQ(g_trail, "ca");
  EXPECT_TRUE(RemoveSubclass(window, Mark, 3));
  EXPECT_TRUE(RemoveSubclass(window, Mark, 1));
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), original);
  SetWindowTextA(window, "works");
  char text[16] = {};
  GetWindowTextA(window, text, sizeof text);
  EXPECT_STREQ(text, "works");
}

TEST_F(Subclass, RemovingItselfDuringAMessageKeepsTheChainGoing) {
  AddSubclass(window, Mark, 1, 'a');
  AddSubclass(window, RemovesItself, 9, 0);
  AddSubclass(window, Mark, 2, 'b');
  Probe();
  EXPECT_EQ(g_trail, "bra");
  g_trail.clear();
  Probe();
  EXPECT_EQ(g_trail, "ba");
}

TEST_F(Subclass, TheLastOneRemovingItselfMidMessageFreesSafely) {
  AddSubclass(window, RemovesItself, 9, 0);
  Probe();
  EXPECT_EQ(g_trail, "r");
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), original);
}

TEST_F(Subclass, MessagesSentInsideAMessageRunTheWholeChain) {
  AddSubclass(window, Mark, 1, 'a');
  AddSubclass(window, Reenters, 5, 0);
  AddSubclass(window, Mark, 2, 'b');
  Probe();
  EXPECT_EQ(g_trail, "b(ba)a");
}

TEST_F(Subclass, ComposesWithOtherSubclassing) {
  AddSubclass(window, Mark, 1, 'a');
  SetWindowSubclass(window, Foreign, 1, 0);  // comctl32's, on top of ours
  AddSubclass(window, Mark, 2, 'b');
  Probe();
  EXPECT_EQ(g_trail, "fba");
  // Ours go away while the foreign one stays on top: it still reaches the window.
  RemoveSubclass(window, Mark, 1);
  RemoveSubclass(window, Mark, 2);
  g_trail.clear();
  Probe();
  EXPECT_EQ(g_trail, "f");
  RemoveWindowSubclass(window, Foreign, 1);
}

TEST_F(Subclass, DestroyingTheWindowLeavesNothingBehind) {
  AddSubclass(window, Mark, 1, 'a');
  AddSubclass(window, Mark, 2, 'b');
  DestroyWindow(window);
  EXPECT_EQ(LiveSubclassRecords(), records);
}

}  // namespace
}  // namespace tw::platform
