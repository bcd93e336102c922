// Themed drawing on real controls, read back from their pixels.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/visual_style.h"
// clang-format off
#include <commctrl.h>
// clang-format on

#include <vector>

#include "testing/win_test_support.h"

namespace tw::platform {
namespace {

using tw::testing::PumpFor;

constexpr COLORREF kEditFrame = RGB(198, 197, 215);
constexpr COLORREF kButtonBorder = RGB(0, 60, 116);
constexpr COLORREF kGroupFrame = RGB(191, 184, 191);

// The pixel of the whole window (frame included) as it is on the screen.
COLORREF WindowPixel(HWND window, int x, int y) {
  UpdateWindow(window);
  HDC dc = GetWindowDC(window);
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return pixel;
}

int HeightOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r.bottom - r.top;
}

class VisualStyleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetVisualStyle(0);
    top = CreateWindowExA(0, "STATIC", "themes", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                          100, 100, 600, 300, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrA(top, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcA));
    auto make = [&](const char* cls, DWORD style, DWORD ex, int x, int y, int w, int h,
                    const char* text = "") {
      return CreateWindowExA(ex, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, top, nullptr,
                             nullptr, nullptr);
    };
    button = make("BUTTON", BS_PUSHBUTTON, 0, 10, 10, 100, 30, "OK");
    check = make("BUTTON", BS_AUTOCHECKBOX, 0, 10, 50, 100, 20, "check");
    radio = make("BUTTON", BS_AUTORADIOBUTTON, 0, 10, 80, 100, 20, "radio");
    group = make("BUTTON", BS_GROUPBOX, 0, 130, 10, 150, 100, "group");
    edit = make("EDIT", WS_BORDER, 0, 300, 10, 120, 24, "text");
    sunken = make("EDIT", 0, WS_EX_CLIENTEDGE, 300, 50, 120, 24, "text");
    combo = make("COMBOBOX", CBS_DROPDOWNLIST, 0, 300, 90, 120, 100);
    updown = make("msctls_updown32", 0, 0, 440, 10, 20, 30);
    list = make("LISTBOX", WS_BORDER, 0, 440, 60, 100, 60);
    PumpFor(50);
  }
  void TearDown() override {
    SetVisualStyle(0);
    DestroyWindow(top);
    EXPECT_EQ(ThemedControlCount(), 0);
    EXPECT_EQ(LiveThemeGdiObjects(), 0);
  }
  HWND top, button, check, radio, group, edit, sunken, combo, updown, list;
};

TEST_F(VisualStyleTest, SchemeThreeDrawsEachListedKindWithItsFrame) {
  ASSERT_TRUE(SetVisualStyle(3));
  EXPECT_EQ(WindowPixel(edit, 0, 12), kEditFrame);
  EXPECT_EQ(WindowPixel(sunken, 0, 12), kEditFrame);
  EXPECT_EQ(WindowPixel(combo, 0, HeightOf(combo) / 2), kEditFrame);
  EXPECT_EQ(WindowPixel(updown, 0, 15), kEditFrame);
  EXPECT_EQ(WindowPixel(button, 0, 15), kButtonBorder);
  EXPECT_EQ(WindowPixel(button, 50, 0), kButtonBorder);
  EXPECT_NE(WindowPixel(button, 0, 0), kButtonBorder) << "rounded corners";
  EXPECT_EQ(WindowPixel(check, 0, 10), kButtonBorder) << "the box's border";
  EXPECT_EQ(WindowPixel(group, 0, 60), kGroupFrame);
  EXPECT_NE(WindowPixel(list, 0, 30), kEditFrame) << "list boxes keep the system's drawing";
  EXPECT_EQ(ThemedControlCount(), 9);  // all but the list box, the combo box's list included
}

TEST_F(VisualStyleTest, SchemesOneAndTwoDrawTheirFrameColours) {
  ASSERT_TRUE(SetVisualStyle(1));
  EXPECT_EQ(WindowPixel(edit, 0, 12), RGB(123, 158, 189));
  EXPECT_EQ(WindowPixel(group, 0, 60), RGB(123, 158, 189));
  ASSERT_TRUE(SetVisualStyle(2));
  EXPECT_EQ(WindowPixel(edit, 0, 12), RGB(164, 185, 127));
  EXPECT_EQ(WindowPixel(button, 0, 15), RGB(164, 185, 127));
}

TEST_F(VisualStyleTest, ControlsCreatedLaterAreThemedToo) {
  ASSERT_TRUE(SetVisualStyle(3));
  HWND later = CreateWindowExA(0, "EDIT", "later", WS_CHILD | WS_VISIBLE | WS_BORDER, 300, 200, 120,
                               24, top, nullptr, nullptr, nullptr);
  PumpFor(20);
  EXPECT_EQ(WindowPixel(later, 0, 12), kEditFrame);
  HWND laterList = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 440, 200,
                                   100, 60, top, nullptr, nullptr, nullptr);
  EXPECT_NE(WindowPixel(laterList, 0, 30), kEditFrame);
}

TEST_F(VisualStyleTest, SwitchingOffGivesTheSystemsDrawingBack) {
  const COLORREF systemEdit = WindowPixel(edit, 0, 12);
  const COLORREF systemButton = WindowPixel(button, 0, 15);
  ASSERT_TRUE(SetVisualStyle(3));
  ASSERT_EQ(WindowPixel(edit, 0, 12), kEditFrame);
  EXPECT_TRUE(SetVisualStyle(0));
  EXPECT_EQ(WindowPixel(edit, 0, 12), systemEdit);
  EXPECT_EQ(WindowPixel(button, 0, 15), systemButton);
  EXPECT_EQ(ThemedControlCount(), 0);
  EXPECT_FALSE(SetVisualStyle(0)) << "nothing was on";
  EXPECT_FALSE(SetVisualStyle(7));
}

TEST_F(VisualStyleTest, SwitchingOnTwiceThemesEachControlOnce) {
  ASSERT_TRUE(SetVisualStyle(3));
  const int count = ThemedControlCount();
  ASSERT_TRUE(SetVisualStyle(3));
  EXPECT_EQ(ThemedControlCount(), count);
  EXPECT_EQ(WindowPixel(edit, 0, 12), kEditFrame);
}

TEST_F(VisualStyleTest, DisabledControlsUseTheDarkenedFaceColour) {
  ASSERT_TRUE(SetVisualStyle(3));
  EnableWindow(edit, FALSE);
  EnableWindow(button, FALSE);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF disabled = RGB(GetRValue(face) > 0x20 ? GetRValue(face) - 0x20 : 0,
                                GetGValue(face) > 0x20 ? GetGValue(face) - 0x20 : 0,
                                GetBValue(face) > 0x20 ? GetBValue(face) - 0x20 : 0);
  EXPECT_EQ(WindowPixel(edit, 0, 12), disabled);
  EXPECT_EQ(WindowPixel(button, 0, 15), disabled);
}

TEST_F(VisualStyleTest, StateStaysVisible) {
  ASSERT_TRUE(SetVisualStyle(3));
  // The check mark appears when checked and goes when unchecked.
  auto markPixels = [&] {
    int n = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 2; x < 11; ++x) n += WindowPixel(check, x, y) == kButtonBorder;
    return n;
  };
  const int unchecked = markPixels();
  SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_GT(markPixels(), unchecked + 5);
  SendMessageA(check, BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_EQ(markPixels(), unchecked);
  // The pressed look of the button differs from its resting look.
  const COLORREF resting = WindowPixel(button, 50, 20);
  SendMessageA(button, BM_SETSTATE, TRUE, 0);
  EXPECT_NE(WindowPixel(button, 50, 20), resting);
  SendMessageA(button, BM_SETSTATE, FALSE, 0);
  EXPECT_EQ(WindowPixel(button, 50, 20), resting);
  // A click still toggles the check box.
  SendMessageA(check, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
}

LRESULT CALLBACK ForeignProc(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  return DefSubclassProc(w, m, wp, lp);
}
WNDPROC g_oldProc = nullptr;
LRESULT CALLBACK RawProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return CallWindowProcA(g_oldProc, w, m, wp, lp);
}

TEST_F(VisualStyleTest, OthersSubclassingAfterUsIsSafe) {
  ASSERT_TRUE(SetVisualStyle(3));
  SetWindowSubclass(edit, ForeignProc, 99, 0);
  g_oldProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(sunken, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RawProc)));
  EXPECT_TRUE(SetVisualStyle(0));
  // Both controls still work: the chains are intact.
  SetWindowTextA(edit, "still here");
  char text[32] = {};
  GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text, "still here");
  SetWindowTextA(sunken, "raw");
  GetWindowTextA(sunken, text, sizeof text);
  EXPECT_STREQ(text, "raw");
  RemoveWindowSubclass(edit, ForeignProc, 99);
  DestroyWindow(sunken);
}

TEST_F(VisualStyleTest, AThousandThemedControlsLeaveNothingBehind) {
  ASSERT_TRUE(SetVisualStyle(3));
  const int before = ThemedControlCount();
  // Hidden, so the test measures the facility and not the desktop's redrawing; each one is
  // painted once into a memory DC, which makes and frees the paint's GDI objects.
  HDC screen = GetDC(top);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 64, 32);
  HGDIOBJ old = SelectObject(memory, bitmap);
  std::vector<HWND> made;
  for (int i = 0; i < 1000; ++i) {
    const char* cls = i % 3 == 0 ? "EDIT" : "BUTTON";
    const DWORD style = i % 3 == 1 ? BS_AUTOCHECKBOX : i % 3 == 2 ? BS_PUSHBUTTON : WS_BORDER;
    HWND w = CreateWindowExA(0, cls, "x", WS_CHILD | style, 10, 150, 40, 20, top, nullptr, nullptr,
                             nullptr);
    SendMessageA(w, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    made.push_back(w);
  }
  EXPECT_EQ(ThemedControlCount(), before + 1000);
  EXPECT_EQ(LiveThemeGdiObjects(), 0);
  for (HWND w : made) DestroyWindow(w);
  EXPECT_EQ(ThemedControlCount(), before);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(top, screen);
}

}  // namespace
}  // namespace tw::platform
