#include "platform/visual_style.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/handles.h"
#include "platform/subclass.h"
#include "platform/visual_scheme.h"

namespace tw::platform {

namespace {

constexpr UINT_PTR kThemeSubclassId = 0x7457;  // "tW"

struct State {
  int scheme = 0;
  UniqueHook hook;
  std::vector<HWND> themed;
};
State g_state;
int g_liveGdi = 0;

// GDI objects made while painting, counted so tests can prove none outlives its paint.
struct CountedGdiTraits {
  static void Close(HGDIOBJ object) {
    DeleteObject(object);
    --g_liveGdi;
  }
};
using CountedPen = Unique<HPEN, CountedGdiTraits>;
using CountedBrush = Unique<HBRUSH, CountedGdiTraits>;

CountedPen MakePen(COLORREF colour, int width = 1) {
  HPEN pen = CreatePen(PS_SOLID, width, colour);
  if (pen) ++g_liveGdi;
  return CountedPen(pen);
}
CountedBrush MakeBrush(COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  if (brush) ++g_liveGdi;
  return CountedBrush(brush);
}

COLORREF Mix(COLORREF a, COLORREF b, int numerator, int denominator) {
  auto channel = [&](int shift) {
    const int x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
    return static_cast<COLORREF>(x + (y - x) * numerator / denominator) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

ThemedKind KindOf(HWND window) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  return ThemedKindFor(name, static_cast<uint32_t>(GetWindowLongPtrA(window, GWL_STYLE)));
}

COLORREF FrameColour(HWND window, COLORREF enabled) {
  return IsWindowEnabled(window) ? enabled : DisabledFrameColour(GetSysColor(COLOR_BTNFACE));
}

// The brush and text colour the parent gives a button-class control.
HBRUSH ParentColours(HWND window, HDC dc) {
  HWND parent = GetParent(window);
  auto brush = reinterpret_cast<HBRUSH>(SendMessageA(parent ? parent : window, WM_CTLCOLORSTATIC,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(window)));
  return brush ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

std::string_view TextOf(HWND window, char (&buffer)[256]) {
  const int n = GetWindowTextA(window, buffer, sizeof buffer);
  return {buffer, static_cast<size_t>(n > 0 ? n : 0)};
}

HGDIOBJ FontOf(HWND window) {
  auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0));
  return font ? font : GetStockObject(DEFAULT_GUI_FONT);
}

void PaintPushButton(HWND window, HDC dc, const SchemeColours& colours) {
  RECT r;
  GetClientRect(window, &r);
  FillRect(dc, &r, ParentColours(window, dc));
  const LRESULT state = SendMessageA(window, BM_GETSTATE, 0, 0);
  const bool pressed = (state & BST_PUSHED) != 0;
  const bool enabled = IsWindowEnabled(window);
  // A soft vertical gradient: light at the top, a touch darker below; darker when pressed.
  const COLORREF top = pressed ? RGB(205, 218, 232) : RGB(253, 254, 255);
  const COLORREF bottom = pressed ? RGB(180, 198, 220) : RGB(222, 230, 240);
  {
    RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    const int height = std::max<int>(1, inner.bottom - inner.top);
    SelectIn select(dc, GetStockObject(DC_PEN));  // recoloured per line: no object per line
    const COLORREF oldColour = GetDCPenColor(dc);
    for (int y = inner.top; y < inner.bottom; ++y) {
      SetDCPenColor(dc, Mix(top, bottom, y - inner.top, height));
      MoveToEx(dc, inner.left, y, nullptr);
      LineTo(dc, inner.right, y);
    }
    SetDCPenColor(dc, oldColour);
  }
  {
    CountedPen border = MakePen(FrameColour(window, colours.buttonBorder));
    SelectIn selectPen(dc, border.get());
    SelectIn selectBrush(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, r.left, r.top, r.right, r.bottom, 6, 6);
  }
  char buffer[256];
  const std::string_view text = TextOf(window, buffer);
  RECT textRect{r.left + 4, r.top + 2, r.right - 4, r.bottom - 2};
  if (pressed) OffsetRect(&textRect, 1, 1);
  SelectIn selectFont(dc, FontOf(window));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, enabled ? GetSysColor(COLOR_BTNTEXT) : GetSysColor(COLOR_GRAYTEXT));
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &textRect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (GetFocus() == window) {
    RECT focus{r.left + 3, r.top + 3, r.right - 3, r.bottom - 3};
    SetTextColor(dc, RGB(0, 0, 0));
    DrawFocusRect(dc, &focus);
  }
}

void PaintCheckOrRadio(HWND window, HDC dc, const SchemeColours& colours, bool radio) {
  RECT r;
  GetClientRect(window, &r);
  HBRUSH background = ParentColours(window, dc);  // also sets the parent's text colour
  const COLORREF textColour = GetTextColor(dc);
  FillRect(dc, &r, background);
  const LRESULT state = SendMessageA(window, BM_GETSTATE, 0, 0);
  const LRESULT check = SendMessageA(window, BM_GETCHECK, 0, 0);
  const bool enabled = IsWindowEnabled(window);
  constexpr int kBox = 13;
  const int top = r.top + (r.bottom - r.top - kBox) / 2;
  RECT box{r.left, top, r.left + kBox, top + kBox};
  const COLORREF frame = FrameColour(window, colours.buttonBorder);
  {
    CountedBrush fill = MakeBrush((state & BST_PUSHED) ? RGB(214, 228, 244) : RGB(255, 255, 255));
    CountedPen pen = MakePen(frame);
    SelectIn selectPen(dc, pen.get());
    SelectIn selectBrush(dc, fill.get());
    if (radio) {
      Ellipse(dc, box.left, box.top, box.right, box.bottom);
    } else {
      Rectangle(dc, box.left, box.top, box.right, box.bottom);
    }
  }
  if (check == BST_CHECKED || check == BST_INDETERMINATE) {
    const COLORREF mark = check == BST_INDETERMINATE ? RGB(150, 150, 150) : frame;
    if (radio) {
      CountedBrush dot = MakeBrush(mark);
      CountedPen pen = MakePen(mark);
      SelectIn selectPen(dc, pen.get());
      SelectIn selectBrush(dc, dot.get());
      Ellipse(dc, box.left + 4, box.top + 4, box.right - 4, box.bottom - 4);
    } else {
      CountedPen pen = MakePen(mark, 2);
      SelectIn selectPen(dc, pen.get());
      const POINT tick[] = {
          {box.left + 3, box.top + 6}, {box.left + 5, box.top + 9}, {box.left + 10, box.top + 3}};
      Polyline(dc, tick, 3);
    }
  }
  char buffer[256];
  const std::string_view text = TextOf(window, buffer);
  RECT textRect{box.right + 4, r.top, r.right, r.bottom};
  SelectIn selectFont(dc, FontOf(window));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, enabled ? textColour : GetSysColor(COLOR_GRAYTEXT));
  RECT measured = textRect;
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &measured,
            DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &textRect,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  if (GetFocus() == window && !text.empty()) {
    const int height = measured.bottom - measured.top;
    RECT focus{textRect.left - 1, r.top + (r.bottom - r.top - height) / 2 - 1,
               std::min<LONG>(measured.right + 1, r.right),
               r.top + (r.bottom - r.top + height) / 2 + 1};
    SetTextColor(dc, RGB(0, 0, 0));
    DrawFocusRect(dc, &focus);
  }
}

void PaintGroupBox(HWND window, HDC dc, const SchemeColours& colours) {
  RECT r;
  GetClientRect(window, &r);
  HBRUSH background = ParentColours(window, dc);
  const COLORREF textColour = GetTextColor(dc);
  SelectIn selectFont(dc, FontOf(window));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  char buffer[256];
  const std::string_view text = TextOf(window, buffer);
  const int frameTop = r.top + metrics.tmHeight / 2;
  {
    CountedPen pen = MakePen(FrameColour(window, colours.groupFrame));
    SelectIn selectPen(dc, pen.get());
    SelectIn selectBrush(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, r.left, frameTop, r.right, r.bottom, 8, 8);
  }
  if (text.empty()) return;
  RECT title{0, 0, 0, 0};
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &title,
            DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
  const int width = title.right - title.left;
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  int left = r.left + 9;
  if ((style & BS_CENTER) == BS_CENTER) {
    left = r.left + (r.right - r.left - width) / 2;
  } else if (style & BS_RIGHT) {
    left = r.right - 9 - width;
  }
  RECT place{left - 2, r.top, left + width + 2, r.top + metrics.tmHeight};
  FillRect(dc, &place, background);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, IsWindowEnabled(window) ? textColour : GetSysColor(COLOR_GRAYTEXT));
  RECT textRect{left, r.top, left + width, r.top + metrics.tmHeight};
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &textRect, DT_SINGLELINE | DT_NOPREFIX);
}

// The one-pixel frame on the outermost ring of the window; a client edge inside it is
// blended into the field so the frame reads as one clean line.
void PaintFrame(HWND window, const SchemeColours& colours) {
  WholeWindowDc dc(window);
  if (!dc.get()) return;
  RECT r;
  GetWindowRect(window, &r);
  OffsetRect(&r, -r.left, -r.top);
  CountedPen pen = MakePen(FrameColour(window, colours.editFrame));
  SelectIn selectPen(dc.get(), pen.get());
  SelectIn selectBrush(dc.get(), GetStockObject(NULL_BRUSH));
  Rectangle(dc.get(), r.left, r.top, r.right, r.bottom);
  if (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) {
    CountedPen inner = MakePen(GetSysColor(COLOR_WINDOW));
    SelectIn selectInner(dc.get(), inner.get());
    Rectangle(dc.get(), r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
  }
}

void Paint(HWND window, HDC dc, ThemedKind kind) {
  const SchemeColours colours = ColoursFor(g_state.scheme);
  switch (kind) {
    case ThemedKind::kPushButton:
      PaintPushButton(window, dc, colours);
      break;
    case ThemedKind::kCheckBox:
      PaintCheckOrRadio(window, dc, colours, false);
      break;
    case ThemedKind::kRadioButton:
      PaintCheckOrRadio(window, dc, colours, true);
      break;
    case ThemedKind::kGroupBox:
      PaintGroupBox(window, dc, colours);
      break;
    default:
      break;
  }
}

bool DrawsWholeClient(ThemedKind kind) {
  return kind == ThemedKind::kPushButton || kind == ThemedKind::kCheckBox ||
         kind == ThemedKind::kRadioButton || kind == ThemedKind::kGroupBox;
}

void Forget(HWND window) {
  auto& list = g_state.themed;
  list.erase(std::remove(list.begin(), list.end(), window), list.end());
}

LRESULT CALLBACK ThemeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                           DWORD_PTR data) {
  const auto kind = static_cast<ThemedKind>(data);
  switch (message) {
    case WM_PAINT:
      if (DrawsWholeClient(kind)) {
        PaintScope paint(window);
        Paint(window, paint.dc(), kind);
        return 0;
      } else {
        const LRESULT result = CallNextSubclass(window, message, wParam, lParam);
        PaintFrame(window, ColoursFor(g_state.scheme));
        return result;
      }
    case WM_PRINTCLIENT:
      if (DrawsWholeClient(kind)) {
        Paint(window, reinterpret_cast<HDC>(wParam), kind);
        return 0;
      }
      break;
    case WM_NCPAINT: {
      const LRESULT result = CallNextSubclass(window, message, wParam, lParam);
      if (!DrawsWholeClient(kind)) PaintFrame(window, ColoursFor(g_state.scheme));
      return result;
    }
    case WM_ERASEBKGND:
      if (kind == ThemedKind::kPushButton || kind == ThemedKind::kCheckBox ||
          kind == ThemedKind::kRadioButton) {
        return 1;  // the paint fills everything
      }
      break;
    // The system repaints a button straight away on these; ours follows at once.
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
      if (DrawsWholeClient(kind)) {
        const LRESULT result = CallNextSubclass(window, message, wParam, lParam);
        if (IsWindow(window))
          RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return result;
      }
      break;
    case WM_NCDESTROY:
      // A destroyed control stops being themed; nothing of it stays behind.
      RemoveSubclass(window, ThemeProc, id);
      Forget(window);
      break;
  }
  return CallNextSubclass(window, message, wParam, lParam);
}

void Theme(HWND window) {
  const ThemedKind kind = KindOf(window);
  if (kind == ThemedKind::kNone) return;
  if (std::find(g_state.themed.begin(), g_state.themed.end(), window) != g_state.themed.end()) {
    return;
  }
  if (!AddSubclass(window, ThemeProc, kThemeSubclassId, static_cast<DWORD_PTR>(kind))) {
    return;
  }
  g_state.themed.push_back(window);
}

void Redraw(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL CALLBACK ThemeChild(HWND window, LPARAM) {
  Theme(window);
  return TRUE;
}

BOOL CALLBACK ThemeTopLevel(HWND window, LPARAM) {
  Theme(window);
  EnumChildWindows(window, ThemeChild, 0);  // every descendant, not only direct children
  return TRUE;
}

LRESULT CALLBACK OnCallWndProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (call->message == WM_CREATE) Theme(call->hwnd);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool SwitchOff() {
  if (!g_state.hook) return false;
  const BOOL unhooked = UnhookWindowsHookEx(g_state.hook.release());
  const std::vector<HWND> themed = std::move(g_state.themed);
  g_state.themed.clear();
  for (HWND window : themed) {
    RemoveSubclass(window, ThemeProc, kThemeSubclassId);
    Redraw(window);
  }
  g_state.scheme = 0;
  return unhooked != FALSE;
}

}  // namespace

bool SetVisualStyle(int scheme) {
  if (scheme < 1 || scheme > 3) return SwitchOff();
  SwitchOff();
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, OnCallWndProc, nullptr, GetCurrentThreadId());
  if (!hook) return false;  // the system's drawing stays
  g_state.hook.reset(hook);
  g_state.scheme = scheme;
  EnumThreadWindows(GetCurrentThreadId(), ThemeTopLevel, 0);
  for (HWND window : std::vector<HWND>(g_state.themed)) Redraw(window);
  return true;
}

int ThemedControlCount() { return static_cast<int>(g_state.themed.size()); }
int LiveThemeGdiObjects() { return g_liveGdi; }

}  // namespace tw::platform
