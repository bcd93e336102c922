#include "app/self_drawn.h"

#include "platform/handles.h"

namespace tw::app {

namespace {

constexpr int kFontSlot = 0;  // window extra bytes: the font set with WM_SETFONT

const ControlDef* DefinitionOf(HWND window) {
  const auto index = ControlIndexForId(GetDlgCtrlID(window));
  return index ? &kControls[*index] : nullptr;
}

// The messages every self-drawn window answers the same way: one paint function for
// WM_PAINT and WM_PRINTCLIENT, and no separate erasing (the paint fills everything).
template <void (*Paint)(HWND, HDC)>
bool HandlePainting(HWND window, UINT message, WPARAM wParam, LRESULT& result) {
  switch (message) {
    case WM_PAINT: {
      platform::PaintScope paint(window);
      Paint(window, paint.dc());
      result = 0;
      return true;
    }
    case WM_PRINTCLIENT:
      Paint(window, reinterpret_cast<HDC>(wParam));
      result = 0;
      return true;
    case WM_ERASEBKGND:
      result = 1;
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (LRESULT result; HandlePainting<PaintLabel>(window, message, wParam, result)) return result;
  switch (message) {
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
  if (LRESULT result; HandlePainting<PaintPicture>(window, message, wParam, result)) return result;
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

std::optional<FittedPicture> FitPictureToBox(std::span<const uint8_t> jpeg, int boxWidth,
                                             int boxHeight) {
  struct Decoded {
    platform::UniqueBitmap dib;
    PictureSize size;
  } decoded;
  const PictureTarget intoDib = [](const PictureSize& size, void* context) -> uint8_t* {
    auto& out = *static_cast<Decoded*>(context);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = size.height;  // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    out.dib.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    out.size = size;
    return out.dib ? static_cast<uint8_t*>(bits) : nullptr;
  };
  if (!DecodeJpegInto(jpeg, intoDib, &decoded)) return std::nullopt;
  const Rect place = FitPicture(decoded.size.width, decoded.size.height, boxWidth, boxHeight);
  if (place.width <= 0 || place.height <= 0) return std::nullopt;

  platform::WindowDc screen(nullptr);
  FittedPicture fitted{
      platform::UniqueBitmap(CreateCompatibleBitmap(screen.get(), place.width, place.height)),
      place};
  platform::UniqueMemoryDc source(CreateCompatibleDC(screen.get()));
  platform::UniqueMemoryDc target(CreateCompatibleDC(screen.get()));
  if (!fitted.bitmap || !source || !target) return std::nullopt;
  {
    platform::SelectIn selectSource(source.get(), decoded.dib.get());
    platform::SelectIn selectTarget(target.get(), fitted.bitmap.get());
    const int depth = GetDeviceCaps(screen.get(), BITSPIXEL) * GetDeviceCaps(screen.get(), PLANES);
    SetStretchBltMode(target.get(), depth > 16 ? HALFTONE : COLORONCOLOR);
    SetBrushOrgEx(target.get(), 0, 0, nullptr);  // required after choosing HALFTONE
    StretchBlt(target.get(), 0, 0, place.width, place.height, source.get(), 0, 0,
               decoded.size.width, decoded.size.height, SRCCOPY);
  }
  return fitted;
}

void SetPicture(HWND box, const FittedPicture* picture) {
  SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture));
  InvalidateRect(box, nullptr, TRUE);
}

void PaintPicture(HWND box, HDC dc) {
  RECT rect;
  GetClientRect(box, &rect);
  FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  const auto* picture =
      reinterpret_cast<const FittedPicture*>(GetWindowLongPtrA(box, GWLP_USERDATA));
  if (!picture || !picture->bitmap) return;
  platform::UniqueMemoryDc memory(CreateCompatibleDC(dc));
  if (!memory) return;
  platform::SelectIn select(memory.get(), picture->bitmap.get());
  const Rect& p = picture->place;
  BitBlt(dc, p.x, p.y, p.width, p.height, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace tw::app
