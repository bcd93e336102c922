// MainWindow as built from its table: frame, places, fonts, colours, items, states.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/layout.h"
#include "app/self_drawn.h"
#include "testing/main_window_fixture.h"

namespace tw::app {
namespace {

using tw::testing::ClientPixel;
using tw::testing::MainWindowTest;

using tw::testing::ClassName;
using TextOfWindow = std::string (*)(HWND);
const TextOfWindow TextOf = tw::testing::WindowText;

TEST_F(MainWindowTest, FrameIsCentredTitledAndSized) {
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  RECT outer;
  GetWindowRect(main, &outer);
  EXPECT_EQ(outer.left, 200);
  EXPECT_EQ(outer.top, 188);
  EXPECT_EQ(outer.right - outer.left, 624);
  EXPECT_EQ(outer.bottom - outer.top, 392);
  EXPECT_EQ(TextOf(main), std::string(kTitle));
  const LONG_PTR style = GetWindowLongPtrA(main, GWL_STYLE);
  for (LONG_PTR bit : {WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_CLIPCHILDREN}) {
    EXPECT_EQ(style & bit, bit) << std::hex << bit;
  }
  EXPECT_EQ(style & WS_THICKFRAME, 0);
  EXPECT_EQ(GetWindowLongPtrA(main, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
  EXPECT_EQ(GetMenu(main), nullptr) << "no menu bar";
  EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_NE(SendMessageA(main, WM_GETICON, ICON_BIG, 0) | GetClassLongPtrA(main, GCLP_HICON), 0);
  EXPECT_NE(GetClassLongPtrA(main, GCLP_HICONSM), 0);
}

TEST_F(MainWindowTest, EveryControlHasItsParentPlaceSizeAndText) {
  for (int i = 0; i < kControlCount; ++i) {
    const ControlDef& def = kControls[i];
    SCOPED_TRACE(std::string(def.name));
    HWND c = control(i);
    if (def.kind == Kind::kBalloon) {
      EXPECT_EQ(c, nullptr);
      continue;
    }
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(GetParent(c), def.parent == kNoParent ? main : control(def.parent));
    if (def.kind == Kind::kTimer) {
      EXPECT_FALSE(IsWindowVisible(c));
      continue;
    }
    EXPECT_TRUE(IsWindowVisible(c));
    RECT r;
    GetWindowRect(c, &r);
    POINT topLeft{r.left, r.top};
    ScreenToClient(main, &topLeft);
    const Point place = ClientPlace(i);
    EXPECT_EQ(topLeft.x, place.x);
    EXPECT_EQ(topLeft.y, place.y);
    EXPECT_EQ(r.right - r.left, def.width);
    EXPECT_EQ(r.bottom - r.top, def.height);
    if (def.kind != Kind::kListBox) {
      EXPECT_EQ(TextOf(c), std::string(def.text));
    }
    EXPECT_TRUE(GetWindowLongPtrA(c, GWL_STYLE) & WS_CLIPSIBLINGS);
    EXPECT_TRUE(IsWindowEnabled(c));
  }
}

TEST_F(MainWindowTest, ControlsAreTheRightKindsWithTheirStyles) {
  struct Case {
    int index;
    const char* cls;
    LONG_PTR style;
    LONG_PTR exStyle;
  };
  for (const Case& c : {
           Case{kButton1, "Button",
                BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER | WS_TABSTOP, 0},
           Case{kCheckBox1, "Button",
                BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER | WS_TABSTOP, 0},
           Case{kCheckBox2, "Button",
                BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER | WS_TABSTOP, 0},
           Case{kGroupBox1, "Button", BS_GROUPBOX | BS_CENTER | WS_CLIPCHILDREN, 0},
           Case{kGroupBox2, "Button", BS_GROUPBOX | BS_CENTER | WS_CLIPCHILDREN, 0},
           Case{kListBox1, "ListBox",
                LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE},
           Case{kListBox2, "ListBox",
                LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE},
           // The edit control draws WS_BORDER itself and drops the bit from its style.
           Case{kEdit1, "Edit", ES_READONLY | ES_CENTER | ES_AUTOHSCROLL | WS_TABSTOP, 0},
           Case{kLabel1, kLabelClass, 0, 0},
           Case{kPicture1, kPictureClass, 0, 0},
       }) {
    SCOPED_TRACE(std::string(kControls[c.index].name));
    HWND w = control(c.index);
    EXPECT_EQ(_stricmp(ClassName(w).c_str(), c.cls), 0) << ClassName(w);
    EXPECT_EQ(GetWindowLongPtrA(w, GWL_STYLE) & c.style, c.style);
    EXPECT_EQ(GetWindowLongPtrA(w, GWL_EXSTYLE) & c.exStyle, c.exStyle);
  }
  EXPECT_EQ(GetWindowLongPtrA(control(kButton1), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON)
      << "not a default push button";
  EXPECT_EQ(GetWindowLongPtrA(control(kEdit1), GWL_STYLE) & ES_NOHIDESEL, 0);
  EXPECT_EQ(GetWindowLongPtrA(control(kEdit1), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  // Its one-pixel border (the system's window-frame colour), the same on all four sides,
  // around the white field.
  RECT r;
  GetClientRect(control(kEdit1), &r);
  HWND edit = control(kEdit1);
  const COLORREF border = tw::testing::ScreenPixel(edit, 0, r.bottom / 2);
  EXPECT_NE(border, RGB(255, 255, 255));
  EXPECT_EQ(tw::testing::ScreenPixel(edit, r.right - 1, r.bottom / 2), border);
  EXPECT_EQ(tw::testing::ScreenPixel(edit, r.right / 2, 0), border);
  EXPECT_EQ(tw::testing::ScreenPixel(edit, r.right / 2, r.bottom - 1), border);
  EXPECT_EQ(tw::testing::ScreenPixel(edit, 1, r.bottom / 2), RGB(255, 255, 255));
}

TEST_F(MainWindowTest, StackingFollowsTheTableWithinEachParent) {
  for (int i = 0; i < kControlCount; ++i) {
    const ControlDef& def = kControls[i];
    if (!control(i) || def.kind == Kind::kTimer) continue;
    // The next control of the same parent in the table lies just below this one.
    for (int j = i + 1; j < kControlCount; ++j) {
      if (kControls[j].parent != def.parent || kControls[j].kind == Kind::kTimer || !control(j)) {
        continue;
      }
      HWND below = GetWindow(control(i), GW_HWNDNEXT);
      while (below && !IsWindowVisible(below)) below = GetWindow(below, GW_HWNDNEXT);
      EXPECT_EQ(below, control(j)) << def.name << " should lie right above " << kControls[j].name;
      break;
    }
  }
}

TEST_F(MainWindowTest, FontsHaveTheirHeightsWeightsAndQuality) {
  for (int i = 0; i < kControlCount; ++i) {
    const ControlDef& def = kControls[i];
    HWND c = control(i);
    if (!c || def.kind == Kind::kTimer || def.kind == Kind::kPicture) continue;
    SCOPED_TRACE(std::string(def.name));
    auto font = reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0));
    if (def.font.face == Face::kGuiDefault) {
      EXPECT_EQ(font, GetStockObject(DEFAULT_GUI_FONT));
      continue;
    }
    LOGFONTA lf{};
    ASSERT_EQ(GetObjectA(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, -def.font.height);
    EXPECT_EQ(lf.lfWeight, def.font.weight);
    EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(lf.lfQuality, PROOF_QUALITY);
    EXPECT_EQ(lf.lfWidth, 0);
    EXPECT_FALSE(lf.lfItalic || lf.lfUnderline || lf.lfStrikeOut);
  }
}

TEST_F(MainWindowTest, ListsHoldTheirItemsWithNothingSelected) {
  struct Case {
    int index, count;
  };
  for (const Case& c : {Case{kListBox1, 26}, Case{kListBox2, 63}}) {
    HWND list = control(c.index);
    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), c.count);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 0);
    char text[16];
    for (int item = 0; item < c.count; ++item) {
      SendMessageA(list, LB_GETTEXT, item, reinterpret_cast<LPARAM>(text));
      const std::string expected =
          item < c.count - (c.index == kListBox1 ? 1 : 2) ? std::to_string(item) : std::string();
      EXPECT_EQ(text, expected) << kControls[c.index].name << " item " << item;
    }
  }
  // One pixel taller than the font's own item height.
  HWND probe = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_NOINTEGRALHEIGHT, 0, 0, 96, 24,
                               main, nullptr, nullptr, nullptr);
  SendMessageA(probe, WM_SETFONT, SendMessageA(control(kListBox1), WM_GETFONT, 0, 0), FALSE);
  EXPECT_EQ(SendMessageA(control(kListBox1), LB_GETITEMHEIGHT, 0, 0),
            SendMessageA(probe, LB_GETITEMHEIGHT, 0, 0) + 1);
  DestroyWindow(probe);
}

TEST_F(MainWindowTest, InitialStates) {
  EXPECT_EQ(SendMessageA(control(kCheckBox1), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(control(kCheckBox2), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(window->countdown().Period(), 0);
  EXPECT_EQ(window->clockTimer().Period(), 1000);
  EXPECT_EQ(TextOf(control(kEdit1)), "");
  EXPECT_EQ(SendMessageA(control(kEdit1), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
  EXPECT_EQ(GetFocus(), control(kEdit1));
  ASSERT_TRUE(window->picture().has_value()) << "the picture is decoded once, at creation";
  EXPECT_EQ(window->picture()->place.x, 5);
  EXPECT_EQ(window->picture()->place.y, 0);
  EXPECT_EQ(window->picture()->place.width, 110);
  EXPECT_EQ(window->picture()->place.height, 64);
  BITMAP bitmap{};
  ASSERT_TRUE(GetObjectA(window->picture()->bitmap.get(), sizeof bitmap, &bitmap));
  EXPECT_EQ(bitmap.bmWidth, 110) << "kept at its drawn size, not the full picture's";
  EXPECT_EQ(bitmap.bmHeight, 64);
}

TEST_F(MainWindowTest, ColourRequestsGiveEachControlItsColours) {
  struct Case {
    int index;
    UINT message;
    COLORREF text, back;
  };
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  HDC dc = GetDC(main);
  for (const Case& c : {Case{kEdit1, WM_CTLCOLORSTATIC, RGB(0, 255, 0), RGB(255, 255, 255)},
                        Case{kListBox1, WM_CTLCOLORLISTBOX, RGB(0, 0, 0), RGB(255, 255, 255)},
                        Case{kListBox2, WM_CTLCOLORLISTBOX, RGB(0, 0, 0), RGB(255, 255, 255)},
                        Case{kCheckBox1, WM_CTLCOLORSTATIC, RGB(0, 0, 0), face},
                        Case{kGroupBox1, WM_CTLCOLORSTATIC, RGB(0, 255, 255), face},
                        Case{kGroupBox2, WM_CTLCOLORSTATIC, RGB(255, 0, 0), face}}) {
    SCOPED_TRACE(std::string(kControls[c.index].name));
    // Sent the way the control sends it: to its own parent (a group box forwards it).
    HWND parent = GetParent(control(c.index));
    const auto brush =
        reinterpret_cast<HBRUSH>(SendMessageA(parent, c.message, reinterpret_cast<WPARAM>(dc),
                                              reinterpret_cast<LPARAM>(control(c.index))));
    EXPECT_EQ(GetTextColor(dc), c.text);
    EXPECT_EQ(GetBkColor(dc), c.back);
    LOGBRUSH lb{};
    ASSERT_TRUE(GetObjectA(brush, sizeof lb, &lb));
    EXPECT_EQ(lb.lbColor, c.back);
  }
  ReleaseDC(main, dc);
}

TEST_F(MainWindowTest, PictureIsFittedBetweenFaceColouredStrips) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  HWND box = control(kPicture1);
  for (int y : {1, 32, 62}) {
    EXPECT_EQ(ClientPixel(box, 2, y), face) << "left strip, y " << y;
    EXPECT_EQ(ClientPixel(box, 117, y), face) << "right strip, y " << y;
  }
  // Inside the picture: the dark night sky at the top, the snow at the bottom.
  const COLORREF sky = ClientPixel(box, 8, 2);
  EXPECT_LT(GetRValue(sky), 80);
  const COLORREF snow = ClientPixel(box, 60, 62);
  EXPECT_GT(GetRValue(snow), 180);
  EXPECT_NE(ClientPixel(box, 5, 30), face);
  EXPECT_NE(ClientPixel(box, 114, 30), face);
}

TEST_F(MainWindowTest, LabelsFillTheirRectangleAndDrawTheirText) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  HWND label = control(kLabel7);
  int red = 0;
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 48; ++x) {
      const COLORREF p = ClientPixel(label, x, y);
      if (p == RGB(255, 0, 0)) {
        ++red;
      } else if (p != face && (GetRValue(p) < GetGValue(p) || GetRValue(p) < GetBValue(p))) {
        ADD_FAILURE() << "pixel " << x << "," << y << " neither face, red nor between them";
      }
      if (HasFailure()) return;
    }
  }
  EXPECT_GT(red, 40) << "the red 或";
}

TEST_F(MainWindowTest, WindowAnswersEndOfSessionWithTrue) {
  EXPECT_EQ(SendMessageA(main, WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_TRUE(IsWindow(main));
}

}  // namespace
}  // namespace tw::app
