// The benchmark's baseline: one 624 x 392 window with the program's title, nothing else.
#include <windows.h>

static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
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
