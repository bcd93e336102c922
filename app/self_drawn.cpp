#include "app/self_drawn.h"

#include "platform/handles.h"

namespace tw::app {

namespace {

constexpr int kFontSlot = 0;  // window extra bytes: the font set with WM_SETFONT

const ControlDef* DefinitionOf(HWND window) {
  const auto index = ControlIndexForId(GetDlgCtrlID(window));
  return index ? &kControls[*index] : nullptr;
}

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      platform::PaintScope paint(window);
      PaintLabel(window, paint.dc());
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintLabel(window, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint function fills everything
    case WM_SETFONT:
      SetWindowLongPtrA(window, kFontSlot, static_cast<LONG_PTR>(wParam));
      if (LOWORD(lParam)) InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrA(window, kFontSlot);
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
      InvalidateRect(window, nullptr, TRUE);
      return result;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      platform::PaintScope paint(window);
      PaintPicture(window, paint.dc());
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintPicture(window, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool Register(const char* name, WNDPROC proc) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  wc.lpszClassName = name;
  wc.cbWndExtra = sizeof(LONG_PTR);
  return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool RegisterSelfDrawnClasses() {
  static const bool registered =
      Register(kLabelClass, LabelProc) && Register(kPictureClass, PictureProc);
  return registered;
}

void PaintLabel(HWND label, HDC dc) {
  RECT rect;
  GetClientRect(label, &rect);
  FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  char text[64];
  const int length = GetWindowTextA(label, text, sizeof text);
  if (length <= 0) return;
  const ControlDef* def = DefinitionOf(label);
  auto font = reinterpret_cast<HFONT>(GetWindowLongPtrA(label, kFontSlot));
  platform::SelectIn selectFont(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SetTextColor(dc, def ? def->textColour : RGB(0, 0, 0));
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, text, length, &rect, DT_SINGLELINE | DT_LEFT | DT_VCENTER | DT_NOPREFIX);
  SetBkMode(dc, oldMode);
}

void SetPicturePixels(HWND box, const Pixels* pixels) {
  SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pixels));
  InvalidateRect(box, nullptr, TRUE);
}

void PaintPicture(HWND box, HDC dc) {
  RECT rect;
  GetClientRect(box, &rect);
  FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  const auto* pixels = reinterpret_cast<const Pixels*>(GetWindowLongPtrA(box, GWLP_USERDATA));
  if (!pixels || pixels->bgr.empty()) return;
  const Rect fit = FitPicture(pixels->width, pixels->height, rect.right, rect.bottom);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixels->width;
  info.bmiHeader.biHeight = pixels->height;  // bottom-up
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  const int depth = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
  const int oldMode = SetStretchBltMode(dc, depth > 16 ? HALFTONE : COLORONCOLOR);
  POINT oldOrigin;
  SetBrushOrgEx(dc, 0, 0, &oldOrigin);  // required after choosing HALFTONE
  StretchDIBits(dc, fit.x, fit.y, fit.width, fit.height, 0, 0, pixels->width, pixels->height,
                pixels->bgr.data(), &info, DIB_RGB_COLORS, SRCCOPY);
  SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
  SetStretchBltMode(dc, oldMode);
}

}  // namespace tw::app
