#include "app/main_window.h"

#include "app/frame.h"
#include "app/resource_ids.h"
#include "app/resources.h"
#include "app/self_drawn.h"
#include "clock/clock.h"
#include "platform/subclass.h"
#include "scheduler/schedule_win.h"

namespace tw::app {

using platform::AddSubclass;
using platform::CallNextSubclass;
using platform::RemoveSubclass;

namespace {

constexpr DWORD kMainStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
constexpr UINT_PTR kGroupForwardId = 1;

const char* FaceName(Face face) {
  switch (face) {
    case Face::kDisplay:
      return "华文琥珀";  // a decorative display face; mapped to another when missing
    case Face::kBrush:
      return "华文行楷";  // running-script brush face
    default:
      return "";
  }
}

struct Creation {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

// The Windows class and styles of each kind of control.
Creation CreationFor(Kind kind) {
  constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
  switch (kind) {
    case Kind::kPicture:
      return {kPictureClass, kChild, 0};
    case Kind::kLabel:
      return {kLabelClass, kChild, 0};
    case Kind::kButton:
      return {"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER,
              0};
    case Kind::kCheckBox:
      return {"BUTTON", kChild | WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER,
              0};
    case Kind::kListBox:
      return {
          "LISTBOX",
          kChild | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT,
          WS_EX_CLIENTEDGE};
    case Kind::kGroupBox:
      return {"BUTTON", kChild | WS_CLIPCHILDREN | BS_GROUPBOX | BS_CENTER, 0};
    case Kind::kEdit:
      return {"EDIT", kChild | WS_TABSTOP | WS_BORDER | ES_READONLY | ES_CENTER | ES_AUTOHSCROLL,
              0};
    default:
      return {nullptr, 0, 0};
  }
}

COLORREF ColourOf(uint32_t colour) {
  return colour == kFace ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour);
}
HBRUSH BrushOf(uint32_t colour) {
  if (colour == kWhite) return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  return GetSysColorBrush(COLOR_BTNFACE);
}

// A group box is a system BUTTON, which passes nothing on: its children's notifications
// and colour requests are forwarded to MainWindow, and it fills its own rectangle.
LRESULT CALLBACK GroupForward(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                              DWORD_PTR mainWindow) {
  const auto main = reinterpret_cast<HWND>(mainWindow);
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
      return SendMessageA(main, message, wParam, lParam);
    case WM_ERASEBKGND: {
      RECT rect;
      GetClientRect(box, &rect);
      auto brush = reinterpret_cast<HBRUSH>(
          SendMessageA(main, WM_CTLCOLORSTATIC, wParam, reinterpret_cast<LPARAM>(box)));
      FillRect(reinterpret_cast<HDC>(wParam), &rect,
               brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_NCDESTROY:
      RemoveSubclass(box, GroupForward, id);
      break;
  }
  return CallNextSubclass(box, message, wParam, lParam);
}

void ClockTick(void* self) { static_cast<MainWindow*>(self)->Raise(Handler::kClock); }
void CountdownTick(void* self) { static_cast<MainWindow*>(self)->Raise(Handler::kCountdown); }

ATOM RegisterMainClass(WNDPROC proc) {
  static const ATOM atom = [proc] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kMainWindowClass;
    wc.hIcon = static_cast<HICON>(
        LoadImageA(wc.hInstance, MAKEINTRESOURCEA(TW_IDI_APP), IMAGE_ICON, 32, 32, LR_SHARED));
    wc.hIconSm = static_cast<HICON>(
        LoadImageA(wc.hInstance, MAKEINTRESOURCEA(TW_IDI_APP), IMAGE_ICON, 16, 16, LR_SHARED));
    return RegisterClassExA(&wc);
  }();
  return atom;
}

}  // namespace

std::unique_ptr<MainWindow> MainWindow::Create() {
  if (!RegisterSelfDrawnClasses() || !RegisterMainClass(Proc)) return nullptr;
  std::unique_ptr<MainWindow> self(new MainWindow());
  const Point at = StartPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  HWND hwnd =
      CreateWindowExA(0, kMainWindowClass, kTitle.data(), kMainStyle, at.x, at.y, kWindowWidth,
                      kWindowHeight, nullptr, nullptr, GetModuleHandleA(nullptr), self.get());
  if (!hwnd) return nullptr;
  RECT outer;
  GetWindowRect(hwnd, &outer);
  if (outer.left != at.x || outer.top != at.y || outer.right - outer.left != kWindowWidth ||
      outer.bottom - outer.top != kWindowHeight) {
    SetWindowPos(hwnd, nullptr, at.x, at.y, kWindowWidth, kWindowHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (!self->CreateControls()) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  return self;
}

MainWindow::~MainWindow() {
  // Normally the window is gone by now; if not, it is destroyed while this object is still
  // whole, so WM_DESTROY removes the icon as on every other path.
  if (hwnd_) DestroyWindow(hwnd_);
}

HFONT MainWindow::FontFor(const FontDef& font) {
  if (font.face == Face::kGuiDefault) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (size_t i = 0; i < fonts_.size(); ++i) {
    if (!fonts_[i]) {
      fontDefs_[i] = font;
      fonts_[i].reset(CreateFontA(-font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  PROOF_QUALITY, DEFAULT_PITCH, FaceName(font.face)));
      return fonts_[i].get();
    }
    const FontDef& d = fontDefs_[i];
    if (d.height == font.height && d.weight == font.weight && d.face == font.face) {
      return fonts_[i].get();
    }
  }
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

bool MainWindow::CreateControls() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  // Parents come later in the table than their children: create from the end.
  for (int i = kControlCount - 1; i >= 0; --i) {
    const ControlDef& def = kControls[i];
    HWND parent = def.parent == kNoParent ? hwnd_ : controls_[def.parent];
    if (def.kind == Kind::kTimer) {
      TimerControl& timer = def.handler == Handler::kClock ? clockTimer_ : countdown_;
      if (!timer.Create(hwnd_, def.periodMs,
                        def.handler == Handler::kClock ? ClockTick : CountdownTick, this)) {
        return false;
      }
      controls_[i] = timer.window();
      continue;
    }
    const Creation how = CreationFor(def.kind);
    if (!how.className) continue;  // the balloon tip box: never shown, nothing to create
    HWND control = CreateWindowExA(
        how.exStyle, how.className, def.text.data(), how.style, def.x, def.y, def.width, def.height,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(i))), instance, nullptr);
    if (!control) return false;
    controls_[i] = control;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(def.font)), FALSE);
    switch (def.kind) {
      case Kind::kListBox: {
        for (int item = 0; item < ItemCount(i); ++item) {
          char text[4];
          ItemText(i, item, text);
          SendMessageA(control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        }
        const LRESULT height = SendMessageA(control, LB_GETITEMHEIGHT, 0, 0);
        if (height > 0) SendMessageA(control, LB_SETITEMHEIGHT, 0, height + 1);
        break;
      }
      case Kind::kCheckBox:
        SendMessageA(control, BM_SETCHECK, def.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
      case Kind::kEdit:
        SendMessageA(control, EM_SETLIMITTEXT, 0, 0);
        break;
      case Kind::kGroupBox:
        AddSubclass(control, GroupForward, kGroupForwardId, reinterpret_cast<DWORD_PTR>(hwnd_));
        break;
      case Kind::kPicture:
        picture_ = FitPictureToBox(PictureJpeg(), def.width, def.height);
        SetPicture(control, picture_ ? &*picture_ : nullptr);
        break;
      default:
        break;
    }
  }
  // Stacking: within each parent, each control lies above every later one.
  std::array<HWND, kControlCount> above{};  // per parent index + 1: the last one placed
  HWND aboveTop = HWND_TOP;
  for (int i = 0; i < kControlCount; ++i) {
    const ControlDef& def = kControls[i];
    if (!controls_[i] || def.kind == Kind::kTimer) continue;
    HWND& previous = def.parent == kNoParent ? aboveTop : above[def.parent];
    SetWindowPos(controls_[i], previous ? previous : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = controls_[i];
  }
  for (int i = 0; i < kControlCount; ++i) {
    if (controls_[i] && kControls[i].kind != Kind::kTimer) ShowWindow(controls_[i], SW_SHOWNA);
  }
  return true;
}

void MainWindow::Raise(Handler handler) {
  if (!eventsEnabled_ || !hwnd_) return;
  switch (handler) {
    case Handler::kConfirm:
    case Handler::kPowerOffBoxClicked:
    case Handler::kSleepBoxClicked:
    case Handler::kCountdown:
      sched::RunScheduleHandler(*this, handler);
      break;
    case Handler::kClock:
      clk::OnClockTick(controls_[kEdit1]);
      break;
    case Handler::kNone:
      break;
  }
}

LRESULT CALLBACK MainWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created =
        static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    created->hwnd_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return OnCommand(wParam, lParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case tray::kTrayCallbackMessage:
      tray::OnTrayCallback(lParam);
      return 0;
    case kDeferredDestroyMessage:
      TheFrame().OnDeferredDestroy();
      return 0;
    case WM_CLOSE:
      DestroyWindow(hwnd_);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ACTIVATE:
      OnActivate(wParam);
      break;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_NCDESTROY:
      OnNcDestroy();
      return 0;
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT MainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (lParam == 0) {  // a menu item
    tray::OnMenuCommand(LOWORD(wParam));
    return 0;
  }
  const auto index = ControlIndexForId(LOWORD(wParam));
  if (index && HIWORD(wParam) == BN_CLICKED) Raise(kControls[*index].handler);
  return 0;
}

LRESULT MainWindow::OnControlColour(HDC dc, HWND control) {
  const auto index = ControlIndexForId(GetDlgCtrlID(control));
  if (!index || controls_[*index] != control) {
    return DefWindowProcA(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
  }
  const ControlDef& def = kControls[*index];
  SetTextColor(dc, ColourOf(def.textColour));
  SetBkColor(dc, ColourOf(def.backColour));
  return reinterpret_cast<LRESULT>(BrushOf(def.backColour));
}

void MainWindow::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) != WA_INACTIVE) return;
  HWND focus = GetFocus();
  if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
}

void MainWindow::OnSetFocus() {
  HWND target = lastFocus_ && IsChild(hwnd_, lastFocus_) ? lastFocus_ : controls_[kEdit1];
  if (target) SetFocus(target);
}

void MainWindow::OnDestroy() {
  tray_.Set(hwnd_, {}, {});  // the icon goes with the window
}

void MainWindow::OnNcDestroy() {
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  controls_.fill(nullptr);
  TheFrame().OnWindowDestroyed();
}

}  // namespace tw::app
