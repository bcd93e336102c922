// Reads the desktop for the end-to-end tests, from outside the program: windows, their
// texts, places and states. Prints UTF-8, one answer per line.
//   probe main                 visible|hidden|none LEFT TOP WIDTH HEIGHT
//   probe control ID           visible|hidden CHECKED LEFT TOP WIDTH HEIGHT TEXT
//   probe selection ID         the list box's selected index
//   probe focus                the control id of the focused control, or 0
//   probe msgbox               CAPTION|TEXT of each visible message box
//   probe tray                 LEFT TOP WIDTH HEIGHT of each notification-area icon
//   probe tooltip              the text of each visible tooltip
//   probe menu                 LEFT TOP RIGHT BOTTOM of each visible pop-up menu
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string ToUtf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

std::string TextOf(HWND window) {
  wchar_t text[1024] = {};
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      2000, &result);
  return ToUtf8(text);
}

std::string ClassOf(HWND window) {
  char name[128] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::vector<HWND> AllWindows() {
  std::vector<HWND> all;
  EnumWindows(
      [](HWND w, LPARAM list) -> BOOL {
        auto* windows = reinterpret_cast<std::vector<HWND>*>(list);
        windows->push_back(w);
        EnumChildWindows(
            w,
            [](HWND c, LPARAM l) -> BOOL {
              reinterpret_cast<std::vector<HWND>*>(l)->push_back(c);
              return TRUE;
            },
            list);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&all));
  return all;
}

void PrintRect(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  std::printf("%ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
}

HWND MainWindow() { return FindWindowA("TarnwickMainWindow", nullptr); }

HWND FindControl(HWND main, int id) {
  for (HWND w : AllWindows()) {
    if (GetDlgCtrlID(w) == id && (w == main || IsChild(main, w))) return w;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string what = argv[1];
  HWND main = MainWindow();
  if (what == "main") {
    if (!main) {
      std::printf("none\n");
      return 0;
    }
    std::printf("%s ", IsWindowVisible(main) ? "visible" : "hidden");
    PrintRect(main);
    std::printf("\n");
  } else if (what == "control" && argc > 2) {
    HWND c = main ? FindControl(main, std::atoi(argv[2])) : nullptr;
    if (!c) {
      std::printf("none\n");
      return 1;
    }
    std::printf("%s %d ", IsWindowVisible(c) ? "visible" : "hidden",
                static_cast<int>(SendMessageA(c, BM_GETCHECK, 0, 0)));
    PrintRect(c);
    std::printf(" %s\n", TextOf(c).c_str());
  } else if (what == "selection" && argc > 2) {
    HWND c = main ? FindControl(main, std::atoi(argv[2])) : nullptr;
    std::printf("%d\n", c ? static_cast<int>(SendMessageA(c, LB_GETCURSEL, 0, 0)) : -2);
  } else if (what == "focus") {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(main ? GetWindowThreadProcessId(main, nullptr) : 0, &info);
    std::printf("%d\n", info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0);
  } else {
    for (HWND w : AllWindows()) {
      if (!IsWindowVisible(w)) continue;
      const std::string cls = ClassOf(w);
      if (what == "msgbox" && cls == "#32770") {
        HWND text = GetDlgItem(w, 0xFFFF);
        std::printf("%s|%s\n", TextOf(w).c_str(), text ? TextOf(text).c_str() : "");
      } else if (what == "tray" && cls == "__wine_tray_icon") {
        PrintRect(w);
        std::printf("\n");
      } else if (what == "tooltip" && cls == "tooltips_class32") {
        std::printf("%s\n", TextOf(w).c_str());
      } else if (what == "menu" && cls == "#32768") {
        RECT r;
        GetWindowRect(w, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
      }
    }
  }
  return 0;
}
