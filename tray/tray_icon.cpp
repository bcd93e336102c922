#include "tray/tray_icon.h"

#include <cstring>

#include "app/frame.h"
#include "app/layout.h"
#include "tray/icon_file.h"

namespace tw::tray {

namespace {

int g_liveIcons = 0;

struct CountedIconTraits {
  static void Close(HICON icon) {
    DestroyIcon(icon);
    --g_liveIcons;
  }
};
using TrayOwnedIcon = platform::Unique<HICON, CountedIconTraits>;

TraySeam g_seam = RealTraySeam();

HICON MakeIcon(std::span<const uint8_t> file, int preferredWidth) {
  const auto image = ChooseIconImage(file, preferredWidth);
  if (!image) return nullptr;
  auto* bits = const_cast<PBYTE>(image->bytes.data());
  const auto size = static_cast<DWORD>(image->bytes.size());
  HICON icon = CreateIconFromResourceEx(bits, size, TRUE, 0x00030000, image->width, image->height,
                                        LR_DEFAULTCOLOR);
  if (!icon && image->bitCount != 16) icon = CreateIconFromResource(bits, size, TRUE, 0x00030000);
  if (icon) ++g_liveIcons;
  return icon;
}

void AppendEntries(HMENU menu, const std::vector<PopupEntry>& entries) {
  for (const PopupEntry& entry : entries) {
    switch (entry.kind) {
      case PopupEntry::Kind::kSeparator:
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        break;
      case PopupEntry::Kind::kSubmenu: {
        HMENU sub = CreatePopupMenu();
        if (!sub) break;
        AppendEntries(sub, entry.children);
        UINT flags = MF_POPUP | MF_STRING;
        if (entry.grayed) flags |= MF_GRAYED;
        if (entry.checked) flags |= MF_CHECKED;
        // Once appended, the submenu belongs to its parent menu and goes with it.
        if (!AppendMenuA(menu, flags, reinterpret_cast<UINT_PTR>(sub), entry.text.c_str())) {
          DestroyMenu(sub);
        }
        break;
      }
      case PopupEntry::Kind::kItem: {
        UINT flags = MF_STRING;
        if (entry.grayed) flags |= MF_GRAYED;
        if (entry.checked) flags |= MF_CHECKED;
        AppendMenuA(menu, flags, entry.id, entry.text.c_str());
        break;
      }
    }
  }
}

}  // namespace

// The shell is loaded the first time an icon is shown, not at start: most runs never
// arm, and the shell's libraries cost more memory and start time than the whole program.
// Once loaded it stays for the rest of the process, like a static import would.
BOOL WINAPI NotifyThroughShell(DWORD message, PNOTIFYICONDATAA data) {
  using Notify = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);
  static Notify notify = [] {
    HMODULE shell = LoadLibraryA("shell32.dll");
    return shell ? reinterpret_cast<Notify>(
                       reinterpret_cast<void*>(GetProcAddress(shell, "Shell_NotifyIconA")))
                 : nullptr;
  }();
  return notify ? notify(message, data) : FALSE;
}

TraySeam RealTraySeam() {
  return {NotifyThroughShell, GetCursorPos, SetForegroundWindow, TrackPopupMenu};
}

TraySeam SetTraySeam(const TraySeam& seam) {
  const TraySeam old = g_seam;
  g_seam = seam;
  return old;
}

int LiveTrayIcons() { return g_liveIcons; }

TrayIcon::~TrayIcon() {
  if (current_) CountedIconTraits::Close(current_);
}

void TrayIcon::Set(HWND window, std::span<const uint8_t> iconFile, std::string_view tip) {
  TrayOwnedIcon icon;
  if (!iconFile.empty()) {
    icon.reset(MakeIcon(iconFile, 16));
    if (!icon) icon.reset(MakeIcon(iconFile, 32));
  }
  NOTIFYICONDATAA data;
  std::memset(&data, 0, sizeof data);
  data.cbSize = kNotifyIconDataSize;
  data.hWnd = window;
  data.uID = kTrayIconId;
  const auto field = TipField(tip);
  std::memcpy(data.szTip, field.data(), field.size());
  TrayOwnedIcon old(current_);
  current_ = nullptr;

  if (!icon) {
    if (old) g_seam.notify(NIM_DELETE, &data);  // uFlags 0
    return;                                     // the old icon goes with `old`
  }
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = icon.get();
  bool shown;
  if (!old) {
    shown = g_seam.notify(NIM_ADD, &data);
  } else {
    // A shell that restarted, or was not ready at the first add, has no icon to modify.
    shown = g_seam.notify(NIM_MODIFY, &data) || g_seam.notify(NIM_ADD, &data);
  }
  if (shown) current_ = icon.release();  // a refused icon is destroyed with `icon`
}

void OnTrayCallback(LPARAM mouseMessage) { OnTrayEvent(TrayEventFor(mouseMessage)); }

void OnTrayEvent(TrayEvent event) {
  app::Frame& frame = app::TheFrame();
  switch (event) {
    case TrayEvent::kDoubleClick:
      frame.LoadWindow(true);
      frame.SetWindowVisible(true);
      break;
    case TrayEvent::kMenu:
      if (HWND main = frame.hwnd()) ShowTrayMenu(main, app::kMenuOperate);
      break;
    default:
      break;
  }
}

void OnMenuCommand(unsigned id) {
  const auto items = app::MenuItems();
  const auto position = MenuItemForCommand(id, items.size());
  if (!position) return;
  app::Frame& frame = app::TheFrame();
  switch (*position) {
    case app::kMenuOpen:
      frame.LoadWindow(true);
      frame.SetWindowVisible(true);
      break;
    case app::kMenuExit:
      frame.DestroyWindowLater();
      break;
    default:  // "操作" has no bound handler
      break;
  }
}

void ShowTrayMenu(HWND window, size_t menuItem) {
  // The program's window is the only one with menu items.
  if (window != app::TheFrame().hwnd()) return;
  const auto entries = BuildPopup(app::MenuItems(), menuItem);
  if (!entries) return;
  platform::UniqueMenu menu(CreatePopupMenu());
  if (!menu) return;
  AppendEntries(menu.get(), *entries);
  POINT cursor{};
  g_seam.getCursorPos(&cursor);
  g_seam.setForegroundWindow(window);
  g_seam.trackPopupMenu(menu.get(), TPM_RIGHTALIGN, cursor.x - 5, cursor.y - 5, 0, window, nullptr);
  PostMessageA(window, WM_NULL, 0, 0);
}

}  // namespace tw::tray
