// The benchmark's baseline: one 624 x 392 window with the program's title, nothing else.
// With the argument "fonts" it also makes the program's five fonts and draws the program's
// texts with them once: the share of the program's memory that is the fonts' glyph caches.
#include <windows.h>

#include <cstring>

static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

static void DrawTheProgramsTexts() {
  struct Font {
    int height, weight;
    const char* face;
    const char* text;
  };
  const Font fonts[] = {{32, 400, "华文琥珀", "当前时间确定"},
                        {19, 400, "华文琥珀", "2026年12月11日17时59分59秒"},
                        {24, 400, "华文行楷", "关机设置"},
                        {35, 700, "华文行楷", "或"},
                        {16, 400, "", "0123456789"}};
  HDC dc = GetDC(nullptr);
  for (const Font& f : fonts) {
    HFONT font =
        CreateFontA(-f.height, 0, 0, 0, f.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, f.face);
    HGDIOBJ old = SelectObject(dc, font);
    TextOutA(dc, 0, 0, f.text, static_cast<int>(std::strlen(f.text)));
    SelectObject(dc, old);
    DeleteObject(font);
  }
  HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  TextOutA(dc, 0, 0, "我要在小时分后关机睡眠", 22);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  if (std::strstr(commandLine, "fonts")) DrawTheProgramsTexts();
  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "BareWindow";
  RegisterClassA(&wc);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - 624) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - 392) / 2;
  HWND window = CreateWindowExA(0, "BareWindow", "Tarnwick定时关机工具",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 624,
                                392, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
