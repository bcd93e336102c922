// The notification-area icon's pure parts: the tip bytes, the mouse-message mapping,
// the pop-up menu model and the mapping of menu commands to items.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tw::tray {

inline constexpr unsigned kTrayCallbackMessage = 32868;  // 0x8064
inline constexpr unsigned kTrayIconId = 100;
inline constexpr size_t kTipField = 64;
inline constexpr size_t kTipMaxBytes = 62;

// The 64-byte tip field: at most the first 62 bytes of the tip, never half a two-byte GBK
// character (a character the cut would split is dropped whole), the rest zero.
std::array<char, kTipField> TipField(std::string_view tip);

enum class TrayEvent { kNone = 0, kClick = 1, kDoubleClick = 2, kMenu = 3 };

// The icon's mouse message (the callback's lParam) as a tray event.
TrayEvent TrayEventFor(intptr_t mouseMessage);

struct MenuItem {
  std::string text;
  int level = 0;  // 0 top level, 1 an item of the one before it at level 0, ...
  bool hidden = false;
  bool disabled = false;
  bool checked = false;
};

inline constexpr unsigned kFirstMenuCommand = 20000;
inline constexpr unsigned kLastMenuCommand = 57599;

// The identifier of the item at this position among all the window's menu items.
constexpr unsigned CommandIdFor(size_t position) {
  return kFirstMenuCommand + static_cast<unsigned>(position);
}
// The position of the item a WM_COMMAND identifier names, or nothing.
std::optional<size_t> MenuItemForCommand(unsigned id, size_t itemCount);

struct PopupEntry {
  enum class Kind { kItem, kSeparator, kSubmenu } kind = Kind::kItem;
  std::string text;
  unsigned id = 0;
  bool grayed = false;
  bool checked = false;
  std::vector<PopupEntry> children;  // for kSubmenu
};

// The pop-up menu of the item at `index`: its sub-items, hidden ones left out with their
// own sub-items, "-" as a separator, items with sub-items as submenus. Nothing when the item
// is the last one or has no sub-items.
std::optional<std::vector<PopupEntry>> BuildPopup(std::span<const MenuItem> items, size_t index);

}  // namespace tw::tray
